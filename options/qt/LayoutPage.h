#pragma once

#include "menus/LayoutMenu.h"
#include "options/qt/OptionsPage.h"

#include <string>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace trumbel {

// Whether drawing the tree may take the keyboard focus (only while its page is on show).
enum class TreeFocus { Leave, Take };

// The layout tree: the window, its start and end units, the containers and their slots. A
// right click selects a node and opens its layout menu; the command edits the record, the
// strip is laid out again and the tree shows the node the command answers.
class LayoutPage final : public OptionsPage, public LayoutTree {
public:
    LayoutPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
    void Shown() override;
    void Tick() override;

    bool NoEvents() const override;
    void ShowTree(const std::string& key, TreeRebuild rebuild) override;
    // Rebuild empties the tree and adds every node again, keeping the first visible line;
    // Update rewrites texts and icons and adds the nodes that are missing. Either way the node
    // `key` ends selected.
    void ShowTree(const std::string& key, TreeRebuild rebuild, TreeFocus focus);

    // The right click on `item`: selects it and opens its menu.
    void OpenMenu(QTreeWidgetItem* item);
    // "最新の情報に更新(&R)".
    void Refresh();

    std::string SelectedKey() const;
    // The line of node `key`; nullptr when the tree has none.
    QTreeWidgetItem* Item(const std::string& key) const;
    QTreeWidget* tree() const { return tree_; }
    QPushButton* refreshButton() const { return refresh_; }

private:
    std::string TopKey() const;
    const OptionsDialogState& dialog_;
    QTreeWidget* tree_ = nullptr;
    QPushButton* refresh_ = nullptr;
};

} // namespace trumbel

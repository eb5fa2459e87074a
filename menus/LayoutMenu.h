#pragma once

#include "menus/FormMenu.h"
#include "menus/LayoutCommands.h"

#include <string_view>

namespace trumbel {

// What the layout tree of the options dialog does for the layout menus.
class LayoutTree {
public:
    virtual ~LayoutTree() = default;
    // True while the dialog fills its controls: the unit radio items then change nothing.
    virtual bool NoEvents() const = 0;
    // Rebuilds or updates the tree, then selects and focuses the node `key`.
    virtual void ShowTree(const std::string& key, TreeRebuild rebuild) = 0;
};

// What the layout commands need of the skin in use.
class LayoutSkin {
public:
    virtual ~LayoutSkin() = default;
    virtual StandardStyles SkinStandardStyles() const = 0;
    // Places the units, sizes the window and redraws it.
    virtual void Relayout() = 0;
};

// The layout menus of the tree: the start and end unit menus, the slot menu and the container
// menu, with the states of the node they open for, and the commands behind them.
class LayoutMenu {
public:
    LayoutMenu(FormMenu& menu, Settings& settings, MenuSources& sources, LayoutSkin& skin)
        : menu_(menu), settings_(settings), sources_(sources), skin_(skin) {}

    // The menu of node `key` ("firstunit", "endunit", "unit1" … "unit10", "slot11" … "slot104";
    // other nodes have none), with its states, at the mouse; once it has closed the chosen
    // command runs.
    void Open(std::string_view key, MenuPresenter& presenter, LayoutTree& tree);
    // Carries out a chosen layout command for node `key`: the settings change, the tree selects
    // its node and the window is laid out again. Disabled items and other names do nothing.
    void Run(std::string_view key, const MenuCommand& command, LayoutTree& tree);

private:
    std::optional<TreeSelection> Carry(const LayoutNode& node, const MenuCommand& command,
                                       const MenuItem& item, LayoutTree& tree);

    FormMenu& menu_;
    Settings& settings_;
    MenuSources& sources_;
    LayoutSkin& skin_;
};

} // namespace trumbel

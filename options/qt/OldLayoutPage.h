#pragma once

#include "menus/LayoutCommands.h"
#include "options/LayoutTree.h"
#include "options/qt/OptionsPage.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace trumbel {

// The older layout editor: the containers in a list, the one chosen with its mode and slots
// in plain controls. It edits the same fields with the same commands as the tree's menus.
class OldLayoutPage final : public OptionsPage {
public:
    OldLayoutPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
    void Shown() override;
    void Tick() override;

    // The container the controls show (0-based).
    int Container() const;

    QListWidget* containerList() const { return list_; }
    QPushButton* insertButton() const { return insert_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* upButton() const { return up_; }
    QRadioButton* graphButton() const { return graph_; }
    QRadioButton* clockButton() const { return clock_; }
    QCheckBox* historyBox() const { return history_; }
    QCheckBox* shownBox() const { return shown_; }
    QComboBox* kindList(int slot) const { return kinds_.at(static_cast<std::size_t>(slot)); }
    QComboBox* deviceList(int slot) const { return devices_.at(static_cast<std::size_t>(slot)); }
    QLabel* fixedSkinNote() const { return fixedNote_; }

private:
    // Runs a command on the chosen container's node unless the dialog is filling; the list
    // then shows the container the command answers.
    void Run(const std::function<std::optional<TreeSelection>(LayoutCommands&)>& command);
    void ChooseKind(int slot, int kind);
    void ChooseDevice(int slot, int index);
    void ShowContainer(int u);
    void FillList(int select);
    bool Quiet() const;

    const OptionsDialogState& dialog_;
    QLabel* fixedNote_ = nullptr;
    QWidget* editor_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* insert_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* up_ = nullptr;
    QRadioButton* graph_ = nullptr;
    QRadioButton* clock_ = nullptr;
    QCheckBox* history_ = nullptr;
    QCheckBox* shown_ = nullptr;
    std::array<QComboBox*, kSlotCount> kinds_{};
    std::array<QComboBox*, kSlotCount> devices_{};
    std::array<std::vector<DeviceChoice>, kSlotCount> choices_; // what each device list offers
};

} // namespace trumbel

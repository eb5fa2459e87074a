#pragma once

#include "functions/FunctionLauncher.h"
#include "options/qt/OptionsPage.h"

#include <QCoreApplication>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace trumbel {

// Page 3: the hot key and the function button's action; the check list chooses the
// favourites, kept when the settings are applied.
class FunctionButtonPage final : public OptionsPage {
    Q_DECLARE_TR_FUNCTIONS(FunctionButtonPage)

public:
    FunctionButtonPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
    void Apply() override;

    QCheckBox* hotKeyBox() { return hotKey_; }
    QCheckBox* ctrlBox() { return ctrl_; }
    QCheckBox* shiftBox() { return shift_; }
    QComboBox* keyList() { return key_; }
    QComboBox* functionCombo() { return function_; }
    QListWidget* functionList() { return list_; }

private:
    void HotKeyEdited();
    // The hot-key controls from the record.
    void ShowHotKey();
    // The rows as the check list now shows them.
    FunctionPage CurrentRows() const;

    QCheckBox* hotKey_ = nullptr;
    QCheckBox* ctrl_ = nullptr;
    QCheckBox* alt_ = nullptr;
    QCheckBox* shift_ = nullptr;
    QComboBox* key_ = nullptr;
    QComboBox* function_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* explore_ = nullptr;
    FunctionPage rows_;
};

} // namespace trumbel

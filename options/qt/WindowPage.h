#pragma once

#include "options/qt/OptionsPage.h"

#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace trumbel {

class WindowPage final : public OptionsPage {
public:
    WindowPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
    void Shown() override;

    // "通常表示" (false) or "最前面表示" (true).
    QRadioButton* displayButton(bool topmost);
    // The rule check boxes, by their settings field.
    QCheckBox* ruleBox(bool Settings::*field);

private:
    QButtonGroup* display_ = nullptr;
    QGroupBox* normal_ = nullptr;
    QGroupBox* topmost_ = nullptr;
    std::vector<std::pair<bool Settings::*, QCheckBox*>> rules_;
};

} // namespace trumbel

#pragma once

#include "options/qt/OptionsPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace trumbel {

// Page 0: snapping, the startup entry, the history graphs, the dialog's own page memory, icon
// menus and the strip's transparency.
class BasicPage final : public OptionsPage {
public:
    BasicPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
    // Writes or deletes the startup entry as the box says.
    void Apply() override;

    QCheckBox* startupBox() { return startup_; }
    QCheckBox* translucentBox() { return translucent_; }
    QCheckBox* colourKeyBox() { return colourKey_; }
    QSlider* opacitySlider() { return opacity_; }
    QSlider* strengthSlider() { return strength_; }

private:
    void ApplyOpacity();

    QCheckBox* edges_ = nullptr;
    QCheckBox* taskbar_ = nullptr;
    QSlider* strength_ = nullptr;
    QLabel* strengthLabel_ = nullptr;
    QCheckBox* startup_ = nullptr;
    QRadioButton* right_ = nullptr;
    QRadioButton* left_ = nullptr;
    QComboBox* speed_ = nullptr;
    QRadioButton* average_ = nullptr;
    QRadioButton* largest_ = nullptr;
    QCheckBox* lastPage_ = nullptr;
    QCheckBox* iconMenu_ = nullptr;
    QCheckBox* translucent_ = nullptr;
    QCheckBox* colourKey_ = nullptr;
    QSlider* opacity_ = nullptr;
    QLabel* opacityLabel_ = nullptr;
};

} // namespace trumbel

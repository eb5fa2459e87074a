#pragma once

#include "options/NetworkLimits.h"
#include "options/qt/OptionsPage.h"

#include <QCoreApplication>
#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace trumbel {

class NetworkPage final : public OptionsPage {
    Q_DECLARE_TR_FUNCTIONS(NetworkPage)

public:
    NetworkPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
    void Tick() override;

    QComboBox* adapterList() { return adapter_; }
    QRadioButton* halfButton(LimitHalf half);
    QLabel* peakLabel() { return peak_; }
    QComboBox* modeList(int scale) { return scales_[static_cast<std::size_t>(scale)].mode; }
    QLineEdit* valueField(int scale) { return scales_[static_cast<std::size_t>(scale)].value; }
    QComboBox* unitList(int scale) { return scales_[static_cast<std::size_t>(scale)].unit; }
    QComboBox* fixedSkinList() { return fixedSkin_; }

private:
    struct ScaleControls {
        QComboBox* mode = nullptr;
        QLineEdit* value = nullptr;
        QComboBox* unit = nullptr;
    };

    // The limits of the chosen adapter or disk and half; nullptr while none is chosen.
    LimitPair* Pair();
    LimitHalf Half() const;
    int AdapterCount();
    // The chosen disk's index, -1 while an adapter (or nothing) is chosen.
    int DiskIndex();
    RateUnit Rate() { return DiskIndex() >= 0 ? RateUnit::Bytes : RateUnit::Bits; }
    void FillAdapterNames();
    // The chosen adapter's half into the controls, without writing anything back.
    void ShowLimits();
    void ModeChosen(int scale, int mode);
    void ValueTyped(int scale);

    QComboBox* adapter_ = nullptr;
    QButtonGroup* half_ = nullptr;
    QLabel* peak_ = nullptr;
    std::array<ScaleControls, 2> scales_{};
    QComboBox* fixedSkin_ = nullptr;
    // The disks listed after the adapters, read when the page is filled.
    std::vector<std::string> disks_;
    // Set while the page writes its own controls.
    bool showing_ = false;
};

} // namespace trumbel

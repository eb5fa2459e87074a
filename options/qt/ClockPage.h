#pragma once

#include "options/qt/OptionsPage.h"

#include <QCoreApplication>
#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace trumbel {

class ClockPage final : public OptionsPage {
    Q_DECLARE_TR_FUNCTIONS(ClockPage)

public:
    ClockPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;

    QComboBox* serverList() { return server_; }
    QPushButton* adjustButton() { return adjustNow_; }
    QCheckBox* atStartBox() { return atStart_; }
    QLineEdit* portField() { return port_; }
    QLabel* portLabel() { return portNow_; }
    QCheckBox* everyBox() { return every_; }
    QSpinBox* everyHoursField() { return everyHours_; }
    QCheckBox* offsetBox() { return offset_; }
    QAbstractButton* directionButton(int direction);
    QSpinBox* offsetField(int part) { return offsetParts_[static_cast<std::size_t>(part)]; }

private:
    void EnableParts();

    QComboBox* server_ = nullptr;
    QPushButton* adjustNow_ = nullptr;
    QCheckBox* atStart_ = nullptr;
    QLineEdit* port_ = nullptr;
    QLabel* portNow_ = nullptr;
    QCheckBox* every_ = nullptr;
    QSpinBox* everyHours_ = nullptr;
    QCheckBox* offset_ = nullptr;
    QButtonGroup* direction_ = nullptr;
    std::array<QSpinBox*, 4> offsetParts_{};
};

} // namespace trumbel

#pragma once

#include "options/qt/OptionsPage.h"

#include <QCoreApplication>
#include <array>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace trumbel {

// Page 4: the tray icons, what each shows, their pictures and update interval, and what the
// four kinds of click do.
class TrayPage final : public OptionsPage {
    Q_DECLARE_TR_FUNCTIONS(TrayPage)

public:
    TrayPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;

    QCheckBox* showBox() { return show_; }
    QListWidget* iconList() { return icons_; }
    QComboBox* kindList() { return kind_; }
    QComboBox* deviceList() { return device_; }
    QPushButton* addButton() { return add_; }
    QPushButton* removeButton() { return remove_; }
    QComboBox* clickList(int entry) { return clicks_[static_cast<std::size_t>(entry)]; }

private:
    void FillIconList(int select);
    // The device list for the kind shown, with the device selected.
    // machine: Settings::host of the icon.
    void FillDevices(int kind, int device, int machine = 0);
    void IconSelected(int row);
    void ItemEdited();
    void AddIcon();
    void RemoveIcon();
    void EnableControls();
    QString IconCaption(int n);
    QString DeviceCaption(int kind, int device);

    QCheckBox* show_ = nullptr;
    QComboBox* kind_ = nullptr;
    QComboBox* device_ = nullptr;
    QComboBox* image_ = nullptr;
    QListWidget* icons_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QComboBox* interval_ = nullptr;
    std::array<QComboBox*, 4> clicks_{};
};

} // namespace trumbel

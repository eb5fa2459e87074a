#include "core/adapters/MenuAdapters.h"

#include "measure/ItemKinds.h"
#include "settings/RemoteHostList.h"

namespace trumbel {

std::vector<std::string> ProgramMenuSources::BuiltInFunctionNames() const {
    const auto names = BuiltinFunctionNames();
    return {names.begin(), names.end()};
}

int MeasureMenuDevices::CpuCount() const {
    return measure_.Info() ? measure_.Info()->CPUNum() : 0;
}

int MeasureMenuDevices::NetworkCount() const {
    return measure_.Info() ? measure_.Info()->GetNetWorkNum() : 0;
}

std::string MeasureMenuDevices::NetworkName(int index) const {
    return measure_.Info() ? ShownDeviceName(measure_.Info()->GetNetWorkDeviceName(index))
                           : std::string();
}

int MeasureMenuDevices::NetworkStatus(int index) const {
    return measure_.Info() ? measure_.Info()->GetNetWorkStatus(index) : 0;
}

std::vector<std::string> MeasureMenuDevices::SensorNames(int kind) {
    SystemInfo* info = measure_.Info();
    const int paramId = ParamIdOfKind(kind);
    return info && paramId >= kFirstSensorParamId
               ? info->SensorCaptions(static_cast<SensorKind>(paramId - kFirstSensorParamId))
               : std::vector<std::string>{};
}

int MeasureMenuDevices::DiskType(int diskId) {
    return measure_.Info() ? measure_.Info()->GetDiskType(diskId) : 1;
}

std::string MeasureMenuDevices::DiskMountPoint(int diskId) {
    return measure_.Info() ? measure_.Info()->GetDiskMountPoint(diskId) : std::string();
}

int MeasureMenuDevices::RemoteHostCount() const {
    return static_cast<int>(settings_.remoteHosts.size());
}

std::string MeasureMenuDevices::RemoteHostName(int host) const {
    return RemoteHostCaption(settings_, host);
}

int RemoteMenuDevices::NetworkCount() const {
    return values_.DeviceCount(kParamNetReceive);
}

// As this machine's: "[有効] (LAN) eth0", and "[未接続] …" while the host cannot be read.
std::string RemoteMenuDevices::NetworkName(int index) const {
    return ShownDeviceName(NetworkDeviceCaption(values_.DeviceName(kParamNetReceive, index),
                                                values_.NetworkType(index),
                                                values_.NetworkStatus(index)));
}

std::string RemoteMenuDevices::DiskMountPoint(int diskId) {
    return diskId < values_.DeviceCount(kParamDisk) ? values_.DeviceName(kParamDisk, diskId)
                                                    : std::string();
}

std::vector<std::string> RemoteMenuDevices::SensorNames(int kind) {
    const int paramId = ParamIdOfKind(kind);
    std::vector<std::string> names;
    for (int d = 0; paramId >= kFirstSensorParamId && d < values_.DeviceCount(paramId); ++d) {
        names.push_back(values_.DeviceName(paramId, d));
    }
    return names;
}

void ProgramMenuActions::ShowAbout() {
    if (program_.aboutBoxOpen) {
        return; // asked again from a tray click's menu: the open box stays the only one
    }
    program_.aboutBoxOpen = true;
    program_.window().Show();
    program_.UpdatePolls();
    about_.ShowModal();
    program_.aboutBoxOpen = false;
    program_.UpdatePolls();
}

void ProgramMenuActions::OpenOptions(std::optional<OptionsPageId> page) {
    program_.options().OpenOptions(page);
}

bool ProgramMenuActions::SettingsBusy() const {
    return program_.settingsBusy;
}

void ProgramMenuActions::LoadSkinFile() {
    std::string log;
    skin_.LoadSkinFile(log, SkinQuiet::No);
}

void MenuAdapter::LoadMenuWindow() {
    const bool iconMenus = program_.settings.useIconMenu && program_.subclassAllowed;
    menu_.Load(iconMenus ? IconMenus::On : IconMenus::Off);
}

void MenuAdapter::Popup(MenuForm form) {
    PopupMenu menu = PopupMenu::Main;
    switch (form) {
    case MenuForm::Main:
        menu = PopupMenu::Main;
        break;
    case MenuForm::FunctionList:
        menu = PopupMenu::FunctionAll;
        break;
    case MenuForm::Favourites:
        menu = PopupMenu::FunctionPickUp;
        break;
    case MenuForm::SkinList:
        menu = PopupMenu::SkinList;
        break;
    case MenuForm::OptionFiles:
        menu = PopupMenu::ChangeOption;
        break;
    }
    menu_.Popup(menu, presenter_, actions_);
}

} // namespace trumbel

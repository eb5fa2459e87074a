#include "core/adapters/OptionsAdapters.h"

#include "measure/SystemInfo.h"

namespace trumbel {

void ProgramOptionsHost::SetSettingsBusy(bool busy) {
    p_.program.settingsBusy = busy;
    p_.tray.settingsBusy = busy;
}

void ProgramOptionsHost::SetDialogOpen(bool open) {
    p_.behaviour.optionsDialog = open ? OptionsDialogStatus::Open : OptionsDialogStatus::Closed;
}

void ProgramOptionsHost::ReloadSkin() {
    if (p_.program.settings.useBuiltInSkin) {
        LoadBuiltInSkin(p_.program.settings.builtInSkinType + 1);
    } else {
        std::string log;
        LoadSkinFile(log);
    }
}

void ProgramOptionsHost::LoadBuiltInSkin(int number) {
    p_.skin.BuildBuiltInSkin(number, SkinQuiet::No);
    if (colourKey_) {
        SetColourKey(true);
    }
}

bool ProgramOptionsHost::LoadSkinFile(std::string& log) {
    const bool loaded = p_.skin.LoadSkinFile(log, SkinQuiet::No);
    skinLog_ = log;
    if (colourKey_) {
        SetColourKey(true);
    }
    return loaded;
}

void ProgramOptionsHost::ApplyTopMost() {
    const bool on = p_.program.settings.topmost;
    p_.behaviour.SetTopMost(on);
    p_.program.menu().SetTopMostChecked(on);
    p_.program.UpdatePolls();
}

void ProgramOptionsHost::SetColourKey(bool on) {
    colourKey_ = on;
    if (hooks_.colourKey) {
        hooks_.colourKey(on ? std::optional<std::uint32_t>(p_.skin.skin().colorKey) : std::nullopt);
    }
}

WindowPosition ProgramOptionsHost::CurrentWindowPosition() const {
    const Point p = p_.program.window().Position();
    return {p.x, p.y};
}

void ProgramOptionsHost::ApplyTrayIcons() {
    const int count = p_.program.settings.trayIconCount;
    for (int i = 1; i <= kTrayIconMax; ++i) {
        const TaskIcon* icon = p_.tray.Icon(i);
        const bool shown = icon && icon->IconShown();
        if (i <= count) {
            // The item may have changed: its pictures are composed again.
            p_.tray.UpdateTrayIcon(i, shown ? TrayMode::Refresh : TrayMode::Create,
                                   RebuildImages::Yes);
        } else if (shown) {
            p_.tray.UpdateTrayIcon(i, TrayMode::Remove);
        }
    }
}

void ProgramOptionsHost::ReregisterHotKey() {
    HotKeyPort& hotKey = p_.program.hotKey();
    if (hotKey.IsRegistered()) {
        hotKey.UnregisterSkinHotKey();
    }
    if (p_.program.settings.hotKeyEnabled) {
        hotKey.RegisterSkinHotKey();
    }
}

int ProgramOptionsHost::NetworkDeviceCount() const {
    const SystemInfo* info = p_.measure.Info();
    return info ? static_cast<int>(info->GetNetWorkNum()) : 0;
}

std::string ProgramOptionsHost::NetworkDeviceName(int index) const {
    const SystemInfo* info = p_.measure.Info();
    return info ? ShownDeviceName(info->GetNetWorkDeviceName(index)) : std::string();
}

void ProgramOptionsHost::SetSystemValue(int paramId, int deviceId, int showParamInfo, float value) {
    if (SystemInfo* info = p_.measure.Info()) {
        info->SetSystemValue(paramId, deviceId, showParamInfo, value);
    }
}

void ProgramOptionsHost::SetDeviceMenus(DeviceMenus what) {
    if (what == DeviceMenus::Fill) {
        p_.menu.SetNetWorkDevice(p_.menuDevices);
    } else {
        p_.menu.DeleteNetworkDevice();
    }
}

void ProgramOptionsHost::OpenClockWindow() {
    p_.program.clock().UnloadAdjustWindow();
    p_.program.clock().LoadAdjustWindow();
}

void ProgramOptionsHost::SaveSettings() {
    p_.program.settingsPort().SaveSettings(p_.program.settingsPort().SettingsFilePath());
}

void ProgramOptionsHost::FollowRecord() {
    ReloadSkin();
    ApplyTopMost();
    ApplyTrayIcons();
    ReregisterHotKey();
}

void ProgramOptionsHost::ReplaceRecord(const std::function<void()>& replace) {
    // A new double size must still move the window: the behaviour compares with the old one.
    const bool doubleSize = p_.program.settings.doubleSize;
    replace();
    const bool replaced = p_.program.settings.doubleSize;
    p_.program.settings.doubleSize = doubleSize;
    p_.behaviour.SetDoubleSize(replaced);
    FollowRecord();
}

void ProgramOptionsHost::ResetSettings(SettingsGroup group) {
    ReplaceRecord([&] { p_.settings.store().ResetSettings(group); });
}

void ProgramOptionsHost::OpenOptionFile(const std::string& path) {
    ReplaceRecord([&] { p_.settings.store().OpenOptionFile(path); });
}

void ProgramOptionsHost::SaveOptionFile(const std::string& path) {
    const WriteResult result = p_.settings.store().SaveOptionFile(path);
    if (!result.ok) {
        p_.ui.MessageBox(SaveFailedBox(path, result));
    }
}

} // namespace trumbel

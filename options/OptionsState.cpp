#include "options/OptionsState.h"

namespace trumbel {

namespace {

bool TrayDiffers(const Settings& a, const Settings& b) {
    return a.trayIconCount != b.trayIconCount || a.trayIcons != b.trayIcons ||
           a.trayImageFile != b.trayImageFile;
}

bool HotKeyDiffers(const Settings& a, const Settings& b) {
    return a.hotKeyEnabled != b.hotKeyEnabled || a.hotKeyCtrl != b.hotKeyCtrl ||
           a.hotKeyAlt != b.hotKeyAlt || a.hotKeyShift != b.hotKeyShift ||
           a.hotKeyCode != b.hotKeyCode;
}

} // namespace

int ResetGroupOfPage(int page) {
    // Pages 0..9 in list order; the layout tree and the older editor share the layout group.
    static constexpr std::array<int, kOptionsPageCount> kGroups{0, 4, 5, 6, 7, 8, 2, 1, 3, 9};
    if (page < 0 || page >= kOptionsPageCount) {
        return kGroups[0];
    }
    return kGroups[static_cast<std::size_t>(page)];
}

int InitialOptionsPage(const Settings& settings) {
    if (IsOn(settings.openLastOptionsPage) && settings.lastOptionsPage >= 0 &&
        settings.lastOptionsPage < kOptionsPageCount) {
        return settings.lastOptionsPage;
    }
    return 0;
}

PageCaption OptionsPageCaption(int page) {
    static constexpr std::array<PageCaption, kOptionsPageCount> kCaptions{{
        {"基本機能", ""},
        {"Skin設定", ""},
        {"拡張Skin設定", ""},
        {"「FN」ボタン", "の設定"},
        {"タスクアイコン", "設定"},
        {"時計合わせ", "の設定"},
        {"位置情報", "の設定"},
        {"ウィンドウ", "表示設定"},
        {"ネットワーク", "関連"},
        {"拡張Skin設定", "(旧式)"},
    }};
    if (page < 0 || page >= kOptionsPageCount) {
        return {};
    }
    return kCaptions[static_cast<std::size_t>(page)];
}

std::string_view OptionsPageIcon(int page) {
    static constexpr std::array<std::string_view, kOptionsPageCount> kIcons{
        "OPT_110", "OPT_111", "OPT_112", "OPT_113", "OPT_114",
        "OPT_115", "OPT_116", "OPT_117", "OPT_118", "OPT_112"};
    if (page < 0 || page >= kOptionsPageCount) {
        return {};
    }
    return kIcons[static_cast<std::size_t>(page)];
}

void OptionsDialogState::SetBusy(bool busy) {
    busyDepth_ += busy ? 1 : -1;
    if (busyDepth_ < 0) {
        busyDepth_ = 0;
    }
    host_.SetSettingsBusy(busyDepth_ > 0);
}

void OptionsDialogState::BeginLoad() {
    SetBusy(true);
    snapshot_ = host_.settings();
    loaded_ = true;
    host_.SetDialogOpen(true);
}

void OptionsDialogState::RestoreBeforeFill() {
    host_.settings() = snapshot_;
}

void OptionsDialogState::EndLoad() {
    SetBusy(false);
}

void OptionsDialogState::Apply() {
    Settings& s = host_.settings();
    snapshot_ = s;
    if (s.startPositionMode == 0) {
        const WindowPosition p = host_.CurrentWindowPosition();
        s.startX = p.x;
        s.startY = p.y;
        snapshot_.startX = p.x;
        snapshot_.startY = p.y;
    }
    host_.SaveSettings();
    host_.UpdatePolls();
}

void OptionsDialogState::Unload() {
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    host_.SetDeviceMenus(DeviceMenus::Remove);
    // The window shrinks or grows back first, away from the nearer screen edges.
    host_.SetDoubleSize(IsOn(snapshot_.doubleSize));
    const Settings edited = host_.settings();
    host_.settings() = snapshot_;
    host_.ReloadSkin();
    host_.ApplyTopMost();
    if (TrayDiffers(edited, snapshot_)) {
        host_.ApplyTrayIcons();
    }
    if (HotKeyDiffers(edited, snapshot_)) {
        host_.ReregisterHotKey();
    }
    host_.SetDialogOpen(false);
    busyDepth_ = 0;
    host_.SetSettingsBusy(false);
}

void OptionsDialogState::ChangePage(int page) {
    if (page < 0 || page >= kOptionsPageCount) {
        return;
    }
    page_ = page;
    Settings& s = host_.settings();
    if (IsOn(s.openLastOptionsPage)) {
        s.lastOptionsPage = static_cast<std::int16_t>(page);
    }
}

void OptionsDialogState::ResetPage(int page) {
    host_.ResetSettings(ResetGroupOfPage(page));
}

void OptionsDialogState::ResetAll() {
    host_.ResetSettings(-1);
}

} // namespace trumbel

#include "options/OptionsState.h"

#include "base/UiLanguage.h"

namespace trumbel {

namespace {

std::size_t Index(OptionsPageId page) {
    return static_cast<std::size_t>(page);
}

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

SettingsGroup ResetGroupOfPage(OptionsPageId page) {
    // In page order; the layout tree and the older editor both put the layout back.
    using G = SettingsGroup;
    static constexpr std::array<SettingsGroup, kOptionsPageCount> kGroups{
        G::Basic,    G::Skin,   G::Layout,  G::FunctionAndHotKey, G::Tray,       G::Clock,
        G::Position, G::Window, G::Network, G::OldLayout,         G::RemoteHosts};
    return IsOptionsPage(page) ? kGroups[Index(page)] : G::Basic;
}

OptionsPageId InitialOptionsPage(const Settings& settings) {
    if (settings.openLastOptionsPage && IsOptionsPage(settings.lastOptionsPage)) {
        return settings.lastOptionsPage;
    }
    return OptionsPageId::Basic;
}

PageCaption OptionsPageCaption(OptionsPageId page) {
    static constexpr std::array<PageCaption, kOptionsPageCount> kCaptions{{
        {QT_TRANSLATE_NOOP("OptionsPages", "基本機能"), ""},
        {QT_TRANSLATE_NOOP("OptionsPages", "Skin設定"), ""},
        {QT_TRANSLATE_NOOP("OptionsPages", "拡張Skin設定"), ""},
        {QT_TRANSLATE_NOOP("OptionsPages", "「FN」ボタン"),
         QT_TRANSLATE_NOOP("OptionsPages", "の設定")},
        {QT_TRANSLATE_NOOP("OptionsPages", "タスクアイコン"),
         QT_TRANSLATE_NOOP("OptionsPages", "設定")},
        {QT_TRANSLATE_NOOP("OptionsPages", "時計合わせ"),
         QT_TRANSLATE_NOOP("OptionsPages", "の設定")},
        {QT_TRANSLATE_NOOP("OptionsPages", "位置情報"),
         QT_TRANSLATE_NOOP("OptionsPages", "の設定")},
        {QT_TRANSLATE_NOOP("OptionsPages", "ウィンドウ"),
         QT_TRANSLATE_NOOP("OptionsPages", "表示設定")},
        {QT_TRANSLATE_NOOP("OptionsPages", "ネットワーク"),
         QT_TRANSLATE_NOOP("OptionsPages", "関連")},
        {QT_TRANSLATE_NOOP("OptionsPages", "拡張Skin設定"),
         QT_TRANSLATE_NOOP("OptionsPages", "(旧式)")},
        {QT_TRANSLATE_NOOP("OptionsPages", "リモートホスト"), ""},
    }};
    if (!IsOptionsPage(page)) {
        return {};
    }
    return kCaptions[Index(page)];
}

std::string_view OptionsPageIcon(OptionsPageId page) {
    static constexpr std::array<std::string_view, kOptionsPageCount> kIcons{
        "OPT_110", "OPT_111", "OPT_112", "OPT_113", "OPT_114", "OPT_115",
        "OPT_116", "OPT_117", "OPT_118", "OPT_112", "OPT_118"};
    if (!IsOptionsPage(page)) {
        return {};
    }
    return kIcons[Index(page)];
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
    host_.SetDoubleSize(snapshot_.doubleSize);
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

void OptionsDialogState::ChangePage(OptionsPageId page) {
    if (!IsOptionsPage(page)) {
        return;
    }
    page_ = page;
    Settings& s = host_.settings();
    if (s.openLastOptionsPage) {
        s.lastOptionsPage = page;
    }
}

void OptionsDialogState::ResetPage(OptionsPageId page) {
    host_.ResetSettings(ResetGroupOfPage(page));
}

void OptionsDialogState::ResetAll() {
    host_.ResetSettings(SettingsGroup::All);
}

} // namespace trumbel

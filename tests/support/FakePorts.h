#pragma once

#include "core/Ports.h"

#include <string>

namespace trumbel::test {

// Ports that accept every call and change nothing, for tests about other ports: a test derives
// from the one it watches and fills the rest of the set with these.
struct InertSettings : SettingsPort {
    std::string SettingsFilePath() override { return {}; }
    void LoadSettings(const std::string&, LoadMode) override {}
    void SaveSettings(const std::string&) override {}
};
struct InertMeasure : MeasurePort {
    bool exists = false;
    bool Exists() const override { return exists; }
    void Create() override { exists = true; }
    void Release() override { exists = false; }
    void RefreshParam(int) override {}
    std::vector<std::string> Notices() const override { return {}; }
};
struct InertSkin : SkinPort {
    void ApplySkin() override {}
    void DrawSkin() override {}
    void UnloadSearchWindow() override {}
    void FreeSurfaces() override {}
};
struct InertTray : TrayPort {
    void CreateIconObjects() override {}
    void CreateIcon(int) override {}
    void UpdateIcon(int) override {}
    void ReleaseAll() override {}
    void ShowNotice(const std::string&) override {}
};
struct InertHotKey : HotKeyPort {
    void RegisterSkinHotKey() override {}
    void UnregisterSkinHotKey() override {}
    bool IsRegistered() const override { return false; }
};
struct InertMenu : MenuPort {
    void LoadMenuWindow() override {}
    void SetShowBiggerChecked(bool) override {}
    void SetTopMostChecked(bool) override {}
    void SetHelpEnabled(bool) override {}
    void Popup(MenuForm) override {}
    void DeleteFileList() override {}
    void UnloadMenuWindow() override {}
};
struct InertClock : ClockPort {
    void LoadAdjustWindow() override {}
    void UnloadAdjustWindow() override {}
};
struct InertOptions : OptionsPort {
    void OpenOptions(std::optional<OptionsPageId>) override {}
    void UnloadOptions() override {}
};
struct InertFunction : FunctionPort {
    void RunFunctionButton() override {}
};
struct InertWindow : WindowPort {
    void Show() override {}
    void SetTopMost(bool) override {}
    void SetOpacity(int) override {}
    void SetCaption(const std::string&) override {}
    Point Position() const override { return {}; }
    bool IsVisible() const override { return true; }
    void FlashAndFocus() override {}
    void Unload() override {}
    void ProcessPendingEvents() override {}
};
struct InertShell : ShellPort {
    bool FileExists(const std::string&) const override { return false; }
    bool Open(const std::string&) override { return true; }
    bool Explore(const std::string&) override { return true; }
    void SetHelpFile(const std::string&) override {}
};

struct InertBehaviour : BehaviourPort {
    void VisibilityPoll() override {}
    void AutoSnap() override {}
    void AutoSnapReturn() override {}
    void UpdatePolls() override {}
};

// One inert port of each kind; Fill() points every member that a test left null at them.
struct InertPorts {
    InertSettings settings;
    InertMeasure measure;
    InertSkin skin;
    InertTray tray;
    InertHotKey hotKey;
    InertMenu menu;
    InertClock clock;
    InertOptions options;
    InertFunction function;
    InertWindow window;
    InertShell shell;
    InertBehaviour behaviour;

    Ports Fill(Ports p) {
        p.settings = p.settings ? p.settings : &settings;
        p.measure = p.measure ? p.measure : &measure;
        p.skin = p.skin ? p.skin : &skin;
        p.tray = p.tray ? p.tray : &tray;
        p.hotKey = p.hotKey ? p.hotKey : &hotKey;
        p.menu = p.menu ? p.menu : &menu;
        p.clock = p.clock ? p.clock : &clock;
        p.options = p.options ? p.options : &options;
        p.function = p.function ? p.function : &function;
        p.window = p.window ? p.window : &window;
        p.shell = p.shell ? p.shell : &shell;
        p.behaviour = p.behaviour ? p.behaviour : &behaviour;
        return p;
    }
};

} // namespace trumbel::test

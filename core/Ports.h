#pragma once

#include <string>

namespace trumbel {

// The seams between the application core and the subsystems that start-up, the refresh tick
// and the exit drive. Each subsystem library implements its port; the defaults do nothing so
// that a subsystem that is not wired in yet leaves its step empty instead of failing.

enum class LoadMode { Startup, Switch };

struct Point {
    int x = 0;
    int y = 0;
};

// The popup-menu forms that SetMenu prepares.
enum class MenuForm : int { Main = -1, FunctionList = 0, Favourites = 1, SkinList = 2, OptionFiles = 3 };

class SettingsPort {
public:
    virtual ~SettingsPort() = default;
    virtual std::string SettingsFilePath() { return {}; }
    virtual void LoadSettings(const std::string& /*path*/, LoadMode /*mode*/) {}
    virtual void SaveSettings(const std::string& /*path*/) {}
};

class MeasurePort {
public:
    virtual ~MeasurePort() = default;
    virtual bool Exists() const { return created_; }
    virtual void Create() { created_ = true; }
    virtual void Release() { created_ = false; }
    // One measurement pass; sampleCounter places it within the current history step.
    virtual void RefreshParam(int /*sampleCounter*/) {}

private:
    bool created_ = false;
};

class SkinPort {
public:
    virtual ~SkinPort() = default;
    virtual void ApplySkin() {}   // load the skin, lay out units and slots, size the window
    virtual void DrawSkin() {}    // compose and present once
    virtual void UnloadSearchWindow() {}
    virtual void FreeSurfaces() {}
};

class TrayPort {
public:
    virtual ~TrayPort() = default;
    virtual void CreateIconObjects() {}
    virtual void CreateIcon(int /*index*/) {}
    virtual void UpdateIcon(int /*index*/) {}
    virtual void ReleaseAll() {}
};

class HotKeyPort {
public:
    virtual ~HotKeyPort() = default;
    virtual void RegisterSkinHotKey() {}
    virtual void UnregisterSkinHotKey() {}
    virtual bool IsRegistered() const { return false; }
};

class MenuPort {
public:
    virtual ~MenuPort() = default;
    virtual void LoadMenuWindow() {}
    virtual void SetShowBiggerChecked(bool /*checked*/) {}
    virtual void SetHelpEnabled(bool /*enabled*/) {}
    virtual void Popup(MenuForm /*form*/) {}
    virtual void DeleteFileList() {}
    virtual void UnloadMenuWindow() {}
};

class ClockPort {
public:
    virtual ~ClockPort() = default;
    virtual void LoadAdjustWindow() {} // the window adjusts the clock once loaded
    virtual void UnloadAdjustWindow() {}
};

class OptionsPort {
public:
    virtual ~OptionsPort() = default;
    static constexpr int kModeless = -1; // open where the user left it, without a page choice
    virtual void OpenOptions(int /*page*/) {}
    virtual void UnloadOptions() {}
};

class FunctionPort {
public:
    virtual ~FunctionPort() = default;
    virtual void RunFunctionButton() {} // as a left click on the skin's function button
};

class WindowPort {
public:
    virtual ~WindowPort() = default;
    virtual void Show() {}
    virtual void SetTopMost(bool /*on*/) {}
    virtual void SetOpacity(int /*alpha*/) {}
    virtual void SetCaption(const std::string& /*caption*/) {}
    virtual Point Position() const { return {}; } // pixels
    virtual bool IsVisible() const { return false; }
    virtual void FlashAndFocus() {}
    virtual void Unload() {}
    virtual void ProcessPendingEvents() {}
};

class ShellPort {
public:
    virtual ~ShellPort() = default;
    virtual bool FileExists(const std::string& /*path*/) const { return false; }
    virtual void Explore(const std::string& /*folder*/) {}
    virtual void SetHelpFile(const std::string& /*path*/) {}
};

// The ports a Program drives. Null members fall back to the do-nothing defaults.
struct Ports {
    SettingsPort* settings = nullptr;
    MeasurePort* measure = nullptr;
    SkinPort* skin = nullptr;
    TrayPort* tray = nullptr;
    HotKeyPort* hotKey = nullptr;
    MenuPort* menu = nullptr;
    ClockPort* clock = nullptr;
    OptionsPort* options = nullptr;
    FunctionPort* function = nullptr;
    WindowPort* window = nullptr;
    ShellPort* shell = nullptr;
};

} // namespace trumbel

#pragma once

#include "base/Geometry.h"
#include "settings/Settings.h"

#include <optional>
#include <string>
#include <vector>

namespace trumbel {

// The seams through which the program drives its subsystems at start-up, on each tick and at
// exit. Every port is a pure interface: the live composition attaches one implementation of
// each, and Program::Attach refuses a set with a gap, so a seam nobody wired cannot pass for
// one that does nothing.

// The popup-menu forms that SetMenu prepares.
enum class MenuForm : int {
    Main = -1,
    FunctionList = 0,
    Favourites = 1,
    SkinList = 2,
    OptionFiles = 3
};

class SettingsPort {
public:
    virtual ~SettingsPort() = default;
    virtual std::string SettingsFilePath() = 0;
    virtual void LoadSettings(const std::string& path, LoadMode mode) = 0;
    virtual void SaveSettings(const std::string& path) = 0;
};

class MeasurePort {
public:
    virtual ~MeasurePort() = default;
    virtual bool Exists() const = 0;
    virtual void Create() = 0;
    virtual void Release() = 0;
    // One measurement pass; sampleCounter places it within the current history step.
    virtual void RefreshParam(int sampleCounter) = 0;
    // What the last pass has to tell the user (a temperature at its limit), one text each.
    virtual std::vector<std::string> Notices() const = 0;
};

class SkinPort {
public:
    virtual ~SkinPort() = default;
    virtual void ApplySkin() = 0; // load the skin, lay out units and slots, size the window
    virtual void DrawSkin() = 0;  // compose and present once
    virtual void UnloadSearchWindow() = 0;
    virtual void FreeSurfaces() = 0;
};

class TrayPort {
public:
    virtual ~TrayPort() = default;
    virtual void CreateIconObjects() = 0;
    virtual void CreateIcon(int index) = 0;
    virtual void UpdateIcon(int index) = 0;
    virtual void ReleaseAll() = 0;
    // A balloon of the product, where balloons can be shown.
    virtual void ShowNotice(const std::string& text) = 0;
};

class HotKeyPort {
public:
    virtual ~HotKeyPort() = default;
    virtual void RegisterSkinHotKey() = 0;
    virtual void UnregisterSkinHotKey() = 0;
    virtual bool IsRegistered() const = 0;
};

class MenuPort {
public:
    virtual ~MenuPort() = default;
    virtual void LoadMenuWindow() = 0;
    virtual void SetShowBiggerChecked(bool checked) = 0;
    // The check of "最前面表示", which follows the setting however it changes.
    virtual void SetTopMostChecked(bool checked) = 0;
    virtual void SetHelpEnabled(bool enabled) = 0;
    virtual void Popup(MenuForm form) = 0;
    virtual void DeleteFileList() = 0;
    virtual void UnloadMenuWindow() = 0;
};

// Loaded at start, by the tick every N hours, by the menu's "時計を合わせる(&T)" and by the
// options dialog's button (which unloads a window still open first, so that it always starts
// afresh); loading while the window is open does nothing.
class ClockPort {
public:
    virtual ~ClockPort() = default;
    virtual void LoadAdjustWindow() = 0; // the window adjusts the clock once loaded
    virtual void UnloadAdjustWindow() = 0;
};

class OptionsPort {
public:
    virtual ~OptionsPort() = default;
    // Opens where the user left it, without a page choice.
    static constexpr std::optional<OptionsPageId> kModeless{};
    virtual void OpenOptions(std::optional<OptionsPageId> page) = 0;
    virtual void UnloadOptions() = 0;
};

// The skin window's own rules, which the polls run and which decide which polls run.
class BehaviourPort {
public:
    virtual ~BehaviourPort() = default;
    virtual void VisibilityPoll() = 0;
    // The auto-snap poll: follow the target window, or go back once auto-snap is off.
    virtual void AutoSnap() = 0;
    virtual void AutoSnapReturn() = 0;
    // Starts and stops the polls as the settings now need them.
    virtual void UpdatePolls() = 0;
};

class FunctionPort {
public:
    virtual ~FunctionPort() = default;
    virtual void RunFunctionButton() = 0; // as a left click on the skin's function button
};

class WindowPort {
public:
    virtual ~WindowPort() = default;
    virtual void Show() = 0;
    virtual void SetTopMost(bool on) = 0;
    virtual void SetOpacity(int alpha) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual Point Position() const = 0; // pixels
    virtual bool IsVisible() const = 0;
    virtual void FlashAndFocus() = 0;
    virtual void Unload() = 0;
    virtual void ProcessPendingEvents() = 0;
};

// What the desktop does with files and folders: the default application, the file manager.
class ShellPort {
public:
    virtual ~ShellPort() = default;
    virtual bool FileExists(const std::string& path) const = 0;
    // Opens a file or URL with the desktop's default application; false when nothing started.
    virtual bool Open(const std::string& target) = 0;
    // Shows a folder in the file manager; false when nothing started.
    virtual bool Explore(const std::string& folder) = 0;
    virtual void SetHelpFile(const std::string& path) = 0;
};

// The ports a Program drives; every member must be set.
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
    BehaviourPort* behaviour = nullptr;
};

// The names of the members of `ports` left null, in declaration order.
std::vector<std::string> MissingPorts(const Ports& ports);

} // namespace trumbel

#pragma once

#include "about/qt/AboutBox.h"
#include "clock/ClockAdjustment.h"
#include "clock/qt/TimeInfoWindows.h"
#include "core/Program.h"
#include "core/SkinHotKey.h"
#include "core/WindowBehaviour.h"
#include "core/adapters/ClockTrayNotices.h"
#include "core/adapters/MenuAdapters.h"
#include "core/adapters/OptionsAdapters.h"
#include "core/adapters/ProgramSettingsEnvironment.h"
#include "core/adapters/SubsystemPorts.h"
#include "core/qt/LinkEventNotifier.h"
#include "core/qt/QtDesktop.h"
#include "core/qt/QtHotKey.h"
#include "core/qt/QtOptionsPort.h"
#include "core/qt/QtShell.h"
#include "core/qt/QtSubclass.h"
#include "core/qt/QtTimerHost.h"
#include "core/qt/RemoteReaders.h"
#include "core/qt/SkinWindow.h"
#include "functions/FunctionLauncher.h"
#include "functions/qt/QtLaunchDesktop.h"
#include "measure/SystemMeasure.h"
#include "menus/FormMenu.h"
#include "menus/qt/QtMenuPresenter.h"
#include "settings/SettingsStore.h"
#include "skin/SkinEngine.h"
#include "skin/SkinRenderer.h"
#include "skin/SystemInfoView.h"
#include "tray/TrayIcons.h"
#include "tray/TraySource.h"
#include "tray/qt/QtTrayHost.h"

#include <memory>
#include <optional>
#include <string>

namespace trumbel {

class LiveProgram;

// The skin engine's and the renderer's way out to the running strip: its window, its buttons,
// the menu's skin link.
class LiveSkinHost final : public SkinHost, public SkinPresenter {
public:
    explicit LiveSkinHost(LiveProgram& live) : live_(live) {}
    void SetWindowSize(int width, int height) override;
    void MoveWindow(int x, int y) override;
    std::optional<Size> Screen() const override;
    void DrawSkin() override;
    void UpdateSkinLink(const std::string& caption, const std::string& url) override;
    bool OptionsFilling() const override;
    SearchProgress SearchProgressWindow() const override;
    void Present(const Bitmap& picture, int zoom) override;

private:
    LiveProgram& live_;
};

// What the composition is for: the running strip, or a picture rendered without a window
// (a snapshot shows no tray icons and never writes a file).
enum class LiveRole { Window, Snapshot };

// The program with every subsystem it drives, wired once: the one place where ports meet their
// implementations. Building one attaches every port (Program::Attach refuses a gap).
class LiveProgram {
public:
    LiveProgram(Ui& ui, std::string appFolder, LiveRole role);
    ~LiveProgram();
    LiveProgram(const LiveProgram&) = delete;
    LiveProgram& operator=(const LiveProgram&) = delete;

    QtTimerHost timers;
    SkinWindow window;
    Program program;
    SystemMeasure measure;
    // Other machines, read in the background while a slot or tray icon shows them.
    RemoteReaders remote;
    LiveSkinHost skinHost;
    SkinEngine skin;
    QtDesktop desktop;
    WindowBehaviour behaviour;
    SkinHotKey hotKey;
    // Where dialogs hook their controls' events; it installs nothing while subclassing is
    // refused.
    QtSubclassRegistry subclasses;
    SystemInfoView view;
    SkinRenderer renderer;
    ProgramSettingsEnvironment settingsEnvironment;
    SettingsService settings;
    QtTrayHost trayHost;
    TraySourceHooks traySource;
    TrayIcons tray;
    QtLaunchDesktop launchDesktop;
    QtShell shell{launchDesktop};
    TrayNotices clockNotices{tray};
    TimeInfoWindows clock;
    ProgramMenuSources menuSources;
    FormMenu formMenu;
    QtMenuPresenter menuPresenter;
    FunctionLauncher launcher;
    QtAboutDialog aboutDialog;
    ProgramMenuActions menuActions;
    // What the options dialog hands the slot menu when it fills its device lists.
    MeasureMenuDevices menuDevices{measure, program.settings};
    // The layout tree's menus (menus/qt/LayoutMenuPopup.h opens them for a node): their
    // commands edit program.settings and lay the strip out again at once.
    SkinLayoutAdapter layoutSkin{skin};
    LayoutMenu layoutMenu{formMenu, program.settings, menuSources, layoutSkin};
    ProgramOptionsHost optionsHost;
    // The options dialog, made when first opened.
    QtOptionsPort options{optionsHost, window};

private:
    std::optional<QtHotKeyFilter> hotKeyFilter_;
    void RefreshRemote(int sampleCounter);
    MeasureAdapter measurePort_{measure,
                                [this](int sampleCounter) { RefreshRemote(sampleCounter); }};
    SkinAdapter skinPort_{skin};
    SettingsAdapter settingsPort_;
    std::unique_ptr<TrayPort> trayPort_;
    MenuAdapter menuPort_;
    std::unique_ptr<ClockPort> clockPort_;
    FunctionAdapter functionPort_{launcher};
    std::optional<LinkEventNotifier> linkEvents_;
};

} // namespace trumbel

#include "core/qt/LiveProgram.h"

#include "core/adapters/LiveTraySource.h"
#include "functions/qt/FileDropTarget.h"
#include "gfx/qt/BitmapImage.h"
#include "options/StartupEntry.h"
#include "options/qt/OptionsDialog.h"
#include "platform/AppFolder.h"
#include "platform/Connectivity.h"
#include "platform/MonotonicClock.h"
#include "resources/qt/ProgramIcons.h"
#include "resources/qt/ProgramLook.h"
#include "skin/qt/SearchProgressWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <chrono>
#include <cstdlib>

namespace trumbel {

namespace {

Q_LOGGING_CATEGORY(lcWindow, "trumbel.window", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "trumbel.settings", QtWarningMsg)
// One line per refresh pass with the monotonic time, for measuring the gaps between passes.
Q_LOGGING_CATEGORY(lcTicks, "trumbel.ticks", QtWarningMsg)

ProgramEnvironment MakeEnvironment(const std::string& appFolder) {
    ProgramEnvironment env;
    env.appFolder = appFolder;
    env.queryConnectedState = [] { return QueryConnectedState("/proc"); };
    return env;
}

// The folder of the running executable.
std::string ExecutableFolder() {
    return QCoreApplication::applicationDirPath().toStdString() + "/";
}

// Where the companion programs lie: beside the executable once installed, in their own
// build folders in a build tree.
AppSearchPaths LaunchSearchPaths() {
    const std::string own = ExecutableFolder();
    return AppSearchPaths::FromEnvironment({own, own + "tools/sumora"});
}

// A snapshot renders without a desktop around it: no icons appear in the user's tray.
class SnapshotTray final : public TrayPort {
public:
    void CreateIconObjects() override {}
    void CreateIcon(int) override {}
    void UpdateIcon(int) override {}
    void ReleaseAll() override {}
    void ShowNotice(const std::string&) override {}
};

// Nor does a snapshot set the machine's clock.
class SnapshotClock final : public ClockPort {
public:
    void LoadAdjustWindow() override {}
    void UnloadAdjustWindow() override {}
};

} // namespace

LiveProgram::LiveProgram(Ui& ui, std::string appFolder, LiveRole role)
    : window(role == LiveRole::Window ? Presentation::OnScreen : Presentation::Headless),
      program(ui, timers, MakeEnvironment(appFolder)), measure(program.settings),
      remote(program.settings,
             [this, &ui](RemoteHostValues& values, std::string name) {
                 return RemoteTraySource(values, std::move(name), skin, ui);
             }),
      skinHost(*this), skin(program.settings, ui, EmbeddedSkinSource(), skinHost),
      behaviour(program, timers, desktop, window), hotKey(program, desktop.Grabber()),
      subclasses([this] { return program.subclassAllowed; }), view(measure),
      renderer(AccessTo(skin),
               RenderContext{program.settings,
                             view,
                             ui,
                             program.counters.sampleFill,
                             [this] { return program.settingsBusy; },
                             {},
                             [this] { return behaviour.States(); },
                             [this](int host) -> MeasureView& { return remote.View(host, view); }}),
      settingsEnvironment(program, ui, EnsureTrailingSlash(appFolder), CurrentUserName(), measure,
                          skin, window, behaviour),
      // A snapshot reads the settings as a start does but leaves every file as it was.
      settings(program.settings, settingsEnvironment,
               role == LiveRole::Window ? FileWrites::Allowed : FileWrites::Forbidden),
      trayHost([this](TrayClick click) {
          program.OnTrayMessage(static_cast<TrayMessage>(static_cast<int>(click)));
      }),
      traySource(LiveTraySource(measure, skin, ui)),
      tray(program.settings, program.noBalloon, program.appFolder, ui, trayHost, traySource),
      clock(AdjustContext{program.settings, [this] { return program.RefreshConnectedState(); },
                          program.noBalloon},
            clockNotices),
      menuSources(skin, ui, EnsureTrailingSlash(appFolder),
                  InstalledDataFolder(ExecutableDirectory())),
      formMenu(program.settings, menuSources, ui),
      // Menus opened from the options dialog (the layout tree's) belong to it while it is the
      // active window; every other menu belongs to the strip.
      menuPresenter([this]() -> QWidget* {
          QWidget* dialog = options.Dialog();
          return dialog && dialog->isVisible() && dialog->isActiveWindow()
                     ? dialog
                     : static_cast<QWidget*>(&window);
      }),
      launcher(program.settings, ui, launchDesktop, EnsureTrailingSlash(appFolder),
               LaunchSearchPaths()),
      aboutDialog(ui, LiveAboutDesktop([this](const std::string& target) { shell.Open(target); }),
                  [this] { return &window; }),
      menuActions(program, behaviour, skin, settings.store(), launcher, aboutDialog),
      optionsHost(
          {program, behaviour, skin, settings, measure, tray, formMenu, menuDevices, launcher, ui,
           layoutMenu},
          {[this](std::optional<std::uint32_t> rgb) { window.SetColourKey(rgb); },
           [] { return QCoreApplication::applicationFilePath().toStdString(); },
           [] {
               return StartupEntryPath(
                   AutostartFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
           },
           [this] { remote.Apply(); },
           [this](const RemoteHostSetting& host, std::function<void(const std::string&)> done) {
               remote.Test(host, std::move(done));
           }}),
      settingsPort_(settings,
                    [](const std::string& path) {
                        // How the end-to-end tests count saves.
                        qCInfo(lcSettings, "settings saved to %s", path.c_str());
                    }),
      menuPort_(formMenu, menuPresenter, menuActions, program) {
    if (ProgramLanguage() == UiLanguage::English) {
        formMenu.PreferHelpPage("Trumbel-en.html");
    }
    if (role == LiveRole::Window) {
        trayPort_ = std::make_unique<TrayAdapter>(tray);
        clockPort_ = std::make_unique<ClockAdapter>(clock);
    } else {
        trayPort_ = std::make_unique<SnapshotTray>();
        clockPort_ = std::make_unique<SnapshotClock>();
    }

    // Every window of the program (the skin window, the clock-adjust window, the dialogs) and
    // the task switcher show the program icon.
    QApplication::setWindowIcon(ProgramIcon("symbol"));
    window.AttachBehaviour(&behaviour, desktop.X11());
    desktop.SetListener(&behaviour);

    renderer.SetPresenter(&skinHost);
    menuDevices.remoteHost = [this](int host) { return remote.Devices(host); };
    traySource.ofHost = [this](int host) -> const TraySource& {
        return remote.Tray(host, traySource);
    };
    if (role == LiveRole::Window) {
        // Owned by the window.
        new FileDropTarget(window, launcher);
        // A snapshot runs no event loop: its passes take the link notifications themselves.
        linkEvents_.emplace(measure);
    }

    if (desktop.X11Grabber()) {
        hotKeyFilter_.emplace(*desktop.X11Grabber(), hotKey);
    }

    Ports ports;
    ports.settings = &settingsPort_;
    ports.measure = &measurePort_;
    ports.skin = &skinPort_;
    ports.tray = trayPort_.get();
    ports.hotKey = &hotKey;
    ports.menu = &menuPort_;
    ports.clock = clockPort_.get();
    ports.options = &options;
    ports.function = &functionPort_;
    ports.window = &window;
    ports.shell = &shell;
    ports.behaviour = &behaviour;
    program.Attach(ports);
}

// Every layout sizes the window: hand the buttons and the unzoomed size over with it.
void LiveSkinHost::SetWindowSize(int width, int height) {
    live_.window.SetContentSize(width, height);
    const ButtonRects rects = live_.skin.Buttons();
    const SkinLayout& layout = live_.skin.layout();
    live_.behaviour.SetLayout(rects, layout.layoutWidth, layout.layoutHeight);
    for (int i = 0; i < kSkinButtonCount; ++i) {
        if (const std::optional<Rect>& b = rects[static_cast<std::size_t>(i)]) {
            qCInfo(lcWindow, "button %d at %d,%d size %dx%d", i, b->left, b->top, b->Width(),
                   b->Height());
        }
    }
}

void LiveSkinHost::MoveWindow(int x, int y) {
    live_.window.move(x, y);
}

std::optional<Size> LiveSkinHost::Screen() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? Size{screen->geometry().width(), screen->geometry().height()} : Size{};
}

// The engine's DrawSkin (every tick, every relayout, every button-state change) comes here.
void LiveSkinHost::DrawSkin() {
    live_.renderer.DrawSkin();
}

void LiveSkinHost::UpdateSkinLink(const std::string& caption, const std::string& url) {
    live_.formMenu.SetSkinLink(caption, url);
}

// Nothing loads, draws or updates the tray while the options dialog fills its controls.
bool LiveSkinHost::OptionsFilling() const {
    return live_.program.settingsBusy;
}

SearchProgress LiveSkinHost::SearchProgressWindow() const {
    return {[] { return OpenSearchWindow(); }, [] { return TickCountMs(); }};
}

void LiveSkinHost::Present(const Bitmap& picture, int) {
    live_.window.Present(WrapBitmap(picture), 1);
}

// The window shows the renderer's pixels without a copy: it lets go of them first.
LiveProgram::~LiveProgram() {
    window.Present(QImage(), 1);
}

void LiveProgram::RefreshRemote(int sampleCounter) {
    qCDebug(lcTicks, "tick %lld",
            static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                       std::chrono::steady_clock::now().time_since_epoch())
                                       .count()));
    // Picks up hosts and slots edited anywhere since the last pass (options, menus, profiles).
    remote.Apply();
    remote.RefreshParam(sampleCounter);
}

} // namespace trumbel

#include "Application.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QSessionManager>
#include <QSocketNotifier>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

#include "Program.h"
#include "QtDesktop.h"
#include "QtHotKey.h"
#include "QtSubclass.h"
#include "QtTimerHost.h"
#include "QtUi.h"
#include "SkinHotKey.h"
#include "SkinWindow.h"
#include "WindowBehaviour.h"
#include "base/AppInfo.h"
#include "measure/PrintValues.h"
#include "measure/SystemMeasure.h"
#include "platform/AppFolder.h"
#include "platform/Connectivity.h"
#include "platform/InstanceLock.h"
#include "platform/MonotonicClock.h"
#include "settings/SettingsStore.h"
#include "skin/SkinEngine.h"
#include "skin/SkinRenderer.h"
#include "skin/SystemInfoView.h"
#include "skin/qt/BitmapImage.h"
#include "skin/qt/FormSearchDir.h"
#include "tray/LiveTraySource.h"
#include "tray/TrayIcons.h"
#include "tray/qt/QtTrayHost.h"

namespace trumbel {

namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int signo) {
    const unsigned char b = static_cast<unsigned char>(signo);
    [[maybe_unused]] auto n = ::write(signalPipe[1], &b, 1);
}

void InstallSignalPipe() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        return;
    }
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(s, &sa, nullptr);
    }
}

bool HasDisplay() {
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (w && *w);
}

void ChoosePlatform(RunMode mode) {
    if (std::getenv("QT_QPA_PLATFORM")) {
        return; // the user's choice wins
    }
    if (mode != RunMode::Window) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return;
    }
    // A Wayland client can neither place itself nor see other windows: go through XWayland.
    const char* w = std::getenv("WAYLAND_DISPLAY");
    if (w && *w) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

SkinHooks MakeSkinHooks(SkinWindow& window) {
    SkinHooks hooks;
    hooks.setWindowSize = [&window](int w, int h) { window.SetContentSize(w, h); };
    hooks.moveWindow = [&window](int x, int y) { window.move(x, y); };
    hooks.screenSize = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? ScreenSize{screen->geometry().width(), screen->geometry().height()}
                      : ScreenSize{};
    };
    hooks.searchProgress.open = [] { return OpenSearchWindow(); };
    hooks.searchProgress.nowMs = [] { return TickCountMs(); };
    return hooks;
}

Q_LOGGING_CATEGORY(lcWindow, "trumbel.window", QtWarningMsg)

// Draws the engine's skin from the live measurement into the skin window; the engine's
// DrawSkin (every tick, every relayout, every button-state change) comes here.
struct LiveSkin {
    SystemInfoView view;
    SkinRenderer renderer;

    LiveSkin(Program& program, SkinEngine& skin, SystemMeasure& measure, Ui& ui,
             SkinWindow& window, std::function<ButtonStates()> buttons = {})
        : view(measure),
          renderer(AccessTo(skin),
                   RenderContext{program.settings, view, ui, program.osPlatform,
                                 program.counters.sampleFill, {}, {}, std::move(buttons)}),
          window_(window) {
        renderer.present = [&window](const Bitmap& picture, int) {
            window.Present(WrapBitmap(picture), 1);
        };
        skin.hooks().drawSkin = [this] { renderer.DrawSkin(); };
    }
    // The window shows the renderer's pixels without a copy: let go of them first.
    ~LiveSkin() { window_.Present(QImage(), 1); }
    LiveSkin(const LiveSkin&) = delete;
    LiveSkin& operator=(const LiveSkin&) = delete;

private:
    SkinWindow& window_;
};

Q_LOGGING_CATEGORY(lcSettings, "trumbel.settings", QtWarningMsg)

// The settings service with every write logged: how the end-to-end tests count saves.
class LoggedSettings final : public SettingsPort {
public:
    explicit LoggedSettings(SettingsService& service) : service_(service) {}
    std::string SettingsFilePath() override { return service_.SettingsFilePath(); }
    void LoadSettings(const std::string& path, LoadMode mode) override {
        service_.LoadSettings(path, mode);
    }
    void SaveSettings(const std::string& path) override {
        service_.SaveSettings(path);
        qCInfo(lcSettings, "settings saved to %s", path.c_str());
    }

private:
    SettingsService& service_;
};

// What reading and writing the settings asks of the rest of the program.
struct LiveSettings {
    FunctionalSettingsEnvironment environment;
    SettingsService service;
    LoggedSettings port{service};

    LiveSettings(Program& program, Ui& ui, const std::string& appFolder, SystemMeasure& measure,
                 SkinEngine& skin, FileWrites writes)
        : environment(ui, EnsureTrailingSlash(appFolder), CurrentUserName()),
          service(program.settings, environment, writes) {
        environment.subclassAllowed = [&program] { return program.subclassAllowed; };
        environment.deviceCount = [&measure] {
            return measure.Info() ? static_cast<int>(measure.Info()->GetNetWorkNum()) : 0;
        };
        environment.deviceName = [&measure](int index) {
            return measure.Info() ? measure.Info()->GetNetWorkName(index) : std::string();
        };
        environment.defaultDevice = [&measure] {
            return measure.Info() ? measure.Info()->DefaultNetworkDevice() : std::nullopt;
        };
        environment.activateSkin = [&skin](SkinActivation how) {
            return skin.ApplySkinForSettings(how == SkinActivation::Quiet ? SkinQuiet::Yes
                                                                          : SkinQuiet::No);
        };
        environment.setCurrentSkinPath = [&skin](const std::string& path) {
            skin.SetCurrentSkinPath(path);
        };
    }
    LiveSettings(const LiveSettings&) = delete;
    LiveSettings& operator=(const LiveSettings&) = delete;
};

ProgramEnvironment MakeEnvironment() {
    ProgramEnvironment env;
    env.appFolder = ResolveAppFolder();
    env.queryConnectedState = [] { return QueryConnectedState("/proc"); };
    return env;
}

int RunSnapshot(const CommandLine& cl) {
    PrintingUi ui;
    QtTimerHost timers;
    SkinWindow window(Presentation::Headless);
    Program program(ui, timers, MakeEnvironment());
    SystemMeasure measure(program.settings);
    SkinEngine skin(program.settings, ui, EmbeddedSkinSource(), MakeSkinHooks(window));
    LiveSkin live(program, skin, measure, ui, window);
    // A snapshot reads the settings as a start does but leaves every file as it was.
    LiveSettings settings(program, ui, ResolveAppFolder(), measure, skin, FileWrites::Forbidden);
    Ports ports;
    ports.settings = &settings.port;
    ports.window = &window;
    ports.measure = &measure;
    ports.skin = &skin;
    program.Attach(ports);
    program.FormLoad(cl.words);
    const int ticks = cl.ticks.value_or(3);
    for (int i = 0; i < ticks; ++i) {
        if (i > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kRefreshIntervalMs));
        }
        program.RefreshTick();
    }
    QApplication::processEvents();
    // The composed window picture itself, at the window's zoom.
    const QImage picture = WrapBitmap(live.renderer.WindowPicture());
    if (picture.isNull()) {
        std::fprintf(stderr, "trumbel: no skin was drawn; nothing to write\n");
        return 1;
    }
    if (!picture.save(QString::fromStdString(cl.snapshotPath), "PNG")) {
        std::fprintf(stderr, "trumbel: cannot write %s\n", cl.snapshotPath.c_str());
        return 1;
    }
    std::printf("trumbel: snapshot after %d ticks written to %s (%dx%d)\n", ticks,
                cl.snapshotPath.c_str(), picture.width(), picture.height());
    return 0;
}

// Measures without a window: N passes 500 ms apart, then every value as tab-separated lines.
int RunPrintValues(const CommandLine& cl) {
    Settings settings;
    clsSystemInfo info(settings);
    const int ticks = cl.ticks.value_or(2);
    int sampleCounter = 0;
    for (int i = 0; i < ticks; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kRefreshIntervalMs));
        info.RefreshParam(sampleCounter);
        sampleCounter = (sampleCounter + 1) % (settings.historyUpdateSpeed + 1);
    }
    std::fputs(FormatValues(info).c_str(), stdout);
    return 0;
}

int RunWindow(const CommandLine& cl) {
    const std::string appFolder = ResolveAppFolder();
    QtUi ui;
    InstanceLock lock(InstanceLockPath(appFolder));
    if (lock.TryAcquire() == LockResult::HeldByOther) {
        ui.MessageBox({"エラー - " + std::string(kProductName),
                       "二重起動です。\r\nプログラムを終了します｡", MsgIcon::Exclamation,
                       MsgButtons::Ok});
        return 1;
    }
    InstallSignalPipe();

    QtTimerHost timers;
    SkinWindow window;
    ui.SetParent(nullptr);
    ProgramEnvironment env = MakeEnvironment();
    env.appFolder = appFolder;
    Program program(ui, timers, env);
    SystemMeasure measure(program.settings);
    SkinEngine skin(program.settings, ui, EmbeddedSkinSource(), MakeSkinHooks(window));

    // The window's own behaviour: mouse, dragging, visibility, z-order, auto-snap, hot key.
    QtDesktop desktop;
    WindowBehaviour behaviour(program, timers, desktop, window);
    window.AttachBehaviour(&behaviour, desktop.X11());
    behaviour.onEnded = [] { QApplication::exit(0); };
    program.onVisibilityPoll = [&] { behaviour.VisibilityPoll(); };
    program.onAutoSnap = [&] { behaviour.AutoSnap(); };
    program.onAutoSnapReturn = [&] { behaviour.AutoSnapReturn(); };
    // Every layout sizes the window: hand the buttons and the unzoomed size over with it.
    skin.hooks().setWindowSize = [&](int w, int h) {
        window.SetContentSize(w, h);
        const ButtonRects rects = skin.Buttons();
        behaviour.SetLayout(rects, skin.layout().layoutWidth, skin.layout().layoutHeight);
        for (int i = 0; i < kSkinButtonCount; ++i) {
            const ButtonRect& b = rects[static_cast<std::size_t>(i)];
            if (b.defined) {
                qCInfo(lcWindow, "button %d at %d,%d size %dx%d", i, b.x, b.y, b.width, b.height);
            }
        }
    };
    SkinHotKey hotKey(program, desktop.Grabber());
    hotKey.action = [&] { behaviour.OnSkinButton(kFunctionButton, MouseButton::Left); };
    std::optional<QtHotKeyFilter> hotKeyFilter;
    if (desktop.X11Grabber()) {
        hotKeyFilter.emplace(*desktop.X11Grabber(), hotKey);
    }
    // Where dialogs hook their controls' events; it installs nothing while subclassing is refused.
    QtSubclassRegistry subclasses([&] { return program.subclassAllowed; });
    LiveSkin live(program, skin, measure, ui, window,
                  [&behaviour] { return behaviour.States(); });

    LiveSettings settings(program, ui, appFolder, measure, skin, FileWrites::Allowed);
    settings.environment.currentWindowPosition = [&window]() -> std::optional<WindowPosition> {
        const Point p = window.Position();
        return WindowPosition{p.x, p.y};
    };
    settings.environment.positionBeforeAutoSnap = [&behaviour]() -> std::optional<WindowPosition> {
        if (!behaviour.SnappedByAuto()) {
            return std::nullopt;
        }
        const ScreenPoint p = behaviour.PositionBeforeSnap();
        return WindowPosition{p.x, p.y};
    };

    Ports ports;
    ports.settings = &settings.port;
    ports.window = &window;
    ports.measure = &measure;
    ports.hotKey = &hotKey;

    // Tray clicks reach the click discrimination as the tray's callback numbers.
    QtTrayHost trayHost([&](TrayClick click) {
        program.OnTrayMessage(static_cast<TrayMessage>(static_cast<int>(click)));
    });
    const TraySourceHooks traySource = LiveTraySource(measure, skin, ui);
    TrayIcons tray(program.settings, program.noBalloon, program.appFolder, ui, trayHost,
                   traySource);
    ports.tray = &tray;
    ports.skin = &skin;
    program.Attach(ports);

    timers.SetHandler([&](TimerId id) {
        program.OnTimer(id);
        if (program.ExitRequested()) {
            QApplication::exit(0);
        }
    });
    window.onCloseRequested = [&] {
        program.EndApplication();
        QApplication::exit(0);
    };
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, [&](QSessionManager&) {
        program.QueryUnload(UnloadMode::SessionEnding);
    });

    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        unsigned char signo = 0;
        if (::read(signalPipe[0], &signo, 1) != 1) {
            return;
        }
        if (signo == SIGINT) {
            program.EndApplication();
        } else {
            // The session is ending (or someone asked us to go): save once, then leave.
            program.QueryUnload(UnloadMode::SessionEnding);
            program.EndApplication(ExitSave::AlreadySaved);
        }
        QApplication::exit(0);
    });

    program.FormLoad(cl.words);
    return QApplication::exec();
}

} // namespace

int RunTrumbel(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const CommandLine cl = ParseCommandLine(args, error);
    if (!error.empty()) {
        std::fprintf(stderr, "trumbel: %s\n", error.c_str());
        return 2;
    }
    if (cl.mode == RunMode::Window && !HasDisplay() && !std::getenv("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "trumbel: no display ($DISPLAY is not set); use --snapshot FILE.png to "
                     "render the window headless\n");
        return 2;
    }
    if (cl.mode == RunMode::PrintValues) {
        return RunPrintValues(cl);
    }
    ChoosePlatform(cl.mode);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trumbel"));
    QApplication::setQuitOnLastWindowClosed(false);
    switch (cl.mode) {
    case RunMode::Snapshot: return RunSnapshot(cl);
    case RunMode::PrintValues: break; // handled above, without Qt
    case RunMode::Window: break;
    }
    return RunWindow(cl);
}

} // namespace trumbel

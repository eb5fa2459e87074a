#include "core/qt/Application.h"

#include "base/AppInfo.h"
#include "core/qt/LiveProgram.h"
#include "core/qt/PrintHostValues.h"
#include "core/qt/QtUi.h"
#include "gfx/qt/BitmapImage.h"
#include "measure/PrintValues.h"
#include "platform/AppFolder.h"
#include "platform/InstanceLock.h"
#include "resources/qt/ProgramLook.h"

#include <QApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <signal.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <utility>

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

int RunSnapshot(const CommandLine& cl) {
    PrintingUi ui;
    LiveProgram live(ui, ResolveAppFolder(), LiveRole::Snapshot);
    live.program.FormLoad(cl.words);
    const int ticks = cl.ticks.value_or(3);
    for (int i = 0; i < ticks; ++i) {
        if (i > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kRefreshIntervalMs));
        }
        live.program.RefreshTick();
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
// Every sensor family is read, since the list is meant to show all a layout could.
int RunPrintValues(const CommandLine& cl) {
    Settings settings;
    SystemInfoEnvironment env;
    env.sensors = {
        .temperatures = true, .fans = true, .disks = true, .powerSupplies = true, .gpus = true};
    SystemInfo info(settings, std::move(env));
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
    InstanceLock lock(InstanceLockPath());
    if (lock.TryAcquire() == LockResult::HeldByOther) {
        ui.MessageBox(
            {BoxTitle(QCoreApplication::translate("Core", "エラー").toStdString()),
             (QCoreApplication::translate("Core", "二重起動です。") + QStringLiteral("\r\n") +
              QCoreApplication::translate("Core", "プログラムを終了します｡"))
                 .toStdString(),
             MsgIcon::Exclamation, MsgButtons::Ok});
        return 1;
    }
    InstallSignalPipe();

    ui.SetParent(nullptr);
    LiveProgram live(ui, appFolder, LiveRole::Window);
    Program& program = live.program;
    live.behaviour.onEnded = [] { QApplication::exit(0); };
    live.timers.SetHandler([&](TimerId id) {
        program.OnTimer(id);
        if (program.ExitRequested()) {
            QApplication::exit(0);
        }
    });
    live.window.onCloseRequested = [&] {
        program.EndApplication();
        QApplication::exit(0);
    };
    QObject::connect(qApp, &QGuiApplication::commitDataRequest,
                     [&](QSessionManager&) { program.QueryUnload(UnloadMode::SessionEnding); });

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

void PrepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("trumbel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.velquor.trumbel"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallProgramLanguage(app);
}

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
    if (cl.mode == RunMode::Help) {
        std::fputs(kCommandLineHelp, stdout);
        return 0;
    }
    if (cl.mode == RunMode::PrintValues) {
        return cl.host.empty() ? RunPrintValues(cl) : RunPrintHostValues(cl);
    }
    ChoosePlatform(cl.mode);
    QApplication app(argc, argv);
    PrepareApplication(app);
    switch (cl.mode) {
    case RunMode::Snapshot:
        return RunSnapshot(cl);
    case RunMode::PrintValues:
    case RunMode::Help:
        break; // handled above, without a window
    case RunMode::Window:
        break;
    }
    return RunWindow(cl);
}

} // namespace trumbel

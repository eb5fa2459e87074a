// Balloons of StatusNotifier tray icons, on a private session bus and a private X server: a
// recording notification server and a StatusNotifier watcher with a host stand in for the
// desktop, so that Qt itself puts the icons on the D-Bus tray as it does on such a desktop.

#include "tray/qt/DesktopNotifications.h"

#include "tray/qt/QtTrayHost.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QThread>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <mutex>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace trumbel {
namespace {

using namespace std::chrono_literals;

// --- helper processes --------------------------------------------------------------------------

std::string FindOnPath(const std::string& tool) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string candidate = dirs.substr(start, end - start) + "/" + tool;
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    return {};
}

// A child process that writes one line to its file descriptor 3 once it is ready.
struct Child {
    pid_t pid = -1;

    // The line, or empty when the program is missing or did not come up within the time.
    std::string Start(const std::vector<std::string>& argv) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            return {};
        }
        std::vector<char*> args;
        for (const std::string& a : argv) {
            args.push_back(const_cast<char*>(a.c_str()));
        }
        args.push_back(nullptr);
        // Started before any thread of the test: a plain fork is safe, and the child goes with
        // this process however it ends.
        pid = ::fork();
        if (pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (fds[1] == 3) {
                ::fcntl(3, F_SETFD, 0);
            } else {
                ::dup2(fds[1], 3);
            }
            const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execv(args[0], args.data());
            ::_exit(127);
        }
        const bool spawned = pid > 0;
        ::close(fds[1]);
        std::string line;
        if (spawned) {
            const auto deadline = std::chrono::steady_clock::now() + 10s;
            ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
            char c = 0;
            while (std::chrono::steady_clock::now() < deadline) {
                const ssize_t n = ::read(fds[0], &c, 1);
                if (n == 1 && c == '\n') {
                    break;
                }
                if (n == 1) {
                    line += c;
                } else if (n == 0) {
                    break; // it ended
                } else {
                    std::this_thread::sleep_for(5ms);
                }
            }
        } else {
            pid = -1;
        }
        ::close(fds[0]);
        return line;
    }

    void Stop() {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
            pid = -1;
        }
    }
    ~Child() { Stop(); }
};

// --- the stand-in desktop ----------------------------------------------------------------------

struct Call {
    QString member;
    QVariantList args;
};

class Journal {
public:
    void Add(Call call) {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    std::vector<Call> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        calls_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::vector<Call> calls_;
};

// Qt answers these itself from introspect() when the object declines them.
bool Introspection(const QDBusMessage& message) {
    return message.interface() == QLatin1String("org.freedesktop.DBus.Introspectable");
}

// org.freedesktop.Notifications: answers Notify with the replaced id or a new one, as the
// freedesktop notification protocol has it; can hold its answers back.
class FakeNotifications final : public QDBusVirtualObject {
public:
    Journal journal;
    std::atomic<uint> nextId{41};
    std::atomic<bool> hold{false};

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (Introspection(message)) {
            return false;
        }
        journal.Add({message.member(), message.arguments()});
        QDBusMessage reply = message.createReply();
        if (message.member() == QLatin1String("Notify")) {
            const uint replaces = message.arguments().value(1).toUInt();
            reply = message.createReply(QVariant::fromValue(replaces != 0 ? replaces : nextId++));
            if (hold) {
                std::lock_guard lock(mutex_);
                held_.push_back(reply);
                return true;
            }
        } else if (message.member() == QLatin1String("GetCapabilities")) {
            reply = message.createReply(QStringList{QStringLiteral("body")});
        } else if (message.member() == QLatin1String("GetServerInformation")) {
            reply = message.createReply({QStringLiteral("fake"), QStringLiteral("trumbel"),
                                         QStringLiteral("1"), QStringLiteral("1.2")});
        }
        connection.send(reply);
        return true;
    }
    QString introspect(const QString&) const override { return {}; }

    void Release(const QDBusConnection& connection) {
        hold = false;
        std::lock_guard lock(mutex_);
        for (const QDBusMessage& reply : held_) {
            connection.send(reply);
        }
        held_.clear();
    }

private:
    std::mutex mutex_;
    std::vector<QDBusMessage> held_;
};

// org.kde.StatusNotifierWatcher with or without a registered host.
class FakeWatcher final : public QDBusVirtualObject {
public:
    Journal journal;
    std::atomic<bool> hostRegistered{true};

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (Introspection(message)) {
            return false;
        }
        journal.Add({message.member(), message.arguments()});
        const QString property = message.arguments().value(1).toString();
        QVariant value;
        if (property == QLatin1String("IsStatusNotifierHostRegistered")) {
            value = bool(hostRegistered);
        } else if (property == QLatin1String("ProtocolVersion")) {
            value = 0;
        } else if (property == QLatin1String("RegisteredStatusNotifierItems")) {
            value = QStringList();
        }
        connection.send(message.member() == QLatin1String("Get")
                            ? message.createReply(QVariant::fromValue(QDBusVariant(value)))
                            : message.createReply());
        return true;
    }
    QString introspect(const QString&) const override {
        return QStringLiteral(
            "<interface name=\"org.kde.StatusNotifierWatcher\">"
            "<method name=\"RegisterStatusNotifierItem\"><arg type=\"s\" direction=\"in\"/>"
            "</method>"
            "<method name=\"RegisterStatusNotifierHost\"><arg type=\"s\" direction=\"in\"/>"
            "</method>"
            "<property name=\"RegisteredStatusNotifierItems\" type=\"as\" access=\"read\"/>"
            "<property name=\"IsStatusNotifierHostRegistered\" type=\"b\" access=\"read\"/>"
            "<property name=\"ProtocolVersion\" type=\"i\" access=\"read\"/>"
            "</interface>");
    }
};

constexpr const char* kNotificationsName = "org.freedesktop.Notifications";
constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";

// The stand-ins answer from a thread of their own: the program asks some questions waiting.
struct FakeDesktop {
    QThread thread;
    QDBusConnection bus;
    FakeNotifications* notifications = new FakeNotifications;
    FakeWatcher* watcher = new FakeWatcher;

    explicit FakeDesktop(const QString& address)
        : bus(QDBusConnection::connectToBus(address, QStringLiteral("trumbel-fake-desktop"))) {
        thread.start();
        notifications->moveToThread(&thread);
        watcher->moveToThread(&thread);
        bus.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), notifications);
        bus.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), watcher);
        bus.registerService(kNotificationsName);
        bus.registerService(kWatcherName);
    }
    ~FakeDesktop() {
        bus.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
        bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
        thread.quit();
        thread.wait();
        delete notifications;
        delete watcher;
        QDBusConnection::disconnectFromBus(QStringLiteral("trumbel-fake-desktop"));
    }
};

// --- the test process's desktop ---------------------------------------------------------------

class DesktopEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        const std::string daemon = FindOnPath("dbus-daemon");
        const std::string xvfb = FindOnPath("Xvfb");
        if (daemon.empty() || xvfb.empty()) {
            skip = std::string(daemon.empty() ? "dbus-daemon" : "Xvfb") +
                   " is not installed (scripts/setup installs it): the balloons of "
                   "StatusNotifier icons are not tested here";
            return;
        }
        // A bus of our own: no service of this machine is activated on it.
        const char* home = std::getenv("TRUMBEL_HOME");
        const std::filesystem::path folder =
            home && *home ? home : std::filesystem::temp_directory_path();
        std::filesystem::create_directories(folder);
        config_ = folder / ("tray-dbus-" + std::to_string(::getpid()) + ".conf");
        // The policy of the standard session bus, without its service folders.
        std::ofstream(config_) << "<busconfig><type>session</type>"
                                  "<listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                                  "<policy context=\"default\">"
                                  "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                  "<allow eavesdrop=\"true\"/><allow own=\"*\"/>"
                                  "</policy></busconfig>";
        const std::string address = bus_.Start({daemon, "--config-file=" + config_.string(),
                                                "--nofork", "--nopidfile", "--print-address=3"});
        const std::string display =
            x_.Start({xvfb, "-displayfd", "3", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        if (address.empty() || display.empty()) {
            skip = address.empty() ? "dbus-daemon did not start" : "Xvfb did not start";
            return;
        }
        qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray::fromStdString(address));
        qputenv("DISPLAY", QByteArray::fromStdString(":" + display));
        qputenv("QT_QPA_PLATFORM", "xcb");
        static int argc = 1;
        static char name[] = "tray_dbus_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        // Up before Qt makes its first tray icon, so that Qt puts it on the D-Bus tray.
        desktop = std::make_unique<FakeDesktop>(QString::fromStdString(address));
    }
    void TearDown() override {
        desktop.reset();
        app_.reset();
        x_.Stop();
        bus_.Stop();
        std::error_code ec;
        std::filesystem::remove(config_, ec);
    }

    std::string skip;
    std::unique_ptr<FakeDesktop> desktop;

private:
    Child bus_;
    Child x_;
    std::filesystem::path config_;
    std::unique_ptr<QApplication> app_;
};
DesktopEnvironment* const kDesktop =
    static_cast<DesktopEnvironment*>(::testing::AddGlobalTestEnvironment(new DesktopEnvironment));

#define NEED_DESKTOP()                                                                             \
    if (!kDesktop->skip.empty()) {                                                                 \
        GTEST_SKIP() << kDesktop->skip;                                                            \
    }

// Lets every answer sent so far reach its caller, and what the caller does with it reach the
// server: the server answers in order, so once a question asked now has its answer, the
// earlier ones have theirs too, and the event loop hands them on. Twice, for what those
// answers make the program send.
void Settle() {
    for (int round = 0; round < 2; ++round) {
        QDBusMessage ping = QDBusMessage::createMethodCall(
            kNotificationsName, QStringLiteral("/org/freedesktop/Notifications"),
            kNotificationsName, QStringLiteral("GetServerInformation"));
        QDBusConnection::sessionBus().call(ping, QDBus::Block, 5000);
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }
}

// Notify as "N<replaced id> <title>|<text>", CloseNotification as "C<id>".
std::string Summary(const std::vector<Call>& calls) {
    std::string out;
    for (const Call& c : calls) {
        std::string one;
        if (c.member == QLatin1String("Notify")) {
            one = "N" + std::to_string(c.args.value(1).toUInt()) + " " +
                  c.args.value(3).toString().toStdString() + "|" +
                  c.args.value(4).toString().toStdString();
        } else if (c.member == QLatin1String("CloseNotification")) {
            one = "C" + std::to_string(c.args.value(0).toUInt());
        } else {
            continue;
        }
        out += (out.empty() ? "" : "; ") + one;
    }
    return out;
}

TrayIconHandle Image() {
    auto image = std::make_shared<TrayImage>();
    image->argb.fill(0xFF2080FFu);
    return image;
}

TEST(BalloonRoute, BalloonsAreNotificationsWhereTheIconsAreStatusNotifierItems) {
    NEED_DESKTOP();
    FakeDesktop& desktop = *kDesktop->desktop;
    struct Case {
        const char* platform;
        bool watcher;
        bool host;
        BalloonRoute want;
    };
    const Case cases[] = {
        {"xcb", true, true, BalloonRoute::DesktopNotification},
        {"wayland", true, true, BalloonRoute::DesktopNotification},
        {"xcb", true, false, BalloonRoute::TrayBalloon},
        {"xcb", false, true, BalloonRoute::TrayBalloon},
        {"offscreen", true, true, BalloonRoute::TrayBalloon},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.platform) + (c.watcher ? " watcher" : "") +
                     (c.host ? " host" : ""));
        desktop.watcher->hostRegistered = c.host;
        if (!c.watcher) {
            desktop.bus.unregisterService(kWatcherName);
        }
        EXPECT_EQ(ChooseBalloonRoute(c.platform, [] { return QDBusConnection::sessionBus(); }),
                  c.want);
        desktop.bus.registerService(kWatcherName);
        desktop.watcher->hostRegistered = true;
    }
    // No session bus: Qt has nowhere to put StatusNotifier icons either.
    EXPECT_EQ(ChooseBalloonRoute("xcb", [] { return QDBusConnection(QStringLiteral("none")); }),
              BalloonRoute::TrayBalloon);
    // Without a desktop platform the bus is not even asked.
    bool asked = false;
    EXPECT_EQ(ChooseBalloonRoute("offscreen",
                                 [&] {
                                     asked = true;
                                     return QDBusConnection::sessionBus();
                                 }),
              BalloonRoute::TrayBalloon);
    EXPECT_FALSE(asked);
}

TEST(StatusNotifierBalloons, AHideClosesTheNotificationShown) {
    NEED_DESKTOP();
    FakeNotifications& server = *kDesktop->desktop->notifications;
    struct Case {
        const char* what;
        std::vector<std::string> steps;
        std::string calls;
    };
    const Case cases[] = {
        {"show, hide", {"show A", "hide"}, "N0 Title|A; C41"},
        {"a second balloon replaces the first",
         {"show A", "show B", "hide"},
         "N0 Title|A; N41 Title|B; C41"},
        {"a hide before the server answered",
         {"hold", "show A", "hide", "release"},
         "N0 Title|A; C41"},
        {"a balloon that erases the one before",
         {"show A", "erase B", "hide"},
         "N0 Title|A; C41; N0 Title|B; C42"},
        {"a second show before the first answer",
         {"hold", "show A", "show B", "release", "hide"},
         "N0 Title|A; N0 Title|B; C41; C42"},
        {"hides without a balloon", {"hide", "show A", "hide", "hide"}, "N0 Title|A; C41"},
        {"the icon goes, its balloon with it", {"show A", "delete"}, "N0 Title|A; C41"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.journal.Clear();
        server.nextId = 41;
        QtTrayHost host([](TrayClick) {});
        std::unique_ptr<TaskIcon> icon = host.MakeIcon();
        ASSERT_TRUE(icon->CreateTrayIcon(1, Image(), "Velquor"));
        for (const std::string& step : c.steps) {
            const std::string text = step.substr(step.find(' ') + 1);
            if (step.rfind("show", 0) == 0 || step.rfind("erase", 0) == 0) {
                const auto erase =
                    step[0] == 'e' ? EraseBeforeBalloon::Yes : EraseBeforeBalloon::No;
                EXPECT_TRUE(icon->ShowBalloonToolTip(text, 1, "Title", 5000, erase));
            } else if (step == "hide") {
                icon->DeleteBalloonToolTip();
            } else if (step == "delete") {
                icon->DeleteTrayIcon();
            } else if (step == "hold") {
                server.hold = true;
            } else if (step == "release") {
                server.Release(kDesktop->desktop->bus);
            }
            Settle();
        }
        const std::vector<Call> calls = server.journal.Calls();
        EXPECT_EQ(Summary(calls), c.calls);
        for (const Call& call : calls) {
            if (call.member == QLatin1String("Notify")) {
                // Never an empty notice; the icon and the time the balloon asked for.
                EXPECT_NE(call.args.value(3).toString().toStdString(), "");
                EXPECT_EQ(call.args.value(2).toString().toStdString(), "dialog-information");
                EXPECT_EQ(call.args.value(7).toInt(), 5000);
            }
        }
    }
}

} // namespace
} // namespace trumbel

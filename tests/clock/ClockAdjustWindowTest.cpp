#include "clock/qt/ClockAdjustWindow.h"

#include "clock/qt/LiveClockSetter.h"
#include "clock/qt/TimeInfoWindows.h"
#include "resources/qt/ProgramIcons.h"
#include "tests/clock/FakeNtpServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <cerrno>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

class NoNotices final : public ClockNotices {
public:
    void ShowBalloon(const std::string&, int, const std::string&) override { ++shown; }
    void HideBalloon(ReleaseNotice release) override { released += release == ReleaseNotice::Yes; }
    int shown = 0;
    int released = 0;
};

// Never touches the machine's clock: records the step and refuses or accepts as told.
class RecordingSetter final : public ClockSetter {
public:
    explicit RecordingSetter(std::vector<std::int64_t>& steps, bool accept)
        : steps_(steps), accept_(accept) {}
    UtcTime Now() const override { return SystemUtcNow(); }
    void Step(std::int64_t correction, std::function<void(const SetOutcome&)> done) override {
        steps_.push_back(correction);
        done(accept_ ? SetOutcome{true, {}} : SetOutcome{false, "時刻を設定する権限がありません"});
    }

private:
    std::vector<std::int64_t>& steps_;
    bool accept_;
};

struct Rig {
    Settings settings;
    ConnectedState connected{true, kConnectionLan, "eth0"};
    bool noBalloon = true;
    NoNotices notices;
    std::vector<std::int64_t> steps;
    std::vector<std::string> log;
    bool closed = false;

    std::unique_ptr<ClockAdjustWindow> Make(bool accept) {
        return std::make_unique<ClockAdjustWindow>(
            AdjustContext{settings, [this] { return connected; }, noBalloon}, notices,
            std::make_unique<RecordingSetter>(steps, accept),
            [this](const std::string& line) { log.push_back(line); }, [this] { closed = true; });
    }
};

// The window while the server is slow: up at once, showing "working", not closable; then
// the result, closable, gone after a click.
TEST(ClockAdjustWindow, WorksWithoutHoldingTheWindowAndClosesWhenDone) {
    Rig rig;
    // The server answers after 700 ms, well in time.
    test::FakeNtpServer server([](const NtpPacket& r) {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        return test::SoundReply(r, 3'913'056'000u, 0);
    });
    rig.settings.timeServer = "test (127.0.0.1)";
    rig.settings.timeServerPort = server.port();
    auto window = rig.Make(true);
    QElapsedTimer loading;
    loading.start();
    window->Load();
    EXPECT_LT(loading.elapsed(), 300) << "loading waited for the server";

    EXPECT_TRUE(window->isVisible()); // no balloons: the window itself shows
    EXPECT_EQ(window->windowTitle(), QStringLiteral("時計の調節 - Velquor"));
    EXPECT_EQ(window->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(window->Icon(), StatusIcon::Working);
    EXPECT_FALSE(window->CloseEnabled());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window->frameGeometry().right(), area.right());
    EXPECT_EQ(window->frameGeometry().bottom(), area.bottom());

    window->close(); // as Alt+F4 would
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isVisible()) << "closed while the adjustment runs";

    QTRY_COMPARE_WITH_TIMEOUT(window->Icon(), StatusIcon::Adjusted, 5000);
    ASSERT_EQ(rig.steps.size(), 1u);
    EXPECT_TRUE(window->CloseEnabled());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->CloseTimerInterval(), 5000);
    EXPECT_TRUE(window->Text().contains(QStringLiteral("に調節しました。")));

    QTest::mouseClick(window.get(), Qt::LeftButton);
    EXPECT_EQ(window->CloseTimerInterval(), 50);
    QTRY_VERIFY_WITH_TIMEOUT(rig.closed, 1000);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(rig.notices.released, 1);
    EXPECT_EQ(rig.notices.shown, 0);
}

TEST(ClockAdjustWindow, StatusIconsAreDistinctPictures) {
    const StatusIcon icons[] = {StatusIcon::Working, StatusIcon::Adjusted, StatusIcon::Failed,
                                StatusIcon::NotPossible};
    for (std::size_t i = 0; i < std::size(icons); ++i) {
        const QImage a = StatusIconPicture(icons[i]).pixmap(32, 32).toImage();
        EXPECT_FALSE(a.isNull());
        for (std::size_t j = i + 1; j < std::size(icons); ++j) {
            EXPECT_NE(a, StatusIconPicture(icons[j]).pixmap(32, 32).toImage()) << i << " " << j;
        }
    }
}

// The window shows the program's own status pictures, at the size it shows them.
TEST(ClockAdjustWindow, StatusIconsAreTheProgramsOwn) {
    const std::pair<StatusIcon, const char*> cases[] = {{StatusIcon::Working, "clock_10"},
                                                        {StatusIcon::Adjusted, "clock_11"},
                                                        {StatusIcon::Failed, "clock_12"},
                                                        {StatusIcon::NotPossible, "clock_13"}};
    for (const auto& [icon, name] : cases) {
        SCOPED_TRACE(name);
        const QImage shown = StatusIconPicture(icon).pixmap(QSize(32, 32), 1.0).toImage();
        ASSERT_EQ(shown.size(), QSize(32, 32));
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
                  ProgramPixmap(name, 32).toImage().convertToFormat(QImage::Format_ARGB32));
    }
}

// Loading while the window is open does nothing; with balloons the window stays hidden.
TEST(TimeInfoWindows, OneWindowAtATime) {
    Settings settings;
    ConnectedState offline; // offline: the outcome is at hand at once
    bool noBalloon = false;
    NoNotices notices;
    TimeInfoWindows windows({settings, [&offline] { return offline; }, noBalloon}, notices);
    int made = 0;
    windows.makeSetter = [&made] {
        ++made;
        static std::vector<std::int64_t> steps;
        return std::make_unique<RecordingSetter>(steps, false);
    };
    windows.LoadAdjustWindow();
    ASSERT_TRUE(windows.IsOpen());
    ClockAdjustWindow* first = windows.Window();
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(first->Icon(), StatusIcon::NotPossible);
    EXPECT_EQ(first->CloseTimerInterval(), 10000);
    EXPECT_EQ(notices.shown, 1);
    windows.LoadAdjustWindow();
    EXPECT_EQ(windows.Window(), first);
    EXPECT_EQ(made, 1);

    first->CloseSoon();
    QTRY_VERIFY_WITH_TIMEOUT(!windows.IsOpen(), 1000);
    windows.LoadAdjustWindow();
    EXPECT_TRUE(windows.IsOpen());
    EXPECT_EQ(made, 2);
    windows.UnloadAdjustWindow();
    EXPECT_FALSE(windows.IsOpen());
    EXPECT_EQ(notices.released, 2);
}

// A second adjustment while the first's set waits for its password joins that set: the clock
// is stepped once, and the window still open hears the outcome.
TEST(LiveClockSetter, OnePendingSetForTheWholeProgram) {
    std::vector<std::function<void(const SetOutcome&)>> asked; // timedated, awaiting a password
    const auto ask = [&](std::int64_t, auto settle) { asked.push_back(settle); };
    const auto refused = [](std::int64_t) { return EPERM; }; // no right to set the time itself
    std::vector<std::string> outcomes;
    auto first = std::make_unique<LiveClockSetter>(refused, ask);
    first->Step(5'000'000, [&](const SetOutcome&) { outcomes.push_back("first"); });
    first.reset(); // "時計を合わせる": the first window goes, its set still waits
    LiveClockSetter second(refused, ask);
    second.Step(6'000'000,
                [&](const SetOutcome& o) { outcomes.push_back(o.ok ? "ok" : o.reason); });
    ASSERT_EQ(asked.size(), 1u) << "a second step was queued";
    asked[0]({true, {}});
    EXPECT_EQ(outcomes, std::vector<std::string>{"ok"});
}

// timedated's refusals in the user's words; none of them reads as a success.
TEST(LiveClockSetter, TimedatedRefusals) {
    struct Case {
        const char* error;
        const char* text;
    };
    const Case cases[] = {
        {"org.freedesktop.timedate1.AutomaticTimeSyncEnabled",
         "自動時刻同期が有効なため設定できません"},
        {"org.freedesktop.DBus.Error.AccessDenied",
         "時刻を設定する権限がありません（認証されませんでした）"},
        {"org.freedesktop.PolicyKit1.Error.NotAuthorized",
         "時刻を設定する権限がありません（認証されませんでした）"},
        {"org.freedesktop.DBus.Error.ServiceUnknown",
         "時刻を設定する権限がありません（時刻設定サービス timedated がありません）"},
        {"org.freedesktop.DBus.Error.NoReply",
         "時刻を設定する権限がありません（時刻設定サービスが応答しません）"},
        {"org.example.Odd", "時刻を設定する権限がありません（odd message）"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TimedatedRefusal(c.error, "odd message"), c.text) << c.error;
    }
}

} // namespace
} // namespace trumbel

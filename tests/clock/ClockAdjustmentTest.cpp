#include "clock/ClockAdjustment.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>

namespace trumbel {
namespace {

struct Journal {
    std::vector<std::string> lines;
    void Add(std::string line) { lines.push_back(std::move(line)); }
};

struct Status {
    StatusIcon icon;
    std::string text;
};

class FakeView final : public TimeInfoView {
public:
    void ShowStatus(StatusIcon icon, const std::string& text) override {
        shown.push_back({icon, text});
    }
    void CloseAfter(int ms) override { closeAfter = ms; }
    std::vector<Status> shown;
    std::optional<int> closeAfter;
};

class FakeNotices final : public ClockNotices {
public:
    explicit FakeNotices(Journal& j) : j_(j) {}
    void ShowBalloon(const std::string& text, int icon, const std::string& title) override {
        j_.Add("show " + std::to_string(icon) + " " + title + " | " + text);
    }
    void HideBalloon(ReleaseNotice release) override {
        j_.Add(release == ReleaseNotice::Yes ? "hide release" : "hide");
    }

private:
    Journal& j_;
};

class FakeSntp final : public SntpService {
public:
    void Query(const std::string& host, int port, int localPort,
               std::function<void(const SntpReply&)> done) override {
        asked = host + ":" + std::to_string(port) + " from " + std::to_string(localPort);
        pending = std::move(done);
    }
    std::optional<std::string> asked;
    std::function<void(const SntpReply&)> pending;
};

class FakeSetter final : public ClockSetter {
public:
    UtcTime Now() const override { return now; }
    void Step(std::int64_t correction, std::function<void(const SetOutcome&)> done) override {
        steps.push_back(correction);
        if (hold) {
            return; // an authorisation still pending
        }
        if (outcome.ok) {
            now.micros += correction;
        }
        done(outcome);
    }
    UtcTime now = UtcFromCivil({2024, 2, 29, 23, 58, 0});
    SetOutcome outcome{true, {}};
    std::vector<std::int64_t> steps;
    bool hold = false;
};

class Rig {
public:
    Rig() {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        settings.timeServer = "NICT (ntp.nict.jp)";
        settings.timeServerPort = 123;
        connected.connected = true;
        connected.flags = kConnectionLan;
    }
    ClockAdjustment Make() {
        return ClockAdjustment({settings, [this] { return connected; }, noBalloon}, view, notices,
                               sntp, setter,
                               [this](const std::string& line) { log.push_back(line); });
    }
    // A reply that says the machine's clock is `ahead` microseconds ahead of the server.
    SntpReply Reply(std::int64_t aheadMicros) const {
        SntpReply r;
        r.ok = true;
        r.state = "正常に終了しました。";
        r.localReceive = setter.now;
        r.serverTime = {setter.now.micros - aheadMicros};
        r.offsetMicros = -aheadMicros;
        r.stratum = 2;
        return r;
    }

    Settings settings;
    ConnectedState connected;
    bool noBalloon = false;
    Journal journal;
    FakeView view;
    FakeNotices notices{journal};
    FakeSntp sntp;
    FakeSetter setter;
    std::vector<std::string> log;
};

const std::string kCannot = "以下の理由で時間を合わせることができませんでした。\r\n\r\n";

TEST(ClockAdjustment, NotPossibleBeforeAsking) {
    struct Case {
        const char* what;
        bool offline;
        const char* server;
        const char* reason;
    };
    const Case cases[] = {
        {"offline", true, "NICT (ntp.nict.jp)", "インターネットに接続されていません"},
        {"no server", false, "", "サーバー名が記入されていません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig;
        rig.connected.flags = c.offline ? kConnectionOffline : kConnectionLan;
        rig.settings.timeServer = c.server;
        ClockAdjustment adjustment = rig.Make();
        adjustment.Start();
        EXPECT_FALSE(rig.sntp.asked);
        ASSERT_EQ(rig.view.shown.size(), 1u);
        EXPECT_EQ(rig.view.shown[0].icon, StatusIcon::NotPossible);
        EXPECT_EQ(rig.view.shown[0].text, kCannot + c.reason);
        EXPECT_EQ(rig.view.closeAfter, 10000);
        EXPECT_EQ(rig.journal.lines,
                  (std::vector<std::string>{"hide", "show 3 時計の調節 - Velquor | " + kCannot +
                                                        c.reason}));
        ASSERT_EQ(rig.log.size(), 1u);
        EXPECT_EQ(
            rig.log[0],
            "clock adjustment not possible: 以下の理由で時間を合わせることができませんでした。 / " +
                std::string(c.reason));
        EXPECT_TRUE(rig.setter.steps.empty());
    }
}

TEST(ClockAdjustment, AsksTheHostOfTheSettingAndShowsWorking) {
    Rig rig;
    rig.settings.timeServerPort = 10123;
    ClockAdjustment adjustment = rig.Make();
    adjustment.Start();
    EXPECT_EQ(rig.sntp.asked, "ntp.nict.jp:10123 from 1024");
    ASSERT_EQ(rig.view.shown.size(), 1u);
    EXPECT_EQ(rig.view.shown[0].icon, StatusIcon::Working);
    EXPECT_EQ(rig.view.shown[0].text, "以下のサーバーへ時間を取得中\r\n\r\nNICT (ntp.nict.jp)");
    EXPECT_FALSE(rig.view.closeAfter) << "the window must stay and refuse to close meanwhile";
    EXPECT_EQ(
        rig.journal.lines.back(),
        "show 1 時計の調節 - Velquor | 以下のサーバーへ時間を取得中\r\n\r\nNICT (ntp.nict.jp)");
}

TEST(ClockAdjustment, OutcomesOfTheReplyAndTheSet) {
    struct Case {
        const char* what;
        bool replyOk;
        std::int64_t aheadMicros;
        int adjustWithOffset;
        std::array<std::int16_t, 4> offset;
        SetOutcome set;
        StatusIcon icon;
        std::optional<std::int64_t> step;
        std::string text;
        int closeAfter;
        int balloonIcon;
    };
    const Case cases[] = {
        {"adjusted",
         true,
         3'725'250'000,
         0,
         {},
         {true, {}},
         StatusIcon::Adjusted,
         -3'725'250'000,
         "2024年2月29日22時55分54秒\r\nに調節しました。\r\n1時間2分5秒進んでいました",
         5000,
         1},
        {"five minutes ahead of the server",
         true,
         0,
         1,
         {0, 0, 5, 0},
         {true, {}},
         StatusIcon::Adjusted,
         300'000'000,
         "2024年3月1日0時3分0秒\r\nに調節しました。\r\n5分0秒遅れていました",
         5000,
         1},
        {"five minutes behind",
         true,
         0,
         2,
         {0, 0, 5, 0},
         {true, {}},
         StatusIcon::Adjusted,
         -300'000'000,
         "2024年2月29日23時53分0秒\r\nに調節しました。\r\n5分0秒進んでいました",
         5000,
         1},
        {"offset switched off",
         true,
         400'000,
         -1,
         {0, 0, 5, 0},
         {true, {}},
         StatusIcon::Adjusted,
         -400'000,
         "2024年2月29日23時57分59秒\r\nに調節しました。\r\n時計はずれていませんでした",
         5000,
         1},
        {"no privilege",
         true,
         2'000'000,
         0,
         {},
         {false, "時刻を設定する権限がありません"},
         StatusIcon::Failed,
         -2'000'000,
         kCannot + "時刻を設定する権限がありません",
         10000,
         2},
        {"server failed",
         false,
         0,
         0,
         {},
         {true, {}},
         StatusIcon::Failed,
         std::nullopt,
         kCannot + "サーバからの受信に失敗しました。",
         10000,
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig;
        rig.settings.adjustWithOffset = static_cast<std::int16_t>(c.adjustWithOffset);
        rig.settings.clockOffset = c.offset;
        rig.setter.outcome = c.set;
        ClockAdjustment adjustment = rig.Make();
        adjustment.Start();
        ASSERT_TRUE(rig.sntp.pending);
        SntpReply reply = rig.Reply(c.aheadMicros);
        if (!c.replyOk) {
            reply = SntpReply{};
            reply.state = "サーバからの受信に失敗しました。";
        }
        rig.sntp.pending(reply);

        if (c.step) {
            EXPECT_EQ(rig.setter.steps, std::vector<std::int64_t>{*c.step});
        } else {
            EXPECT_TRUE(rig.setter.steps.empty()) << "a failed query must not touch the clock";
        }
        ASSERT_EQ(rig.view.shown.size(), 2u);
        EXPECT_EQ(rig.view.shown[1].icon, c.icon);
        EXPECT_EQ(rig.view.shown[1].text, c.text);
        EXPECT_EQ(rig.view.closeAfter, c.closeAfter);
        EXPECT_EQ(rig.journal.lines.back(),
                  "show " + std::to_string(c.balloonIcon) + " 時計の調節 - Velquor | " + c.text);
        EXPECT_EQ(rig.log.back(), std::string("clock adjustment ") +
                                      (c.icon == StatusIcon::Adjusted ? "adjusted: " : "failed: ") +
                                      OneLine(c.text));
    }
}

TEST(ClockAdjustment, WithoutBalloonsOnlyTheWindowAndTheLogTell) {
    Rig rig;
    rig.noBalloon = true;
    ClockAdjustment adjustment = rig.Make();
    EXPECT_TRUE(adjustment.Shown());
    adjustment.Start();
    rig.sntp.pending(rig.Reply(0));
    EXPECT_TRUE(rig.journal.lines.empty());
    EXPECT_EQ(rig.view.shown.size(), 2u);
    EXPECT_EQ(rig.log.size(), 3u); // working, the measurement, adjusted
}

// Taken down before its outcome (exit, or "時計を合わせる" again), an adjustment says so.
TEST(ClockAdjustment, AbandonedAdjustmentIsLogged) {
    for (const bool replied : {false, true}) {
        Rig rig;
        rig.setter.hold = true;
        {
            ClockAdjustment adjustment = rig.Make();
            adjustment.Start();
            if (replied) {
                rig.sntp.pending(rig.Reply(0));
            }
        }
        const char* before = replied ? "closed before the clock was set" : "closed before the time";
        EXPECT_NE(rig.log.back().find(before), std::string::npos) << rig.log.back();
    }
}

} // namespace
} // namespace trumbel

#include "core/qt/LiveProgram.h"
#include "tests/core/LiveStart.h"
#include "tests/support/TestFolder.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

class RefusingSetter final : public ClockSetter {
public:
    UtcTime Now() const override { return SystemUtcNow(); }
    void Step(std::int64_t, std::function<void(const SetOutcome&)> done) override {
        done({false, "test"});
    }
};

// The program as main() builds it, under the offscreen platform: every port attached, a start,
// ticks that draw, and an exit that writes (or, for a snapshot, does not write) the settings.
TEST(LiveComposition, StartsTicksAndEndsWithEveryPortAttached) {
    struct Case {
        LiveRole role;
        bool writesSettings;
    };
    for (const Case& c : {Case{LiveRole::Window, true}, Case{LiveRole::Snapshot, false}}) {
        SCOPED_TRACE(c.role == LiveRole::Window ? "window" : "snapshot");
        const fs::path folder = test::FreshTestFolder(c.role == LiveRole::Window ? "w" : "s");
        RecordingUi ui;
        LiveProgram live(ui, folder.string() + "/", c.role);
        // A first start adjusts the clock: through a setter that refuses, never the real one.
        live.clock.makeSetter = [] { return std::make_unique<RefusingSetter>(); };
        live.program.FormLoad({});
        // Every window and the task switcher show the program icon in all its drawn sizes.
        EXPECT_EQ(QApplication::windowIcon().availableSizes().size(), 6);
        EXPECT_EQ(live.window.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        // The window gets the real clock port, a snapshot one that leaves the clock alone.
        EXPECT_EQ(live.clock.IsOpen(), c.role == LiveRole::Window);
        live.program.RefreshTick();
        live.program.RefreshTick();
        EXPECT_GT(live.renderer.WindowPicture().width, 0);
        EXPECT_GT(live.renderer.WindowPicture().height, 0);
        live.program.EndApplication();

        bool written = false;
        for (const auto& entry : fs::directory_iterator(folder)) {
            written |= entry.path().filename().string().rfind("setting_", 0) == 0;
        }
        EXPECT_EQ(written, c.writesSettings);
    }
}

// The connection is read as each adjustment starts: one made or lost since the start counts.
TEST(LiveComposition, ClockAdjustmentReadsTheConnectionAnew) {
    RecordingUi ui;
    LiveProgram live(ui, test::FreshTestFolder("c").string() + "/", LiveRole::Window);
    std::ofstream(live.settings.SettingsFilePath()) << "[時計設定]\n起動時に時計を合わせる=0\n";
    test::StartGuarded(live);
    live.program.settings.timeServer.clear(); // asks nobody
    const bool offline = (QueryConnectedState().flags & kConnectionOffline) != 0;
    live.program.connectedFlags.flags = offline ? kConnectionLan : kConnectionOffline; // at start
    live.clock.LoadAdjustWindow();
    EXPECT_EQ(live.clock.Window()->Text().endsWith("インターネットに接続されていません"), offline);
    live.program.EndApplication();
}

// Switching to an option file re-decides which polls run: its auto-snap setting starts and
// stops the auto-snap poll. Offscreen there is no X server to push the keys, so the default key
// rules keep the visibility poll running.
TEST(LiveComposition, OptionFileSwitchStartsAndStopsThePolls) {
    const fs::path folder = test::FreshTestFolder("polls");
    fs::create_directories(folder / "Option");
    for (const auto& [name, mode] : {std::pair{"snap", 2}, std::pair{"still", 0}}) {
        std::FILE* f = std::fopen((folder / "Option" / (std::string(name) + ".ini")).c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fprintf(f, "[バージョン情報]\nVelquorVer=1320083\n[位置情報設定]\n自動吸着=%d\n",
                     mode);
        std::fclose(f);
    }
    RecordingUi ui;
    LiveProgram live(ui, folder.string() + "/", LiveRole::Window);
    test::StartGuarded(live);
    EXPECT_TRUE(live.timers.IsEnabled(TimerId::VisibilityPoll));
    EXPECT_FALSE(live.timers.IsEnabled(TimerId::AutoSnapPoll));
    ASSERT_TRUE(live.settings.store().SwitchToOptionFile("snap"));
    EXPECT_TRUE(live.timers.IsEnabled(TimerId::AutoSnapPoll));
    ASSERT_TRUE(live.settings.store().SwitchToOptionFile("still"));
    EXPECT_FALSE(live.timers.IsEnabled(TimerId::AutoSnapPoll));
    EXPECT_TRUE(live.timers.IsEnabled(TimerId::VisibilityPoll));
    live.program.EndApplication();
}

} // namespace
} // namespace trumbel

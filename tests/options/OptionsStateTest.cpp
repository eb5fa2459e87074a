#include "options/OptionsState.h"

#include "tests/options/RecordingOptionsHost.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

namespace trumbel {
namespace {

using test::RecordingOptionsHost;

bool Called(const RecordingOptionsHost& host, const std::string& call) {
    return std::find(host.calls.begin(), host.calls.end(), call) != host.calls.end();
}

TEST(OptionsPages, InitialPageFollowsTheSettingOnlyForAPage) {
    struct Case {
        bool openLast;
        std::int16_t last;
        int page;
    };
    for (const Case& c : {Case{true, 7, 7}, Case{true, 12, 0}, Case{true, 10, 10},
                          Case{true, 11, 0}, Case{true, -1, 0}, Case{false, 7, 0}, Case{1, 3, 3}}) {
        SCOPED_TRACE(std::to_string(c.openLast) + "/" + std::to_string(c.last));
        Settings s;
        s.openLastOptionsPage = c.openLast;
        s.lastOptionsPage = static_cast<OptionsPageId>(c.last); // as the file gives it
        EXPECT_EQ(static_cast<int>(InitialOptionsPage(s)), c.page);
    }
}

TEST(OptionsPages, EachPageResetsItsOwnGroup) {
    const int groups[kOptionsPageCount] = {0, 4, 5, 6, 7, 8, 2, 1, 3, 9, 10};
    for (int page = 0; page < kOptionsPageCount; ++page) {
        const auto group = ResetGroupOfPage(static_cast<OptionsPageId>(page));
        EXPECT_EQ(static_cast<int>(group), groups[page]) << page;
    }
    RecordingOptionsHost host;
    OptionsDialogState state(host);
    state.ResetPage(OptionsPageId::Skin);
    state.ResetPage(OptionsPageId::Position);
    state.ResetAll();
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"ResetSettings 4", "ResetSettings 2", "ResetSettings -1"}));
}

TEST(OptionsPages, CaptionsAndIconsOfTheList) {
    EXPECT_EQ(OptionsPageCaption(OptionsPageId::Basic).first, "基本機能");
    EXPECT_EQ(OptionsPageCaption(OptionsPageId::Basic).second, "");
    EXPECT_EQ(OptionsPageCaption(OptionsPageId::Function).first, "「FN」ボタン");
    EXPECT_EQ(OptionsPageCaption(OptionsPageId::Function).second, "の設定");
    EXPECT_EQ(OptionsPageCaption(OptionsPageId::OldLayout).second, "(旧式)");
    EXPECT_EQ(OptionsPageIcon(OptionsPageId::Basic), "OPT_110");
    EXPECT_EQ(OptionsPageIcon(OptionsPageId::Network), "OPT_118");
    // The older editor shares the tree's icon.
    EXPECT_EQ(OptionsPageIcon(OptionsPageId::OldLayout), "OPT_112");
    EXPECT_EQ(OptionsPageIcon(static_cast<OptionsPageId>(kOptionsPageCount)), "");
}

// Whatever was edited, closing without applying brings back the whole record; the effects
// that follow parts of the record run only where those parts changed.
TEST(OptionsDialogStateTest, UnloadRestoresTheWholeRecord) {
    struct Case {
        const char* what;
        void (*edit)(Settings&);
        bool tray;
        bool hotKey;
    };
    const Case cases[] = {
        {"skin", [](Settings& s) { s.useBuiltInSkin = 0; }, false, false},
        {"tray count", [](Settings& s) { s.trayIconCount = 3; }, true, false},
        {"tray item", [](Settings& s) { s.trayIcons[1].kind = 8; }, true, false},
        {"hot key", [](Settings& s) { s.hotKeyCode = 0x41; }, false, true},
        {"both",
         [](Settings& s) {
             s.hotKeyAlt = 1;
             s.trayImageFile = "x.bmp";
             s.topmost = false;
         },
         true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingOptionsHost host;
        host.record.snapStrength = 17;
        const Settings before = host.record;
        OptionsDialogState state(host);
        state.BeginLoad();
        EXPECT_TRUE(host.open);
        EXPECT_TRUE(host.busy);
        state.EndLoad();
        EXPECT_FALSE(host.busy);
        c.edit(host.record);
        host.record.snapStrength = 3;
        host.calls.clear();
        state.Unload();
        EXPECT_EQ(host.record, before);
        EXPECT_FALSE(host.open);
        EXPECT_TRUE(Called(host, "ReloadSkin"));
        EXPECT_TRUE(Called(host, "ApplyTopMost"));
        EXPECT_TRUE(Called(host, "DeviceMenus remove"));
        EXPECT_EQ(Called(host, "ApplyTrayIcons"), c.tray);
        EXPECT_EQ(Called(host, "ReregisterHotKey"), c.hotKey);
        EXPECT_FALSE(Called(host, "SaveSettings"));
        // A second close does nothing more.
        host.calls.clear();
        state.Unload();
        EXPECT_TRUE(host.calls.empty());
    }
}

TEST(OptionsDialogStateTest, ApplyKeepsTheRecordAndRecordsTheStartPositionInMode0) {
    struct Case {
        std::int16_t mode;
        std::int32_t x;
        std::int32_t y;
    };
    for (const Case& c : {Case{0, 11, 22}, Case{1, 500, 600}}) {
        SCOPED_TRACE(c.mode);
        RecordingOptionsHost host;
        host.record.startX = 500;
        host.record.startY = 600;
        OptionsDialogState state(host);
        state.BeginLoad();
        state.EndLoad();
        host.record.startPositionMode = c.mode;
        host.record.topmost = false;
        state.Apply();
        EXPECT_EQ(host.record.startX, c.x);
        EXPECT_EQ(host.record.startY, c.y);
        EXPECT_TRUE(Called(host, "SaveSettings"));
        EXPECT_TRUE(Called(host, "UpdatePolls"));
        const Settings applied = host.record;
        host.record.snapStrength = 44;
        state.Unload();
        EXPECT_EQ(host.record, applied);
        EXPECT_EQ(state.Snapshot(), applied);
    }
}

// A double size switched while the dialog was open is undone through the window, so that the
// window moves back as it grew.
TEST(OptionsDialogStateTest, UnloadSwitchesDoubleSizeBackThroughTheWindow) {
    RecordingOptionsHost host;
    OptionsDialogState state(host);
    state.BeginLoad();
    state.EndLoad();
    host.record.doubleSize = true;
    state.Unload();
    EXPECT_TRUE(Called(host, "DoubleSize off"));
    EXPECT_EQ(host.record.doubleSize, false);
}

TEST(OptionsDialogStateTest, ChangePageIsRememberedOnlyWhenAsked) {
    for (bool openLast : {true, false}) {
        RecordingOptionsHost host;
        host.record.openLastOptionsPage = openLast;
        host.record.lastOptionsPage = OptionsPageId::Layout;
        OptionsDialogState state(host);
        state.ChangePage(OptionsPageId::Window);
        EXPECT_EQ(state.CurrentPage(), OptionsPageId::Window);
        EXPECT_EQ(host.record.lastOptionsPage,
                  openLast ? OptionsPageId::Window : OptionsPageId::Layout);
        state.ChangePage(
            static_cast<OptionsPageId>(kOptionsPageCount)); // not a page: nothing changes
        EXPECT_EQ(state.CurrentPage(), OptionsPageId::Window);
    }
}

TEST(OptionsDialogStateTest, FillingNestsAndEndsOnAnException) {
    RecordingOptionsHost host;
    OptionsDialogState state(host);
    state.BeginLoad();
    state.Filling([&] { EXPECT_TRUE(host.busy); });
    EXPECT_TRUE(host.busy); // the load is still filling
    state.EndLoad();
    EXPECT_FALSE(host.busy);
    EXPECT_THROW(state.Filling([] { throw std::runtime_error("fill"); }), std::runtime_error);
    EXPECT_FALSE(host.busy);
    EXPECT_FALSE(state.SettingsBusy());
}

// Changes handlers make while the load fills its lists are undone before the record is shown.
TEST(OptionsDialogStateTest, RestoreBeforeFillUndoesChangesOfTheLoad) {
    RecordingOptionsHost host;
    OptionsDialogState state(host);
    state.BeginLoad();
    host.record.trayClickActions[0] = 0;
    state.RestoreBeforeFill();
    EXPECT_EQ(host.record.trayClickActions[0], 4);
}

} // namespace
} // namespace trumbel

#include "core/AutoSnap.h"

#include "core/Program.h"
#include "core/WindowBehaviour.h"
#include "tests/support/FakePorts.h"
#include "tests/support/FakeTimers.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

TEST(SnapTitleMatch, StarsAndLiterals) {
    struct Case {
        const char* text;
        const char* pattern;
        bool match;
    } cases[] = {
        {"Untitled - Editor", "*Editor*", true},
        {"Editor", "*Editor*", true},
        {"editor", "*Editor*", false},
        {"Edit", "*Editor*", false},
        {"abcabd", "*abd*", true},
        {"a?c", "*?*", true},
        {"abc", "*?*", false}, // '?' is a plain character
        {"", "**", true},
        {"x", "", false},
        {"メモ帳 - 無題", "*無題*", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SnapTitleMatch(c.text, c.pattern), c.match) << c.text << " ~ " << c.pattern;
    }
}

TopLevelWindow Win(WindowId id, std::string title, Rect frame = {0, 0, 800, 600}) {
    TopLevelWindow w;
    w.id = id;
    w.title = std::move(title);
    w.className = "app";
    w.visible = true;
    w.normalState = true;
    w.frame = frame;
    return w;
}

TEST(IsSnapCandidate, Rules) {
    Settings s;
    s.snapExclusionMode = 1;
    s.snapExclusionWidth = 400;
    s.snapExclusionHeight = 300;
    TopLevelWindow ok = Win(1, "Editor");
    EXPECT_TRUE(IsSnapCandidate(ok, s));
    TopLevelWindow w = ok;
    w.visible = false;
    EXPECT_FALSE(IsSnapCandidate(w, s));
    w = ok;
    w.normalState = false;
    EXPECT_FALSE(IsSnapCandidate(w, s));
    w = ok;
    w.title.clear();
    EXPECT_FALSE(IsSnapCandidate(w, s));
    w = ok;
    w.className = "Progman";
    EXPECT_FALSE(IsSnapCandidate(w, s));
    w = ok;
    w.desktopOrDock = true;
    EXPECT_FALSE(IsSnapCandidate(w, s));
    w = ok;
    w.frame = {0, 0, 399, 600};
    EXPECT_FALSE(IsSnapCandidate(w, s));
    w.frame = {0, 0, 400, 300};
    EXPECT_TRUE(IsSnapCandidate(w, s));
    s.snapExclusionMode = 0;
    w.frame = {0, 0, 10, 10};
    EXPECT_TRUE(IsSnapCandidate(w, s));
}

TEST(FindSnapTarget, ModesAndPatterns) {
    Settings s;
    s.snapExclusionMode = 0;
    const std::vector<TopLevelWindow> windows = {Win(5, "Terminal"), Win(6, "Dammy"),
                                                 Win(7, "Untitled - Editor"), Win(77, "Velquor")};
    s.autoSnapMode = 1;
    EXPECT_EQ(FindSnapTarget(s, windows, 7, 77).window->id, 7u);
    EXPECT_EQ(FindSnapTarget(s, windows, 77, 77).kind, SnapTargetKind::SkipThisRound);
    EXPECT_EQ(FindSnapTarget(s, windows, 99, 77).kind, SnapTargetKind::None);
    EXPECT_EQ(FindSnapTarget(s, windows, 0, 77).kind, SnapTargetKind::None);

    s.autoSnapMode = 2;
    s.snapTitles = {"Dammy"};
    EXPECT_EQ(FindSnapTarget(s, windows, 7, 77).kind, SnapTargetKind::None)
        << "the first element is never a pattern";
    s.snapTitles = {"Dammy", "", "Editor", "Term"};
    EXPECT_EQ(FindSnapTarget(s, windows, 0, 77).window->id, 7u) << "patterns in order";
    s.snapTitles = {"Dammy", "e"};
    EXPECT_EQ(FindSnapTarget(s, windows, 0, 77).window->id, 5u) << "windows in order";
    s.snapTitles = {"Dammy", "Velquor"};
    EXPECT_EQ(FindSnapTarget(s, windows, 0, 77).kind, SnapTargetKind::None) << "never itself";
}

TEST(SnapPosition, AnchorsAndOffsets) {
    const Rect target{100, 200, 900, 800};
    struct Case {
        int anchor1, anchor2;
        Point expected;
    } cases[] = {
        {0, 0, {105, 207}}, {1, 0, {905, 207}}, {2, 0, {105, 807}}, {3, 0, {905, 807}},
        {1, 1, {745, 207}}, {2, 2, {105, 789}}, {3, 3, {745, 789}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SnapPosition(target, c.anchor1, c.anchor2, 5, 7, 160, 18), c.expected)
            << c.anchor1 << "/" << c.anchor2;
    }
}

// --- Auto-snap on the window -------------------------------------------------------------------

struct SnapDesktop : Desktop {
    std::vector<TopLevelWindow> windows;
    WindowId foreground = 0;
    Rect Screen() const override { return {0, 0, 1920, 1080}; }
    Rect WorkArea() const override { return Screen(); }
    std::vector<TopLevelWindow> TopLevelWindows() const override { return windows; }
    WindowId ForegroundWindow() const override { return foreground; }
    KeyState Keys() const override { return {}; }
    Point Cursor() const override { return {1900, 1000}; }
};

struct SnapSurface : SkinSurface {
    Rect frame{50, 60, 210, 78};
    bool shown = true;
    int moves = 0;
    WindowId Id() const override { return 77; }
    Rect Frame() const override { return frame; }
    void MoveTo(int x, int y) override {
        frame = frame.MovedTo(x, y);
        ++moves;
    }
    void Resize(int, int) override {}
    void SetShown(bool s) override { shown = s; }
    void ApplyZOrder(ZOrderStep) override {}
    void SetAlpha(int) override {}
};

class AutoSnapTest : public ::testing::Test {
protected:
    AutoSnapTest() : program(ui, timers, {}), behaviour(program, timers, desktop, surface) {
        program.settings.snapExclusionMode = 0;
        program.settings.snapAnchor1 = 1;
        program.settings.snapAnchor2 = 0;
        program.settings.topmost = false;
        program.settings.showOnMouseOver = false;
        desktop.windows = {Win(7, "Editor", {300, 200, 1100, 800})};
        Ports ports;
        ports.behaviour = &behaviour;
        program.Attach(inert.Fill(ports));
    }
    RecordingUi ui;
    test::FakeTimerHost timers;
    test::InertPorts inert;
    Program program;
    SnapDesktop desktop;
    SnapSurface surface;
    WindowBehaviour behaviour;
};

TEST_F(AutoSnapTest, FollowsForegroundAndReturns) {
    program.settings.autoSnapMode = 1;
    desktop.foreground = 7;
    program.AutoSnapPoll();
    EXPECT_EQ((Point{surface.frame.left, surface.frame.top}), (Point{1100, 200}));
    EXPECT_TRUE(behaviour.SnappedByAuto());

    // The target moves: the window follows; the remembered position stays the first one.
    desktop.windows[0].frame = {400, 250, 1200, 850};
    program.AutoSnapPoll();
    EXPECT_EQ((Point{surface.frame.left, surface.frame.top}), (Point{1200, 250}));
    const int moves = surface.moves;
    program.AutoSnapPoll();
    EXPECT_EQ(surface.moves, moves) << "no move when nothing changed";

    // The skin window itself in front: nothing at all this round.
    desktop.foreground = 77;
    program.AutoSnapPoll();
    EXPECT_TRUE(behaviour.SnappedByAuto());

    // Turned off: back where it was.
    program.settings.autoSnapMode = 0;
    program.AutoSnapPoll();
    EXPECT_FALSE(behaviour.SnappedByAuto());
    EXPECT_EQ((Point{surface.frame.left, surface.frame.top}), (Point{50, 60}));
}

TEST_F(AutoSnapTest, HideWhenNotSnapped) {
    program.settings.autoSnapMode = 2;
    program.settings.snapTitles = {"Dammy"};
    program.settings.hideWhenNotSnapped = true;
    behaviour.AutoSnap();
    EXPECT_TRUE(behaviour.HiddenUnsnapped());
    behaviour.VisibilityPoll();
    EXPECT_FALSE(surface.shown);

    program.settings.snapTitles = {"Dammy", "Edit"};
    behaviour.AutoSnap();
    EXPECT_FALSE(behaviour.HiddenUnsnapped());
    behaviour.VisibilityPoll();
    EXPECT_TRUE(surface.shown);

    // The target closes: back and hidden again.
    desktop.windows.clear();
    behaviour.AutoSnap();
    EXPECT_EQ((Point{surface.frame.left, surface.frame.top}), (Point{50, 60}));
    EXPECT_TRUE(behaviour.HiddenUnsnapped());

    // Turning the setting off shows the window again at the next round.
    program.settings.hideWhenNotSnapped = false;
    behaviour.AutoSnap();
    behaviour.VisibilityPoll();
    EXPECT_TRUE(surface.shown);
}

} // namespace
} // namespace trumbel

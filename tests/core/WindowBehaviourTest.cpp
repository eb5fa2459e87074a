#include "core/WindowBehaviour.h"

#include "core/Program.h"
#include "tests/support/FakePorts.h"
#include "tests/support/FakeTimers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace trumbel {
namespace {

// --- Pure arithmetic ---------------------------------------------------------------------------

TEST(HitButton, EdgesIncludedDoubleSizeHalvesAndUndefinedNeverHits) {
    ButtonRects b{};
    b[0] = Rect::Sized(10, 5, 8, 6); // (10,5)..(18,11)
    struct Case {
        Point p;
        WindowScale scale;
        int button;
        bool hit;
    } cases[] = {
        {{10, 5}, WindowScale::Single, 0, true},
        {{18, 11}, WindowScale::Single, 0, true},
        {{19, 11}, WindowScale::Single, 0, false},
        {{9, 5}, WindowScale::Single, 0, false},
        {{20, 10}, WindowScale::Double, 0, true}, // window pixel (20,10) is skin pixel (10,5)
        {{20, 10}, WindowScale::Single, 0, false},
        {{37, 23}, WindowScale::Double, 0, true},
        {{38, 24}, WindowScale::Double, 0, false},
        {{10, 5}, WindowScale::Single, 1, false}, // not defined by the skin
        {{10, 5}, WindowScale::Single, 6, false},
        {{10, 5}, WindowScale::Single, -1, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitButton(b, c.button, c.p, c.scale), c.hit)
            << c.p.x << "," << c.p.y << " button " << c.button;
    }
}

TEST(DragFrame, SnapsToScreenEdgesAndTaskbar) {
    const Rect screen{0, 0, 1280, 1080};
    SnapRules edges{true, false, 10, screen, std::nullopt};
    SnapRules taskbar{false, true, 10, screen, TaskbarPosition{TaskbarEdge::Bottom, 1050}};
    SnapRules both{true, true, 10, screen, TaskbarPosition{TaskbarEdge::Bottom, 1050}};
    SnapRules off{false, false, 10, screen, TaskbarPosition{TaskbarEdge::Bottom, 1050}};
    struct Case {
        const char* name;
        Rect start;
        Point to; // cursor, with the press at (0,0)
        const SnapRules& rules;
        Point expected;
    } cases[] = {
        {"left edge at 8 lands at 0", {100, 300, 260, 318}, {-92, 0}, edges, {0, 300}},
        {"left edge at 11 stays", {100, 300, 260, 318}, {-89, 0}, edges, {11, 300}},
        {"left edge at -10 snaps back", {100, 300, 260, 318}, {-110, 0}, edges, {0, 300}},
        {"right edge within strength", {100, 300, 260, 318}, {1015, 0}, edges, {1120, 300}},
        {"top edge", {100, 300, 260, 318}, {0, -295}, edges, {100, 0}},
        {"bottom edge", {100, 300, 260, 318}, {0, 765}, edges, {100, 1062}},
        // 1275 wide: left at 3 is also within 10 of the right edge; right wins.
        {"wider than screen minus strength", {0, 300, 1275, 318}, {3, 0}, edges, {5, 300}},
        {"taskbar bottom at 1050", {100, 300, 260, 318}, {0, 740}, taskbar, {100, 1032}},
        {"taskbar out of reach", {100, 300, 260, 318}, {0, 700}, taskbar, {100, 1000}},
        // The screen edge snaps first; the taskbar line is then out of reach.
        {"screen then taskbar", {100, 300, 260, 318}, {0, 760}, both, {100, 1062}},
        {"both off", {100, 300, 260, 318}, {-95, 0}, off, {5, 300}},
    };
    for (const Case& c : cases) {
        const Rect r = DragFrame(c.start, {0, 0}, c.to, c.rules);
        EXPECT_EQ((Point{r.left, r.top}), c.expected) << c.name;
        EXPECT_EQ(r.Width(), c.start.Width()) << c.name;
        EXPECT_EQ(r.Height(), c.start.Height()) << c.name;
    }
}

TEST(DragFrame, TaskbarOnEachSide) {
    const Rect screen{0, 0, 1920, 1080};
    const Rect start{500, 500, 600, 520};
    struct Case {
        TaskbarPosition bar;
        Point to;
        Point expected;
    } cases[] = {
        {{TaskbarEdge::Left, 60}, {-435, 0}, {60, 500}},
        {{TaskbarEdge::Top, 40}, {0, -455}, {500, 40}},
        {{TaskbarEdge::Right, 1860}, {1255, 0}, {1760, 500}},
    };
    for (const Case& c : cases) {
        SnapRules rules{false, true, 10, screen, c.bar};
        const Rect r = DragFrame(start, {0, 0}, c.to, rules);
        EXPECT_EQ((Point{r.left, r.top}), c.expected) << static_cast<int>(c.bar.edge);
    }
}

TEST(TaskbarFromWorkArea, LargestCutWinsAndNoCutIsNone) {
    const Rect screen{0, 0, 1920, 1080};
    EXPECT_EQ(TaskbarFromWorkArea(screen, screen), std::nullopt);
    EXPECT_EQ(TaskbarFromWorkArea(screen, {0, 0, 1920, 1050}),
              (TaskbarPosition{TaskbarEdge::Bottom, 1050}));
    EXPECT_EQ(TaskbarFromWorkArea(screen, {0, 28, 1920, 1050}),
              (TaskbarPosition{TaskbarEdge::Bottom, 1050}));
    EXPECT_EQ(TaskbarFromWorkArea(screen, {64, 28, 1920, 1080}),
              (TaskbarPosition{TaskbarEdge::Left, 64}));
    EXPECT_EQ(TaskbarFromWorkArea(screen, {0, 0, 1880, 1080}),
              (TaskbarPosition{TaskbarEdge::Right, 1880}));
}

TEST(AlphaFromPercent, RoundsHalfToEven) {
    const std::pair<int, int> cases[] = {{100, 255}, {0, 0},    {50, 128},  {10, 26}, {30, 76},
                                         {70, 178},  {90, 230}, {150, 255}, {-5, 0}};
    for (auto [percent, alpha] : cases) {
        EXPECT_EQ(AlphaFromPercent(percent), alpha) << percent;
    }
}

TEST(DoubleSizeFrame, GrowsAwayFromNearerEdgesAndStaysOnScreen) {
    const Rect screen{0, 0, 1920, 1080};
    struct Case {
        const char* name;
        Rect frame;
        WindowScale to;
        Rect expected;
    } cases[] = {
        {"upper left grows right and down",
         {100, 100, 300, 120},
         WindowScale::Double,
         {100, 100, 500, 140}},
        {"lower right keeps its corner",
         {1500, 900, 1700, 920},
         WindowScale::Double,
         {1300, 880, 1700, 920}},
        {"lower right shrinks back",
         {1300, 880, 1700, 920},
         WindowScale::Single,
         {1500, 900, 1700, 920}},
        {"upper right", {1500, 100, 1700, 120}, WindowScale::Double, {1300, 100, 1700, 140}},
        {"pulled back from the right",
         {1600, 100, 2000, 140},
         WindowScale::Single,
         {1720, 100, 1920, 120}},
        {"negative left becomes 0",
         {-150, 1070, 50, 1090},
         WindowScale::Double,
         {0, 1040, 400, 1080}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DoubleSizeFrame(c.frame, 200, 20, c.to, screen), c.expected) << c.name;
    }
}

TEST(TopMostSteps, RaiseFirstUnlessOptionsOpenAndBottomWhenAway) {
    using Z = ZOrderStep;
    EXPECT_EQ(TopMostSteps(true, false, OptionsDialogStatus::Closed),
              (std::vector<Z>{Z::Top, Z::TopMost}));
    EXPECT_EQ(TopMostSteps(true, true, OptionsDialogStatus::Open), (std::vector<Z>{Z::TopMost}));
    EXPECT_EQ(TopMostSteps(false, true, OptionsDialogStatus::Closed),
              (std::vector<Z>{Z::NoTopMost, Z::Bottom}));
    EXPECT_EQ(TopMostSteps(false, true, OptionsDialogStatus::Open), (std::vector<Z>{Z::NoTopMost}));
    EXPECT_EQ(TopMostSteps(false, false, OptionsDialogStatus::Closed),
              (std::vector<Z>{Z::NoTopMost}));
}

// --- Visibility rules --------------------------------------------------------------------------

struct VisCase {
    const char* name;
    bool topmost;
    KeyState keys;
    Point cursor;
    VisibilityState before;
    bool expectHide;
    bool expectInsideShift;
    TopMostRequest expectZ;
};

TEST(DecideVisibility, TopmostAndNormalWindowsWithAndWithoutShift) {
    const Rect frame{100, 100, 260, 118};
    const Point inside{150, 110};
    const Point margin{270, 110}; // 10 px right of the window: near, not inside
    const Point away{281, 110};   // 21 px right: away
    const KeyState none{};
    const KeyState shift{false, true, false};
    const KeyState ctrlShift{true, true, false};
    const VisibilityState hidden{true, false, false};
    const VisibilityState insideShift{false, true, false};
    using T = TopMostRequest;
    const VisCase cases[] = {
        // Topmost with hideOnMouseOver: hides when the mouse comes near, unless Shift.
        {"topmost near hides", true, none, margin, {}, true, false, T::Keep},
        {"topmost near with shift stays", true, shift, inside, {}, false, true, T::Keep},
        {"topmost shift in margin: visible, not inside",
         true,
         shift,
         margin,
         {},
         false,
         false,
         T::Keep},
        {"topmost inside after shift released stays", true, none, inside, insideShift, false, true,
         T::Keep},
        {"topmost away shows", true, none, away, hidden, false, false, T::Keep},
        {"topmost ctrl+shift hides by button", true, ctrlShift, away, {}, true, false, T::Keep},
        // Normal with showOnMouseOver and showNeedsShift: raise only with Shift.
        {"normal near without shift keeps state", false, none, inside, hidden, true, false, T::Off},
        {"normal near with shift raises", false, shift, inside, hidden, false, false, T::On},
        {"normal away goes back", false, none, away, {}, false, false, T::Off},
        {"normal ctrl+shift without showByButton",
         false,
         ctrlShift,
         away,
         {},
         false,
         false,
         T::Keep},
    };
    Settings s;
    s.hideOnMouseOver = true;
    s.showOnMouseOver = true;
    s.showNeedsShift = true;
    s.shiftKeepsVisible = true;
    s.hideByButton = true;
    s.showByButton = false;
    for (const VisCase& c : cases) {
        s.topmost = c.topmost;
        VisibilityInputs in{c.keys, c.cursor, frame, false, false};
        const VisibilityDecision d = DecideVisibility(s, c.before, in);
        EXPECT_EQ(d.state.formHideMode, c.expectHide) << c.name;
        EXPECT_EQ(d.visible, !c.expectHide) << c.name;
        EXPECT_EQ(d.state.mouseInsideShift, c.expectInsideShift) << c.name;
        EXPECT_EQ(d.topMost, c.expectZ) << c.name;
    }
}

TEST(DecideVisibility, FlagsAndSwitches) {
    const Rect frame{100, 100, 260, 118};
    Settings s;
    s.topmost = true;
    s.hideOnMouseOver = true;
    s.hideByButton = true;

    // The about box keeps the window visible even when the rules hide it.
    VisibilityDecision d = DecideVisibility(s, {}, {{}, {150, 110}, frame, true, false});
    EXPECT_TRUE(d.state.formHideMode);
    EXPECT_TRUE(d.visible);
    d = DecideVisibility(s, {}, {{true, true, false}, {0, 0}, frame, true, false});
    EXPECT_FALSE(d.state.formHideMode) << "hide by button waits for the about box";

    // Not snapped while hideWhenNotSnapped: hidden whatever the mouse does.
    d = DecideVisibility(s, {}, {{}, {900, 900}, frame, false, true});
    EXPECT_FALSE(d.visible);

    // No rule on: shown.
    s.hideOnMouseOver = false;
    d = DecideVisibility(s, {true, false, false}, {{}, {150, 110}, frame, false, false});
    EXPECT_TRUE(d.visible);

    // Normal window away with normallyHidden.
    s.topmost = false;
    s.showOnMouseOver = true;
    s.normallyHidden = true;
    d = DecideVisibility(s, {}, {{}, {900, 900}, frame, false, false});
    EXPECT_FALSE(d.visible);
    EXPECT_EQ(d.topMost, TopMostRequest::Off);

    // showByButton raises a normal window and shows it.
    s.showByButton = true;
    d = DecideVisibility(s, {true, false, false},
                         {{true, true, false}, {900, 900}, frame, false, false});
    EXPECT_EQ(d.topMost, TopMostRequest::On);
    EXPECT_TRUE(d.visible);

    // Pause toggles once per press, and only with toggleButton.
    VisibilityState st{};
    d = DecideVisibility(s, st, {{false, false, true}, {900, 900}, frame, false, false});
    EXPECT_EQ(d.topMost, TopMostRequest::Toggle);
    d = DecideVisibility(s, d.state, {{false, false, true}, {900, 900}, frame, false, false});
    EXPECT_NE(d.topMost, TopMostRequest::Toggle) << "held key toggled again";
    s.toggleButton = false;
    d = DecideVisibility(s, {}, {{false, false, true}, {900, 900}, frame, false, false});
    EXPECT_NE(d.topMost, TopMostRequest::Toggle);
}

// --- Which polls run ---------------------------------------------------------------------------

TEST(PlanPolls, APollRunsOnlyWhereItsAnswerCanChangeSomething) {
    struct Case {
        const char* name;
        void (*set)(Settings&);
        KeySource keys;
        AutoSnapAway away;
        PollPlan plan;
    } cases[] = {
        {"defaults, keys asked for",
         [](Settings&) {},
         KeySource::Polled,
         AutoSnapAway::No,
         {true, false}},
        {"defaults, keys pushed",
         [](Settings&) {},
         KeySource::Pushed,
         AutoSnapAway::No,
         {false, false}},
        {"no key rule for topmost",
         [](Settings& s) {
             s.hideByButton = false;
             s.toggleButton = false;
         },
         KeySource::Polled,
         AutoSnapAway::No,
         {false, false}},
        {"show-by-button counts only when not topmost",
         [](Settings& s) {
             s.hideByButton = false;
             s.toggleButton = false;
             s.showByButton = true;
         },
         KeySource::Polled,
         AutoSnapAway::No,
         {false, false}},
        {"show-by-button when not topmost",
         [](Settings& s) {
             s.topmost = false;
             s.showOnMouseOver = false;
             s.toggleButton = false;
             s.showByButton = true;
         },
         KeySource::Polled,
         AutoSnapAway::No,
         {true, false}},
        {"hide on mouse over: the pointer is polled even with pushed keys",
         [](Settings& s) { s.hideOnMouseOver = true; },
         KeySource::Pushed,
         AutoSnapAway::No,
         {true, false}},
        {"hide on mouse over is a topmost rule",
         [](Settings& s) {
             s.topmost = false;
             s.showOnMouseOver = false;
             s.hideOnMouseOver = true;
         },
         KeySource::Pushed,
         AutoSnapAway::No,
         {false, false}},
        {"show on mouse over (a default) when not topmost",
         [](Settings& s) {
             s.topmost = false;
             s.showOnMouseOver = true;
         },
         KeySource::Pushed,
         AutoSnapAway::No,
         {true, false}},
        {"show on mouse over is not a topmost rule",
         [](Settings& s) { s.showOnMouseOver = true; },
         KeySource::Pushed,
         AutoSnapAway::No,
         {false, false}},
        {"auto-snap on",
         [](Settings& s) { s.autoSnapMode = 2; },
         KeySource::Pushed,
         AutoSnapAway::No,
         {false, true}},
        {"auto-snap off while the window is away",
         [](Settings&) {},
         KeySource::Pushed,
         AutoSnapAway::Yes,
         {false, true}},
    };
    for (const Case& c : cases) {
        Settings s;
        c.set(s);
        EXPECT_EQ(PlanPolls(s, c.keys, c.away), c.plan) << c.name;
    }
}

TEST(PlanPolls, APointerWatchStandsInForThePointerPoll) {
    struct Case {
        const char* name;
        void (*set)(Settings&);
        KeySource keys;
        bool visibilityPoll;
    } cases[] = {
        {"hide on mouse over, keys pushed", [](Settings& s) { s.hideOnMouseOver = true; },
         KeySource::Pushed, false},
        {"show on mouse over below the others, keys pushed", [](Settings& s) { s.topmost = false; },
         KeySource::Pushed, false},
        {"the keys still need asking", [](Settings& s) { s.hideOnMouseOver = true; },
         KeySource::Polled, true},
    };
    for (const Case& c : cases) {
        Settings s;
        c.set(s);
        EXPECT_EQ(PlanPolls(s, c.keys, AutoSnapAway::No, PointerWatch::Watching).visibility,
                  c.visibilityPoll)
            << c.name;
        EXPECT_TRUE(PlanPolls(s, c.keys, AutoSnapAway::No, PointerWatch::None).visibility)
            << c.name;
    }
}

TEST(NearArea, AwayStartsPastTheMargin) {
    const Rect frame{100, 200, 260, 218};
    const Rect near = NearArea(frame);
    Settings s;
    s.hideOnMouseOver = true;
    s.shiftKeepsVisible = false;
    // Each point just inside and just outside the area, decided by the rules themselves.
    for (const Point p :
         {Point{near.left, 210}, Point{near.left - 1, 210}, Point{near.right - 1, 210},
          Point{near.right, 210}, Point{150, near.top}, Point{150, near.top - 1},
          Point{150, near.bottom - 1}, Point{150, near.bottom}}) {
        const bool inside =
            p.x >= near.left && p.x < near.right && p.y >= near.top && p.y < near.bottom;
        const VisibilityDecision d = DecideVisibility(s, {}, {{}, p, frame, false, false});
        EXPECT_EQ(d.pointerAway, !inside) << p.x << "," << p.y;
    }
}

// --- The stateful window -----------------------------------------------------------------------

struct FakeDesktop : Desktop {
    Rect screen{0, 0, 1280, 1024};
    Rect work{0, 0, 1280, 1024};
    std::vector<TopLevelWindow> windows;
    WindowId foreground = 0;
    KeyState keys;
    KeySource source = KeySource::Polled;
    Point cursor{900, 900};
    mutable int cursorAsked = 0;
    Rect Screen() const override { return screen; }
    Rect WorkArea() const override { return work; }
    std::vector<TopLevelWindow> TopLevelWindows() const override { return windows; }
    WindowId ForegroundWindow() const override { return foreground; }
    KeyState Keys() const override { return keys; }
    KeySource KeysSource() const override { return source; }
    Point Cursor() const override {
        ++cursorAsked;
        return cursor;
    }
    // A desktop that can tell when the pointer comes near; off unless a test turns it on.
    bool canWatch = false;
    std::optional<Rect> watched;
    PointerWatch WatchPointerEntering(const Rect& area) override {
        if (!canWatch) {
            return PointerWatch::None;
        }
        watched = area;
        return PointerWatch::Watching;
    }
    void StopWatchingPointer() override { watched.reset(); }
};

struct FakeSurface : SkinSurface {
    Rect frame{100, 100, 260, 118};
    bool shown = true;
    int alpha = 255;
    std::vector<ZOrderStep> zSteps;
    std::vector<Point> moves;
    WindowId Id() const override { return 77; }
    Rect Frame() const override { return frame; }
    void MoveTo(int x, int y) override {
        frame = frame.MovedTo(x, y);
        moves.push_back({x, y});
    }
    void Resize(int w, int h) override {
        frame = {frame.left, frame.top, frame.left + w, frame.top + h};
    }
    void SetShown(bool s) override { shown = s; }
    void ApplyZOrder(ZOrderStep z) override { zSteps.push_back(z); }
    void SetAlpha(int a) override { alpha = a; }
};

struct RecMenu : test::InertMenu {
    std::vector<std::string> calls;
    void Popup(MenuForm f) override {
        calls.push_back("Popup " + std::to_string(static_cast<int>(f)));
    }
    void DeleteFileList() override { calls.push_back("DeleteFileList"); }
    void SetShowBiggerChecked(bool c) override { calls.push_back(c ? "Bigger on" : "Bigger off"); }
    void SetTopMostChecked(bool c) override { calls.push_back(c ? "TopMost on" : "TopMost off"); }
};
struct RecFunction : test::InertFunction {
    int runs = 0;
    void RunFunctionButton() override { ++runs; }
};
struct RecOptions : test::InertOptions {
    std::vector<std::optional<OptionsPageId>> pages;
    void OpenOptions(std::optional<OptionsPageId> page) override { pages.push_back(page); }
};
struct RecSettings : test::InertSettings {
    int saves = 0;
    void SaveSettings(const std::string&) override { ++saves; }
};
struct RecSkin : test::InertSkin {
    int draws = 0;
    void DrawSkin() override { ++draws; }
};

class WindowBehaviourTest : public ::testing::Test {
protected:
    WindowBehaviourTest() : program(ui, timers, {}), behaviour(program, timers, desktop, surface) {
        Ports p;
        p.menu = &menu;
        p.function = &function;
        p.options = &options;
        p.settings = &settingsPort;
        p.skin = &skin;
        p.behaviour = &behaviour;
        program.Attach(inert.Fill(p));
        ButtonRects b{};
        b[0] = Rect::Sized(2, 2, 10, 10);   // start unit close
        b[1] = Rect::Sized(14, 2, 10, 10);  // start unit function
        b[2] = Rect::Sized(26, 2, 10, 10);  // start unit options
        b[3] = Rect::Sized(140, 2, 10, 10); // end unit close
        behaviour.SetLayout(b, 160, 18);
        timers.SetEnabled(TimerId::Refresh, true);
    }

    RecordingUi ui;
    test::FakeTimerHost timers;
    test::InertPorts inert;
    Program program;
    FakeDesktop desktop;
    FakeSurface surface;
    RecMenu menu;
    RecFunction function;
    RecOptions options;
    RecSettings settingsPort;
    RecSkin skin;
    WindowBehaviour behaviour;
};

TEST_F(WindowBehaviourTest, ButtonActionsByMouseButton) {
    struct Case {
        Point at;
        MouseButton mouse;
        int functionRuns;
        std::vector<std::string> menuCalls;
        std::vector<std::optional<OptionsPageId>> optionPages;
    } cases[] = {
        {{15, 5}, MouseButton::Left, 1, {}, {}},
        {{15, 5}, MouseButton::Right, 0, {"Popup 1", "DeleteFileList"}, {}},
        {{15, 5}, MouseButton::Middle, 0, {"Popup 0", "DeleteFileList"}, {}},
        {{30, 5}, MouseButton::Left, 0, {}, {OptionsPort::kModeless}},
        {{30, 5}, MouseButton::Right, 0, {"Popup 3", "DeleteFileList"}, {}},
        {{30, 5}, MouseButton::Middle, 0, {"Popup 2", "DeleteFileList"}, {}},
        {{80, 5}, MouseButton::Right, 0, {"Popup -1", "DeleteFileList"}, {}}, // off the buttons
        {{80, 5}, MouseButton::Left, 0, {}, {}},
    };
    for (const Case& c : cases) {
        function.runs = 0;
        menu.calls.clear();
        options.pages.clear();
        behaviour.MousePress(c.mouse, c.at, {0, 0});
        behaviour.MouseRelease(c.mouse, c.at);
        EXPECT_EQ(function.runs, c.functionRuns) << c.at.x << " " << static_cast<int>(c.mouse);
        EXPECT_EQ(menu.calls, c.menuCalls) << c.at.x << " " << static_cast<int>(c.mouse);
        EXPECT_EQ(options.pages, c.optionPages) << c.at.x << " " << static_cast<int>(c.mouse);
        EXPECT_FALSE(behaviour.Dragging());
    }
    EXPECT_FALSE(program.Ended());
}

TEST_F(WindowBehaviourTest, CloseNeedsLeftPressAndReleaseOnTheButton) {
    behaviour.MousePress(MouseButton::Right, {5, 5}, {0, 0});
    EXPECT_EQ(behaviour.States()[0], kButtonNormal) << "close is pressed only by the left button";
    behaviour.MouseRelease(MouseButton::Right, {5, 5});
    EXPECT_FALSE(program.Ended());

    behaviour.MousePress(MouseButton::Left, {5, 5}, {0, 0});
    EXPECT_EQ(behaviour.States()[0], kButtonPressed);
    behaviour.MouseRelease(MouseButton::Left, {60, 5}); // slid off: cancelled
    EXPECT_EQ(behaviour.States()[0], kButtonNormal);
    EXPECT_FALSE(program.Ended());

    int ended = 0;
    behaviour.onEnded = [&] { ++ended; };
    behaviour.MousePress(MouseButton::Left, {145, 5}, {0, 0}); // end unit close
    behaviour.MouseRelease(MouseButton::Left, {145, 5});
    EXPECT_TRUE(program.Ended());
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(settingsPort.saves, 1);
}

TEST_F(WindowBehaviourTest, HoverRedrawsOnlyOnChange) {
    behaviour.MouseMove(false, {15, 5}, {0, 0});
    EXPECT_EQ(behaviour.States()[1], kButtonHover);
    EXPECT_EQ(skin.draws, 1);
    behaviour.MouseMove(false, {16, 6}, {0, 0});
    EXPECT_EQ(skin.draws, 1);
    timers.SetEnabled(TimerId::Refresh, false);
    behaviour.MouseMove(false, {80, 5}, {0, 0});
    EXPECT_EQ(behaviour.States()[1], kButtonNormal);
    EXPECT_EQ(skin.draws, 1) << "no redraw while the refresh timer is off";
}

TEST_F(WindowBehaviourTest, DragMovesWithSnapping) {
    program.settings.snapStrength = 10;
    surface.frame = {100, 100, 260, 118};
    behaviour.MousePress(MouseButton::Left, {80, 5}, {180, 105});
    EXPECT_TRUE(behaviour.Dragging());
    behaviour.MouseMove(true, {80, 5}, {88, 300}); // left edge would be at 8
    EXPECT_EQ(surface.frame.left, 0);
    EXPECT_EQ(surface.frame.top, 295);
    behaviour.MouseRelease(MouseButton::Left, {80, 5});
    EXPECT_FALSE(behaviour.Dragging());
    behaviour.MouseMove(true, {80, 5}, {500, 500});
    EXPECT_EQ(surface.frame.left, 0) << "no move after the release";

    behaviour.menusSuppressed = true;
    behaviour.MousePress(MouseButton::Left, {80, 5}, {180, 105});
    EXPECT_FALSE(behaviour.Dragging());
}

TEST_F(WindowBehaviourTest, TopMostIsAppliedOnlyOnChange) {
    program.settings.backWhenMouseAway = true;
    behaviour.SetTopMost(false);
    EXPECT_TRUE(surface.zSteps.empty());
    behaviour.SetTopMost(true);
    behaviour.SetTopMost(true);
    EXPECT_EQ(surface.zSteps, (std::vector<ZOrderStep>{ZOrderStep::Top, ZOrderStep::TopMost}));
    surface.zSteps.clear();
    behaviour.SetTopMost(false);
    EXPECT_EQ(surface.zSteps, (std::vector<ZOrderStep>{ZOrderStep::NoTopMost, ZOrderStep::Bottom}));
}

TEST_F(WindowBehaviourTest, PausePollTogglesTopmostSetting) {
    program.settings.topmost = false;
    program.settings.toggleButton = true;
    desktop.keys.pause = true;
    behaviour.VisibilityPoll();
    EXPECT_TRUE(program.settings.topmost);
    EXPECT_TRUE(behaviour.TopMostApplied());
    behaviour.VisibilityPoll();
    EXPECT_TRUE(program.settings.topmost) << "still held: no second toggle";
    desktop.keys.pause = false;
    behaviour.VisibilityPoll();
    desktop.keys.pause = true;
    behaviour.VisibilityPoll();
    EXPECT_FALSE(program.settings.topmost);
    EXPECT_FALSE(behaviour.TopMostApplied());
    // The menu's check mark follows each toggle, as the menu command's does.
    EXPECT_EQ(menu.calls, (std::vector<std::string>{"TopMost on", "TopMost off"}));
}

TEST_F(WindowBehaviourTest, NormalWindowRaisedWithShiftIsNotFlippedEveryPoll) {
    program.settings.topmost = false;
    program.settings.showOnMouseOver = true;
    program.settings.showNeedsShift = true;
    program.settings.backWhenMouseAway = true;
    desktop.keys.shift = true;
    desktop.cursor = {150, 110};
    behaviour.VisibilityPoll();
    behaviour.VisibilityPoll();
    behaviour.VisibilityPoll();
    EXPECT_EQ(surface.zSteps, (std::vector<ZOrderStep>{ZOrderStep::Top, ZOrderStep::TopMost}));
    desktop.keys.shift = false;
    desktop.cursor = {900, 900};
    behaviour.VisibilityPoll();
    EXPECT_EQ(surface.zSteps.back(), ZOrderStep::Bottom);
    EXPECT_TRUE(surface.shown);
}

TEST_F(WindowBehaviourTest, DoubleSizeMovesResizesAndChecksMenu) {
    surface.frame = {1000, 900, 1160, 918}; // lower right quarter of 1280x1024
    behaviour.SetDoubleSize(true);
    EXPECT_EQ(surface.frame, (Rect{840, 882, 1160, 918}));
    EXPECT_TRUE(program.settings.doubleSize);
    EXPECT_EQ(menu.calls.back(), "Bigger on");
    behaviour.SetDoubleSize(true); // no change, no move
    EXPECT_EQ(surface.frame, (Rect{840, 882, 1160, 918}));
    behaviour.SetDoubleSize(false);
    EXPECT_EQ(surface.frame, (Rect{1000, 900, 1160, 918}));

    // A double-size click hits the button at half the point.
    behaviour.SetDoubleSize(true);
    behaviour.MousePress(MouseButton::Left, {30, 10}, {0, 0}); // skin (15,5): function
    behaviour.MouseRelease(MouseButton::Left, {30, 10});
    EXPECT_EQ(function.runs, 1);
}

TEST_F(WindowBehaviourTest, SetAlphaOnlyInModeOne) {
    behaviour.SetAlpha(0, 50);
    EXPECT_EQ(surface.alpha, 255);
    behaviour.SetAlpha(1, 50);
    EXPECT_EQ(surface.alpha, 128);
}

TEST_F(WindowBehaviourTest, PollsFollowTheSettingsWhenUpdated) {
    desktop.source = KeySource::Pushed;
    timers.SetEnabled(TimerId::Refresh, false);
    behaviour.UpdatePolls();
    EXPECT_FALSE(timers.enabled[1] || timers.enabled[2]) << "nothing armed before start-up";

    timers.SetEnabled(TimerId::Refresh, true);
    behaviour.UpdatePolls();
    EXPECT_FALSE(timers.IsEnabled(TimerId::VisibilityPoll)) << "keys pushed, no pointer rule";
    EXPECT_FALSE(timers.IsEnabled(TimerId::AutoSnapPoll)) << "auto-snap off";

    program.settings.hideOnMouseOver = true;
    program.settings.autoSnapMode = 1;
    behaviour.UpdatePolls();
    EXPECT_TRUE(timers.IsEnabled(TimerId::VisibilityPoll));
    EXPECT_EQ(timers.interval[1], kVisibilityIntervalMs);
    EXPECT_TRUE(timers.IsEnabled(TimerId::AutoSnapPoll));
    const auto starts = timers.starts;
    behaviour.UpdatePolls();
    EXPECT_EQ(timers.starts, starts) << "an unchanged plan does not restart a running poll";

    program.settings.hideOnMouseOver = false;
    program.settings.autoSnapMode = 0;
    behaviour.UpdatePolls();
    EXPECT_FALSE(timers.IsEnabled(TimerId::VisibilityPoll));
    EXPECT_FALSE(timers.IsEnabled(TimerId::AutoSnapPoll));

    // Without pushed keys the default key rules need the poll.
    desktop.source = KeySource::Polled;
    behaviour.UpdatePolls();
    EXPECT_TRUE(timers.IsEnabled(TimerId::VisibilityPoll));
}

TEST_F(WindowBehaviourTest, ProgramEntryPointReachesTheBehaviour) {
    desktop.source = KeySource::Pushed;
    program.settings.autoSnapMode = 2;
    program.UpdatePolls();
    EXPECT_TRUE(timers.IsEnabled(TimerId::AutoSnapPoll));
    EXPECT_FALSE(timers.IsEnabled(TimerId::VisibilityPoll));
    program.settings.autoSnapMode = 0;
    program.UpdatePolls();
    EXPECT_FALSE(timers.IsEnabled(TimerId::AutoSnapPoll));
}

TEST_F(WindowBehaviourTest, PushedKeysRunTheKeyRulesOnTheEvent) {
    desktop.source = KeySource::Pushed;
    behaviour.UpdatePolls();
    ASSERT_FALSE(timers.IsEnabled(TimerId::VisibilityPoll));
    // Ctrl+Shift hides the topmost window at once, no poll in between.
    desktop.keys = {true, true, false};
    behaviour.KeysChanged();
    EXPECT_FALSE(surface.shown);
    desktop.keys = {};
    behaviour.KeysChanged();
    EXPECT_TRUE(surface.shown);

    // Pause toggles the z-order on the press only; below the others the default show-on-mouse
    // rule needs the pointer, so its poll runs there and stops on the way back.
    desktop.keys.pause = true;
    behaviour.KeysChanged();
    EXPECT_FALSE(program.settings.topmost);
    EXPECT_TRUE(timers.IsEnabled(TimerId::VisibilityPoll));
    behaviour.KeysChanged();
    EXPECT_FALSE(program.settings.topmost) << "held, not pressed again";
    desktop.keys.pause = false;
    behaviour.KeysChanged();
    desktop.keys.pause = true;
    behaviour.KeysChanged();
    EXPECT_TRUE(program.settings.topmost);
    EXPECT_FALSE(timers.IsEnabled(TimerId::VisibilityPoll));
}

TEST_F(WindowBehaviourTest, KeyEventsWithoutKeyRulesDecideNothing) {
    desktop.source = KeySource::Pushed;
    program.settings.hideByButton = false;
    program.settings.toggleButton = false;
    behaviour.UpdatePolls();
    desktop.keys = {true, true, true};
    surface.shown = false; // a decision would show it again
    behaviour.KeysChanged();
    EXPECT_FALSE(surface.shown);
    EXPECT_TRUE(program.settings.topmost);
}

TEST_F(WindowBehaviourTest, AutoSnapPollStaysUntilTheWindowIsBack) {
    desktop.source = KeySource::Pushed;
    program.settings.autoSnapMode = 1;
    program.settings.hideWhenNotSnapped = true;
    behaviour.UpdatePolls();
    ASSERT_TRUE(timers.IsEnabled(TimerId::AutoSnapPoll));
    // No foreground window to snap to: hidden at once, not at the next visibility poll.
    behaviour.AutoSnap();
    EXPECT_TRUE(behaviour.HiddenUnsnapped());
    EXPECT_FALSE(surface.shown);

    program.settings.autoSnapMode = 0;
    behaviour.UpdatePolls();
    EXPECT_TRUE(timers.IsEnabled(TimerId::AutoSnapPoll)) << "still hidden by auto-snap";
    behaviour.AutoSnapReturn();
    EXPECT_TRUE(surface.shown);
    EXPECT_FALSE(timers.IsEnabled(TimerId::AutoSnapPoll));
}

TEST_F(WindowBehaviourTest, PointerIsAskedOnlyForAPointerRule) {
    desktop.source = KeySource::Pushed;
    behaviour.VisibilityPoll();
    EXPECT_EQ(desktop.cursorAsked, 0);
    program.settings.hideOnMouseOver = true;
    behaviour.VisibilityPoll();
    EXPECT_EQ(desktop.cursorAsked, 1);
}

TEST_F(WindowBehaviourTest, HeldKeysArePolledUntilLetGo) {
    // A desktop that wants to be asked while a key is down (a release may never come as an
    // event): the poll runs from the event that pressed it until a poll sees it up.
    desktop.source = KeySource::Pushed;
    behaviour.UpdatePolls();
    ASSERT_FALSE(timers.IsEnabled(TimerId::VisibilityPoll));
    desktop.keys = {true, true, false};
    desktop.source = KeySource::Polled;
    behaviour.KeysChanged();
    EXPECT_FALSE(surface.shown);
    EXPECT_TRUE(timers.IsEnabled(TimerId::VisibilityPoll));
    behaviour.VisibilityPoll(); // still held
    EXPECT_TRUE(timers.IsEnabled(TimerId::VisibilityPoll));
    desktop.keys = {};
    desktop.source = KeySource::Pushed;
    behaviour.VisibilityPoll(); // the poll finds the release no event reported
    EXPECT_TRUE(surface.shown);
    EXPECT_FALSE(timers.IsEnabled(TimerId::VisibilityPoll));
}

// With a desktop that watches for the pointer, the pointer rules poll only while the pointer is
// near (or a decision just changed something), and decide on the watch's report at once.
TEST_F(WindowBehaviourTest, PointerRulesWaitForThePointerWhileItIsAway) {
    desktop.source = KeySource::Pushed;
    desktop.canWatch = true;
    const Point away{900, 900};
    const Point onStrip{150, 110};
    const Point inMargin{270, 110};
    enum class Step { UpdatePolls, Poll, Entered, Keys };
    struct Case {
        const char* name;
        void (*set)(Settings&);
        Point cursor;
        bool shift;
        Step step;
        bool shown;
        bool watching;
        bool poll;
    };
    const Case cases[] = {
        {"rule switched on: the first poll finds it away",
         [](Settings& s) { s.hideOnMouseOver = true; }, away, false, Step::UpdatePolls, true, true,
         false},
        {"the pointer comes onto the strip: hidden on the report", nullptr, onStrip, false,
         Step::Entered, false, false, true},
        {"near, the poll keeps asking", nullptr, inMargin, false, Step::Poll, false, false, true},
        {"gone: shown at the next poll", nullptr, away, false, Step::Poll, true, false, true},
        {"a poll that changes nothing hands over to the watch", nullptr, away, false, Step::Poll,
         true, true, false},
        {"in with Shift: exempt and inside", nullptr, onStrip, true, Step::Entered, true, false,
         true},
        {"Shift let go inside: still shown", nullptr, onStrip, false, Step::Keys, true, false,
         true},
        {"out to the margin: the exemption ends first", nullptr, inMargin, false, Step::Poll, true,
         false, true},
        {"the next poll hides", nullptr, inMargin, false, Step::Poll, false, false, true},
        {"away", nullptr, away, false, Step::Poll, true, false, true},
        {"settled", nullptr, away, false, Step::Poll, true, true, false},
        {"a key event while away keeps the watch", nullptr, away, false, Step::Keys, true, true,
         false},
        {"below the others the show rule watches too", [](Settings& s) { s.topmost = false; }, away,
         false, Step::UpdatePolls, true, true, false},
        {"it raises on the report", nullptr, onStrip, false, Step::Entered, true, false, true},
        {"rule switched off: no watch, no poll",
         [](Settings& s) {
             s.topmost = true;
             s.hideOnMouseOver = false;
         },
         away, false, Step::UpdatePolls, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.set) {
            c.set(program.settings);
        }
        desktop.cursor = c.cursor;
        desktop.keys.shift = c.shift;
        switch (c.step) {
        case Step::UpdatePolls:
            behaviour.UpdatePolls();
            if (timers.IsEnabled(TimerId::VisibilityPoll)) {
                behaviour.VisibilityPoll(); // the poll that finds nothing left to change
            }
            break;
        case Step::Poll:
            behaviour.VisibilityPoll();
            break;
        case Step::Entered:
            ASSERT_TRUE(desktop.watched) << "reported without a watch";
            desktop.watched.reset(); // a watch reports once
            behaviour.PointerEntered();
            break;
        case Step::Keys:
            behaviour.KeysChanged();
            break;
        }
        EXPECT_EQ(surface.shown, c.shown);
        EXPECT_EQ(desktop.watched.has_value(), c.watching);
        if (desktop.watched) {
            EXPECT_EQ(*desktop.watched, NearArea(surface.frame));
        }
        EXPECT_EQ(timers.IsEnabled(TimerId::VisibilityPoll), c.poll);
    }
}

TEST_F(WindowBehaviourTest, PointerWatchFollowsTheFrameAndTheZOrder) {
    desktop.source = KeySource::Pushed;
    desktop.canWatch = true;
    program.settings.hideOnMouseOver = true;
    behaviour.UpdatePolls();
    behaviour.VisibilityPoll();
    ASSERT_TRUE(desktop.watched);
    behaviour.SetDoubleSize(true);
    ASSERT_TRUE(desktop.watched);
    EXPECT_EQ(*desktop.watched, NearArea(surface.frame)) << "the watch moves with the window";
    // Pause: the other z-order's rules have not seen the pointer, so the poll asks first.
    desktop.keys.pause = true;
    behaviour.KeysChanged();
    EXPECT_FALSE(program.settings.topmost);
    EXPECT_FALSE(desktop.watched);
    EXPECT_TRUE(timers.IsEnabled(TimerId::VisibilityPoll));
    desktop.keys.pause = false;
    behaviour.KeysChanged();
    behaviour.VisibilityPoll();
    EXPECT_TRUE(desktop.watched) << "show on mouse over found it away";
    EXPECT_FALSE(timers.IsEnabled(TimerId::VisibilityPoll));
    // A report that was still on its way while the watch was asked for again: the pointer is
    // near now, so no watch may stay behind.
    desktop.cursor = {150, 110};
    behaviour.PointerEntered();
    EXPECT_FALSE(desktop.watched);
    EXPECT_TRUE(timers.IsEnabled(TimerId::VisibilityPoll));
}

} // namespace
} // namespace trumbel

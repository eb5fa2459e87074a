#include "core/Program.h"

#include "base/AppInfo.h"
#include "tests/support/FakeTimers.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace trumbel {
namespace {

using test::FakeTimerHost;

// One journal for every port, so tests can assert the order of start-up and exit steps.
struct Journal {
    std::vector<std::string> calls;
    void Add(std::string s) { calls.push_back(std::move(s)); }
    int Count(const std::string& s) const {
        int n = 0;
        for (const auto& c : calls) {
            n += c == s;
        }
        return n;
    }
};

struct JSettings : SettingsPort {
    Journal& j;
    std::function<void()> duringLoad; // what a message box's loop may run meanwhile
    explicit JSettings(Journal& jj) : j(jj) {}
    std::string SettingsFilePath() override { return "/home/u/setting_u.ini"; }
    void LoadSettings(const std::string& p, LoadMode m) override {
        j.Add("LoadSettings " + p + (m == LoadMode::Startup ? " startup" : " switch"));
        if (duringLoad) {
            duringLoad();
        }
    }
    void SaveSettings(const std::string& p) override { j.Add("SaveSettings " + p); }
};
struct JMeasure : MeasurePort {
    Journal& j;
    bool throwOnRefresh = false;
    std::vector<int> counters;
    bool exists = false;
    explicit JMeasure(Journal& jj) : j(jj) {}
    bool Exists() const override { return exists; }
    void Create() override {
        exists = true;
        j.Add("CreateMeasure");
    }
    void Release() override {
        exists = false;
        j.Add("ReleaseMeasure");
    }
    std::vector<std::string> notices;
    std::vector<std::string> Notices() const override { return notices; }
    void RefreshParam(int sampleCounter) override {
        counters.push_back(sampleCounter);
        if (throwOnRefresh) {
            throw std::runtime_error("counter read failed");
        }
    }
};
struct JSkin : SkinPort {
    Journal& j;
    int draws = 0;
    explicit JSkin(Journal& jj) : j(jj) {}
    void ApplySkin() override { j.Add("ApplySkin"); }
    void DrawSkin() override { ++draws; }
    void UnloadSearchWindow() override { j.Add("UnloadSearchWindow"); }
    void FreeSurfaces() override { j.Add("FreeSurfaces"); }
};
struct JTray : TrayPort {
    Journal& j;
    std::vector<int> updates;
    explicit JTray(Journal& jj) : j(jj) {}
    void CreateIconObjects() override { j.Add("CreateIconObjects"); }
    void CreateIcon(int i) override { j.Add("CreateIcon " + std::to_string(i)); }
    void UpdateIcon(int i) override { updates.push_back(i); }
    void ReleaseAll() override { j.Add("ReleaseTray"); }
    void ShowNotice(const std::string& text) override { j.Add("ShowNotice " + text); }
};
struct JHotKey : HotKeyPort {
    Journal& j;
    bool registered = false;
    explicit JHotKey(Journal& jj) : j(jj) {}
    void RegisterSkinHotKey() override {
        registered = true;
        j.Add("RegisterHotKey");
    }
    void UnregisterSkinHotKey() override {
        registered = false;
        j.Add("UnregisterHotKey");
    }
    bool IsRegistered() const override { return registered; }
};
struct JMenu : MenuPort {
    Journal& j;
    explicit JMenu(Journal& jj) : j(jj) {}
    void LoadMenuWindow() override { j.Add("LoadMenuWindow"); }
    void SetShowBiggerChecked(bool c) override { j.Add(c ? "ShowBigger on" : "ShowBigger off"); }
    void SetTopMostChecked(bool c) override { j.Add(c ? "TopMostCheck on" : "TopMostCheck off"); }
    void SetHelpEnabled(bool e) override { j.Add(e ? "Help on" : "Help off"); }
    void Popup(MenuForm f) override { j.Add("Popup " + std::to_string(static_cast<int>(f))); }
    void DeleteFileList() override { j.Add("DeleteFileList"); }
    void UnloadMenuWindow() override { j.Add("UnloadMenuWindow"); }
};
struct JClock : ClockPort {
    Journal& j;
    int loads = 0;
    explicit JClock(Journal& jj) : j(jj) {}
    void LoadAdjustWindow() override {
        ++loads;
        j.Add("LoadClockWindow");
    }
    void UnloadAdjustWindow() override { j.Add("UnloadClockWindow"); }
};
struct JOptions : OptionsPort {
    Journal& j;
    explicit JOptions(Journal& jj) : j(jj) {}
    void OpenOptions(std::optional<OptionsPageId> page) override {
        j.Add("Options " + std::to_string(page ? static_cast<int>(*page) : -1));
    }
    void UnloadOptions() override { j.Add("UnloadOptions"); }
};
struct JFunction : FunctionPort {
    Journal& j;
    explicit JFunction(Journal& jj) : j(jj) {}
    void RunFunctionButton() override { j.Add("FunctionButton"); }
};
struct JWindow : WindowPort {
    Journal& j;
    Point pos{123, 456};
    explicit JWindow(Journal& jj) : j(jj) {}
    void Show() override { j.Add("Show"); }
    void SetTopMost(bool on) override { j.Add(on ? "TopMost on" : "TopMost off"); }
    void SetOpacity(int a) override { j.Add("Opacity " + std::to_string(a)); }
    void SetCaption(const std::string& c) override { j.Add("Caption " + c); }
    Point Position() const override { return pos; }
    bool IsVisible() const override { return true; }
    void FlashAndFocus() override { j.Add("Flash"); }
    void Unload() override { j.Add("UnloadWindow"); }
    void ProcessPendingEvents() override { j.Add("DoEvents"); }
};
struct JShell : ShellPort {
    Journal& j;
    std::vector<std::string> existing;
    explicit JShell(Journal& jj) : j(jj) {}
    bool FileExists(const std::string& p) const override {
        return std::find(existing.begin(), existing.end(), p) != existing.end();
    }
    bool Open(const std::string& t) override {
        j.Add("Open " + t);
        return true;
    }
    bool Explore(const std::string& f) override {
        j.Add("Explore " + f);
        return true;
    }
    void SetHelpFile(const std::string& p) override { j.Add("HelpFile " + p); }
};

// Arms both polls, as the window behaviour does under the default settings.
struct JBehaviour : BehaviourPort {
    FakeTimerHost& timers;
    explicit JBehaviour(FakeTimerHost& t) : timers(t) {}
    void VisibilityPoll() override {}
    void AutoSnap() override {}
    void AutoSnapReturn() override {}
    void UpdatePolls() override {
        timers.SetEnabled(TimerId::VisibilityPoll, true);
        timers.SetEnabled(TimerId::AutoSnapPoll, true);
    }
};

struct Fixture {
    Journal j;
    RecordingUi ui;
    FakeTimerHost timers;
    JSettings settings{j};
    JMeasure measure{j};
    JSkin skin{j};
    JTray tray{j};
    JHotKey hotKey{j};
    JMenu menu{j};
    JClock clock{j};
    JOptions options{j};
    JFunction function{j};
    JWindow window{j};
    JShell shell{j};
    JBehaviour behaviour{timers};
    Program program;

    Fixture()
        : program(ui, timers, ProgramEnvironment{"/opt/velquor", [] {
                                                     ConnectedState s;
                                                     s.flags = kConnectionOffline;
                                                     return s;
                                                 }}) {
        program.Attach(Ports{&settings, &measure, &skin, &tray, &hotKey, &menu, &clock, &options,
                             &function, &window, &shell, &behaviour});
    }

    bool Enabled(TimerId id) const { return timers.enabled[static_cast<int>(id)]; }
};

// A set of ports with a gap is refused by name, whichever member is missing; a program whose
// ports were never attached refuses to start instead of running with seams that do nothing.
TEST(ProgramPorts, AGapInThePortsIsRefusedByName) {
    struct Case {
        const char* name;
        void (*clear)(Ports&);
    };
    const Case cases[] = {
        {"settings", [](Ports& p) { p.settings = nullptr; }},
        {"measure", [](Ports& p) { p.measure = nullptr; }},
        {"skin", [](Ports& p) { p.skin = nullptr; }},
        {"tray", [](Ports& p) { p.tray = nullptr; }},
        {"hotKey", [](Ports& p) { p.hotKey = nullptr; }},
        {"menu", [](Ports& p) { p.menu = nullptr; }},
        {"clock", [](Ports& p) { p.clock = nullptr; }},
        {"options", [](Ports& p) { p.options = nullptr; }},
        {"function", [](Ports& p) { p.function = nullptr; }},
        {"window", [](Ports& p) { p.window = nullptr; }},
        {"shell", [](Ports& p) { p.shell = nullptr; }},
        {"behaviour", [](Ports& p) { p.behaviour = nullptr; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        Ports p{&f.settings, &f.measure, &f.skin,     &f.tray,   &f.hotKey, &f.menu,
                &f.clock,    &f.options, &f.function, &f.window, &f.shell,  &f.behaviour};
        c.clear(p);
        EXPECT_EQ(MissingPorts(p), std::vector<std::string>{c.name});
        try {
            f.program.Attach(p);
            ADD_FAILURE() << "a set without " << c.name << " was accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.name), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(MissingPorts(Ports{}).size(), 12u);
}

TEST(ProgramPorts, AProgramWithoutPortsDoesNotStart) {
    RecordingUi ui;
    FakeTimerHost timers;
    Program program(ui, timers, ProgramEnvironment{"/opt/velquor", {}});
    EXPECT_THROW(program.FormLoad({}), std::logic_error);
}

TEST(ProgramStartup, RunsTheStepsInOrder) {
    Fixture f;
    f.shell.existing = {"/opt/velquor/TrumbelOption.hlp"};
    f.program.settings.trayIconCount = 3;
    f.program.settings.doubleSize = true;
    f.program.FormLoad({});
    const std::vector<std::string> expected = {
        "CreateMeasure",
        "LoadSettings /home/u/setting_u.ini startup",
        "LoadMenuWindow",
        "ShowBigger on",
        "ApplySkin",
        "CreateIconObjects",
        "CreateIcon 1",
        "CreateIcon 2",
        "CreateIcon 3",
        "RegisterHotKey",
        "LoadClockWindow",
        "HelpFile /opt/velquor/TrumbelOption.hlp",
        "Help off",
        "Show",
        "TopMost on",
        "Opacity 255",
        "Caption Velquor ver.1.32  (Revision : 0083)",
    };
    EXPECT_EQ(f.j.calls, expected);
    EXPECT_EQ(f.program.appFolder, "/opt/velquor/");
    EXPECT_TRUE(f.program.connectedFlags.flags & kConnectionOffline);
    EXPECT_TRUE(f.Enabled(TimerId::Refresh));
    EXPECT_TRUE(f.Enabled(TimerId::VisibilityPoll));
    EXPECT_TRUE(f.Enabled(TimerId::AutoSnapPoll));
    EXPECT_FALSE(f.Enabled(TimerId::TrayClick));
    EXPECT_FALSE(f.Enabled(TimerId::DeferredExit));
    const std::array<int, 5> intervals{500, 200, 1000, 300, 100};
    EXPECT_EQ(f.timers.interval, intervals);
}

TEST(ProgramStartup, OptionalStepsFollowTheirSettings) {
    Fixture f;
    f.shell.existing = {"/opt/velquor/Trumbel.html"};
    Settings& s = f.program.settings;
    s.hotKeyEnabled = 0;
    s.adjustClockAtStart = 0;
    s.topmost = false;
    s.trayIconCount = 0;
    f.program.FormLoad({"/noballoon"});
    EXPECT_EQ(f.j.Count("RegisterHotKey"), 0);
    EXPECT_EQ(f.j.Count("LoadClockWindow"), 0);
    EXPECT_EQ(f.j.Count("TopMost on"), 0);
    EXPECT_EQ(f.j.Count("CreateIcon 1"), 0);
    EXPECT_EQ(f.j.Count("CreateIconObjects"), 1);
    EXPECT_EQ(f.j.Count("Help on"), 1);
    EXPECT_TRUE(f.program.helpFile.empty());
    EXPECT_TRUE(f.program.noBalloon);
    EXPECT_TRUE(f.program.subclassAllowed);
}

TEST(Caption, FormatsVersionAndRevision) {
    EXPECT_EQ(WindowCaption(), "Velquor ver.1.32  (Revision : 0083)");
    EXPECT_EQ(WindowCaption(1, 5, 12), "Velquor ver.1.05  (Revision : 0012)");
    EXPECT_EQ(WindowCaption(2, 0, 12345), "Velquor ver.2.00  (Revision : 12345)");
}

// --- refresh tick counters -------------------------------------------------------------------

TEST(RefreshTick, HistoryStepsFollowTheUpdateSpeed) {
    struct Case {
        int speed;
        int ticks;
        int expectedSamples; // ticks on which a new step started after the first
    };
    for (const Case c : {Case{0, 1000, 1000}, Case{3, 1000, 250}, Case{3, 1001, 250}}) {
        Fixture f;
        f.program.settings.historyUpdateSpeed = static_cast<std::int16_t>(c.speed);
        int samples = 0;
        for (int i = 0; i < c.ticks; ++i) {
            f.program.RefreshTick();
            samples += f.program.counters.sampleCounter == 0;
        }
        EXPECT_EQ(samples, c.expectedSamples) << "speed " << c.speed;
        // RefreshParam sees the counter of the step in progress: 0,1,2,3,0,... for speed 3.
        for (std::size_t i = 0; i < f.measure.counters.size(); ++i) {
            ASSERT_EQ(f.measure.counters[i], static_cast<int>(i % (c.speed + 1)));
        }
    }
}

TEST(RefreshTick, SampleFillCountsToSixtyThenStaysFull) {
    Fixture f;
    std::vector<int> fills;
    for (int i = 0; i < 3000; ++i) {
        f.program.RefreshTick();
        fills.push_back(f.program.counters.sampleFill);
    }
    for (int i = 0; i < 59; ++i) {
        EXPECT_EQ(fills[i], i + 1);
    }
    for (int i = 59; i < 3000; ++i) {
        ASSERT_EQ(fills[i], -1) << "tick " << i;
    }
}

TEST(RefreshTick, SampleFillWaitsForWholeSteps) {
    Fixture f;
    f.program.settings.historyUpdateSpeed = 3;
    for (int i = 0; i < 4 * 60 - 1; ++i) {
        f.program.RefreshTick();
    }
    EXPECT_EQ(f.program.counters.sampleFill, 59);
    f.program.RefreshTick();
    EXPECT_EQ(f.program.counters.sampleFill, -1); // the 60th sample marks the history full
}

TEST(RefreshTick, TrayIconsUpdateOnTheirInterval) {
    Fixture f;
    f.program.settings.trayIconCount = 2;
    f.program.settings.trayUpdateInterval = 2;
    for (int i = 0; i < 7; ++i) {
        f.program.RefreshTick();
    }
    // Ticks 0, 3, 6 update icons 1 then 2.
    EXPECT_EQ(f.tray.updates, (std::vector<int>{1, 2, 1, 2, 1, 2}));
}

TEST(RefreshTick, PeriodicClockAdjustment) {
    struct Case {
        int everyHours;
        int hours;
        int expectedLoads;
    };
    for (const Case c : {Case{0, 5, 0}, Case{1, 3, 3}, Case{2, 5, 2}}) {
        Fixture f;
        f.program.settings.adjustEveryHours = c.everyHours;
        for (int i = 0; i < 7200 * c.hours; ++i) {
            f.program.RefreshTick();
            if (c.everyHours == 2 && i == 7200 * 2 - 2) {
                EXPECT_EQ(f.clock.loads, 0); // not a tick early
            }
        }
        EXPECT_EQ(f.clock.loads, c.expectedLoads) << "every " << c.everyHours;
        EXPECT_EQ(f.program.counters.hourTicks, 0);
    }
}

TEST(RefreshTick, AFailingStepDoesNotStopTheOthers) {
    Fixture f;
    f.measure.throwOnRefresh = true;
    f.program.settings.trayIconCount = 1;
    f.program.settings.historyUpdateSpeed = -1; // (n + 1) mod 0 fails on every tick
    for (int i = 0; i < 5; ++i) {
        f.program.RefreshTick();
    }
    EXPECT_EQ(f.skin.draws, 5);
    EXPECT_EQ(f.tray.updates.size(), 5u);
    EXPECT_EQ(f.program.counters.hourTicks, 5);
    EXPECT_EQ(f.program.counters.sampleCounter, 0);
    EXPECT_TRUE(f.ui.shown.empty()); // the periodic pass never reports
}

TEST(RefreshTick, RecreatesAMissingMeasurementObject) {
    Fixture f;
    f.program.RefreshTick();
    EXPECT_EQ(f.j.Count("CreateMeasure"), 1);
    f.measure.Release();
    f.program.RefreshTick();
    EXPECT_EQ(f.j.Count("CreateMeasure"), 2);
}

// --- tray click discrimination ---------------------------------------------------------------

TEST(TrayClicks, EachClickRunsItsConfiguredAction) {
    struct Case {
        std::vector<TrayMessage> messages;
        bool timerFires;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{TrayMessage::LeftUp}, true, "Options 0"},                           // entry 1: 7
        {{TrayMessage::LeftUp, TrayMessage::LeftDouble}, false, "Options 2"}, // entry 2: 11
        {{TrayMessage::RightUp}, true, "Explore /opt/velquor/"},              // entry 3: 16
        {{TrayMessage::RightUp, TrayMessage::RightDouble}, false, "FunctionButton"},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.program.settings.trayClickActions = {7, 11, 16, 2};
        f.program.InitApplication({});
        f.j.calls.clear();
        for (TrayMessage m : c.messages) {
            f.program.OnTrayMessage(m);
        }
        if (c.timerFires) {
            EXPECT_TRUE(f.Enabled(TimerId::TrayClick));
            EXPECT_TRUE(f.j.calls.empty()); // nothing happens before the 300 ms are up
            f.program.OnTimer(TimerId::TrayClick);
        }
        EXPECT_FALSE(f.Enabled(TimerId::TrayClick));
        EXPECT_EQ(f.program.trayClickPending, 0);
        ASSERT_EQ(f.j.calls.size(), 2u);
        EXPECT_EQ(f.j.calls[0], "Flash");
        EXPECT_EQ(f.j.calls[1], c.expected);
    }
}

TEST(TrayClicks, ASecondClickRestartsTheWait) {
    Fixture f;
    f.program.OnTrayMessage(TrayMessage::LeftUp);
    f.program.OnTrayMessage(TrayMessage::RightUp);
    EXPECT_EQ(f.timers.starts[static_cast<int>(TimerId::TrayClick)], 2);
    EXPECT_EQ(f.program.trayClickPending, 3);
}

TEST(TrayClicks, EachKindOfActionReachesItsPort) {
    const std::vector<std::pair<int, std::vector<std::string>>> table = {
        {-1, {"Flash"}},
        {0, {"Flash"}},
        {1, {"Flash", "Popup -1", "DeleteFileList"}},
        {2, {"Flash", "FunctionButton"}},
        {9, {"Flash", "Options 6"}},
        {15, {"Flash", "Popup 3", "DeleteFileList"}},
        {18, {"Flash", "Explore /opt/velquor/Skin/"}},
        {19, {"Flash"}},
    };
    for (const auto& [action, expected] : table) {
        Fixture f;
        f.program.InitApplication({});
        f.j.calls.clear();
        f.program.DoTrayAction(action);
        EXPECT_EQ(f.j.calls, expected) << "action " << action;
    }
}

// --- exit ------------------------------------------------------------------------------------

TEST(Exit, EndApplicationRunsInOrderAndSavesOnce) {
    Fixture f;
    f.program.FormLoad({});
    f.j.calls.clear();
    f.program.EndApplication();
    f.program.EndApplication();
    const std::vector<std::string> expected = {
        "UnloadOptions",      "SaveSettings /home/u/setting_u.ini",
        "UnloadMenuWindow",   "UnloadClockWindow",
        "UnloadSearchWindow", "UnloadWindow",
        "UnregisterHotKey",   "ReleaseTray",
        "ReleaseMeasure",     "DoEvents",
        "FreeSurfaces",
    };
    EXPECT_EQ(f.j.calls, expected);
    for (bool on : f.timers.enabled) {
        EXPECT_FALSE(on);
    }
    EXPECT_EQ(f.program.settings.startX, 123);
    EXPECT_EQ(f.program.settings.startY, 456);
}

TEST(Exit, StoredStartPositionIsKeptUnlessModeIsZero) {
    Fixture f;
    f.program.settings.startPositionMode = 1;
    f.program.settings.startX = 7;
    f.program.settings.startY = 9;
    f.program.EndApplication();
    EXPECT_EQ(f.program.settings.startX, 7);
    EXPECT_EQ(f.program.settings.startY, 9);
}

TEST(Exit, MenuEndLeavesThroughTimer5) {
    Fixture f;
    f.program.FormLoad({});
    f.program.MenuEnd();
    for (TimerId id :
         {TimerId::Refresh, TimerId::VisibilityPoll, TimerId::AutoSnapPoll, TimerId::TrayClick}) {
        EXPECT_FALSE(f.Enabled(id));
    }
    EXPECT_TRUE(f.Enabled(TimerId::DeferredExit));
    EXPECT_EQ(f.j.Count("SaveSettings /home/u/setting_u.ini"), 0);
    f.program.OnTimer(TimerId::DeferredExit);
    EXPECT_FALSE(f.Enabled(TimerId::DeferredExit));
    EXPECT_TRUE(f.program.ExitRequested());
    EXPECT_EQ(f.j.Count("SaveSettings /home/u/setting_u.ini"), 1);
}

// A save request early in the session (a checkpoint) does not use up the save at logoff: each
// request writes, with the window's place at that moment; the exit after it does not write again.
TEST(Exit, EverySessionSaveRequestWritesAndTheExitOnce) {
    Fixture f;
    std::vector<int> savedX;
    f.program.FormLoad({});
    f.program.QueryUnload(UnloadMode::Form); // not a logoff: nothing
    EXPECT_EQ(f.j.Count("SaveSettings /home/u/setting_u.ini"), 0);
    f.j.calls.clear();
    f.program.QueryUnload(UnloadMode::SessionEnding);
    // An open options dialog is cancelled before the record is written.
    EXPECT_EQ(f.j.calls,
              (std::vector<std::string>{"UnloadOptions", "SaveSettings /home/u/setting_u.ini"}));
    savedX.push_back(f.program.settings.startX);
    f.window.pos = {700, 20};
    f.program.QueryUnload(UnloadMode::SessionEnding);
    savedX.push_back(f.program.settings.startX);
    EXPECT_EQ(f.j.Count("SaveSettings /home/u/setting_u.ini"), 2);
    EXPECT_EQ(savedX, (std::vector<int>{123, 700}));
    f.program.EndApplication(ExitSave::AlreadySaved);
    f.program.QueryUnload(UnloadMode::SessionEnding); // after the exit: nothing left to save
    EXPECT_EQ(f.j.Count("SaveSettings /home/u/setting_u.ini"), 2);
    EXPECT_EQ(f.j.Count("FreeSurfaces"), 1);
}

// Start-up's message boxes run event loops that dispatch timers: the auto-snap poll must not be
// armed before start-up is over, or it records a place the window is about to leave.
TEST(ProgramStartup, NoPollIsArmedUntilStartUpIsOver) {
    Fixture f;
    std::array<bool, kTimerCount> armedDuringLoad{};
    f.settings.duringLoad = [&] {
        for (int i = 0; i < kTimerCount; ++i) {
            armedDuringLoad[static_cast<std::size_t>(i)] = f.timers.enabled[i];
        }
    };
    EXPECT_FALSE(f.Enabled(TimerId::AutoSnapPoll));
    f.program.FormLoad({});
    EXPECT_EQ(armedDuringLoad, (std::array<bool, kTimerCount>{}));
    EXPECT_TRUE(f.Enabled(TimerId::AutoSnapPoll));
}

} // namespace
} // namespace trumbel

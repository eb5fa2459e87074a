#include "core/Program.h"

#include "base/AppInfo.h"
#include "base/RuntimeError.h"
#include "options/OptionsLists.h"

#include <cmath>
#include <exception>
#include <stdexcept>

namespace trumbel {

namespace {

// A failing step of the tick is abandoned on its own; the periodic pass never reports.
template <typename F> void Guarded(F&& step) {
    try {
        step();
    } catch (const std::exception&) {
    } catch (...) {
    }
}

// A tray menu's lists last as long as its popup.
void PopupFromTray(Program& program, MenuForm form) {
    program.menu().Popup(form);
    program.menu().DeleteFileList();
}

void OpenOptionsPage(Program& program, std::optional<OptionsPageId> page) {
    program.options().OpenOptions(page);
}

using TrayActionHandler = void (*)(Program&);

// What each tray click action does, by its number in the option page's list.
constexpr std::array<TrayActionHandler, kTrayActionCount> kTrayActions{
    nullptr, // 動作なし
    [](Program& p) { PopupFromTray(p, MenuForm::Main); },
    [](Program& p) { p.function().RunFunctionButton(); },
    [](Program& p) { PopupFromTray(p, MenuForm::FunctionList); },
    [](Program& p) { PopupFromTray(p, MenuForm::Favourites); },
    [](Program& p) { PopupFromTray(p, MenuForm::SkinList); },
    [](Program& p) { OpenOptionsPage(p, OptionsPort::kModeless); },
    [](Program& p) { OpenOptionsPage(p, OptionsPageId::Basic); },    // 基本設定
    [](Program& p) { OpenOptionsPage(p, OptionsPageId::Window); },   // ウィンドウ表示設定
    [](Program& p) { OpenOptionsPage(p, OptionsPageId::Position); }, // 位置情報設定
    [](Program& p) { OpenOptionsPage(p, OptionsPageId::Skin); },     // Skin設定
    [](Program& p) { OpenOptionsPage(p, OptionsPageId::Layout); },   // 拡張Skin設定
    [](Program& p) { OpenOptionsPage(p, OptionsPageId::Tray); }, // タスクアイコンの設定
    [](Program& p) { OpenOptionsPage(p, OptionsPageId::Function); }, // ｢FN｣ボタンの設定
    [](Program& p) { OpenOptionsPage(p, OptionsPageId::Network); },  // ネットワーク関連
    [](Program& p) { PopupFromTray(p, MenuForm::OptionFiles); },
    [](Program& p) { p.shell().Explore(p.appFolder); },
    [](Program& p) { p.shell().Explore(p.appFolder + "Function"); },
    [](Program& p) { p.shell().Explore(p.appFolder + "Skin/"); },
};

} // namespace

int DefaultInterval(TimerId id) {
    switch (id) {
    case TimerId::Refresh:
        return kRefreshIntervalMs;
    case TimerId::VisibilityPoll:
        return kVisibilityIntervalMs;
    case TimerId::AutoSnapPoll:
        return kAutoSnapIntervalMs;
    case TimerId::TrayClick:
        return kTrayClickIntervalMs;
    case TimerId::DeferredExit:
        return kDeferredExitIntervalMs;
    }
    return kRefreshIntervalMs;
}

Program::Program(Ui& ui, TimerHost& timers, ProgramEnvironment environment)
    : ui_(ui), timers_(timers), environment_(std::move(environment)) {
    for (int i = 0; i < kTimerCount; ++i) {
        timers_.SetInterval(static_cast<TimerId>(i), DefaultInterval(static_cast<TimerId>(i)));
    }
}

void Program::Attach(const Ports& ports) {
    const std::vector<std::string> missing = MissingPorts(ports);
    if (!missing.empty()) {
        std::string names;
        for (const std::string& name : missing) {
            names += (names.empty() ? "" : ", ") + name;
        }
        throw std::invalid_argument("ports left unattached: " + names);
    }
    ports_ = ports;
}

void Program::FormLoad(const std::vector<std::string>& commandWords) {
    InitApplication(commandWords);
    window().Show();
    if (settings.topmost) {
        window().SetTopMost(true);
    }
    timers_.SetInterval(TimerId::Refresh, kRefreshIntervalMs);
    timers_.SetEnabled(TimerId::Refresh, true);
    // The auto-snap poll belongs to the window but must not run inside start-up's message boxes
    // (their loops dispatch timers): it would record a place the window is about to leave.
    UpdatePolls();
    // Opacity is not a setting: every start begins opaque.
    window().SetOpacity(255);
    window().SetCaption(WindowCaption());
}

const ConnectedState& Program::RefreshConnectedState() {
    if (environment_.queryConnectedState) {
        connectedFlags = environment_.queryConnectedState();
    }
    return connectedFlags;
}

void Program::InitApplication(const std::vector<std::string>& commandWords) {
    appFolder = environment_.appFolder;
    if (appFolder.empty() || appFolder.back() != '/') {
        appFolder += '/';
    }
    const CommandLineFlags flags = ReadCommandLine(commandWords, ui_);
    subclassAllowed = flags.subclassAllowed;
    noBalloon = flags.noBalloon;
    measure().Create();
    RefreshConnectedState();
    counters.sampleFill = 0;
    settingsPort().LoadSettings(settingsPort().SettingsFilePath(), LoadMode::Startup);
    menu().LoadMenuWindow();
    menu().SetShowBiggerChecked(settings.doubleSize);
    skin().ApplySkin();
    tray().CreateIconObjects();
    for (int i = 1; i <= kTrayIconMax; ++i) {
        if (i <= settings.trayIconCount) {
            tray().CreateIcon(i);
        }
    }
    if (settings.hotKeyEnabled) {
        hotKey().RegisterSkinHotKey();
    }
    if (settings.adjustClockAtStart) {
        clock().LoadAdjustWindow();
    }
    if (shell().FileExists(appFolder + "TrumbelOption.hlp")) {
        helpFile = appFolder + "TrumbelOption.hlp";
        shell().SetHelpFile(helpFile);
    }
    menu().SetHelpEnabled(shell().FileExists(appFolder + "Trumbel.html"));
}

void Program::OnTimer(TimerId id) {
    switch (id) {
    case TimerId::Refresh:
        RefreshTick();
        break;
    case TimerId::VisibilityPoll:
        VisibilityPoll();
        break;
    case TimerId::AutoSnapPoll:
        AutoSnapPoll();
        break;
    case TimerId::TrayClick:
        TrayClickTimer();
        break;
    case TimerId::DeferredExit:
        DeferredExitTimer();
        break;
    }
}

void Program::RefreshTick() {
    TickCounters& c = counters;
    Guarded([&] {
        if (!measure().Exists()) {
            measure().Create();
        }
    });
    Guarded([&] { measure().RefreshParam(c.sampleCounter); });
    Guarded([&] {
        for (const std::string& text : measure().Notices()) {
            tray().ShowNotice(text);
        }
    });
    Guarded([&] {
        if (c.trayCounter == 0) {
            for (int i = 1; i <= settings.trayIconCount; ++i) {
                tray().UpdateIcon(i);
            }
        }
    });
    Guarded([&] {
        c.sampleCounter = CheckedInt16(
            CheckedMod(c.sampleCounter + 1, CheckedInt16(settings.historyUpdateSpeed + 1)));
    });
    Guarded([&] {
        c.trayCounter = CheckedInt16(
            CheckedMod(c.trayCounter + 1, CheckedInt16(settings.trayUpdateInterval + 1)));
    });
    Guarded([&] { c.hourTicks = CheckedInt16((c.hourTicks + 1) % 7200); });
    Guarded([&] {
        if (c.hourTicks == 0 && settings.adjustEveryHours >= 1) {
            c.clockHours = CheckedInt16((c.clockHours + 1) % settings.adjustEveryHours);
            if (c.clockHours == 0) {
                clock().LoadAdjustWindow();
            }
        }
    });
    Guarded([&] {
        if (c.sampleCounter == 0 && c.sampleFill >= 0 && c.sampleFill <= 60) {
            ++c.sampleFill;
        }
    });
    Guarded([&] {
        if (c.sampleFill >= 60) {
            c.sampleFill = -1;
        }
    });
    Guarded([&] { skin().DrawSkin(); });
}

void Program::VisibilityPoll() {
    behaviour().VisibilityPoll();
}

void Program::AutoSnapPoll() {
    if (settings.autoSnapMode != 0) {
        behaviour().AutoSnap();
    } else {
        behaviour().AutoSnapReturn();
    }
}

void Program::UpdatePolls() {
    behaviour().UpdatePolls();
}

void Program::OnTrayMessage(TrayMessage message) {
    switch (message) {
    case TrayMessage::LeftUp:
    case TrayMessage::RightUp:
        timers_.SetEnabled(TimerId::TrayClick, false);
        timers_.SetEnabled(TimerId::TrayClick, true);
        trayClickPending = message == TrayMessage::LeftUp ? 1 : 3;
        break;
    case TrayMessage::LeftDouble:
    case TrayMessage::RightDouble:
        trayClickPending = message == TrayMessage::LeftDouble ? 2 : 4;
        timers_.SetEnabled(TimerId::TrayClick, false);
        TrayClickTimer();
        break;
    }
}

void Program::TrayClickTimer() {
    const int pending = trayClickPending;
    // Disarm first: an action that opens a modal menu keeps the thread, and the timer must not
    // fire the same click again meanwhile.
    timers_.SetEnabled(TimerId::TrayClick, false);
    trayClickPending = 0;
    if (pending >= 1 && pending <= 4) {
        DoTrayAction(settings.trayClickActions[pending - 1]);
    }
}

void Program::DoTrayAction(int action) {
    window().FlashAndFocus();
    if (action >= 0 && action < static_cast<int>(kTrayActions.size()) &&
        kTrayActions[static_cast<std::size_t>(action)]) {
        kTrayActions[static_cast<std::size_t>(action)](*this);
    }
}

void Program::MenuEnd() {
    for (TimerId id :
         {TimerId::Refresh, TimerId::VisibilityPoll, TimerId::AutoSnapPoll, TimerId::TrayClick}) {
        timers_.SetEnabled(id, false);
    }
    timers_.SetEnabled(TimerId::DeferredExit, true);
}

void Program::DeferredExitTimer() {
    timers_.SetEnabled(TimerId::DeferredExit, false);
    EndApplication();
    exitRequested_ = true;
}

void Program::RecordStartPosition() {
    if (settings.startPositionMode == 0) {
        const Point p = window().Position();
        settings.startX = p.x;
        settings.startY = p.y;
    }
}

void Program::SaveSettingsFile() {
    settingsPort().SaveSettings(settingsPort().SettingsFilePath());
}

void Program::EndApplication(ExitSave save) {
    if (ended_) {
        return; // the settings are written exactly once per exit
    }
    ended_ = true;
    for (int i = 0; i < kTimerCount; ++i) {
        timers_.SetEnabled(static_cast<TimerId>(i), false);
    }
    // An open options dialog holds edits never confirmed: unloading it puts the record back
    // before anything is written.
    options().UnloadOptions();
    if (save == ExitSave::Write) {
        RecordStartPosition();
        SaveSettingsFile();
    }
    menu().UnloadMenuWindow();
    clock().UnloadAdjustWindow();
    skin().UnloadSearchWindow();
    window().Unload();
    if (hotKey().IsRegistered()) {
        hotKey().UnregisterSkinHotKey();
    }
    tray().ReleaseAll();
    measure().Release();
    window().ProcessPendingEvents();
    skin().FreeSurfaces();
}

void Program::QueryUnload(UnloadMode mode) {
    // Every save request of the session manager writes: a checkpoint early in the session must
    // not stand in for the save at logoff. Only the exit itself is once.
    if (mode != UnloadMode::SessionEnding || ended_) {
        return;
    }
    options().UnloadOptions();
    RecordStartPosition();
    SaveSettingsFile();
}

} // namespace trumbel

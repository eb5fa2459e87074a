#pragma once

#include "base/Ui.h"
#include "core/CommandLine.h"
#include "core/Ports.h"
#include "core/Timers.h"
#include "platform/Connectivity.h"
#include "settings/Settings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace trumbel {


// Tray callback message numbers, as the tray delivers them to the discrimination timer.
enum class TrayMessage : int { LeftUp = 514, LeftDouble = 515, RightUp = 517, RightDouble = 518 };

enum class UnloadMode : int { Form = 0, Code = 1, SessionEnding = 2, TaskManager = 3, Owner = 5 };
enum class ExitSave { Write, AlreadySaved };

// What start-up needs from outside the program object.
struct ProgramEnvironment {
    std::string appFolder; // with a trailing "/"
    std::function<ConnectedState()> queryConnectedState;
};

// Counters of the refresh tick; all 16-bit, all 0 at start.
struct TickCounters {
    std::int16_t sampleCounter = 0;
    std::int16_t trayCounter = 0;
    std::int16_t hourTicks = 0;
    std::int16_t clockHours = 0;
    std::int16_t sampleFill = 0; // 0..60, then -1 once the history is full
};

// The program object: owns the program-wide records and flags and runs start-up, the five
// timers' handlers and the orderly exit. The subsystems it drives are reached through ports.
class Program {
public:
    Program(Ui& ui, TimerHost& timers, ProgramEnvironment environment);

    // Port implementations are built after the program object, since they keep references to
    // its records (settings, flags). Every port must be given: a gap throws
    // std::invalid_argument naming the missing ports, and a program without ports throws
    // std::logic_error at its first step.
    void Attach(const Ports& ports);

    // Start-up after the single-instance check: InitApplication, show, topmost, timers,
    // opacity, caption.
    void FormLoad(const std::vector<std::string>& commandWords);
    void InitApplication(const std::vector<std::string>& commandWords);

    // Timer handlers.
    void OnTimer(TimerId id);
    void RefreshTick();
    void VisibilityPoll();
    void AutoSnapPoll();
    void TrayClickTimer();
    void DeferredExitTimer();
    // Starts and stops the polls as the settings now need them: after start-up, after an
    // option-file switch, after the options are applied.
    void UpdatePolls();

    void OnTrayMessage(TrayMessage message);
    // Tray click action `action` as the option page lists them; other numbers do nothing.
    void DoTrayAction(int action);

    // The popup menu's exit command: stop the work timers and leave through the deferred-exit
    // timer.
    void MenuEnd();
    void EndApplication(ExitSave save = ExitSave::Write);
    void QueryUnload(UnloadMode mode);
    bool Ended() const { return ended_; }
    // Set when the deferred-exit timer has run the exit; the shell then ends the process.
    bool ExitRequested() const { return exitRequested_; }

    // Program-wide records and flags.
    Settings settings;
    std::string appFolder;
    bool subclassAllowed = true;
    bool noBalloon = false;
    bool aboutBoxOpen = false;
    // Set while the options dialog fills its controls: skin loads, drawing and tray updates
    // wait.
    bool settingsBusy = false;
    ConnectedState connectedFlags;
    // Reads the connection state anew into connectedFlags: at start, and as each clock
    // adjustment starts.
    const ConnectedState& RefreshConnectedState();
    TickCounters counters;
    std::int16_t trayClickPending = 0;
    std::string helpFile;

private:
    void RecordStartPosition();
    void SaveSettingsFile();

    Ui& ui_;
    TimerHost& timers_;
    ProgramEnvironment environment_;

    Ports ports_;

public:
    SettingsPort& settingsPort() { return Require(ports_.settings); }
    MeasurePort& measure() { return Require(ports_.measure); }
    SkinPort& skin() { return Require(ports_.skin); }
    TrayPort& tray() { return Require(ports_.tray); }
    HotKeyPort& hotKey() { return Require(ports_.hotKey); }
    MenuPort& menu() { return Require(ports_.menu); }
    ClockPort& clock() { return Require(ports_.clock); }
    OptionsPort& options() { return Require(ports_.options); }
    FunctionPort& function() { return Require(ports_.function); }
    WindowPort& window() { return Require(ports_.window); }
    ShellPort& shell() { return Require(ports_.shell); }
    BehaviourPort& behaviour() { return Require(ports_.behaviour); }

private:
    template <typename T> static T& Require(T* port) {
        if (!port) {
            throw std::logic_error("the program runs without its ports attached");
        }
        return *port;
    }

    bool ended_ = false;
    bool exitRequested_ = false;
};

} // namespace trumbel

#pragma once

namespace trumbel {

enum class TimerId {
    Refresh,        // Timer1
    VisibilityPoll, // Timer2
    AutoSnapPoll,   // Timer3
    TrayClick,      // Timer4
    DeferredExit,   // Timer5
};
inline constexpr int kTimerCount = 5;

inline constexpr int kRefreshIntervalMs = 500;
inline constexpr int kVisibilityIntervalMs = 200;
inline constexpr int kAutoSnapIntervalMs = 1000;
inline constexpr int kTrayClickIntervalMs = 300;
inline constexpr int kDeferredExitIntervalMs = 100;

int DefaultInterval(TimerId id);

// The skin window's five timers. Enabling a running timer restarts its interval, as disabling
// and enabling a window timer does.
class TimerHost {
public:
    virtual ~TimerHost() = default;
    virtual void SetInterval(TimerId id, int ms) = 0;
    virtual void SetEnabled(TimerId id, bool enabled) = 0;
    virtual bool IsEnabled(TimerId id) const = 0;
};

} // namespace trumbel

#pragma once

#include "clock/ClockAdjustment.h"
#include "clock/ClockWindows.h"
#include "clock/qt/ClockAdjustWindow.h"

#include <QPointer>
#include <functional>
#include <memory>

namespace trumbel {

// Loads and unloads the one clock-adjust window.
class TimeInfoWindows final : public ClockWindows {
public:
    TimeInfoWindows(AdjustContext context, ClockNotices& notices);
    ~TimeInfoWindows() override;
    TimeInfoWindows(const TimeInfoWindows&) = delete;
    TimeInfoWindows& operator=(const TimeInfoWindows&) = delete;

    void LoadAdjustWindow() override;
    void UnloadAdjustWindow() override;
    bool IsOpen() const override { return !window_.isNull(); }
    ClockAdjustWindow* Window() const { return window_.data(); }

    // What sets the clock: the machine's own unless a test says otherwise (tests never set
    // the real clock).
    std::function<std::unique_ptr<ClockSetter>()> makeSetter;

private:
    AdjustContext context_;
    ClockNotices& notices_;
    QPointer<ClockAdjustWindow> window_;
};

// One line on the program's log (standard error), category "trumbel.clock".
void LogClock(const std::string& line);

} // namespace trumbel

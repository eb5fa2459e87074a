#pragma once

#include "core/Timers.h"

#include <QTimer>
#include <array>
#include <functional>

namespace trumbel {

// The skin window's five timers as QTimers on the UI thread; they never overlap.
class QtTimerHost final : public TimerHost {
public:
    QtTimerHost();
    void SetHandler(std::function<void(TimerId)> handler) { handler_ = std::move(handler); }

    void SetInterval(TimerId id, int ms) override;
    void SetEnabled(TimerId id, bool enabled) override;
    bool IsEnabled(TimerId id) const override;

private:
    std::array<QTimer, kTimerCount> timers_;
    std::function<void(TimerId)> handler_;
};

} // namespace trumbel

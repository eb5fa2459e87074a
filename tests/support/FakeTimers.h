#pragma once

#include "core/Timers.h"

#include <array>

namespace trumbel::test {

// Timers that only move when the test says so; intervals and enable state are inspectable.
class FakeTimerHost final : public TimerHost {
public:
    void SetInterval(TimerId id, int ms) override { interval[static_cast<int>(id)] = ms; }
    void SetEnabled(TimerId id, bool on) override {
        enabled[static_cast<int>(id)] = on;
        if (on) {
            ++starts[static_cast<int>(id)];
        }
    }
    bool IsEnabled(TimerId id) const override { return enabled[static_cast<int>(id)]; }

    std::array<int, kTimerCount> interval{};
    std::array<bool, kTimerCount> enabled{};
    std::array<int, kTimerCount> starts{};
};

} // namespace trumbel::test

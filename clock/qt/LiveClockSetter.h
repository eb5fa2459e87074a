#pragma once

#include "clock/ClockAdjustment.h"
#include "clock/SystemClock.h"

#include <functional>
#include <memory>

namespace trumbel {

// Asks timedated to step the clock (the user may be asked for a password); settle hears the
// outcome, a refusal in the user's words.
void AskTimedated(std::int64_t correctionMicros, std::function<void(const SetOutcome&)> settle);

// Sets the clock as this machine allows: clock_settime when the process may set the time,
// otherwise timedated's SetTime on the system bus, which may ask the user for a password.
// A refusal is a failure with its reason, never a success. One set waits for timedated at a
// time, for the whole program: a step asked for meanwhile (a fresh adjustment while the first
// still waits for a password) joins it instead of stepping the clock a second time.
class LiveClockSetter final : public ClockSetter {
public:
    using TimedatedCall = std::function<void(std::int64_t correctionMicros,
                                             std::function<void(const SetOutcome&)> settle)>;
    // stepLocally: clock_settime's way, 0 or the errno; askTimedated: SetTime on the system bus
    // (tests stand in for both).
    explicit LiveClockSetter(std::function<int(std::int64_t)> stepLocally = StepRealtimeClock,
                             TimedatedCall askTimedated = AskTimedated);
    UtcTime Now() const override;
    void Step(std::int64_t correctionMicros, std::function<void(const SetOutcome&)> done) override;

private:
    std::function<int(std::int64_t)> stepLocally_;
    TimedatedCall askTimedated_;
    // Gone with this setter: an outcome that comes later is not delivered.
    std::shared_ptr<int> alive_ = std::make_shared<int>();
};

// The user's words for a refusal of timedated, by its D-Bus error name.
std::string TimedatedRefusal(const std::string& errorName, const std::string& message);

} // namespace trumbel

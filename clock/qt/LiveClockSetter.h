#pragma once

#include "ClockAdjustment.h"

#include <QObject>

namespace trumbel {

// Sets the clock as this machine allows: clock_settime when the process may set the time,
// otherwise timedated's SetTime on the system bus, which may ask the user for a password.
// A refusal is a failure with its reason, never a success.
class LiveClockSetter final : public QObject, public ClockSetter {
public:
    UtcTime Now() const override;
    void Step(std::int64_t correctionMicros, std::function<void(const SetOutcome&)> done) override;
};

// The user's words for a refusal of timedated, by its D-Bus error name.
std::string TimedatedRefusal(const std::string& errorName, const std::string& message);

} // namespace trumbel

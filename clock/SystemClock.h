#pragma once

#include <cstdint>

namespace trumbel {

// Steps the real-time clock by correctionMicros with clock_settime, reading it just before.
// 0 on success, else the errno (EPERM without the capability to set the time).
int StepRealtimeClock(std::int64_t correctionMicros);

} // namespace trumbel

#pragma once

#include <cstdint>

namespace trumbel {

// Milliseconds of CLOCK_MONOTONIC: the tick count that rates and timers are measured against.
std::int64_t TickCountMs();

} // namespace trumbel

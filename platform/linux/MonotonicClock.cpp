#include "platform/MonotonicClock.h"

#include <time.h>

namespace trumbel {

std::int64_t TickCountMs() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

} // namespace trumbel

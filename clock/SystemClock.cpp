#include "clock/SystemClock.h"

#include <cerrno>
#include <ctime>

namespace trumbel {

int StepRealtimeClock(std::int64_t correctionMicros) {
    timespec now{};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0) {
        return errno;
    }
    constexpr std::int64_t kNanos = 1'000'000'000;
    std::int64_t nanos =
        static_cast<std::int64_t>(now.tv_sec) * kNanos + now.tv_nsec + correctionMicros * 1000;
    timespec target{};
    target.tv_sec = static_cast<time_t>(nanos / kNanos);
    target.tv_nsec = static_cast<long>(nanos % kNanos);
    if (target.tv_nsec < 0) {
        target.tv_nsec += kNanos;
        --target.tv_sec;
    }
    return ::clock_settime(CLOCK_REALTIME, &target) == 0 ? 0 : errno;
}

} // namespace trumbel

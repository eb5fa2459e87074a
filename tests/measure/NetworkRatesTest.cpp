#include "measure/NetworkRates.h"

#include <gtest/gtest.h>
#include <limits>

namespace trumbel::test {
namespace {

struct RateCase {
    const char* name;
    std::uint64_t before;
    std::uint64_t now;
    std::int64_t elapsedMs;
    LinkPresence presence;
    float expected; // the previous rate is 7
};

TEST(NetworkRate, BytesPerSecondOrThePreviousRateWhereNoneCanBeMeasured) {
    constexpr std::uint64_t kTop = std::numeric_limits<std::uint64_t>::max();
    const RateCase cases[] = {
        {"half a second", 1000, 3000, 500, LinkPresence::Steady, 4000.0f},
        {"a late tick", 1000, 3000, 2000, LinkPresence::Steady, 1000.0f},
        {"idle", 5000, 5000, 500, LinkPresence::Steady, 0.0f},
        {"beyond 32 bits", 0, 1ull << 40, 1000, LinkPresence::Steady, 1099511627776.0f},
        {"a counter at its top", kTop - 1000, kTop, 500, LinkPresence::Steady, 2000.0f},
        {"reset: went backwards", 90000, 10, 500, LinkPresence::Steady, 7.0f},
        {"no time passed", 1000, 3000, 0, LinkPresence::Steady, 7.0f},
        {"clock stepped back", 1000, 3000, -500, LinkPresence::Steady, 7.0f},
        {"just came", 0, 123456, 500, LinkPresence::CameBack, 7.0f},
        {"gone", 1000, 3000, 500, LinkPresence::Gone, 0.0f},
    };
    for (const RateCase& c : cases) {
        EXPECT_EQ(NetworkRate(c.before, c.now, c.elapsedMs, c.presence, 7.0f), c.expected)
            << c.name;
    }
}

} // namespace
} // namespace trumbel::test

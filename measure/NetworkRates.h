#pragma once

#include <cstdint>

namespace trumbel {

// Where an interface stands in this pass against the pass before.
enum class LinkPresence {
    Steady,   // listed in both passes
    CameBack, // listed now, not before (new, or back after vanishing)
    Gone,     // not listed now
};

// Bytes per second one of an interface's counters moved between two passes elapsedMs apart.
// A gone interface shows no traffic; where no rate can be measured (it has just come, its
// counter went backwards when it was reset, or no time passed) the previous rate stands.
float NetworkRate(std::uint64_t before, std::uint64_t now, std::int64_t elapsedMs,
                  LinkPresence presence, float previous);

} // namespace trumbel

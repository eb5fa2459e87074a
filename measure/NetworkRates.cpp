#include "measure/NetworkRates.h"

namespace trumbel {

float NetworkRate(std::uint64_t before, std::uint64_t now, std::int64_t elapsedMs,
                  LinkPresence presence, float previous) {
    if (presence == LinkPresence::Gone) {
        return 0.0f;
    }
    if (presence == LinkPresence::CameBack || now < before || elapsedMs <= 0) {
        return previous;
    }
    return static_cast<float>(static_cast<double>(now - before) * 1000.0 /
                              static_cast<double>(elapsedMs));
}

} // namespace trumbel

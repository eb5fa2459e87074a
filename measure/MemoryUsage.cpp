#include "measure/MemoryUsage.h"

namespace trumbel {

std::optional<MemoryBytes> MemoryOf(const MemInfoFields& f) {
    // Kernels before 3.14 have no estimate of what is available; free memory is the nearest.
    const std::optional<std::uint64_t> available = f.memAvailable ? f.memAvailable : f.memFree;
    if (!f.memTotal || !available) {
        return std::nullopt;
    }
    constexpr std::uint64_t kKb = 1024;
    return MemoryBytes{*f.memTotal * kKb, *available * kKb, f.swapTotal.value_or(0) * kKb,
                       f.swapFree.value_or(0) * kKb};
}

} // namespace trumbel

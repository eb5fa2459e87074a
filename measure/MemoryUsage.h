#pragma once

#include "platform/KernelFields.h"

#include <cstdint>
#include <optional>

namespace trumbel {

// Memory and swap in bytes, "available" as the user can have it without swapping.
struct MemoryBytes {
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalSwap = 0;
    std::uint64_t freeSwap = 0;
};

// nullopt when the fields do not say how much memory there is or how much of it is available.
std::optional<MemoryBytes> MemoryOf(const MemInfoFields& fields);

} // namespace trumbel

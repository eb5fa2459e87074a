#pragma once

#include "platform/KernelFields.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace trumbel {

// Idle and total ticks of one reading, under the one rule of what counts as idle.
struct CpuSample {
    double idle = 0.0;
    double total = 0.0;
};
CpuSample SampleOf(const CpuTickFields& ticks);

// Busy share of the interval between two samples in whole percent, rounded to nearest with ties
// to even; nullopt for an interval without ticks.
std::optional<std::int32_t> UsageBetween(CpuSample before, CpuSample after);

// Per-processor times; entry 0 is the sum over all processors.
struct CpuTimesEntry {
    double Idle = 0.0;
    double TotalTime = 0.0;
    std::int32_t Usage = 0;
};

// Turns successive readings of every processor into loads. Readings are laid out as the source
// gives them: column i >= 1 is processor i; the kernel's own total in column 0 is not used, the
// total is the sum of the processors' columns.
class CpuUsage {
public:
    // The reading the first interval is measured from.
    void Start(std::span<const CpuTickFields> read);
    void Update(std::span<const CpuTickFields> read);
    // 0..100; 0 until an interval has been measured.
    std::int32_t Usage(std::size_t column) const;

private:
    std::vector<CpuTimesEntry> entries_;
};

} // namespace trumbel

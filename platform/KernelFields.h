#pragma once

#include <cstdint>
#include <optional>

namespace trumbel {

// The fields the kernel reports, as it reports them: no rule of what they mean is applied here.
// What counts as idle, used or available is decided in measure/.

// One "cpu" line of /proc/stat, cumulative clock ticks. Guest time is already part of user time,
// so the two guest columns are not kept. Columns an old kernel does not list read zero.
struct CpuTickFields {
    std::uint64_t user = 0;
    std::uint64_t nice = 0;
    std::uint64_t system = 0;
    std::uint64_t idle = 0;
    std::uint64_t iowait = 0;
    std::uint64_t irq = 0;
    std::uint64_t softirq = 0;
    std::uint64_t steal = 0;
    bool online = false; // listed in the last read
};

// The /proc/meminfo lines the memory values need, in kB; nullopt when the line is missing
// (MemAvailable appeared with Linux 3.14).
struct MemInfoFields {
    std::optional<std::uint64_t> memTotal;
    std::optional<std::uint64_t> memFree;
    std::optional<std::uint64_t> memAvailable;
    std::optional<std::uint64_t> swapTotal;
    std::optional<std::uint64_t> swapFree;
};

} // namespace trumbel

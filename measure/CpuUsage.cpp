#include "measure/CpuUsage.h"

#include <algorithm>
#include <cmath>

namespace trumbel {

CpuSample SampleOf(const CpuTickFields& t) {
    const std::uint64_t idle = t.idle + t.iowait;
    const std::uint64_t total =
        t.user + t.nice + t.system + t.idle + t.iowait + t.irq + t.softirq + t.steal;
    return {static_cast<double>(idle), static_cast<double>(total)};
}

std::optional<std::int32_t> UsageBetween(CpuSample before, CpuSample after) {
    const double dTotal = after.total - before.total;
    if (dTotal == 0.0) {
        return std::nullopt;
    }
    // From the busy ticks, so that a true half stays exactly a half.
    const double dIdle = after.idle - before.idle;
    return static_cast<std::int32_t>(std::nearbyint((dTotal - dIdle) * 100.0 / dTotal));
}

void CpuUsage::Start(std::span<const CpuTickFields> read) {
    entries_.assign(read.size(), CpuTimesEntry{});
    if (entries_.empty()) {
        return;
    }
    CpuTimesEntry& sum = entries_[0];
    for (std::size_t i = 1; i < read.size(); ++i) {
        const CpuSample s = SampleOf(read[i]);
        entries_[i].Idle = s.idle;
        entries_[i].TotalTime = s.total;
        sum.Idle += s.idle;
        sum.TotalTime += s.total;
    }
}

void CpuUsage::Update(std::span<const CpuTickFields> read) {
    const std::size_t columns = std::min(read.size(), entries_.size());
    CpuSample sum;
    for (std::size_t i = 1; i < columns; ++i) {
        CpuTimesEntry& e = entries_[i];
        const CpuSample now = SampleOf(read[i]);
        sum.idle += now.idle;
        sum.total += now.total;
        if (!read[i].online) {
            // An offline processor does no work; its frozen times must not stall the others.
            e.Usage = 0;
            continue;
        }
        const auto usage = UsageBetween({e.Idle, e.TotalTime}, now);
        if (!usage) {
            return; // an empty interval: this processor, the later ones and the total wait
        }
        e = {now.idle, now.total, *usage};
    }
    if (entries_.empty()) {
        return;
    }
    CpuTimesEntry& all = entries_[0];
    if (const auto usage = UsageBetween({all.Idle, all.TotalTime}, sum)) {
        all = {sum.idle, sum.total, *usage};
    }
}

std::int32_t CpuUsage::Usage(std::size_t column) const {
    return column < entries_.size() ? std::clamp(entries_[column].Usage, 0, 100) : 0;
}

} // namespace trumbel

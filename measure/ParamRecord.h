#pragma once

#include <array>

namespace trumbel {

inline constexpr int kLogSize = 61; // Log(0) the step in progress, Log(1..60) finished samples

using HistoryLog = std::array<float, kLogSize>;

// The values of one measured quantity of one device.
struct ParamRecord {
    float Max = 0.0f;
    float Free = 0.0f;
    float Used = 0.0f;
    float Total = 0.0f;
    HistoryLog Log{};
};

} // namespace trumbel

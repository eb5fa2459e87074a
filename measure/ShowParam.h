#pragma once

#include <optional>

namespace trumbel {

// Which value of a measured quantity a read or write names.
enum class ShowParam : int {
    Log = -1, // a history sample, chosen by a log index (1 newest .. 60 oldest)
    Max = 0,  // full scale of graphs
    Free = 1,
    Used = 2,
    Total = 3, // numeric scale
};

// Skin files, the tray settings and the scale writes of the options carry a selector as this
// number; it becomes a ShowParam where it enters the program.
constexpr int ShowNumber(ShowParam show) {
    return static_cast<int>(show);
}
// nullopt for a number that names no selector.
constexpr std::optional<ShowParam> ShowParamOf(int number) {
    if (number < ShowNumber(ShowParam::Log) || number > ShowNumber(ShowParam::Total)) {
        return std::nullopt;
    }
    return static_cast<ShowParam>(number);
}

// The numbers under the names callers at that boundary have always used.
struct ShowInfo {
    static constexpr int Log = ShowNumber(ShowParam::Log);
    static constexpr int Max = ShowNumber(ShowParam::Max);
    static constexpr int Free = ShowNumber(ShowParam::Free);
    static constexpr int Used = ShowNumber(ShowParam::Used);
    static constexpr int Total = ShowNumber(ShowParam::Total);
};
inline constexpr int kShowMax = ShowInfo::Max;
inline constexpr int kShowFree = ShowInfo::Free;
inline constexpr int kShowUsed = ShowInfo::Used;
inline constexpr int kShowTotal = ShowInfo::Total;
inline constexpr int kShowLog = ShowInfo::Log;

} // namespace trumbel

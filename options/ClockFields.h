#pragma once

#include <algorithm>
#include <cstdint>

namespace trumbel {

// adjustWithOffset holds the direction (0 nothing, 1 ahead, 2 behind) while the offset is on
// and its negative while it is off, so switching it back on restores the direction; the clock
// adjustment uses only 1 and 2.
enum class OffsetSwitch { Off, On };
constexpr std::int16_t OffsetSetting(OffsetSwitch on, int direction) {
    const int d = std::clamp(direction, 0, 2);
    return static_cast<std::int16_t>(on == OffsetSwitch::On ? d : -d);
}
constexpr bool OffsetOn(std::int16_t stored) {
    return stored > 0;
}
constexpr int OffsetDirection(std::int16_t stored) {
    return std::clamp(stored < 0 ? -stored : static_cast<int>(stored), 0, 2);
}

// "一定時間ごとに…( 1-72時間 )": 0 is never; the field offers 1 to 72 hours.
inline constexpr int kEveryHoursMin = 1;
inline constexpr int kEveryHoursMax = 72;
constexpr std::int32_t EveryHoursSetting(bool on, int hours) {
    return on ? std::clamp(hours, kEveryHoursMin, kEveryHoursMax) : 0;
}

} // namespace trumbel

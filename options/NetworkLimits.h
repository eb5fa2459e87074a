#pragma once

#include "settings/Settings.h"

#include <optional>
#include <string>

namespace trumbel {

// Which half of an adapter's limits the network page shows.
enum class LimitHalf { Receive = 0, Send = 1 };

// The two scales of a half: entry 0 the numeric display, entry 1 the graph.
inline constexpr int kNumericScale = 0;
inline constexpr int kGraphScale = 1;

// Scale modes, index = maxMode.
inline constexpr int kScaleModeHistory = 0;
inline constexpr int kScaleModePeak = 1;
inline constexpr int kScaleModeFixed = 2;

// Units of the value field, index = unit list entry.
inline constexpr int kUnitKbps = 0;
inline constexpr int kUnitGbps = 2;

// Network rates are chosen and shown in bits per second, disk rates in bytes per second.
enum class RateUnit { Bits, Bytes };

LimitPair& HalfOf(NetDeviceLimits& limits, LimitHalf half);
// A disk's read scales are its receive half on the page, its write scales the send half.
LimitPair& HalfOf(DiskLimits& limits, LimitHalf half);
const LimitPair& HalfOf(const NetDeviceLimits& limits, LimitHalf half);

// A fixed scale typed as `value` in `unit` (Kbps, Mbps, Gbps, powers of 1024), stored in bytes
// per second.
float LimitFromField(double value, int unit, RateUnit rate = RateUnit::Bits);

// A stored fixed scale as the page shows it: bits per second in the largest unit up to Gbps
// that keeps the number at least 1 (Kbps below that), cut (not rounded) to two decimals.
struct LimitField {
    double value = 0.0;
    int unit = kUnitKbps;
    bool operator==(const LimitField&) const = default;
};
LimitField FieldOfLimit(float bytesPerSecond, RateUnit rate = RateUnit::Bits);

// The shortest text of a number that has at most two decimals: "12.5", "3", "0.07".
std::string TwoDecimalText(double value);

// "過去最高記録は 1.5Mbps": the recorded peak (bytes per second) in bits per second with the
// prefix K, M, G or T, cut to two decimals; "過去最高記録は 80MB/s" in bytes.
std::string PeakLabel(float pastMaxBytesPerSecond, RateUnit rate = RateUnit::Bits);

// What choosing a scale mode writes into the measurement at once: mode 1 puts the recorded
// peak into the scale (the graph into Max, the numeric display into Total).
struct ScaleWrite {
    int paramId = 0;
    int deviceId = 0;
    int showParamInfo = 0;
    float value = 0.0f;
    bool operator==(const ScaleWrite&) const = default;
};
// Stores `mode` as entry `scale` of the half's maxMode and says what, if anything, the
// measurement must take now. device is an interface's index, or with disk a disk's.
std::optional<ScaleWrite> ChooseScaleMode(LimitPair& pair, LimitHalf half, int device, int scale,
                                          int mode, bool disk = false);

} // namespace trumbel

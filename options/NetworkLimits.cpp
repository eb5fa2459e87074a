#include "options/NetworkLimits.h"

#include "base/UiText.h"
#include "measure/SystemInfo.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace trumbel {

namespace {

constexpr double kKilo = 1024.0;
constexpr double kBitsPerByte = 8.0;

// Cut toward zero at the second decimal. Stored values are single precision: the nudge of a
// few of its steps keeps a value typed with two decimals (0.29, stored as 0.28999…) from
// losing its last digit.
double CutToTwoDecimals(double value) {
    constexpr double kFloatSteps = 5e-7;
    return std::trunc(value * 100.0 * (1.0 + kFloatSteps)) / 100.0;
}

double BitsOf(RateUnit rate) {
    return rate == RateUnit::Bits ? kBitsPerByte : 1.0;
}

} // namespace

LimitPair& HalfOf(NetDeviceLimits& limits, LimitHalf half) {
    return half == LimitHalf::Receive ? limits.receive : limits.send;
}

const LimitPair& HalfOf(const NetDeviceLimits& limits, LimitHalf half) {
    return half == LimitHalf::Receive ? limits.receive : limits.send;
}

LimitPair& HalfOf(DiskLimits& limits, LimitHalf half) {
    return half == LimitHalf::Receive ? limits.read : limits.write;
}

float LimitFromField(double value, int unit, RateUnit rate) {
    return static_cast<float>(std::pow(kKilo, unit + 1) * value / BitsOf(rate));
}

LimitField FieldOfLimit(float bytesPerSecond, RateUnit rate) {
    double v = static_cast<double>(bytesPerSecond) * BitsOf(rate) / kKilo;
    int unit = kUnitKbps;
    while (v >= kKilo && unit < kUnitGbps) {
        v /= kKilo;
        ++unit;
    }
    return {CutToTwoDecimals(v), unit};
}

std::string TwoDecimalText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", CutToTwoDecimals(value));
    std::string s = text;
    while (!s.empty() && s.back() == '0') {
        s.pop_back();
    }
    if (!s.empty() && s.back() == '.') {
        s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

std::string PeakLabel(float pastMaxBytesPerSecond, RateUnit rate) {
    static constexpr std::array<const char*, 4> kPrefix{"K", "M", "G", "T"};
    double v = static_cast<double>(pastMaxBytesPerSecond) * BitsOf(rate) / kKilo;
    std::size_t prefix = 0;
    while (v >= kKilo && prefix + 1 < kPrefix.size()) {
        v /= kKilo;
        ++prefix;
    }
    return UiFormat(
        UiTr("NetworkLimits", "過去最高記録は %1"),
        {TwoDecimalText(v) + kPrefix[prefix] + (rate == RateUnit::Bits ? "bps" : "B/s")});
}

std::optional<ScaleWrite> ChooseScaleMode(LimitPair& pair, LimitHalf half, int device, int scale,
                                          int mode, bool disk) {
    if (scale != kNumericScale && scale != kGraphScale) {
        return std::nullopt;
    }
    pair.maxMode[static_cast<std::size_t>(scale)] = static_cast<std::int16_t>(mode);
    if (mode != kScaleModePeak) {
        return std::nullopt;
    }
    const int paramId = disk ? (half == LimitHalf::Receive ? kParamDiskRead : kParamDiskWrite)
                             : (half == LimitHalf::Receive ? kParamNetReceive : kParamNetSend);
    return ScaleWrite{paramId, device, scale == kGraphScale ? kShowMax : kShowTotal, pair.pastMax};
}

} // namespace trumbel

#include "skin/Percent.h"

#include "base/ErrorReport.h"
#include "base/UiText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace trumbel {

namespace {

// Nearest integer, ties to even, of a value already known to lie in a small range.
std::int32_t RoundEven(float v) {
    return static_cast<std::int32_t>(std::nearbyint(v));
}

// Bounds a ratio before it is rounded, so that huge or undefined ratios cannot overflow.
float Bounded(float v) {
    if (std::isnan(v)) {
        return 0.0f;
    }
    return std::clamp(v, -1000.0f, 1000.0f);
}

std::string Text(float v) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

} // namespace

std::int32_t PersentOf(float free, float used, float denominator, Basis basis) {
    if (denominator == 0.0f) {
        return 0;
    }
    float part = 0.0f;
    switch (basis) {
    case Basis::Free:
        part = free;
        break;
    case Basis::Used:
        part = used;
        break;
    default:
        return 0;
    }
    return std::clamp(RoundEven(Bounded(part / denominator * 100.0f)), 0, 100);
}

std::int32_t LogPersentOf(float sample, float max, Inversion inversion) {
    if (max == 0.0f) {
        return 0;
    }
    const float ratio = Bounded(sample / max * 100.0f);
    std::int32_t r = RoundEven(ratio);
    // The lift goes by the sample, not by the rounded value: a trickle below half a percent
    // must still show as a visible column.
    if (ratio != 0.0f) {
        r += 3;
    }
    r = std::clamp(r, 0, 100);
    return inversion == Inversion::Invert ? 100 - r : r;
}

std::int32_t GetPersent(MeasureView& measure, Ui& ui, int item, int device, Basis basis,
                        ScaleBy scale) {
    float max = 0.0f;
    float free = 0.0f;
    float used = 0.0f;
    float total = 0.0f;
    try {
        max = measure.Value(item, device, ShowParam::Max);
        free = measure.Value(item, device, ShowParam::Free);
        used = measure.Value(item, device, ShowParam::Used);
        total = measure.Value(item, device, ShowParam::Total);
    } catch (const std::exception& e) {
        std::string extra = UiFormat(UiTr("Skin", "パラメータ1 : %1, %2, %3"),
                                     {std::to_string(item), std::to_string(device),
                                      std::to_string(static_cast<int>(basis))});
        extra += kCrLf;
        extra += UiFormat(UiTr("Skin", "パラメータ2 : %1, %2, %3, %4"),
                          {Text(free), Text(used), Text(total), Text(max)});
        ReportRuntimeError(ui, ErrorCategory::InfoUpdate, AsRuntimeError(e), "GetPersent", extra);
    }
    return PersentOf(free, used, scale == ScaleBy::FullScale ? max : total, basis);
}

std::int32_t GetLogPersent(MeasureView& measure, Ui& ui, int item, int device, int sample,
                           Inversion inversion) {
    float max = 0.0f;
    float value = 0.0f;
    try {
        max = measure.Value(item, device, ShowParam::Max);
        value = measure.Value(item, device, ShowParam::Log, sample);
    } catch (const std::exception& e) {
        ReportRuntimeError(ui, ErrorCategory::InfoUpdate, AsRuntimeError(e), "GetLogPersent");
    }
    return LogPersentOf(value, max, inversion);
}

} // namespace trumbel

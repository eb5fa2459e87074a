#include "measure/Scales.h"

#include <algorithm>
#include <array>
#include <limits>

namespace trumbel {

namespace {

void Raise(ParamRecord& r, const LimitPair& limits, float sample) {
    if (limits.maxMode[1] == 0 && r.Max < sample) {
        r.Max = sample;
    }
    if (limits.maxMode[0] == 0 && r.Total < sample) {
        r.Total = sample;
    }
}

} // namespace

void ApplyRateScales(ParamRecord& r, LimitPair& limits) {
    const float u = r.Used;
    if (limits.pastMax < u) {
        limits.pastMax = u;
    }
    if (limits.maxMode[1] == 1) {
        r.Max = std::max({r.Max, u, limits.pastMax});
    }
    if (limits.maxMode[0] == 1) {
        r.Total = std::max({r.Total, u, limits.pastMax});
    }
    if (limits.maxMode[1] == 2) {
        r.Max = limits.maxValue[1];
    }
    if (limits.maxMode[0] == 2) {
        r.Total = limits.maxValue[0];
    }
}

void FollowHistory(ParamRecord& r, const LimitPair& limits, bool stepFinished) {
    if (stepFinished) {
        if (limits.maxMode[1] == 0) {
            r.Max = 0.0f;
        }
        if (limits.maxMode[0] == 0) {
            r.Total = 0.0f;
        }
        // One raise by the highest sample equals a raise by each (a NaN raises nothing). Four
        // running maxima, so that the comparisons do not wait on one another: this search was a
        // sixth of a measuring pass with hundreds of interfaces.
        std::array<float, 4> top;
        top.fill(-std::numeric_limits<float>::infinity());
        const auto raise = [](float& t, float v) { t = t < v ? v : t; };
        std::size_t i = 2;
        for (; i + top.size() <= kLogSize; i += top.size()) {
            for (std::size_t k = 0; k < top.size(); ++k) {
                raise(top[k], r.Log[i + k]);
            }
        }
        for (; i < kLogSize; ++i) {
            raise(top[0], r.Log[i]);
        }
        for (std::size_t k = 1; k < top.size(); ++k) {
            raise(top[0], top[k]);
        }
        Raise(r, limits, top[0]);
    }
    Raise(r, limits, r.Log[1]);
}

} // namespace trumbel

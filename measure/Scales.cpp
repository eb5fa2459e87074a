#include "measure/Scales.h"

#include <algorithm>

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
        for (std::size_t i = kLogSize - 1; i >= 2; --i) {
            Raise(r, limits, r.Log[i]);
        }
    }
    Raise(r, limits, r.Log[1]);
}

} // namespace trumbel

#pragma once

#include "measure/ParamRecord.h"
#include "settings/Settings.h"

namespace trumbel {

// The scales of a rate: Max for graphs (maxMode[1]), Total for numbers (maxMode[0]). Mode 0
// follows the history, mode 1 the highest rate seen (kept in pastMax), mode 2 is the user's
// fixed value.

// After a new rate in r.Used: raises pastMax and applies modes 1 and 2.
void ApplyRateScales(ParamRecord& r, LimitPair& limits);

// After the history has taken a sample: mode 0 is measured again over the whole history when
// a step has finished, else raised to the newest finished sample.
void FollowHistory(ParamRecord& r, const LimitPair& limits, bool stepFinished);

} // namespace trumbel

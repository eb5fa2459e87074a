#pragma once

#include "measure/SystemInfo.h"

#include <string>

namespace trumbel {

// Every measured value as tab-separated lines: one "param" line per ParamID 0..5 and device
// (max, free, used, total), one "net" line per interface, one "drive" line per drive.
std::string FormatValues(SystemInfo& info);

// A float as a plain decimal, as short as it can be while reading back the same value.
std::string PlainDecimal(float value);

} // namespace trumbel

#pragma once

#include "base/TextEncoding.h"

#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// Lines ended by CR LF, CR or LF; a last line without an end still counts, an empty tail not.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace trumbel

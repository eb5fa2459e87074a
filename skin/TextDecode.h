#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// Skin files come as UTF-8 or, when made on Windows, as Shift_JIS (CP932). Returns UTF-8
// without a byte-order mark; bytes that fit neither become "?".
std::string DecodeSkinText(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);

// Lines ended by CR LF, CR or LF; a last line without an end still counts, an empty tail not.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace trumbel

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trumbel {

inline constexpr std::int32_t kStandardNtpPort = 123;

// The number a text begins with, read the way the number fields always have been: blanks,
// tabs and line feeds anywhere are skipped, then an optional sign, digits, an optional
// fraction and an optional exponent ("e" or "d"); reading stops at the first other
// character. A text without digits is 0.
double LeadingNumber(std::string_view text);

// The port a typed port field asks for: its leading number rounded to a whole number (ties to
// even); anything that does not come out as a UDP port (1 to 65535) is the standard 123.
std::int32_t PortFromField(std::string_view text);

// A whole-number field (positions, sizes): its leading number rounded to a whole number, held
// within the 32-bit range.
std::int32_t WholeFromField(std::string_view text);

// "現在：123"
std::string PortLabel(std::int32_t port);

} // namespace trumbel

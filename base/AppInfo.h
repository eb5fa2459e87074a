#pragma once

#include <string>
#include <string_view>

namespace trumbel {

inline constexpr std::string_view kProductName = "Velquor";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 32;
inline constexpr int kRevision = 83;

// "<product> ver.1.32  (Revision : 0083)": version as major + minor / 100 with two decimals.
std::string WindowCaption(int major = kVersionMajor, int minor = kVersionMinor,
                          int revision = kRevision);

// "<subject> - Velquor", the title of ordinary message boxes.
std::string BoxTitle(std::string_view subject);

} // namespace trumbel

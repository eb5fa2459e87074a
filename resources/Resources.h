#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace trumbel {

// Bytes embedded in the program: "strings" (the string table), "101" (the built-in skins'
// bitmap), "DefaultIcon" (the tray strip). Empty for an unknown name.
std::span<const std::uint8_t> ResourceBytes(std::string_view name);

} // namespace trumbel

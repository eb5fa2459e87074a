#pragma once

#include <cstdint>

namespace trumbel {

// Modifier bits from the three 16-bit flags of the hot-key settings (any non-zero is on).
int HotKeyModifiers(std::int16_t ctrl, std::int16_t alt, std::int16_t shift);

// The X keysym for a Windows virtual-key code (the stored form of the hot key), or 0 for a code
// without one.
std::uint32_t KeysymForVirtualKey(std::int32_t virtualKey);

} // namespace trumbel

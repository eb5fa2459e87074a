#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace trumbel {

// Modifier bits from the three modifier settings of the hot key.
int HotKeyModifiers(bool ctrl, bool alt, bool shift);

// The X keysyms that may stand for a Windows virtual-key code, in order of preference: a
// keyboard layout has the key under one of them (a Japanese board's "半角/全角" is
// Zenkaku_Hankaku where a US board has none). Empty for a code without a key.
struct KeysymChoices {
    std::array<std::uint32_t, 3> keysyms{};
    std::size_t count = 0;
    std::span<const std::uint32_t> Span() const { return {keysyms.data(), count}; }
};
KeysymChoices KeysymsForVirtualKey(std::int32_t virtualKey);

// The first choice, or 0 for a code without a key.
std::uint32_t KeysymForVirtualKey(std::int32_t virtualKey);

} // namespace trumbel

#pragma once

namespace trumbel {

inline constexpr char32_t kBackspace = 8;

// The number fields (start position, snap offsets and sizes, network values) take only the
// digits 0-9 and Backspace from the keyboard; every other typed character is dropped.
constexpr bool DigitFieldAccepts(char32_t typed) {
    return typed == kBackspace || (typed >= U'0' && typed <= U'9');
}

} // namespace trumbel

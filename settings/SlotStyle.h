#pragma once

#include "base/ItemKindCount.h"
#include "settings/Settings.h"

#include <array>
#include <cstdint>

namespace trumbel {

// The skin's standard style per item kind 0..8 (0..5: 1 and 4 remaining amount, 2 and 5 used).
using StandardStyles = std::array<std::int16_t, kItemKindCount>;

// Both built-in skins: memory, page file and disk show the remaining amount (1), the CPU 5,
// user resources 4, the four network kinds the amount used (2).
inline constexpr StandardStyles kBuiltInStandardStyles = {1, 1, 5, 4, 2, 2, 2, 2, 1};

enum class StyleSet { IfChosen, Force };

// Derives graphStyle and digitStyle of slot (c, s) from a style choice 0..5; 0 and 3 stand for
// the kind's standard style. Without Force, a slot still at style 0 or 3 is left alone.
// Throws the subscript error for a slot outside the layout or a kind outside 0..8.
void SetSlotStyle(Settings& settings, const StandardStyles& standard, int c, int s, int style,
                  StyleSet mode);

} // namespace trumbel

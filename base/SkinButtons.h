#pragma once

#include "base/Geometry.h"

#include <array>
#include <cstdint>
#include <optional>

namespace trumbel {

// Buttons 0..2 are close, function and options of the start unit, 3..5 the same of the end unit.
inline constexpr int kSkinButtonCount = 6;
inline constexpr int kCloseButton = 0;
inline constexpr int kFunctionButton = 1;
inline constexpr int kOptionsButton = 2;

inline constexpr std::int16_t kButtonNormal = 0;
inline constexpr std::int16_t kButtonPressed = 1;
inline constexpr std::int16_t kButtonHover = 2;

// Each button as the skin places it: unit position plus button position, in window pixels at
// the single size. A button the skin does not define, or one of a hidden unit, is none and is
// never hit.
using ButtonRects = std::array<std::optional<Rect>, kSkinButtonCount>;
// One of kButtonNormal, kButtonPressed, kButtonHover per button.
using ButtonStates = std::array<std::int16_t, kSkinButtonCount>;

} // namespace trumbel

#pragma once

namespace trumbel {

// How many kinds of item a slot or a tray icon can show; the settings, the skin and the
// measurements all size their per-kind tables by it.
inline constexpr int kItemKindCount = 15;

} // namespace trumbel

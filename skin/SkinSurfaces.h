#pragma once

#include "gfx/Bitmap.h"

#include <cstdint>

namespace trumbel {

inline constexpr std::uint32_t kMaskTransparent = 0x00FFFFFFu; // white
inline constexpr std::uint32_t kMaskOpaque = 0x00000000u;      // black

// The skin surface (the artwork with every key-coloured pixel turned black) and the mask
// surface (white where the artwork is transparent, black elsewhere). Both hold 0x00RRGGBB.
struct SkinSurfaces {
    Bitmap image;
    Bitmap mask;
};

// A pixel is transparent when its colour is `colorKey` or, for images with alpha, when it is
// less than half opaque.
SkinSurfaces MakeSkinSurfaces(const Bitmap& art, std::uint32_t colorKey);

} // namespace trumbel

#pragma once

#include "gfx/Bitmap.h"

#include <cstdint>

namespace trumbel {

inline constexpr std::uint32_t kColourBits = 0x00FFFFFFu;
inline constexpr std::uint32_t kAlphaBits = 0xFF000000u;

// Raster operations onto one target bitmap, the software stand-in for block copies between
// memory surfaces.
//
// Every operation clips the same way: the source rectangle is cut to the source bitmap, the
// destination rectangle to the clip rectangle (the whole target unless narrowed), and whatever
// one cut removes is removed from the other, so a piece hanging over any edge draws only its
// visible part and never reads or writes outside a buffer. Empty or negative sizes draw nothing.
//
// Pixels are colours in their low 24 bits. Operations write only those bits and leave the
// target's top byte alone: a window buffer created opaque (0xFF000000) stays opaque and can be
// shown as 32-bit RGB without a conversion pass.
//
// Nothing here allocates.
class Painter {
public:
    explicit Painter(Bitmap& target) : target_(target), clip_(target.Bounds()) {}

    // Narrows drawing to `rect` (always within the target).
    void SetClip(const Rect& rect) { clip_ = rect.Intersected(target_.Bounds()); }
    Rect Clip() const { return clip_; }

    void Fill(const Rect& rect, std::uint32_t colour);

    // Copies `src`'s rectangle `from` with its top-left at (dx, dy).
    void Blit(int dx, int dy, const Bitmap& src, const Rect& from);

    // The masked copy: the mask ANDed onto the target, then the image ORed onto it, both from
    // the same source rectangle. With a mask that is white where the artwork is transparent and
    // an image that is black there, transparent pixels leave the target as it was.
    void DrawMasked(int dx, int dy, const Bitmap& image, const Bitmap& mask, const Rect& from);

    // Nearest-neighbour stretch to twice the width and height; (dx, dy) is where `from`'s
    // top-left pixel lands.
    void BlitScaled2x(int dx, int dy, const Bitmap& src, const Rect& from);

private:
    Bitmap& target_;
    Rect clip_;
};

} // namespace trumbel

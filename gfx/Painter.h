#pragma once

#include "gfx/Bitmap.h"

#include <cstdint>

namespace trumbel {

struct IntRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Empty() const { return width <= 0 || height <= 0; }
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    IntRect Intersected(const IntRect& other) const;
    static IntRect Of(const Bitmap& bitmap) { return {0, 0, bitmap.width, bitmap.height}; }
};

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
    explicit Painter(Bitmap& target) : target_(target), clip_(IntRect::Of(target)) {}

    // Narrows drawing to `rect` (always within the target).
    void SetClip(const IntRect& rect) { clip_ = rect.Intersected(IntRect::Of(target_)); }
    IntRect Clip() const { return clip_; }

    void Fill(const IntRect& rect, std::uint32_t colour);

    // Copies `src`'s rectangle `from` with its top-left at (dx, dy).
    void Blit(int dx, int dy, const Bitmap& src, const IntRect& from);

    // The masked copy: the mask ANDed onto the target, then the image ORed onto it, both from
    // the same source rectangle. With a mask that is white where the artwork is transparent and
    // an image that is black there, transparent pixels leave the target as it was.
    void DrawMasked(int dx, int dy, const Bitmap& image, const Bitmap& mask, const IntRect& from);

    // Nearest-neighbour stretch to twice the width and height; (dx, dy) is where `from`'s
    // top-left pixel lands.
    void BlitScaled2x(int dx, int dy, const Bitmap& src, const IntRect& from);

private:
    Bitmap& target_;
    IntRect clip_;
};

} // namespace trumbel

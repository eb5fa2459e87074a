#include "skin/SkinSurfaces.h"

namespace trumbel {

SkinSurfaces MakeSkinSurfaces(const Bitmap& art, std::uint32_t colorKey) {
    SkinSurfaces s{Bitmap(art.width, art.height), Bitmap(art.width, art.height)};
    const std::uint32_t key = RgbOf(colorKey);
    for (int y = 0; y < art.height; ++y) {
        const std::uint32_t* src = art.Row(y);
        std::uint32_t* img = s.image.Row(y);
        std::uint32_t* msk = s.mask.Row(y);
        for (int x = 0; x < art.width; ++x) {
            const std::uint32_t p = src[x];
            const bool clear = RgbOf(p) == key || (p >> 24) < 0x80;
            img[x] = clear ? 0u : RgbOf(p);
            msk[x] = clear ? kMaskTransparent : kMaskOpaque;
        }
    }
    return s;
}

} // namespace trumbel

#include "tray/TrayImages.h"

#include <algorithm>

namespace trumbel {

namespace {

constexpr int kHalf = kTrayImageSize / 2;

std::uint32_t SourcePixel(const StripView& strip, int x, int y) {
    if (x < 0 || y < 0 || x >= strip.width || y >= strip.height) {
        return 0; // outside the strip: transparent
    }
    const std::uint32_t rgb =
        strip.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(strip.stride) +
                     static_cast<std::size_t>(x)] &
        0xFFFFFFu;
    return rgb == kTrayMaskColour ? 0u : (0xFF000000u | rgb);
}

// Copies a w x h block from the strip at (sx, sy) to the image at (dx, dy).
void Blit(TrayImage& image, const StripView& strip, int dx, int dy, int w, int h, int sx, int sy) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.argb[static_cast<std::size_t>((dy + y) * kTrayImageSize + dx + x)] =
                SourcePixel(strip, sx + x, sy + y);
        }
    }
}

int LabelX(int paramId) {
    return 32 + kTrayImageSize * (paramId / 2);
}

} // namespace

int TrayImageIndex(int percent) {
    const int t = std::clamp(percent + 3, 0, 100);
    return t * (kTrayImageCount - 1) / 100;
}

bool StripHasLabel(const StripView& strip, int paramId) {
    return LabelX(paramId) + kTrayImageSize <= strip.width;
}

TrayImageSet ComposeTrayImages(const StripView& strip, int paramId, int offset,
                               const StripView& labelFallback) {
    TrayImageSet images;
    if (strip.Empty()) {
        for (auto& image : images) {
            image = std::make_shared<const TrayImage>();
        }
        return images;
    }
    const int labelX = LabelX(paramId);
    const int labelY = kHalf * (paramId % 2);
    const StripView& labels =
        StripHasLabel(strip, paramId) || labelFallback.Empty() ? strip : labelFallback;
    for (int i = 0; i < kTrayImageCount; ++i) {
        auto image = std::make_shared<TrayImage>();
        Blit(*image, strip, 0, 0, i + 1, kHalf, offset, 0);
        Blit(*image, strip, i + 1, 0, kTrayImageSize - (i + 1), kHalf, offset + i + 1, kHalf);
        Blit(*image, labels, 0, kHalf, kTrayImageSize, kHalf, labelX, labelY);
        images[static_cast<std::size_t>(i)] = std::move(image);
    }
    return images;
}

} // namespace trumbel

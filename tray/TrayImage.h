#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace trumbel {

inline constexpr int kTrayImageSize = 16;
inline constexpr int kTrayImageCount = 15;                 // bar steps 0..14
inline constexpr std::uint32_t kTrayMaskColour = 0xFF00FF; // magenta, RGB only

// One composed 16 x 16 tray picture, 0xAARRGGBB; pixels of the mask colour are transparent.
struct TrayImage {
    std::array<std::uint32_t, kTrayImageSize * kTrayImageSize> argb{};

    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y * 16 + x)]; }
};

// A shared, immutable picture: a null handle is "no image", and dropping the last handle frees
// it, so replacing a set of images cannot leak the old ones.
using TrayIconHandle = std::shared_ptr<const TrayImage>;
using TrayImageSet = std::array<TrayIconHandle, kTrayImageCount>;

// A read-only view of the source strip, 0x??RRGGBB per pixel (the alpha byte is ignored); rows
// are stride pixels apart.
struct StripView {
    int width = 0;
    int height = 0;
    int stride = 0;
    const std::uint32_t* pixels = nullptr;

    bool Empty() const { return width <= 0 || height <= 0 || pixels == nullptr; }
};

} // namespace trumbel

#pragma once

#include "base/Geometry.h"

#include <cstdint>
#include <vector>

namespace trumbel {

// A 32-bit pixel buffer: 0xAARRGGBB, or 0x00RRGGBB where alpha carries no meaning. Rows are
// `stride` pixels apart (stride >= width), top row first.
struct Bitmap {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<std::uint32_t> pixels;

    Bitmap() = default;
    Bitmap(int w, int h, std::uint32_t fill = 0)
        : width(w < 0 ? 0 : w), height(h < 0 ? 0 : h), stride(width),
          pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

    bool Empty() const { return width <= 0 || height <= 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rect Bounds() const { return {0, 0, width, height}; }

    std::uint32_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * stride; }
    const std::uint32_t* Row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * stride;
    }
    std::uint32_t& At(int x, int y) { return Row(y)[x]; }
    std::uint32_t At(int x, int y) const { return Row(y)[x]; }
};

inline constexpr std::uint32_t Rgb(int r, int g, int b) {
    return (static_cast<std::uint32_t>(r & 0xFF) << 16) |
           (static_cast<std::uint32_t>(g & 0xFF) << 8) | static_cast<std::uint32_t>(b & 0xFF);
}
inline constexpr std::uint32_t RgbOf(std::uint32_t pixel) {
    return pixel & 0x00FFFFFFu;
}

} // namespace trumbel

#include "core/FrameDelta.h"

#include <algorithm>
#include <cstring>

namespace trumbel {

std::optional<Rect> FrameDelta::Next(const std::uint32_t* pixels, int width, int height,
                                     int stride) {
    if (width <= 0 || height <= 0 || pixels == nullptr) {
        width_ = 0;
        return std::nullopt;
    }
    const auto w = static_cast<std::size_t>(width);
    const auto rowBytes = w * sizeof(std::uint32_t);
    if (width != width_ || height != height_) {
        shown_.resize(w * static_cast<std::size_t>(height));
        for (int y = 0; y < height; ++y) {
            std::memcpy(&shown_[static_cast<std::size_t>(y) * w],
                        pixels + static_cast<std::ptrdiff_t>(y) * stride, rowBytes);
        }
        width_ = width;
        height_ = height;
        return Rect{0, 0, width, height};
    }
    Rect area{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* now = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        std::uint32_t* was = &shown_[static_cast<std::size_t>(y) * w];
        if (std::memcmp(now, was, rowBytes) == 0) {
            continue;
        }
        int l = 0;
        while (now[l] == was[l]) {
            ++l;
        }
        int r = width;
        while (now[r - 1] == was[r - 1]) {
            --r;
        }
        area.left = std::min(area.left, l);
        area.right = std::max(area.right, r);
        area.top = std::min(area.top, y);
        area.bottom = y + 1;
        std::memcpy(was + l, now + l, static_cast<std::size_t>(r - l) * sizeof(std::uint32_t));
    }
    if (area.bottom == 0) {
        return std::nullopt;
    }
    return area;
}

} // namespace trumbel

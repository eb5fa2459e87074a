#pragma once

#include "base/Geometry.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace trumbel {

// The last frame sent to the screen, kept to send only what the next one changes: most ticks
// change a few digits or one graph column, and every other tick nothing (the clock moves once
// a second).
class FrameDelta {
public:
    // The area of `pixels` (width x height, stride in pixels) that differs from the previous
    // frame, which it then replaces: the whole frame when the size changed or after Reset(),
    // nullopt when nothing changed.
    std::optional<Rect> Next(const std::uint32_t* pixels, int width, int height, int stride);
    // The screen lost what it showed (an expose, a re-mapped window): the next frame is whole.
    void Reset() { width_ = 0; }

private:
    std::vector<std::uint32_t> shown_;
    int width_ = 0;
    int height_ = 0;
};

} // namespace trumbel

#pragma once

#include <algorithm>
#include <climits>

namespace trumbel {

// Pixels: of the screen for the desktop and the window's place on it, of a window or a bitmap
// for drawing.

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Half-open: right and bottom are one past the last pixel. Anything with right <= left or
// bottom <= top is empty.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // From a corner and a size. Skin files and callers may give sizes that run past the int
    // range; such an edge stops at the range's end, which no bitmap or screen reaches.
    static constexpr Rect Sized(int x, int y, int width, int height) {
        return {x, y, Clamped(static_cast<long long>(x) + width),
                Clamped(static_cast<long long>(y) + height)};
    }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    Rect MovedTo(int x, int y) const { return {x, y, x + Width(), y + Height()}; }
    // The common part; an empty rectangle (all zero) when there is none.
    Rect Intersected(const Rect& other) const {
        const Rect common{std::max(left, other.left), std::max(top, other.top),
                          std::min(right, other.right), std::min(bottom, other.bottom)};
        return Empty() || other.Empty() || common.Empty() ? Rect{} : common;
    }
    friend bool operator==(const Rect&, const Rect&) = default;

private:
    static constexpr int Clamped(long long v) {
        return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
    }
};

} // namespace trumbel

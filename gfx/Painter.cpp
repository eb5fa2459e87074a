#include "gfx/Painter.h"

#include <algorithm>

namespace trumbel {

namespace {

// One clipped copy: the visible destination rectangle and, for its pixel (dest.left + i,
// dest.top + j), the source pixel (srcX + (skipX + i) / scale, srcY + (skipY + j) / scale).
struct ClippedCopy {
    Rect dest;
    int skipX = 0; // destination pixels cut away at the left and top
    int skipY = 0;
    int srcX = 0;
    int srcY = 0;
};

bool ClipCopy(int dx, int dy, const Rect& from, const Rect& sourceBounds, const Rect& clip,
              int scale, ClippedCopy& out) {
    const Rect src = from.Intersected(sourceBounds);
    if (src.Empty() || clip.Empty()) {
        return false;
    }
    // 64-bit until the result is known to lie inside the clip rectangle.
    const long long ox = dx + static_cast<long long>(src.left - from.left) * scale;
    const long long oy = dy + static_cast<long long>(src.top - from.top) * scale;
    const long long left = std::max<long long>(ox, clip.left);
    const long long top = std::max<long long>(oy, clip.top);
    const long long right =
        std::min<long long>(ox + static_cast<long long>(src.Width()) * scale, clip.right);
    const long long bottom =
        std::min<long long>(oy + static_cast<long long>(src.Height()) * scale, clip.bottom);
    if (right <= left || bottom <= top) {
        return false;
    }
    out.dest = {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                static_cast<int>(bottom)};
    // Less than the source's own size times the scale, so within range.
    out.skipX = static_cast<int>(left - ox);
    out.skipY = static_cast<int>(top - oy);
    out.srcX = src.left;
    out.srcY = src.top;
    return true;
}

// Row kernels. Source and target rows never overlap (a painter never draws from its own target
// here), and saying so lets the compiler vectorise them.
void CopyRow(std::uint32_t* __restrict d, const std::uint32_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i) {
        d[i] = (d[i] & kAlphaBits) | (s[i] & kColourBits);
    }
}

void MaskRow(std::uint32_t* __restrict d, const std::uint32_t* __restrict m,
             const std::uint32_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i) {
        d[i] = (d[i] & (m[i] | kAlphaBits)) | (s[i] & kColourBits);
    }
}

void DoubleRow(std::uint32_t* __restrict d, const std::uint32_t* __restrict s, int pairs) {
    for (int j = 0; j < pairs; ++j) {
        const std::uint32_t p = s[j] & kColourBits;
        d[2 * j] = (d[2 * j] & kAlphaBits) | p;
        d[2 * j + 1] = (d[2 * j + 1] & kAlphaBits) | p;
    }
}

Rect CommonBounds(const Bitmap& a, const Bitmap& b) {
    return a.Bounds().Intersected(b.Bounds());
}

} // namespace

void Painter::Fill(const Rect& rect, std::uint32_t colour) {
    const Rect r = rect.Intersected(clip_);
    const std::uint32_t c = colour & kColourBits;
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint32_t* d = target_.Row(y) + r.left;
        for (int i = 0, n = r.Width(); i < n; ++i) {
            d[i] = (d[i] & kAlphaBits) | c;
        }
    }
}

void Painter::Blit(int dx, int dy, const Bitmap& src, const Rect& from) {
    ClippedCopy c;
    if (!ClipCopy(dx, dy, from, src.Bounds(), clip_, 1, c)) {
        return;
    }
    const int sx = c.srcX + c.skipX;
    const int sy = c.srcY + c.skipY;
    for (int row = 0; row < c.dest.Height(); ++row) {
        CopyRow(target_.Row(c.dest.top + row) + c.dest.left, src.Row(sy + row) + sx,
                c.dest.Width());
    }
}

void Painter::DrawMasked(int dx, int dy, const Bitmap& image, const Bitmap& mask,
                         const Rect& from) {
    ClippedCopy c;
    if (!ClipCopy(dx, dy, from, CommonBounds(image, mask), clip_, 1, c)) {
        return;
    }
    const int sx = c.srcX + c.skipX;
    const int sy = c.srcY + c.skipY;
    for (int row = 0; row < c.dest.Height(); ++row) {
        MaskRow(target_.Row(c.dest.top + row) + c.dest.left, mask.Row(sy + row) + sx,
                image.Row(sy + row) + sx, c.dest.Width());
    }
}

void Painter::BlitScaled2x(int dx, int dy, const Bitmap& src, const Rect& from) {
    ClippedCopy c;
    if (!ClipCopy(dx, dy, from, src.Bounds(), clip_, 2, c)) {
        return;
    }
    const int n = c.dest.Width();
    for (int row = 0; row < c.dest.Height(); ++row) {
        std::uint32_t* d = target_.Row(c.dest.top + row) + c.dest.left;
        // The second row of a source row is the first one again.
        if (row > 0 && (c.skipY + row) / 2 == (c.skipY + row - 1) / 2) {
            CopyRow(d, target_.Row(c.dest.top + row - 1) + c.dest.left, n);
            continue;
        }
        const std::uint32_t* s = src.Row(c.srcY + (c.skipY + row) / 2) + c.srcX + c.skipX / 2;
        int i = 0;
        // A clip edge may cut a source pixel in half.
        if ((c.skipX & 1) != 0) {
            d[0] = (d[0] & kAlphaBits) | (s[0] & kColourBits);
            i = 1;
            ++s;
        }
        const int pairs = (n - i) / 2;
        DoubleRow(d + i, s, pairs);
        i += 2 * pairs;
        if (i < n) {
            d[i] = (d[i] & kAlphaBits) | (s[pairs] & kColourBits);
        }
    }
}

} // namespace trumbel

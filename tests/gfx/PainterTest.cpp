#include "gfx/Painter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace trumbel {
namespace {

// Bitmaps written as rows of characters, one per pixel, so expected pictures read as pictures.
// '.' black, 'W' white, 'a'..'z' distinct colours.
std::uint32_t ColourOf(char c) {
    switch (c) {
    case '.':
        return 0x000000;
    case 'W':
        return 0xFFFFFF;
    default:
        return 0x010000u * static_cast<std::uint32_t>(c) + 0x0203;
    }
}

Bitmap Picture(const std::vector<std::string>& rows, std::uint32_t alpha = 0) {
    Bitmap b(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            b.At(x, y) = alpha | ColourOf(rows[y][x]);
        }
    }
    return b;
}

std::vector<std::string> Rows(const Bitmap& b) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.height; ++y) {
        std::string row;
        for (int x = 0; x < b.width; ++x) {
            const std::uint32_t p = b.At(x, y) & kColourBits;
            char found = '?';
            for (char c : std::string(".Wabcdefghijklmnopqrstuvwxyz")) {
                if (ColourOf(c) == p) {
                    found = c;
                }
            }
            row += found;
        }
        rows.push_back(row);
    }
    return rows;
}

const std::vector<std::string> kSource = {
    "abc",
    "def",
};

struct BlitCase {
    const char* name;
    int dx, dy;
    Rect from;
    Rect clip;
    std::vector<std::string> expected;
};

TEST(Painter, BlitClipsSourceAndDestinationAlike) {
    const Rect whole{0, 0, 4, 3};
    const std::vector<BlitCase> cases = {
        {"inside", 1, 1, {0, 0, 3, 2}, whole, {"....", ".abc", ".def"}},
        {"over the right and bottom edges", 2, 2, {0, 0, 3, 2}, whole, {"....", "....", "..ab"}},
        {"over the left and top edges", -1, -1, {0, 0, 3, 2}, whole, {"ef..", "....", "...."}},
        {"source rectangle beyond the source", 0, 0, {1, 1, 6, 6}, whole, {"ef..", "....", "...."}},
        {"source rectangle starting left of the source",
         0,
         0,
         {-1, 0, 1, 1},
         whole,
         {".a..", "....", "...."}},
        {"narrowed clip", 0, 0, {0, 0, 3, 2}, {1, 1, 2, 6}, {"....", ".e..", "...."}},
        {"entirely outside", 4, 0, {0, 0, 3, 2}, whole, {"....", "....", "...."}},
        {"negative width", 0, 0, {0, 0, -3, 2}, whole, {"....", "....", "...."}},
        {"far away coordinates",
         -2147483000,
         2147483000,
         {0, 0, 3, 2},
         whole,
         {"....", "....", "...."}},
    };
    const Bitmap src = Picture(kSource);
    for (const auto& c : cases) {
        Bitmap target(4, 3);
        Painter p(target);
        p.SetClip(c.clip);
        p.Blit(c.dx, c.dy, src, c.from);
        EXPECT_EQ(Rows(target), c.expected) << c.name;
    }
}

TEST(Painter, MaskedCopyIsAndThenOr) {
    // The image is black where the artwork is transparent, the mask white there.
    const Bitmap image = Picture({"a.b", ".c."});
    const Bitmap mask = Picture({".W.", "W.W"});
    Bitmap target = Picture({"zzzz", "zzzz"});
    Painter p(target);
    p.DrawMasked(1, 0, image, mask, {0, 0, 3, 2});
    EXPECT_EQ(Rows(target), (std::vector<std::string>{"zazb", "zzcz"}));

    // The raster operation itself, on arbitrary bits.
    Bitmap one(1, 1, 0xFF0F0F0Fu);
    Bitmap img(1, 1, 0x00300000u);
    Bitmap msk(1, 1, 0x00FF00F0u);
    Painter q(one);
    q.DrawMasked(0, 0, img, msk, {0, 0, 1, 1});
    EXPECT_EQ(one.At(0, 0), 0xFF3F0000u | (0x0F0F0F & 0xFF00F0u));
}

TEST(Painter, MaskedCopyClipsToTheSmallerOfImageAndMask) {
    const Bitmap image = Picture({"ab", "cd"});
    const Bitmap mask = Picture({".."}); // one row only
    Bitmap target = Picture({"zz", "zz"});
    Painter p(target);
    p.DrawMasked(0, 0, image, mask, {0, 0, 2, 2});
    EXPECT_EQ(Rows(target), (std::vector<std::string>{"ab", "zz"}));
}

TEST(Painter, OperationsKeepTheTargetsTopByte) {
    Bitmap target(3, 1, 0xFF000000u);
    const Bitmap src = Picture({"abc"}, 0x12000000u);
    Painter p(target);
    p.Blit(0, 0, src, {0, 0, 1, 1});
    p.DrawMasked(1, 0, src, Picture({"..."}, 0x34000000u), {1, 0, 2, 1});
    p.Fill({2, 0, 3, 1}, 0x56FFFFFFu);
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(target.At(x, 0) >> 24, 0xFFu) << x;
    }
    EXPECT_EQ(Rows(target), (std::vector<std::string>{"abW"}));
}

TEST(Painter, FillIsClipped) {
    Bitmap target(3, 2);
    Painter p(target);
    p.SetClip({0, 1, 10, 11});
    p.Fill({-5, -5, 2, 15}, ColourOf('a'));
    EXPECT_EQ(Rows(target), (std::vector<std::string>{"...", "aa."}));
}

TEST(Painter, Stretch2xDoublesEveryPixel) {
    const Bitmap src = Picture(kSource);
    struct Case {
        const char* name;
        int dx, dy;
        Rect clip;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"whole", 0, 0, {0, 0, 7, 5}, {"aabbcc.", "aabbcc.", "ddeeff.", "ddeeff.", "......."}},
        {"odd clip edges cut pixels in half",
         0,
         0,
         {1, 1, 5, 3},
         {".......", ".abbc..", ".deef..", ".......", "......."}},
        {"shifted over the left edge by an odd amount",
         -3,
         1,
         {0, 0, 7, 5},
         {".......", "bcc....", "bcc....", "eff....", "eff...."}},
    };
    for (const auto& c : cases) {
        Bitmap target(7, 5);
        Painter p(target);
        p.SetClip(c.clip);
        p.BlitScaled2x(c.dx, c.dy, src, src.Bounds());
        EXPECT_EQ(Rows(target), c.expected) << c.name;
    }
}

} // namespace
} // namespace trumbel

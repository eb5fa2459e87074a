#include "gfx/ImageDecode.h"
#include "skin/SkinSurfaces.h"
#include "tests/skin/SkinTestFiles.h"

#include <cstring>
#include <gtest/gtest.h>
#include <png.h>

namespace trumbel {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

using testing::Bmp;

constexpr std::uint32_t kRed = 0xFFFF0000u;
constexpr std::uint32_t kBlue = 0xFF0000FFu;
constexpr std::uint32_t kKey = 0xFFFF00FFu;

// Every format decodes the same 2 × 2 picture: top row red, key; bottom row blue, red.
TEST(ImageDecode, WindowsBitmapsOfEveryDepth) {
    const std::vector<std::uint32_t> pal = {0x00FF0000, 0x000000FF, 0x00FF00FF};
    struct Case {
        const char* what;
        std::string file;
    };
    const std::string row24Bottom = std::string("\xFF\x00\x00\x00\x00\xFF\x00\x00", 8);
    const std::string row24Top = std::string("\x00\x00\xFF\xFF\x00\xFF\x00\x00", 8);
    const Case cases[] = {
        {"4 bit", Bmp(2, 2, 4, 0, pal, std::string("\x10\0\0\0\x02\0\0\0", 8))},
        {"8 bit", Bmp(2, 2, 8, 0, pal, std::string("\x01\x00\0\0\x00\x02\0\0", 8))},
        {"24 bit", Bmp(2, 2, 24, 0, {}, row24Bottom + row24Top)},
        {"32 bit",
         Bmp(2, 2, 32, 0, {}, std::string("\xFF\0\0\0\0\0\xFF\0\0\0\xFF\0\xFF\0\xFF\0", 16))},
        {"top-down 24 bit", Bmp(2, -2, 24, 0, {}, row24Top + row24Bottom)},
        {"RLE8",
         Bmp(2, 2, 8, 1, pal, std::string("\x01\x01\x01\x00\x00\x00\x01\x00\x01\x02\x00\x01", 12))},
        {"RLE4", Bmp(2, 2, 4, 2, pal, std::string("\x02\x10\x00\x00\x02\x02\x00\x01", 8))},
        {"16 bit 5-5-5", Bmp(2, 2, 16, 0, {}, std::string("\x1F\x00\x00\x7C\x00\x7C\x1F\x7C", 8))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto b = DecodeBmp(Bytes(c.file));
        ASSERT_TRUE(b.has_value());
        ASSERT_EQ(b->width, 2);
        ASSERT_EQ(b->height, 2);
        EXPECT_EQ(b->At(0, 0), kRed);
        EXPECT_EQ(b->At(1, 0), kKey);
        EXPECT_EQ(b->At(0, 1), kBlue);
        EXPECT_EQ(b->At(1, 1), kRed);
    }
}

TEST(ImageDecode, OneBitBitmap) {
    // bottom row first: 1 0, then the top row: 0 1
    const auto b = DecodeBmp(
        Bytes(Bmp(2, 2, 1, 0, {0x00FF0000, 0x000000FF}, std::string("\x80\0\0\0\x40\0\0\0", 8))));
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(b->pixels, (std::vector<std::uint32_t>{kRed, kBlue, kBlue, kRed}));
}

TEST(ImageDecode, DamagedFilesAreRefused) {
    const std::string good = Bmp(2, 2, 24, 0, {}, std::string(16, '\0'));
    std::vector<std::string> bad = {
        "",
        "BM",
        good.substr(0, 40),                          // header cut
        good.substr(0, good.size() - 1),             // pixels cut
        "XX" + good.substr(2),                       // not a bitmap
        Bmp(0, 2, 24, 0, {}, ""),                    // no width
        Bmp(100000, 100000, 24, 0, {}, ""),          // absurd size
        Bmp(2, 2, 7, 0, {}, std::string(16, '\0')),  // no such depth
        Bmp(2, 2, 24, 4, {}, std::string(16, '\0')), // JPEG inside
    };
    for (const std::string& file : bad) {
        EXPECT_FALSE(DecodeImage(Bytes(file)).has_value()) << file.size();
    }
}

TEST(ImageDecode, PngWithAlpha) {
    const std::uint32_t pixels[4] = {kRed, 0x00000000u, kBlue, 0x80FFFFFFu};
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = 2;
    image.height = 2;
    image.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    ASSERT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, pixels, 0, nullptr));
    std::vector<std::uint8_t> bytes(size);
    ASSERT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels, 0, nullptr));
    const auto b = DecodeImage(bytes);
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(b->At(0, 0), kRed);
    EXPECT_EQ(b->At(0, 1), kBlue);
    EXPECT_EQ(b->At(1, 0) >> 24, 0u);
    bytes.resize(bytes.size() / 2);
    EXPECT_FALSE(DecodeImage(bytes).has_value());
}

TEST(SkinSurfaces, KeyAndClearPixelsBecomeBlackWithAWhiteMask) {
    Bitmap art(4, 1);
    art.At(0, 0) = 0xFFFF00FFu; // key
    art.At(1, 0) = 0xFF123456u;
    art.At(2, 0) = 0x10ABCDEFu; // nearly clear (PNG alpha)
    art.At(3, 0) = 0xFF000000u; // opaque black stays opaque
    const SkinSurfaces s = MakeSkinSurfaces(art, 0xFF00FF);
    EXPECT_EQ(s.image.pixels, (std::vector<std::uint32_t>{0, 0x123456, 0, 0}));
    EXPECT_EQ(s.mask.pixels, (std::vector<std::uint32_t>{kMaskTransparent, kMaskOpaque,
                                                         kMaskTransparent, kMaskOpaque}));
}

} // namespace
} // namespace trumbel

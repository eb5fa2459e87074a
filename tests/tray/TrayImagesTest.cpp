#include "tray/TrayImages.h"

#include "tray/TraySource.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

TEST(TrayImageIndex, PercentPlusThreeScaledToFourteenSteps) {
    const std::vector<std::pair<int, int>> cases = {
        {0, 0},  {3, 0},   {4, 0},   {5, 1},    {8, 1},    {10, 1}, {11, 1},  {12, 2},
        {50, 7}, {96, 13}, {97, 14}, {100, 14}, {150, 14}, {-3, 0}, {-50, 0},
    };
    for (const auto& [percent, index] : cases) {
        EXPECT_EQ(TrayImageIndex(percent), index) << percent << " %";
    }
}

// A strip whose every pixel names its own position, so a composed pixel tells where it came
// from; one area is painted in the mask colour.
StripPixels CoordinateStrip(int width, int height) {
    StripPixels s;
    s.width = width;
    s.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            s.pixels.push_back(0xAA000000u | (static_cast<std::uint32_t>(x) << 8) |
                               static_cast<std::uint32_t>(y));
        }
    }
    return s;
}

std::uint32_t FromStrip(int x, int y) {
    return 0xFF000000u | (static_cast<std::uint32_t>(x) << 8) | static_cast<std::uint32_t>(y);
}

TEST(ComposeTrayImages, EachImageIsFilledBarEmptyBarAndLabel) {
    const StripPixels strip = CoordinateStrip(112, 16);
    for (int p = 0; p <= 6; ++p) {
        for (int o : {kStripRemainingOffset, kStripUsedOffset}) {
            const TrayImageSet images = ComposeTrayImages(strip.View(), p, o);
            for (int i = 0; i < kTrayImageCount; ++i) {
                ASSERT_TRUE(images[static_cast<std::size_t>(i)]);
                const TrayImage& img = *images[static_cast<std::size_t>(i)];
                for (int y = 0; y < 16; ++y) {
                    for (int x = 0; x < 16; ++x) {
                        std::uint32_t want;
                        if (y >= 8) {
                            want = FromStrip(32 + 16 * (p / 2) + x, 8 * (p % 2) + y - 8);
                        } else if (x <= i) {
                            want = FromStrip(o + x, y);
                        } else {
                            want = FromStrip(o + x, 8 + y);
                        }
                        ASSERT_EQ(img.At(x, y), want)
                            << "p " << p << " o " << o << " image " << i << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(ComposeTrayImages, MaskColourAndMissingStripAreTransparent) {
    StripPixels strip = CoordinateStrip(40, 16); // the strip ends inside the first labels
    for (int y = 0; y < 8; ++y) {
        for (int x = 16; x < 32; ++x) {
            strip.pixels[static_cast<std::size_t>(y * 40 + x)] = 0x00FF00FFu; // magenta
        }
    }
    const TrayImageSet images = ComposeTrayImages(strip.View(), 0, kStripUsedOffset);
    const TrayImage& full = *images[14];
    EXPECT_EQ(full.At(0, 0), 0u);                // filled part from the magenta row
    EXPECT_EQ(full.At(15, 0), FromStrip(31, 8)); // empty part
    EXPECT_EQ(full.At(7, 12), FromStrip(39, 4)); // the label as far as the strip goes
    EXPECT_EQ(full.At(8, 12), 0u);
}

TEST(ComposeTrayImages, RespectsRowStrideAndEmptyStrip) {
    StripPixels strip = CoordinateStrip(100, 16);
    StripView view = strip.View();
    view.width = 80; // the same rows seen through a narrower window
    const TrayImageSet images = ComposeTrayImages(view, 0, 0);
    EXPECT_EQ(images[0]->At(0, 9), FromStrip(32, 1));

    const TrayImageSet blank = ComposeTrayImages(StripView{}, 0, 0);
    for (const auto& image : blank) {
        ASSERT_TRUE(image);
        EXPECT_EQ(image->At(5, 5), 0u);
    }
}

} // namespace
} // namespace trumbel

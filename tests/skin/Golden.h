#pragma once

// Golden pictures: a composed bitmap is compared pixel by pixel with a PNG under
// tests/data/golden. TRUMBEL_UPDATE_GOLDEN=1 rewrites the PNGs instead (then look at them).
// A mismatch leaves the actual picture beside the build for inspection.

#include "gfx/Bitmap.h"
#include "gfx/ImageDecode.h"
#include "gfx/Painter.h"

#include <cstdlib>
#include <filesystem>
#include <png.h>
#include <string>
#include <vector>

namespace trumbel::test {

inline bool WritePng(const Bitmap& b, const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(b.width);
    image.height = static_cast<png_uint_32>(b.height);
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(b.width) * b.height);
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            pixels[static_cast<std::size_t>(y) * b.width + x] = b.At(x, y) | kAlphaBits;
        }
    }
    return png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr) != 0;
}

// Empty when the picture matches; otherwise what differs.
inline std::string CompareWithGolden(const Bitmap& actual, const std::string& name) {
    const std::string golden = std::string(TRUMBEL_TEST_DATA) + "/golden/" + name + ".png";
    const char* update = std::getenv("TRUMBEL_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        return WritePng(actual, golden) ? "" : "cannot write " + golden;
    }
    const std::string dump = std::string(TRUMBEL_BINARY_DIR) + "/golden-actual-" + name + ".png";
    const auto expected = LoadImageFile(golden);
    if (!expected) {
        WritePng(actual, dump);
        return "no golden picture " + golden + " (actual written to " + dump + ")";
    }
    if (expected->width != actual.width || expected->height != actual.height) {
        WritePng(actual, dump);
        return "size " + std::to_string(actual.width) + "x" + std::to_string(actual.height) +
               ", golden " + std::to_string(expected->width) + "x" +
               std::to_string(expected->height) + " (actual: " + dump + ")";
    }
    int differing = 0;
    std::string first;
    for (int y = 0; y < actual.height; ++y) {
        for (int x = 0; x < actual.width; ++x) {
            if ((actual.At(x, y) & kColourBits) != (expected->At(x, y) & kColourBits)) {
                if (differing++ == 0) {
                    first = " first at " + std::to_string(x) + "," + std::to_string(y);
                }
            }
        }
    }
    if (differing == 0) {
        return "";
    }
    WritePng(actual, dump);
    return std::to_string(differing) + " pixels differ" + first + " (actual: " + dump + ")";
}

} // namespace trumbel::test

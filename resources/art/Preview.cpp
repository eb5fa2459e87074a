// Writes documentation pictures of the built-in artwork: the skin bitmap (×1, ×3) and the tray
// strip (×6). The windows themselves are drawn by the renderer's golden tests.
// Usage: SkinPreview OUTPUT_FOLDER

#include "skin/SkinEngine.h"

#include <cstdio>
#include <png.h>
#include <string>
#include <vector>

using namespace trumbel;

namespace {

bool WritePng(const Bitmap& b, int scale, const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(b.width * scale);
    image.height = static_cast<png_uint_32>(b.height * scale);
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint32_t> px(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < b.height * scale; ++y) {
        for (int x = 0; x < b.width * scale; ++x) {
            px[static_cast<std::size_t>(y) * image.width + static_cast<std::size_t>(x)] =
                b.At(x / scale, y / scale) | 0xFF000000u;
        }
    }
    return png_image_write_to_file(&image, path.c_str(), 0, px.data(), 0, nullptr) != 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: SkinPreview OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string out = std::string(argv[1]) + "/";
    const auto art = LoadResourceBitmap("101");
    const auto strip = LoadResourceBitmap("DefaultIcon");
    if (!art || !strip) {
        return 1;
    }
    const bool ok = WritePng(*art, 1, out + "skin101.png") &&
                    WritePng(*art, 3, out + "skin101-3x.png") &&
                    WritePng(*strip, 6, out + "DefaultIcon-6x.png");
    return ok ? 0 : 1;
}

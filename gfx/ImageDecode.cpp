#include "gfx/ImageDecode.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <fstream>
#include <png.h>
#include <vector>

namespace trumbel {

namespace {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> b) : b_(b) {}
    bool Has(std::size_t off, std::size_t n) const {
        return off <= b_.size() && n <= b_.size() - off;
    }
    std::uint32_t U16(std::size_t off) const { return b_[off] | (b_[off + 1] << 8); }
    std::uint32_t U32(std::size_t off) const {
        return static_cast<std::uint32_t>(b_[off]) |
               (static_cast<std::uint32_t>(b_[off + 1]) << 8) |
               (static_cast<std::uint32_t>(b_[off + 2]) << 16) |
               (static_cast<std::uint32_t>(b_[off + 3]) << 24);
    }
    std::uint8_t U8(std::size_t off) const { return b_[off]; }
    std::size_t Size() const { return b_.size(); }

private:
    std::span<const std::uint8_t> b_;
};

constexpr std::uint32_t kOpaque = 0xFF000000u;

// Scales a masked channel to 8 bits.
std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    return static_cast<std::uint32_t>(
        (static_cast<std::uint64_t>((value & mask) >> shift) * 255 + max / 2) / max);
}

bool SizeOk(std::int64_t w, std::int64_t h) {
    return w > 0 && h > 0 && w <= 32768 && h <= 32768 && w * h <= kMaxImagePixels;
}

// Run-length encoded 8- or 4-bit data; pixels left out by a jump stay palette entry 0.
bool DecodeRle(const ByteReader& r, std::size_t pos, int bpp, int width, int height, bool bottomUp,
               const std::vector<std::uint32_t>& palette, Bitmap& out) {
    const auto colour = [&](unsigned index) {
        return index < palette.size() ? palette[index] : kOpaque;
    };
    std::fill(out.pixels.begin(), out.pixels.end(), colour(0));
    int x = 0;
    int row = 0;
    const auto put = [&](unsigned index) {
        if (x < width && row < height) {
            out.At(x, bottomUp ? height - 1 - row : row) = colour(index);
        }
        ++x;
    };
    while (r.Has(pos, 2)) {
        const unsigned count = r.U8(pos);
        const unsigned value = r.U8(pos + 1);
        pos += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i) {
                put(bpp == 8 ? value : ((i & 1) ? (value & 0x0F) : (value >> 4)));
            }
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++row;
        } else if (value == 1) { // end of bitmap
            return true;
        } else if (value == 2) { // jump
            if (!r.Has(pos, 2)) {
                return false;
            }
            x += r.U8(pos);
            row += r.U8(pos + 1);
            pos += 2;
        } else { // absolute run of `value` pixels, padded to 16 bits
            const std::size_t bytes = bpp == 8 ? value : (value + 1) / 2;
            if (!r.Has(pos, bytes)) {
                return false;
            }
            for (unsigned i = 0; i < value; ++i) {
                const unsigned b = r.U8(pos + (bpp == 8 ? i : i / 2));
                put(bpp == 8 ? b : ((i & 1) ? (b & 0x0F) : (b >> 4)));
            }
            pos += bytes + (bytes & 1);
        }
        if (row > height) {
            return true;
        }
    }
    return true;
}

} // namespace

std::optional<Bitmap> DecodeBmp(std::span<const std::uint8_t> bytes) {
    const ByteReader r(bytes);
    if (!r.Has(0, 18) || r.U8(0) != 'B' || r.U8(1) != 'M') {
        return std::nullopt;
    }
    const std::uint32_t dataOffset = r.U32(10);
    const std::uint32_t headerSize = r.U32(14);
    const std::size_t h0 = 14;
    if (headerSize < 12 || !r.Has(h0, headerSize)) {
        return std::nullopt;
    }
    std::int64_t width = 0;
    std::int64_t height = 0;
    int bpp = 0;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteEntry = 4;
    std::array<std::uint32_t, 4> masks{0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0u};
    if (headerSize == 12) { // OS/2 core header
        width = r.U16(h0 + 4);
        height = static_cast<std::int16_t>(r.U16(h0 + 6));
        bpp = static_cast<int>(r.U16(h0 + 10));
        paletteEntry = 3;
    } else if (headerSize >= 40) {
        width = static_cast<std::int32_t>(r.U32(h0 + 4));
        height = static_cast<std::int32_t>(r.U32(h0 + 8));
        bpp = static_cast<int>(r.U16(h0 + 14));
        compression = r.U32(h0 + 16);
        colorsUsed = r.U32(h0 + 32);
    } else {
        return std::nullopt;
    }
    const bool bottomUp = height > 0;
    if (height < 0) {
        height = -height;
    }
    if (!SizeOk(width, height)) {
        return std::nullopt;
    }
    std::size_t pos = h0 + headerSize;
    const bool bitFields = compression == 3 || compression == 6;
    if (bitFields) {
        const int count = compression == 6 ? 4 : 3;
        if (headerSize >= 40 + 4u * count) {
            for (int i = 0; i < count; ++i) {
                masks[i] = r.U32(h0 + 40 + 4u * i);
            }
        } else {
            if (!r.Has(pos, 4u * count)) {
                return std::nullopt;
            }
            for (int i = 0; i < count; ++i) {
                masks[i] = r.U32(pos + 4u * i);
            }
            pos += 4u * count;
        }
    } else if (bpp == 16) {
        masks = {0x7C00u, 0x03E0u, 0x001Fu, 0u};
    }
    if (compression != 0 && !bitFields && !(compression == 1 && bpp == 8) &&
        !(compression == 2 && bpp == 4)) {
        return std::nullopt;
    }
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> palette;
    if (bpp <= 8) {
        std::size_t count = colorsUsed != 0 ? colorsUsed : (1u << bpp);
        if (count > 256) {
            return std::nullopt;
        }
        // Some writers leave the palette short of its declared size; take what is there.
        const std::size_t available = dataOffset > pos ? (dataOffset - pos) / paletteEntry : count;
        count = std::min(count, available);
        if (!r.Has(pos, count * paletteEntry)) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t e = pos + i * paletteEntry;
            palette.push_back(kOpaque | (r.U8(e + 2) << 16) | (r.U8(e + 1) << 8) | r.U8(e));
        }
    }
    Bitmap out(static_cast<int>(width), static_cast<int>(height));
    const int w = out.width;
    const int h = out.height;
    if (compression == 1 || compression == 2) {
        if (!DecodeRle(r, dataOffset, bpp, w, h, bottomUp, palette, out)) {
            return std::nullopt;
        }
        return out;
    }
    const std::size_t rowBytes = ((static_cast<std::size_t>(w) * bpp + 31) / 32) * 4;
    if (!r.Has(dataOffset, rowBytes * static_cast<std::size_t>(h))) {
        return std::nullopt;
    }
    const auto colour = [&](unsigned index) {
        return index < palette.size() ? palette[index] : kOpaque;
    };
    for (int row = 0; row < h; ++row) {
        const std::size_t base = dataOffset + rowBytes * static_cast<std::size_t>(row);
        std::uint32_t* dst = out.Row(bottomUp ? h - 1 - row : row);
        for (int x = 0; x < w; ++x) {
            switch (bpp) {
            case 1:
                dst[x] = colour((r.U8(base + x / 8) >> (7 - x % 8)) & 1);
                break;
            case 4:
                dst[x] = colour((r.U8(base + x / 2) >> ((x & 1) ? 0 : 4)) & 0x0F);
                break;
            case 8:
                dst[x] = colour(r.U8(base + x));
                break;
            case 24: {
                const std::size_t p = base + 3u * x;
                dst[x] = kOpaque | (r.U8(p + 2) << 16) | (r.U8(p + 1) << 8) | r.U8(p);
                break;
            }
            default: {
                const std::uint32_t v = bpp == 16 ? r.U16(base + 2u * x) : r.U32(base + 4u * x);
                const std::uint32_t alpha = masks[3] != 0 ? Channel(v, masks[3]) : 0xFF;
                dst[x] = (alpha << 24) | (Channel(v, masks[0]) << 16) |
                         (Channel(v, masks[1]) << 8) | Channel(v, masks[2]);
                break;
            }
            }
        }
    }
    return out;
}

std::optional<Bitmap> DecodePng(std::span<const std::uint8_t> bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        return std::nullopt;
    }
    if (!SizeOk(image.width, image.height)) {
        png_image_free(&image);
        return std::nullopt;
    }
    // BGRA bytes in memory are 0xAARRGGBB words on a little-endian machine.
    image.format = std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    Bitmap out(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return out;
}

std::optional<Bitmap> DecodeImage(std::span<const std::uint8_t> bytes) {
    static constexpr std::uint8_t kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() >= sizeof kPng && std::memcmp(bytes.data(), kPng, sizeof kPng) == 0) {
        return DecodePng(bytes);
    }
    return DecodeBmp(bytes);
}

std::optional<Bitmap> LoadImageFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0 || size > 256 * 1024 * 1024) {
        return std::nullopt;
    }
    in.seekg(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return std::nullopt;
    }
    return DecodeImage(bytes);
}

} // namespace trumbel

#pragma once

#include "gfx/Bitmap.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace trumbel::testing {

// A complete skin file with English labels, modelled on the horizontal built-in skin.
inline std::vector<std::string> EnglishSkinLines(const std::string& image = "art.bmp") {
    return {
        "Image:" + image,
        "Name:Test Skin",
        "Version:1.5",
        "Link:Author page,http://example.com/skins",
        "ColorKey:255,0,255",
        "SkinType:1",
        "[Start unit]",
        "0,0,8,27,1,0,0,8,0",
        "2,2,205,0,5,5,0,0,0,0,0,0,0,0,0,0,0,0",
        "[Graph unit]",
        "9,0,82,27,82,0",
        "2",
        "1,2",
        "1,13",
        "0,0",
        "0,0",
        "[Clock unit]",
        "92,0,93,27,93,0",
        "0,0,0,0",
        "1,27,3,0",
        "1,43,3,0",
        "1,57,3,0",
        "1,69,3,0",
        "1,81,3,0",
        "1,55,11,1",
        "1,3,15,0,70,24,70,24,9",
        "1,3,15,48,70,72,70,24,9",
        "1,28,15,96,70,120,70,24,9",
        "1,3,4,144,70,168,70,24,9",
        "1,53,15,324,0,324,9,18,9",
        "1,72,15,342,0,342,9,18,9",
        "[End unit]",
        "185,0,20,27,0,1,1,20,0",
        "0,0,0,0,0,0,2,3,210,0,15,9,2,15,225,0,15,9",
        "[Graph data]",
        "2,2",
        "5,1,192,72,71,2,192,70,71,2,0",
        "5,1,192,76,71,2,192,74,71,2,0",
        "16,1,240,55,61,12,307,55,2,11,30",
        "16,1,240,55,61,12,305,55,2,11,30",
        "[Digits]",
        "2",
        "265,71,5,7,5,0,2,0,5,0",
        "0,67,35,3,0,0,0,0,0,0",
        "[Memory]",
        "0,3,0,30,80,9,1,3",
        "24,4,51,4,0,0,0,0",
        "[Swap]",
        "0,3,0,40,80,9,1,3",
        "24,4,51,4,0,0,0,0",
        "[CPU]",
        "0,3,0,50,80,9,5,0",
        "53,4,0,0,1,1,0,0",
        "[Resources]",
        "0,3,80,30,80,9,4,0",
        "53,4,0,0,0,0,0,0",
        "[Receive bps]",
        "0,3,80,40,80,9,2,3",
        "16,4,43,4,1,1,0,0",
        "[Send bps]",
        "0,3,160,30,80,9,2,3",
        "16,4,43,4,1,1,0,0",
        "[Receive B/s]",
        "0,3,80,50,80,9,2,3",
        "16,4,43,4,1,1,0,0",
        "[Send B/s]",
        "0,3,160,40,80,9,2,3",
        "16,4,43,4,1,1,0,0",
        "[Disk]",
        "0,3,160,50,80,9,1,3",
        "24,4,51,4,0,0,0,0",
        "0,4,130,60,13,7,15,5,0,61,5,5",
    };
}

inline std::string JoinLines(const std::vector<std::string>& lines, const char* eol = "\r\n") {
    std::string text;
    for (const std::string& l : lines) {
        text += l + eol;
    }
    return text;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A Windows bitmap with a 40-byte header, the given palette and raw pixel rows.
inline std::string Bmp(int width, int height, int bpp, std::uint32_t compression,
                       const std::vector<std::uint32_t>& palette, const std::string& data) {
    std::string out = "BM";
    auto u16 = [&](unsigned v) {
        out += static_cast<char>(v & 0xFF);
        out += static_cast<char>((v >> 8) & 0xFF);
    };
    auto u32 = [&](unsigned v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    const unsigned offset = 54 + 4 * static_cast<unsigned>(palette.size());
    u32(offset + static_cast<unsigned>(data.size()));
    u32(0);
    u32(offset);
    u32(40);
    u32(static_cast<unsigned>(width));
    u32(static_cast<unsigned>(height));
    u16(1);
    u16(static_cast<unsigned>(bpp));
    u32(compression);
    u32(static_cast<unsigned>(data.size()));
    u32(0);
    u32(0);
    u32(static_cast<unsigned>(palette.size()));
    u32(0);
    for (std::uint32_t c : palette) {
        u32(c);
    }
    return out + data;
}

// A 24-bit bottom-up BMP of the bitmap's colours.
inline std::string Bmp24(const Bitmap& b) {
    const int rowBytes = (b.width * 3 + 3) & ~3;
    std::string rows;
    for (int y = b.height - 1; y >= 0; --y) {
        for (int x = 0; x < b.width; ++x) {
            const auto p = b.At(x, y);
            rows += static_cast<char>(p & 0xFF);
            rows += static_cast<char>((p >> 8) & 0xFF);
            rows += static_cast<char>((p >> 16) & 0xFF);
        }
        rows.append(static_cast<std::size_t>(rowBytes - b.width * 3), '\0');
    }
    return Bmp(b.width, b.height, 24, 0, {}, rows);
}

} // namespace trumbel::testing

#pragma once

#include "gfx/Bitmap.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace trumbel {

// Decoded pixels are 0xAARRGGBB; formats without alpha give opaque pixels (alpha 0xFF).
// Anything malformed, cut short or larger than kMaxImagePixels gives nullopt.
inline constexpr std::int64_t kMaxImagePixels = 16 * 1024 * 1024;

// Windows bitmaps of 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, RLE4/RLE8 or with
// bit fields; bottom-up or top-down.
std::optional<Bitmap> DecodeBmp(std::span<const std::uint8_t> bytes);
std::optional<Bitmap> DecodePng(std::span<const std::uint8_t> bytes);
// Chooses by the file's signature.
std::optional<Bitmap> DecodeImage(std::span<const std::uint8_t> bytes);
std::optional<Bitmap> LoadImageFile(const std::string& path);

} // namespace trumbel

#pragma once

#include "gfx/Bitmap.h"

#include <QImage>

namespace trumbel {

// The composed window picture as a QImage over the same pixels, without a copy. The bitmap
// keeps its top byte 0xFF, so it is valid 32-bit RGB as it stands; it must outlive the image
// (the renderer re-presents whenever it reallocates the picture).
inline QImage WrapBitmap(const Bitmap& bitmap) {
    if (bitmap.Empty()) {
        return {};
    }
    return QImage(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width, bitmap.height,
                  static_cast<qsizetype>(bitmap.stride) * 4, QImage::Format_RGB32);
}

} // namespace trumbel

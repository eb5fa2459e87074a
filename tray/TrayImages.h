#pragma once

#include "tray/TrayImage.h"

namespace trumbel {

// Column offset in the strip of the bar pair: remaining amounts at 0, used amounts at 16.
inline constexpr int kStripRemainingOffset = 0;
inline constexpr int kStripUsedOffset = 16;

// The bar image for a percentage: (percent + 3, at most 100) x 14 / 100, so the smallest
// non-zero values still fill a column and 97 % reaches the last image.
int TrayImageIndex(int percent);

// Composes the fifteen bar images of measurement kind paramId from the strip: the filled part
// of the bar from the strip's upper row at offset, the empty part from the lower row, the kind's
// label below. Pixels of the mask colour, and pixels the strip does not have, are transparent.
// A strip that ends before the kind's label (one drawn before the kind existed) takes the
// label from labelFallback.
TrayImageSet ComposeTrayImages(const StripView& strip, int paramId, int offset,
                               const StripView& labelFallback = {});

// Whether the strip is wide enough to hold the label of measurement kind paramId.
bool StripHasLabel(const StripView& strip, int paramId);

} // namespace trumbel

#pragma once

#include "tray/TraySource.h"

#include <string>

namespace trumbel {

// What one tray icon shows, derived from its configured item kind.
struct TrayItem {
    int kind = 0;    // ItemKind
    int paramId = 0; // measurement kind: the byte-per-second kinds read their bps kinds' data
    int device = 0;
    bool remaining = false; // the remaining amount rather than the amount used
    int offset = 0;         // strip column of the bar pair

    PercentBasis Basis() const { return remaining ? PercentBasis::Free : PercentBasis::Used; }
};

TrayItem ResolveTrayItem(int kind, int device, const TraySource& source);

// The tooltip: the product name, the item's label, then its values or its percentage. Lines
// are separated by CR LF.
std::string TrayTipText(const TrayItem& item, const TraySource& source);

} // namespace trumbel

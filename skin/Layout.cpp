#include "skin/Layout.h"

#include <algorithm>

namespace trumbel {

std::array<ContainerPlacement, kContainerCount> BuildPlacements(const Settings& settings) {
    std::array<ContainerPlacement, kContainerCount> placements{};
    for (int c = 0; c < kContainerCount; ++c) {
        ContainerPlacement& p = placements[c];
        p.shown = c < settings.containerCount;
        p.type = settings.clockContainer[c] ? -1 : settings.historyContainer[c] ? 1 : 0;
        for (int s = 0; s < kSlotCount; ++s) {
            const std::int16_t kind = settings.kind[c][s];
            p.slotKind[s] = kind;
            // Only processors, interfaces and drives have a device of their own.
            p.slotDevice[s] = (kind == 2 || kind > 3) ? settings.device[c][s] : std::int16_t{0};
        }
    }
    return placements;
}

SkinLayout ComputeLayout(const SkinData& skin, const Settings& settings,
                         const SkinLayout& previous) {
    SkinLayout layout;
    layout.placements = BuildPlacements(settings);

    const std::array<const UnitPiece*, 4> units{&skin.startUnit, &skin.graphUnit, &skin.clockUnit,
                                                &skin.endUnit};
    int maxWidth = 0;
    int maxHeight = 0;
    for (const UnitPiece* u : units) {
        maxWidth = std::max<int>(maxWidth, u->width);
        maxHeight = std::max<int>(maxHeight, u->height);
    }

    int x = 0;
    int y = 0;
    if (settings.showStartUnit) {
        x = skin.startUnit.advanceX;
        y = skin.startUnit.advanceY;
    }
    for (ContainerPlacement& p : layout.placements) {
        p.x = x;
        p.y = y;
        if (p.shown) {
            const UnitPiece& u = p.type == -1 ? skin.clockUnit : skin.graphUnit;
            x += u.advanceX;
            y += u.advanceY;
        }
    }
    layout.endX = x;
    layout.endY = y;
    if (settings.showEndUnit) {
        x += skin.endUnit.advanceX;
        y += skin.endUnit.advanceY;
    }

    switch (skin.skinType) {
    case 1:
        layout.layoutWidth = x;
        layout.layoutHeight = maxHeight;
        break;
    case 2:
        layout.layoutWidth = maxWidth;
        layout.layoutHeight = y;
        break;
    default:
        // A fixed skin keeps the window as it was; the very first one, with nothing to keep,
        // gets room for its largest unit rather than an invisible 0 × 0 window.
        layout.layoutWidth = previous.layoutWidth;
        layout.layoutHeight = previous.layoutHeight;
        if (layout.layoutWidth <= 0 && layout.layoutHeight <= 0) {
            layout.layoutWidth = maxWidth;
            layout.layoutHeight = maxHeight;
        }
        break;
    }
    return layout;
}

} // namespace trumbel

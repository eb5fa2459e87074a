#pragma once

#include "settings/Settings.h"
#include "skin/SkinData.h"

#include <array>
#include <cstdint>

namespace trumbel {

enum class ContainerType : int { Bar = 0, History = 1, Clock = -1 };

struct ContainerPlacement {
    int x = 0;
    int y = 0;
    bool shown = false;
    int type = 0; // 0 bar graphs, 1 history graph, -1 clock
    std::array<std::int16_t, kSlotCount> slotKind{};
    std::array<std::int16_t, kSlotCount> slotDevice{};
};

// Where every unit lies, before zooming. The start unit is always at (0, 0).
struct SkinLayout {
    std::array<ContainerPlacement, kContainerCount> placements{};
    int endX = 0;
    int endY = 0;
    int layoutWidth = 0;
    int layoutHeight = 0;
};

std::array<ContainerPlacement, kContainerCount> BuildPlacements(const Settings& settings);

// Positions the units for the skin and the layout settings. A skin of a type other than
// 1 and 2 keeps `previous`'s window size (the largest unit's size when there was none).
SkinLayout ComputeLayout(const SkinData& skin, const Settings& settings,
                         const SkinLayout& previous);

} // namespace trumbel

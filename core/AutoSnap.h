#pragma once

#include "platform/Desktop.h"
#include "settings/Settings.h"

#include <string_view>
#include <vector>

namespace trumbel {

// Whole-text match where '*' stands for any run of characters (none included); every other
// character matches itself, case-sensitively.
bool SnapTitleMatch(std::string_view text, std::string_view pattern);

bool IsSnapCandidate(const TopLevelWindow& window, const Settings& settings);

enum class SnapTargetKind { None, Target, SkipThisRound };
struct SnapTarget {
    SnapTargetKind kind = SnapTargetKind::None;
    const TopLevelWindow* window = nullptr;
};

// The window auto-snap attaches to this round. Mode 1 follows the foreground window (and does
// nothing while the skin window itself is in front); mode 2 takes the first candidate whose
// title contains one of the patterns after the first element of snapTitles, patterns in order.
SnapTarget FindSnapTarget(const Settings& settings, const std::vector<TopLevelWindow>& windows,
                          WindowId foreground, WindowId self);

// Top-left of the skin window once its anchor corner sits on the target's anchor corner,
// plus the offsets.
Point SnapPosition(const Rect& target, int anchor1, int anchor2, int offsetX, int offsetY,
                   int width, int height);

} // namespace trumbel

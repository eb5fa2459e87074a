#include "core/AutoSnap.h"

#include <cstdint>

namespace trumbel {

bool SnapTitleMatch(std::string_view text, std::string_view pattern) {
    // Greedy matching with one backtrack point: linear in practice, no recursion.
    std::size_t t = 0;
    std::size_t p = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool IsSnapCandidate(const TopLevelWindow& window, const Settings& settings) {
    if (!window.visible || !window.normalState || window.title.empty() || window.desktopOrDock) {
        return false;
    }
    if (window.className.rfind("Progman", 0) == 0) {
        return false;
    }
    switch (settings.snapExclusionMode) {
    case 0:
        return true;
    case 1:
        return window.frame.Width() >= settings.snapExclusionWidth &&
               window.frame.Height() >= settings.snapExclusionHeight;
    default:
        return false;
    }
}

SnapTarget FindSnapTarget(const Settings& settings, const std::vector<TopLevelWindow>& windows,
                          WindowId foreground, WindowId self) {
    if (settings.autoSnapMode == 1) {
        if (foreground != 0 && foreground == self) {
            return {SnapTargetKind::SkipThisRound, nullptr};
        }
        for (const TopLevelWindow& w : windows) {
            if (w.id == foreground && foreground != 0 && IsSnapCandidate(w, settings)) {
                return {SnapTargetKind::Target, &w};
            }
        }
        return {};
    }
    if (settings.autoSnapMode == 2) {
        // The first element of the list is a placeholder and never a pattern.
        for (std::size_t i = 1; i < settings.snapTitles.size(); ++i) {
            const std::string& pattern = settings.snapTitles[i];
            if (pattern.empty()) {
                continue;
            }
            const std::string wrapped = "*" + pattern + "*";
            for (const TopLevelWindow& w : windows) {
                if (w.id != self && IsSnapCandidate(w, settings) &&
                    SnapTitleMatch(w.title, wrapped)) {
                    return {SnapTargetKind::Target, &w};
                }
            }
        }
    }
    return {};
}

Point SnapPosition(const Rect& target, int anchor1, int anchor2, int offsetX, int offsetY,
                   int width, int height) {
    const bool right1 = anchor1 == 1 || anchor1 == 3;
    const bool bottom1 = anchor1 == 2 || anchor1 == 3;
    const bool right2 = anchor2 == 1 || anchor2 == 3;
    const bool bottom2 = anchor2 == 2 || anchor2 == 3;
    // 64-bit sums: offsets come from a user-edited file and may be anything.
    std::int64_t x = right1 ? target.right : target.left;
    std::int64_t y = bottom1 ? target.bottom : target.top;
    x += offsetX - (right2 ? std::int64_t{width} : 0);
    y += offsetY - (bottom2 ? std::int64_t{height} : 0);
    auto clamp = [](std::int64_t v) {
        return static_cast<int>(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v);
    };
    return {clamp(x), clamp(y)};
}

} // namespace trumbel

#include "tray/TrayClicks.h"

namespace trumbel {

std::optional<TrayClick> TrayClickMapper::Click(TrayButton button, std::int64_t nowMs) {
    State& s = For(button);
    if (Within(s, nowMs)) {
        if (s.lastWasDouble) {
            return std::nullopt; // the second press of a double click already reported
        }
        s.lastMs = nowMs;
        s.lastWasDouble = true;
        return Double(button);
    }
    s.lastMs = nowMs;
    s.lastWasDouble = false;
    return Up(button);
}

std::optional<TrayClick> TrayClickMapper::DoubleClick(TrayButton button, std::int64_t nowMs) {
    State& s = For(button);
    if (Within(s, nowMs) && s.lastWasDouble) {
        return std::nullopt;
    }
    s.lastMs = nowMs;
    s.lastWasDouble = true;
    return Double(button);
}

} // namespace trumbel

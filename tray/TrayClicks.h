#pragma once

#include <cstdint>
#include <optional>

namespace trumbel {

enum class TrayButton { Left, Right };

// The four tray callback numbers the click discrimination handles.
enum class TrayClick : int { LeftUp = 514, LeftDouble = 515, RightUp = 517, RightDouble = 518 };

// Turns the clicks a desktop reports on a tray icon into the four callbacks. Desktops differ:
// some report a left double click on their own (after or instead of the second click), none
// reports a right one, and some report none at all. So a second click of the same button
// within the double-click interval is the double click, and a toolkit double click that
// follows it is the same gesture and reported once.
class TrayClickMapper {
public:
    explicit TrayClickMapper(int doubleClickMs) : doubleClickMs_(doubleClickMs) {}

    std::optional<TrayClick> Click(TrayButton button, std::int64_t nowMs);
    std::optional<TrayClick> DoubleClick(TrayButton button, std::int64_t nowMs);

private:
    struct State {
        std::optional<std::int64_t> lastMs;
        bool lastWasDouble = false;
    };
    State& For(TrayButton b) { return b == TrayButton::Left ? left_ : right_; }
    static TrayClick Up(TrayButton b) {
        return b == TrayButton::Left ? TrayClick::LeftUp : TrayClick::RightUp;
    }
    static TrayClick Double(TrayButton b) {
        return b == TrayButton::Left ? TrayClick::LeftDouble : TrayClick::RightDouble;
    }
    bool Within(const State& s, std::int64_t nowMs) const {
        return s.lastMs && nowMs - *s.lastMs >= 0 && nowMs - *s.lastMs <= doubleClickMs_;
    }

    int doubleClickMs_;
    State left_;
    State right_;
};

} // namespace trumbel

#pragma once

#include <cstdint>

namespace trumbel {

// Hot-key modifier bits as stored and passed around: Alt 1, Ctrl 2, Shift 4.
inline constexpr int kModAlt = 1;
inline constexpr int kModControl = 2;
inline constexpr int kModShift = 4;

// One system-wide key grab at a time: the key (an X keysym) with exactly these modifiers, Num
// Lock and Caps Lock ignored.
class KeyGrabber {
public:
    virtual ~KeyGrabber() = default;
    // False when the key cannot be grabbed (unknown to the keyboard, or taken by another program).
    virtual bool Grab(std::uint32_t keysym, int modifiers) = 0;
    virtual void Ungrab() = 0;
};

} // namespace trumbel

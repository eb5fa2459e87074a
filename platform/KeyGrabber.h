#pragma once

#include <cstdint>
#include <span>

namespace trumbel {

// Hot-key modifier bits as stored and passed around: Alt 1, Ctrl 2, Shift 4.
inline constexpr int kModAlt = 1;
inline constexpr int kModControl = 2;
inline constexpr int kModShift = 4;

// Unsupported: no global grabs here (no X server), so no hot key can fire.
enum class GrabResult { Grabbed, NoSuchKey, Taken, Unsupported };

// One system-wide key grab at a time: the key with exactly these modifiers, Num Lock and Caps
// Lock ignored. The key is the first of the keysyms that this keyboard has.
class KeyGrabber {
public:
    virtual ~KeyGrabber() = default;
    // NoSuchKey when the keyboard has none of the keysyms; Taken when another program holds the
    // combination.
    virtual GrabResult Grab(std::span<const std::uint32_t> keysyms, int modifiers) = 0;
    virtual void Ungrab() = 0;
};

} // namespace trumbel

#include "HotKeyMap.h"

#include "platform/KeyGrabber.h"

namespace trumbel {

namespace {

struct KeyPair {
    std::int32_t vk;
    std::uint32_t keysym;
};

// Keysym values are the X protocol's, fixed for good.
constexpr KeyPair kNamedKeys[] = {
    {0x08, 0xFF08}, // Back
    {0x09, 0xFF09}, // Tab
    {0x0D, 0xFF0D}, // Return
    {0x13, 0xFF13}, // Pause
    {0x1B, 0xFF1B}, // Escape
    {0x20, 0x0020}, // Space
    {0x21, 0xFF55}, // Page Up (Prior)
    {0x22, 0xFF56}, // Page Down (Next)
    {0x23, 0xFF57}, // End
    {0x24, 0xFF50}, // Home
    {0x25, 0xFF51}, // Left
    {0x26, 0xFF52}, // Up
    {0x27, 0xFF53}, // Right
    {0x28, 0xFF54}, // Down
    {0x2C, 0xFF61}, // Print
    {0x2D, 0xFF63}, // Insert
    {0x2E, 0xFFFF}, // Delete
    {0x6A, 0xFFAA}, // keypad *
    {0x6B, 0xFFAB}, // keypad +
    {0x6C, 0xFFAC}, // keypad separator
    {0x6D, 0xFFAD}, // keypad -
    {0x6E, 0xFFAE}, // keypad .
    {0x6F, 0xFFAF}, // keypad /
    {0x90, 0xFF7F}, // Num Lock
    {0x91, 0xFF14}, // Scroll Lock
};

} // namespace

int HotKeyModifiers(std::int16_t ctrl, std::int16_t alt, std::int16_t shift) {
    int m = 0;
    if (shift != 0)
        m += kModShift;
    if (ctrl != 0)
        m += kModControl;
    if (alt != 0)
        m += kModAlt;
    return m;
}

std::uint32_t KeysymForVirtualKey(std::int32_t vk) {
    if (vk >= 'A' && vk <= 'Z') {
        return static_cast<std::uint32_t>(vk - 'A' + 'a'); // lower case: the unshifted level
    }
    if (vk >= '0' && vk <= '9') {
        return static_cast<std::uint32_t>(vk);
    }
    if (vk >= 0x60 && vk <= 0x69) {
        return 0xFFB0u + static_cast<std::uint32_t>(vk - 0x60); // keypad 0..9
    }
    if (vk >= 0x70 && vk <= 0x87) {
        return 0xFFBEu + static_cast<std::uint32_t>(vk - 0x70); // F1..F24
    }
    for (const KeyPair& k : kNamedKeys) {
        if (k.vk == vk) {
            return k.keysym;
        }
    }
    return 0;
}

} // namespace trumbel

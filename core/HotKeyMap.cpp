#include "core/HotKeyMap.h"

#include "platform/KeyGrabber.h"

#include <initializer_list>

namespace trumbel {

namespace {

struct KeyChoices {
    std::int32_t vk;
    std::initializer_list<std::uint32_t> keysyms;
};

// Keysym values are the X protocol's, fixed for good.
const KeyChoices kNamedKeys[] = {
    {0x08, {0xFF08}},         // Back
    {0x09, {0xFF09}},         // Tab
    {0x0D, {0xFF0D}},         // Return
    {0x13, {0xFF13}},         // Pause
    {0x1B, {0xFF1B}},         // Escape
    {0x1C, {0xFF23}},         // Convert: Henkan_Mode
    {0x1D, {0xFF22}},         // NonConvert: Muhenkan
    {0x20, {0x0020}},         // Space
    {0x21, {0xFF55}},         // Page Up (Prior)
    {0x22, {0xFF56}},         // Page Down (Next)
    {0x23, {0xFF57}},         // End
    {0x24, {0xFF50}},         // Home
    {0x25, {0xFF51}},         // Left
    {0x26, {0xFF52}},         // Up
    {0x27, {0xFF53}},         // Right
    {0x28, {0xFF54}},         // Down
    {0x2C, {0xFF61}},         // Print
    {0x2D, {0xFF63}},         // Insert
    {0x2E, {0xFFFF}},         // Delete
    {0x5B, {0xFFEB}},         // left Windows: Super_L
    {0x5C, {0xFFEC}},         // right Windows: Super_R
    {0x5D, {0xFF67}},         // Apps: Menu
    {0x6A, {0xFFAA}},         // keypad *
    {0x6B, {0xFFAB}},         // keypad +
    {0x6C, {0xFFAC}},         // keypad separator
    {0x6D, {0xFFAD}},         // keypad -
    {0x6E, {0xFFAE}},         // keypad .
    {0x6F, {0xFFAF}},         // keypad /
    {0x90, {0xFF7F}},         // Num Lock
    {0x91, {0xFF14}},         // Scroll Lock
    {0xBA, {0x3B, 0x3A}},     // OEM_1: ";" (US), ":" (JP)
    {0xBB, {0x3D, 0x2B}},     // OEM_PLUS: "=" (US), "+" on ";" (JP)
    {0xBC, {0x2C}},           // OEM_COMMA
    {0xBD, {0x2D}},           // OEM_MINUS
    {0xBE, {0x2E}},           // OEM_PERIOD
    {0xBF, {0x2F}},           // OEM_2: "/"
    {0xC0, {0x60, 0x40}},     // OEM_3: "`" (US), "@" (JP)
    {0xDB, {0x5B}},           // OEM_4: "["
    {0xDC, {0x5C, 0xA5}},     // OEM_5: "\" (US), "¥" (JP)
    {0xDD, {0x5D}},           // OEM_6: "]"
    {0xDE, {0x27, 0x5E}},     // OEM_7: "'" (US), "^" (JP)
    {0xE2, {0x3C, 0x5F}},     // OEM_102: "<" (ISO), "_" on "ろ" (JP)
    {0xF2, {0xFF27, 0xFF25}}, // Hiragana/Katakana, else Hiragana
    {0xF3, {0xFF2A}},         // Zenkaku_Hankaku
    {0xF4, {0xFF2A}},         // the same key, in its other state
};

KeysymChoices One(std::uint32_t keysym) {
    KeysymChoices c;
    c.keysyms[0] = keysym;
    c.count = 1;
    return c;
}

} // namespace

int HotKeyModifiers(bool ctrl, bool alt, bool shift) {
    int m = 0;
    if (shift)
        m += kModShift;
    if (ctrl)
        m += kModControl;
    if (alt)
        m += kModAlt;
    return m;
}

KeysymChoices KeysymsForVirtualKey(std::int32_t vk) {
    if (vk >= 'A' && vk <= 'Z') {
        return One(static_cast<std::uint32_t>(vk - 'A' + 'a')); // lower case: the unshifted level
    }
    if (vk >= '0' && vk <= '9') {
        return One(static_cast<std::uint32_t>(vk));
    }
    if (vk >= 0x60 && vk <= 0x69) {
        return One(0xFFB0u + static_cast<std::uint32_t>(vk - 0x60)); // keypad 0..9
    }
    if (vk >= 0x70 && vk <= 0x87) {
        return One(0xFFBEu + static_cast<std::uint32_t>(vk - 0x70)); // F1..F24
    }
    for (const KeyChoices& k : kNamedKeys) {
        if (k.vk == vk) {
            KeysymChoices c;
            for (std::uint32_t sym : k.keysyms) {
                c.keysyms[c.count++] = sym;
            }
            return c;
        }
    }
    return {};
}

std::uint32_t KeysymForVirtualKey(std::int32_t vk) {
    const KeysymChoices c = KeysymsForVirtualKey(vk);
    return c.count > 0 ? c.keysyms[0] : 0;
}

} // namespace trumbel

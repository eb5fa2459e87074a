#pragma once

#include "base/UiLanguage.h"

#include <cstdint>
#include <string_view>

namespace trumbel {

// A key the hot-key list offers: its Windows virtual-key code (the stored form) and its text;
// the names in words are ours, shown through UiTr("HotKeys", name).
struct HotKeyChoice {
    std::int32_t virtualKey;
    std::string_view name;
};

// The keys the options dialog offers for the hot key, in the list's order. Punctuation keys
// carry the character of a US keyboard; "\" (102) is the extra key left of Z on ISO boards and
// the "ろ" key on Japanese ones.
// clang-format off
inline constexpr HotKeyChoice kHotKeyChoices[] = {
    {0x41, "A"},         {0x42, "B"},        {0x43, "C"},           {0x44, "D"},
    {0x45, "E"},         {0x46, "F"},        {0x47, "G"},           {0x48, "H"},
    {0x49, "I"},         {0x4A, "J"},        {0x4B, "K"},           {0x4C, "L"},
    {0x4D, "M"},         {0x4E, "N"},        {0x4F, "O"},           {0x50, "P"},
    {0x51, "Q"},         {0x52, "R"},        {0x53, "S"},           {0x54, "T"},
    {0x55, "U"},         {0x56, "V"},        {0x57, "W"},           {0x58, "X"},
    {0x59, "Y"},         {0x5A, "Z"},        {0x30, "0"},           {0x31, "1"},
    {0x32, "2"},         {0x33, "3"},        {0x34, "4"},           {0x35, "5"},
    {0x36, "6"},         {0x37, "7"},        {0x38, "8"},           {0x39, "9"},
    {0x70, "F1"},        {0x71, "F2"},       {0x72, "F3"},          {0x73, "F4"},
    {0x74, "F5"},        {0x75, "F6"},       {0x76, "F7"},          {0x77, "F8"},
    {0x78, "F9"},        {0x79, "F10"},      {0x7A, "F11"},         {0x7B, "F12"},
    {0x7C, "F13"},       {0x7D, "F14"},      {0x7E, "F15"},         {0x7F, "F16"},
    {0x80, "F17"},       {0x81, "F18"},      {0x82, "F19"},         {0x83, "F20"},
    {0x84, "F21"},       {0x85, "F22"},      {0x86, "F23"},         {0x87, "F24"},
    {0x60, "Num 0"},     {0x61, "Num 1"},    {0x62, "Num 2"},       {0x63, "Num 3"},
    {0x64, "Num 4"},     {0x65, "Num 5"},    {0x66, "Num 6"},       {0x67, "Num 7"},
    {0x68, "Num 8"},     {0x69, "Num 9"},    {0x6A, "Num *"},       {0x6B, "Num +"},
    {0x6D, "Num -"},     {0x6E, "Num ."},    {0x6F, "Num /"},       {0x20, "Space"},
    {0x0D, "Enter"},     {0x09, "Tab"},      {0x08, "BackSpace"},   {0x1B, "Esc"},
    {0x2D, "Insert"},    {0x2E, "Delete"},   {0x24, "Home"},        {0x23, "End"},
    {0x21, "PageUp"},    {0x22, "PageDown"}, {0x25, "←"},           {0x26, "↑"},
    {0x27, "→"},         {0x28, "↓"},        {0x2C, "PrintScreen"}, {0x91, "ScrollLock"},
    {0x13, "Pause"},     {0x90, "NumLock"},
    {0x5B, QT_TRANSLATE_NOOP("HotKeys", "左Windows")},
    {0x5C, QT_TRANSLATE_NOOP("HotKeys", "右Windows")},
    {0x5D, "Apps"},      {0xBA, ";"},        {0xBB, "="},           {0xBC, ","},
    {0xBD, "-"},         {0xBE, "."},        {0xBF, "/"},           {0xC0, "`"},
    {0xDB, "["},         {0xDC, "\\"},       {0xDD, "]"},           {0xDE, "'"},
    {0xE2, "\\ (102)"},
    {0x1C, QT_TRANSLATE_NOOP("HotKeys", "変換")},
    {0x1D, QT_TRANSLATE_NOOP("HotKeys", "無変換")},
    {0xF2, QT_TRANSLATE_NOOP("HotKeys", "カタカナ/ひらがな")},
    {0xF3, QT_TRANSLATE_NOOP("HotKeys", "半角/全角")},
};
// clang-format on

// A hot key is grabbed from every program on the desktop: a key that types or edits text (letters,
// digits, Space, Enter, Tab, BackSpace, Esc, punctuation, arrows, the IME keys) needs Ctrl, Alt
// or Shift with it. Function keys, Pause and the like may stand alone.
constexpr bool HotKeyNeedsModifier(std::int32_t virtualKey) {
    constexpr std::int32_t kF1 = 0x70, kF24 = 0x87;
    if (virtualKey >= kF1 && virtualKey <= kF24) {
        return false;
    }
    // Pause, PrintScreen, ScrollLock, NumLock, the Windows keys and Apps type nothing.
    for (std::int32_t bare : {0x13, 0x2C, 0x91, 0x90, 0x5B, 0x5C, 0x5D}) {
        if (virtualKey == bare) {
            return false;
        }
    }
    return true;
}

} // namespace trumbel

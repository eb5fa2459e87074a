#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trumbel {

// Booleans of the record are 16-bit: -1 on, 0 off. Flags are 16-bit where any non-zero is on.
using VbBool = std::int16_t;
inline constexpr VbBool kVbTrue = -1;
inline constexpr VbBool kVbFalse = 0;
inline constexpr bool IsOn(std::int16_t v) {
    return v != 0;
}

// A read at start differs from a switch of profile or option file (the icon-menu setting, say).
enum class LoadMode { Startup, Switch };

inline constexpr int kContainerCount = 10;
inline constexpr int kSlotCount = 4;
inline constexpr int kTrayIconMax = 8;

struct LimitPair {
    std::array<std::int16_t, 2> maxMode{}; // [0] numeric display, [1] graph
    std::array<float, 2> maxValue{};
    float pastMax = 0.0f; // highest rate seen, kept across runs
    bool operator==(const LimitPair&) const = default;
};

struct NetDeviceLimits {
    LimitPair send;
    LimitPair receive;
    bool operator==(const NetDeviceLimits&) const = default;
};

// Zeroed, as the record starts: an icon never read shows physical memory of device 0.
struct TrayIconSetting {
    std::int16_t kind = 0;
    std::int16_t device = 0;
    bool operator==(const TrayIconSetting&) const = default;
};

// The public SNTP server the clock adjustment uses unless the user chose another, in the
// caption-and-host form the options dialog lists.
inline constexpr const char* kStandardTimeServer = "NTP Pool Project (pool.ntp.org)";

// The one program-wide settings record; field names follow the settings file's key tables.
// The initial values are the values a reset gives (and what applies when no file exists);
// skinFolder resets to the program's folder. The values a key missing from an existing file
// gives sit next to the keys in SettingsKeys.cpp.
struct Settings {
    std::int32_t loadedVersion = 0;

    // 基本設定
    VbBool snapToScreenEdges = kVbTrue;
    VbBool snapToTaskbar = kVbTrue;
    std::int16_t snapStrength = 10;
    VbBool historyScrollDirection = kVbFalse;
    std::int16_t historyUpdateSpeed = 0;
    std::int16_t historySampleMode = 0;
    VbBool openLastOptionsPage = kVbTrue;
    std::int16_t lastOptionsPage = 0;
    VbBool doubleSize = kVbFalse;
    VbBool useIconMenu = kVbTrue;

    // ネットワーク設定
    std::vector<NetDeviceLimits> deviceLimits;
    std::int16_t fixedSkinDevice = 0;

    // Window設定
    VbBool topmost = kVbTrue;
    VbBool hideOnMouseOver = kVbFalse;
    VbBool shiftKeepsVisible = kVbTrue;
    VbBool hideByButton = kVbTrue;
    VbBool normallyHidden = kVbFalse;
    VbBool showOnMouseOver = kVbTrue;
    VbBool showNeedsShift = kVbTrue;
    VbBool backWhenMouseAway = kVbTrue;
    VbBool showByButton = kVbFalse;
    VbBool showByButtonCopy = kVbFalse;
    VbBool toggleButton = kVbTrue;
    VbBool hideWhenNotSnapped = kVbFalse;

    // 位置情報設定
    std::int16_t startPositionMode = 0;
    std::int32_t startX = 0;
    std::int32_t startY = 0;
    std::int16_t autoSnapMode = 0;
    std::int16_t snapAnchor1 = 1;
    std::int16_t snapAnchor2 = 0;
    std::int32_t snapOffsetX = 0;
    std::int32_t snapOffsetY = 0;
    std::int16_t snapExclusionMode = 1;
    std::int32_t snapExclusionWidth = 400;
    std::int32_t snapExclusionHeight = 300;
    std::vector<std::string> snapTitles{"Dammy"};

    // Skin設定
    std::int16_t useBuiltInSkin = 1;
    std::int16_t builtInSkinType = 1;
    std::string skinFolder;
    std::string skinFileName = "AllView2.skn";
    std::int16_t showStartUnit = 1;
    std::int16_t showEndUnit = 1;
    std::int16_t containerCount = 5;
    std::array<std::int16_t, kContainerCount> historyContainer{};
    std::array<std::int16_t, kContainerCount> clockContainer{};
    std::array<std::array<std::int16_t, kSlotCount>, kContainerCount> kind{};
    std::array<std::array<std::int16_t, kSlotCount>, kContainerCount> device{};
    std::array<std::array<std::int16_t, kSlotCount>, kContainerCount> graphStyle{};
    std::array<std::array<std::int16_t, kSlotCount>, kContainerCount> digitStyle{};

    // その他設定
    std::int16_t functionId = 2;
    std::string functionName;
    std::array<std::int16_t, 5> builtInFunctionFlags{};

    // タスクトレイ設定
    std::string trayImageFile;
    std::int16_t trayUpdateInterval = 0;
    std::int16_t trayIconCount = 1;
    // 1..8 used; only icon 1 has a standard setting (the processor), the others start zeroed.
    std::array<TrayIconSetting, kTrayIconMax + 1> trayIcons{{{}, {2, 0}}};
    std::array<std::int16_t, 4> trayClickActions{4, 6, 1, 2};

    // ホットキー設定
    std::int16_t hotKeyEnabled = 1;
    std::int16_t hotKeyCtrl = 1;
    std::int16_t hotKeyAlt = 0;
    std::int16_t hotKeyShift = 0;
    std::int32_t hotKeyCode = 119; // Windows virtual-key code (F8)

    // 時計設定
    std::string timeServer = kStandardTimeServer;
    std::int16_t adjustClockAtStart = 1;
    std::int32_t timeServerPort = 123;
    std::int32_t adjustEveryHours = 0;
    std::int16_t adjustWithOffset = 0;
    std::array<std::int16_t, 4> clockOffset{};

    bool operator==(const Settings&) const = default;
};

} // namespace trumbel

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trumbel {

// A read at start differs from a switch of profile or option file (the icon-menu setting, say).
enum class LoadMode { Startup, Switch };

// The options dialog's pages in list order. The settings remember the last one used by its
// number; a file may hold a number that names no page, which is kept as it is.
enum class OptionsPageId : std::int16_t {
    Basic = 0,
    Skin = 1,
    Layout = 2,
    Function = 3,
    Tray = 4,
    Clock = 5,
    Position = 6,
    Window = 7,
    Network = 8,
    OldLayout = 9,
    RemoteHosts = 10,
};
inline constexpr int kOptionsPageCount = 11;

inline constexpr bool IsOptionsPage(OptionsPageId page) {
    return static_cast<int>(page) >= 0 && static_cast<int>(page) < kOptionsPageCount;
}

// The parts of the record a reset puts back together; each options page resets one.
enum class SettingsGroup {
    All = -1,
    Basic = 0,
    Window = 1,
    Position = 2,
    Network = 3,
    Skin = 4,
    Layout = 5,
    FunctionAndHotKey = 6,
    Tray = 7,
    Clock = 8,
    OldLayout = 9,    // the older layout editor's page: the layout again
    RemoteHosts = 10, // the hosts, their interval, and every slot and tray icon back on host 0
};

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

// A whole disk's read and write scales, kept by the kernel's name for it ("nvme0n1"): disks
// come and go, so the index one run gives a disk says nothing about the next run.
struct DiskLimits {
    std::string device;
    LimitPair read;
    LimitPair write;
    bool operator==(const DiskLimits&) const = default;
};

// Zeroed, as the record starts: an icon never read shows physical memory of device 0.
struct TrayIconSetting {
    std::int16_t kind = 0;
    std::int16_t device = 0;
    std::int16_t host = 0; // 0 this machine, n remoteHosts[n - 1]
    bool operator==(const TrayIconSetting&) const = default;
};

// A machine measured by a Prometheus node exporter, read directly or through a Prometheus
// server's federation endpoint. This machine is host 0 and is never stored.
struct RemoteHostSetting {
    std::string name;
    // http(s)://host:9100/metrics for an exporter; a Prometheus server's base address when
    // instance is given.
    std::string address;
    std::string instance; // the instance label the server scrapes the exporter under
    std::string bearerToken;
    std::string user; // basic credentials, used when user is not empty
    std::string password;
    bool operator==(const RemoteHostSetting&) const = default;
};

inline constexpr std::int32_t kRemoteIntervalMinMs = 1000;
inline constexpr int kRemoteHostMax = 32;

// The public SNTP server the clock adjustment uses unless the user chose another, in the
// caption-and-host form the options dialog lists.
inline constexpr const char* kStandardTimeServer = "NTP Pool Project (pool.ntp.org)";

// The one program-wide settings record; field names follow the settings file's key tables.
// The initial values are the values a reset gives (and what applies when no file exists);
// skinFolder resets to the program's folder. The values a key missing from an existing file
// gives sit next to the keys in SettingsKeys.cpp, and so does the file's form of an on/off
// setting.
struct Settings {
    std::int32_t loadedVersion = 0;

    // 基本設定
    bool snapToScreenEdges = true;
    bool snapToTaskbar = true;
    std::int16_t snapStrength = 10;
    bool historyScrollDirection = false;
    std::int16_t historyUpdateSpeed = 0;
    std::int16_t historySampleMode = 0;
    bool openLastOptionsPage = true;
    OptionsPageId lastOptionsPage = OptionsPageId::Basic;
    bool doubleSize = false;
    bool useIconMenu = true;

    // ネットワーク設定
    std::vector<NetDeviceLimits> deviceLimits;
    std::vector<DiskLimits> diskLimits;
    std::int16_t fixedSkinDevice = 0;

    // Window設定
    bool topmost = true;
    bool hideOnMouseOver = false;
    bool shiftKeepsVisible = true;
    bool hideByButton = true;
    bool normallyHidden = false;
    bool showOnMouseOver = true;
    bool showNeedsShift = true;
    bool backWhenMouseAway = true;
    bool showByButton = false;
    bool showByButtonCopy = false;
    bool toggleButton = true;
    bool hideWhenNotSnapped = false;

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
    bool useBuiltInSkin = true;
    std::int16_t builtInSkinType = 1;
    std::string skinFolder;
    std::string skinFileName = "AllView2.skn";
    bool showStartUnit = true;
    bool showEndUnit = true;
    std::int16_t containerCount = 5;
    // The file keeps both in one number per container: clock * 2 + history.
    std::array<bool, kContainerCount> historyContainer{};
    std::array<bool, kContainerCount> clockContainer{};
    std::array<std::array<std::int16_t, kSlotCount>, kContainerCount> kind{};
    std::array<std::array<std::int16_t, kSlotCount>, kContainerCount> device{};
    std::array<std::array<std::int16_t, kSlotCount>, kContainerCount> graphStyle{};
    std::array<std::array<std::int16_t, kSlotCount>, kContainerCount> digitStyle{};
    // Which machine a slot measures: 0 this one, n remoteHosts[n - 1].
    std::array<std::array<std::int16_t, kSlotCount>, kContainerCount> host{};

    // その他設定
    std::int16_t functionId = 2;
    std::string functionName;
    std::array<bool, 5> builtInFunctionFlags{};

    // タスクトレイ設定
    std::string trayImageFile;
    std::int16_t trayUpdateInterval = 0;
    std::int16_t trayIconCount = 1;
    // 1..8 used; only icon 1 has a standard setting (the processor), the others start zeroed.
    std::array<TrayIconSetting, kTrayIconMax + 1> trayIcons{{{}, {2, 0}}};
    std::array<std::int16_t, 4> trayClickActions{4, 6, 1, 2};

    // ホットキー設定
    bool hotKeyEnabled = true;
    bool hotKeyCtrl = true;
    bool hotKeyAlt = false;
    bool hotKeyShift = false;
    std::int32_t hotKeyCode = 119; // Windows virtual-key code (F8)

    // 時計設定
    std::string timeServer = kStandardTimeServer;
    bool adjustClockAtStart = true;
    std::int32_t timeServerPort = 123;
    std::int32_t adjustEveryHours = 0;
    std::int16_t adjustWithOffset = 0;
    std::array<std::int16_t, 4> clockOffset{};

    // リモートホスト設定: hosts 1..n; files older than these keys have none.
    std::vector<RemoteHostSetting> remoteHosts;
    std::int32_t remoteIntervalMs = 2000; // at least kRemoteIntervalMinMs

    bool operator==(const Settings&) const = default;
};

} // namespace trumbel

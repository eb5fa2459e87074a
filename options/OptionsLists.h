#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// The fixed lists the dialog fills once when it loads; list index = stored value unless said.

// The nine item kinds, index = kind.
std::vector<std::string> ItemKindList();

// Slot styles: index 0 the skin's standard, 1 remaining, 2 used.
inline constexpr std::array<std::string_view, 3> kSlotStyleList{"(標準)", "残量を表示",
                                                                "使用量を表示"};

inline constexpr int kTrayActionCount = 19;
// Tray click actions, index = action number.
extern const std::array<std::string_view, kTrayActionCount> kTrayActionList;
// The page tray actions 7 to 14 open; nullopt for the other actions.
std::optional<int> TrayActionPage(int action);

// The drives C: … Z: as DiskID 0 … 23.
inline constexpr int kDriveListCount = 24;
// "C: /(ハードディスク･ローカルドライブ)"; a drive the table lacks (type 1) has no mount
// point: "E: (存在しません)".
std::string DriveListEntry(int diskId, int type, std::string_view mountPoint);

// Auto-snap modes, index = autoSnapMode.
inline constexpr std::array<std::string_view, 3> kAutoSnapList{
    "自動吸着しない", "アクティブウィンドウに吸着", "指定したウィンドウにのみ吸着"};
// Corners, index = snapAnchor1 / snapAnchor2.
inline constexpr std::array<std::string_view, 4> kAnchorList{"左上", "右上", "左下", "右下"};

// History sample times, index = historyUpdateSpeed.
inline constexpr std::array<std::string_view, 4> kHistorySpeedList{"0.5秒", "1秒", "1.5秒", "2秒"};
// Tray update intervals, index = trayUpdateInterval.
inline constexpr std::array<std::string_view, 6> kTrayIntervalList{"0.5秒", "1秒",   "1.5秒",
                                                                   "2秒",   "2.5秒", "3秒"};

// The hot-key list: its captions in list order, and the entry of a stored virtual-key code
// (nullopt for a code the list does not offer).
std::vector<std::string> HotKeyList();
std::optional<int> HotKeyListIndex(int virtualKey);
int HotKeyCodeAt(int index);

inline constexpr std::string_view kHotKeyNeedsModifierText =
    "このキーは文字の入力や編集に使われるため、単独ではホットキーにできません。\r\n"
    "Ctrl・Alt・Shiftのいずれかと組み合わせてください。";

} // namespace trumbel

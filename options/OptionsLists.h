#pragma once

#include "base/UiLanguage.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// The fixed lists the dialog fills once when it loads; list index = stored value unless said.
// Their texts are shown through QCoreApplication::translate("OptionsLists", text).

// The nine item kinds, index = kind.
std::vector<std::string> ItemKindList();

// Slot styles: index 0 the skin's standard, 1 remaining, 2 used.
inline constexpr std::array<std::string_view, 3> kSlotStyleList{
    QT_TRANSLATE_NOOP("OptionsLists", "(標準)"), QT_TRANSLATE_NOOP("OptionsLists", "残量を表示"),
    QT_TRANSLATE_NOOP("OptionsLists", "使用量を表示")};

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
// A processor as the device lists name it: 0 "CPU（全体）", n "CPU : n番".
std::string CpuDeviceName(int device);

// Auto-snap modes, index = autoSnapMode.
inline constexpr std::array<std::string_view, 3> kAutoSnapList{
    QT_TRANSLATE_NOOP("OptionsLists", "自動吸着しない"),
    QT_TRANSLATE_NOOP("OptionsLists", "アクティブウィンドウに吸着"),
    QT_TRANSLATE_NOOP("OptionsLists", "指定したウィンドウにのみ吸着")};
// Corners, index = snapAnchor1 / snapAnchor2.
inline constexpr std::array<std::string_view, 4> kAnchorList{
    QT_TRANSLATE_NOOP("OptionsLists", "左上"), QT_TRANSLATE_NOOP("OptionsLists", "右上"),
    QT_TRANSLATE_NOOP("OptionsLists", "左下"), QT_TRANSLATE_NOOP("OptionsLists", "右下")};

// History sample times, index = historyUpdateSpeed.
inline constexpr std::array<std::string_view, 4> kHistorySpeedList{
    QT_TRANSLATE_NOOP("OptionsLists", "0.5秒"), QT_TRANSLATE_NOOP("OptionsLists", "1秒"),
    QT_TRANSLATE_NOOP("OptionsLists", "1.5秒"), QT_TRANSLATE_NOOP("OptionsLists", "2秒")};
// Tray update intervals, index = trayUpdateInterval.
inline constexpr std::array<std::string_view, 6> kTrayIntervalList{
    QT_TRANSLATE_NOOP("OptionsLists", "0.5秒"), QT_TRANSLATE_NOOP("OptionsLists", "1秒"),
    QT_TRANSLATE_NOOP("OptionsLists", "1.5秒"), QT_TRANSLATE_NOOP("OptionsLists", "2秒"),
    QT_TRANSLATE_NOOP("OptionsLists", "2.5秒"), QT_TRANSLATE_NOOP("OptionsLists", "3秒")};

// The hot-key list: its captions in list order, and the entry of a stored virtual-key code
// (nullopt for a code the list does not offer).
std::vector<std::string> HotKeyList();
std::optional<int> HotKeyListIndex(int virtualKey);
int HotKeyCodeAt(int index);

inline constexpr std::string_view kHotKeyNeedsModifierText = QT_TRANSLATE_NOOP(
    "OptionsLists", "このキーは文字の入力や編集に使われるため、単独ではホットキーにできません。\r\n"
                    "Ctrl・Alt・Shiftのいずれかと組み合わせてください。");

} // namespace trumbel

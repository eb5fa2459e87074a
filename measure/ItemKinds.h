#pragma once

#include "base/ItemKindCount.h"

#include <cstdint>
#include <string_view>

namespace trumbel {

// What a slot or a tray icon shows; each kind reads one measurement kind (ParamID), the bps
// kinds with a factor of 8.
enum class ItemKind : int {
    PhysicalMemory = 0,
    PageFile = 1,
    Cpu = 2,
    Resources = 3,
    NetReceiveBps = 4,
    NetSendBps = 5,
    NetReceiveBytes = 6,
    NetSendBytes = 7,
    DiskSpace = 8,
    Temperature = 9,
    Fan = 10,
    DiskReadBytes = 11,
    DiskWriteBytes = 12,
    Battery = 13,
    Gpu = 14,
};
static_assert(static_cast<int>(ItemKind::Gpu) + 1 == kItemKindCount);
// The first kind a skin file written before the sensors need not describe.
inline constexpr int kFirstSensorKind = static_cast<int>(ItemKind::Temperature);

// The caption lists use for a kind, in Japanese as stored; shown through
// translate("ItemKinds", caption). Empty for a number that is no kind.
std::string_view ItemKindCaption(int kind);
// The ParamID a kind reads; -1 for a number that is no kind.
int ParamIdOfKind(int kind);
// 8 for the bps kinds, 1 otherwise.
int KindFactor(int kind);
// Rates keep their traffic in the history; levels keep the free share.
bool HistoryKeepsUsed(int paramId);

// Drive-type texts (codes 0..6). ListText is empty for code 1 (absent drives are listed apart);
// OptionsText carries the options dialog's "(存在しません)" for it. Unknown codes get "".
// Shown through translate("ItemKinds", text), like the captions.
std::string_view DriveTypeListText(int type);
std::string_view DriveTypeOptionsText(int type);
std::string_view DriveTypeIcon(int type);

} // namespace trumbel

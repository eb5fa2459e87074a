#include "measure/ItemKinds.h"

#include "base/UiLanguage.h"

#include <array>

namespace trumbel {

namespace {

constexpr std::array<std::string_view, kItemKindCount> kCaptions{
    QT_TRANSLATE_NOOP("ItemKinds", "物理メモリー情報"),
    QT_TRANSLATE_NOOP("ItemKinds", "ページファイル情報"),
    QT_TRANSLATE_NOOP("ItemKinds", "CPU情報"),
    QT_TRANSLATE_NOOP("ItemKinds", "リソース情報"),
    QT_TRANSLATE_NOOP("ItemKinds", "ネットワーク受信量(bps)"),
    QT_TRANSLATE_NOOP("ItemKinds", "ネットワーク送信量(bps)"),
    QT_TRANSLATE_NOOP("ItemKinds", "ネットワーク受信量(B/S)"),
    QT_TRANSLATE_NOOP("ItemKinds", "ネットワーク送信量(B/S)"),
    QT_TRANSLATE_NOOP("ItemKinds", "ディスク容量情報"),
    QT_TRANSLATE_NOOP("ItemKinds", "温度情報"),
    QT_TRANSLATE_NOOP("ItemKinds", "ファン回転数"),
    QT_TRANSLATE_NOOP("ItemKinds", "ディスク読込量(B/S)"),
    QT_TRANSLATE_NOOP("ItemKinds", "ディスク書込量(B/S)"),
    QT_TRANSLATE_NOOP("ItemKinds", "バッテリー情報"),
    QT_TRANSLATE_NOOP("ItemKinds", "GPU情報")};
constexpr std::array<int, kItemKindCount> kParamIds{0, 1, 2, 3, 4, 5, 4, 5, 6, 7, 8, 9, 10, 11, 12};

constexpr std::array<std::string_view, 7> kDriveTexts{
    QT_TRANSLATE_NOOP("ItemKinds", "(判別できません)"),
    "",
    QT_TRANSLATE_NOOP("ItemKinds", "(リムーバブルディスク)"),
    QT_TRANSLATE_NOOP("ItemKinds", "(ハードディスク･ローカルドライブ)"),
    QT_TRANSLATE_NOOP("ItemKinds", "(リモート(ネットワーク)ドライブ)"),
    QT_TRANSLATE_NOOP("ItemKinds", "(CD-ROMドライブなど)"),
    QT_TRANSLATE_NOOP("ItemKinds", "(RAMディスク)")};
constexpr std::array<std::string_view, 7> kDriveIcons{
    "icon_unknowndisk", "icon_nodisk", "icon_removable", "icon_hdd",
    "icon_netres",      "icon_cddvd",  "icon_ramdisk"};

bool IsKind(int kind) {
    return kind >= 0 && kind < kItemKindCount;
}
bool IsDriveType(int type) {
    return type >= 0 && type < 7;
}

} // namespace

std::string_view ItemKindCaption(int kind) {
    return IsKind(kind) ? kCaptions[static_cast<std::size_t>(kind)] : std::string_view{};
}

int ParamIdOfKind(int kind) {
    return IsKind(kind) ? kParamIds[static_cast<std::size_t>(kind)] : -1;
}

int KindFactor(int kind) {
    return kind == 4 || kind == 5 ? 8 : 1;
}

bool HistoryKeepsUsed(int paramId) {
    return paramId == 4 || paramId == 5 || paramId == 9 || paramId == 10;
}

std::string_view DriveTypeListText(int type) {
    return IsDriveType(type) ? kDriveTexts[static_cast<std::size_t>(type)] : std::string_view{};
}

std::string_view DriveTypeOptionsText(int type) {
    return type == 1 ? std::string_view(QT_TRANSLATE_NOOP("ItemKinds", "(存在しません)"))
                     : DriveTypeListText(type);
}

std::string_view DriveTypeIcon(int type) {
    return IsDriveType(type) ? kDriveIcons[static_cast<std::size_t>(type)] : std::string_view{};
}

} // namespace trumbel

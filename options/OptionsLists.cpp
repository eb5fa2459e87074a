#include "options/OptionsLists.h"

#include "base/HotKeyList.h"
#include "base/UiText.h"
#include "measure/ItemKinds.h"

#include <iterator>

namespace trumbel {

const std::array<std::string_view, kTrayActionCount> kTrayActionList{
    "動作なし",
    "ポップアップニューを表示",
    "ファンクションを実行",
    "ファンクションの一覧を表示",
    "ファンクションのお気に入りを表示",
    "スキンファイルの一覧を表示",
    "オプションを開く",
    "オプション[基本設定]を開く",
    "オプション[ウィンドウ表示設定]を開く",
    "オプション[位置情報設定]を開く",
    "オプション[Skin設定]を開く",
    "オプション[拡張Skin設定]を開く",
    "オプション[タスクアイコンの設定]を開く",
    "オプション[｢FN｣ボタンの設定]を開く",
    "オプション[ネットワーク関連]を開く",
    "外部保存設定の一覧を表示",
    "exeフォルダを表示",
    "Functionフォルダを表示",
    "Skinフォルダを表示",
};

std::vector<std::string> ItemKindList() {
    std::vector<std::string> kinds;
    for (int kind = 0; kind < kItemKindCount; ++kind) {
        kinds.emplace_back(ItemKindCaption(kind));
    }
    return kinds;
}

std::optional<int> TrayActionPage(int action) {
    static constexpr std::array<int, 8> kPages{0, 7, 6, 1, 2, 4, 3, 8};
    if (action < 7 || action > 14) {
        return std::nullopt;
    }
    return kPages[static_cast<std::size_t>(action - 7)];
}

std::string DriveListEntry(int diskId, int type, std::string_view mountPoint) {
    std::string entry(1, static_cast<char>('C' + diskId));
    entry += ": ";
    if (type != 1) {
        entry += mountPoint;
    }
    entry += DriveTypeOptionsText(type);
    return entry;
}

std::vector<std::string> HotKeyList() {
    std::vector<std::string> names;
    for (const HotKeyChoice& c : kHotKeyChoices) {
        names.emplace_back(UiTr("HotKeys", c.name.data()));
    }
    return names;
}

std::optional<int> HotKeyListIndex(int virtualKey) {
    for (std::size_t i = 0; i < std::size(kHotKeyChoices); ++i) {
        if (kHotKeyChoices[i].virtualKey == virtualKey) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

int HotKeyCodeAt(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= std::size(kHotKeyChoices)) {
        return 0;
    }
    return kHotKeyChoices[static_cast<std::size_t>(index)].virtualKey;
}

} // namespace trumbel

#include "options/OptionsLists.h"

#include "base/HotKeyList.h"
#include "base/UiText.h"
#include "measure/ItemKinds.h"

#include <iterator>

namespace trumbel {

const std::array<std::string_view, kTrayActionCount> kTrayActionList{
    QT_TRANSLATE_NOOP("OptionsLists", "動作なし"),
    QT_TRANSLATE_NOOP("OptionsLists", "ポップアップニューを表示"),
    QT_TRANSLATE_NOOP("OptionsLists", "ファンクションを実行"),
    QT_TRANSLATE_NOOP("OptionsLists", "ファンクションの一覧を表示"),
    QT_TRANSLATE_NOOP("OptionsLists", "ファンクションのお気に入りを表示"),
    QT_TRANSLATE_NOOP("OptionsLists", "スキンファイルの一覧を表示"),
    QT_TRANSLATE_NOOP("OptionsLists", "オプションを開く"),
    QT_TRANSLATE_NOOP("OptionsLists", "オプション[基本設定]を開く"),
    QT_TRANSLATE_NOOP("OptionsLists", "オプション[ウィンドウ表示設定]を開く"),
    QT_TRANSLATE_NOOP("OptionsLists", "オプション[位置情報設定]を開く"),
    QT_TRANSLATE_NOOP("OptionsLists", "オプション[Skin設定]を開く"),
    QT_TRANSLATE_NOOP("OptionsLists", "オプション[拡張Skin設定]を開く"),
    QT_TRANSLATE_NOOP("OptionsLists", "オプション[タスクアイコンの設定]を開く"),
    QT_TRANSLATE_NOOP("OptionsLists", "オプション[｢FN｣ボタンの設定]を開く"),
    QT_TRANSLATE_NOOP("OptionsLists", "オプション[ネットワーク関連]を開く"),
    QT_TRANSLATE_NOOP("OptionsLists", "外部保存設定の一覧を表示"),
    QT_TRANSLATE_NOOP("OptionsLists", "exeフォルダを表示"),
    QT_TRANSLATE_NOOP("OptionsLists", "Functionフォルダを表示"),
    QT_TRANSLATE_NOOP("OptionsLists", "Skinフォルダを表示"),
};

namespace {

// The hot-key list's names that are not the same in every language; the page shows each name
// through the "OptionsLists" translation, and these marks put them in the translation file.
[[maybe_unused]] constexpr std::array<const char*, 6> kLanguageKeyNames{
    QT_TRANSLATE_NOOP("OptionsLists", "左Windows"),
    QT_TRANSLATE_NOOP("OptionsLists", "右Windows"),
    QT_TRANSLATE_NOOP("OptionsLists", "変換"),
    QT_TRANSLATE_NOOP("OptionsLists", "無変換"),
    QT_TRANSLATE_NOOP("OptionsLists", "カタカナ/ひらがな"),
    QT_TRANSLATE_NOOP("OptionsLists", "半角/全角")};

} // namespace

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
    entry += UiTr("ItemKinds", DriveTypeOptionsText(type));
    return entry;
}

std::string CpuDeviceName(int device) {
    return device == 0 ? UiTr("OptionsLists", "CPU（全体）")
                       : UiFormat(UiTr("OptionsLists", "CPU : %1番"), {std::to_string(device)});
}

std::vector<std::string> HotKeyList() {
    std::vector<std::string> names;
    for (const HotKeyChoice& c : kHotKeyChoices) {
        names.emplace_back(UiTr("HotKeys", c.name));
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

#include "options/OptionsLists.h"

#include "options/FieldRules.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

TEST(OptionsLists, TrayActionsOpenTheirPages) {
    ASSERT_EQ(kTrayActionList.size(), 19u);
    EXPECT_EQ(kTrayActionList[0], "動作なし");
    EXPECT_EQ(kTrayActionList[13], "オプション[｢FN｣ボタンの設定]を開く");
    EXPECT_EQ(kTrayActionList[18], "Skinフォルダを表示");
    struct Case {
        int action;
        std::optional<int> page;
    };
    for (const Case& c :
         {Case{6, std::nullopt}, Case{7, 0}, Case{8, 7}, Case{9, 6}, Case{10, 1}, Case{11, 2},
          Case{12, 4}, Case{13, 3}, Case{14, 8}, Case{15, std::nullopt}, Case{0, std::nullopt}}) {
        EXPECT_EQ(TrayActionPage(c.action), c.page) << c.action;
    }
}

TEST(OptionsLists, DriveEntriesNameLetterMountAndType) {
    struct Case {
        int disk;
        int type;
        const char* mount;
        const char* entry;
    };
    for (const Case& c : {Case{0, 3, "/", "C: /(ハードディスク･ローカルドライブ)"},
                          Case{1, 1, "/ignored", "D: (存在しません)"},
                          Case{2, 4, "/srv/nfs", "E: /srv/nfs(リモート(ネットワーク)ドライブ)"},
                          Case{23, 1, "", "Z: (存在しません)"}}) {
        EXPECT_EQ(DriveListEntry(c.disk, c.type, c.mount), c.entry);
    }
}

TEST(OptionsLists, HotKeyListRoundTripsEveryCode) {
    const std::vector<std::string> names = HotKeyList();
    ASSERT_FALSE(names.empty());
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        EXPECT_EQ(HotKeyListIndex(HotKeyCodeAt(i)), i) << names[static_cast<std::size_t>(i)];
    }
    EXPECT_EQ(names[static_cast<std::size_t>(*HotKeyListIndex(119))], "F8");
    EXPECT_EQ(HotKeyListIndex(0x07), std::nullopt);
    EXPECT_EQ(HotKeyCodeAt(-1), 0);
    EXPECT_EQ(HotKeyCodeAt(static_cast<int>(names.size())), 0);
}

TEST(OptionsLists, ItemKindsInKindOrder) {
    const std::vector<std::string> kinds = ItemKindList();
    ASSERT_EQ(kinds.size(), 15u);
    EXPECT_EQ(kinds[0], "物理メモリー情報");
    EXPECT_EQ(kinds[4], "ネットワーク受信量(bps)");
    EXPECT_EQ(kinds[8], "ディスク容量情報");
    EXPECT_EQ(kinds[9], "温度情報");
    EXPECT_EQ(kinds[14], "GPU情報");
}

TEST(FieldRules, DigitFieldsTakeDigitsAndBackspaceOnly) {
    struct Case {
        char32_t typed;
        bool accepted;
    };
    for (const Case& c : {Case{U'0', true}, Case{U'9', true}, Case{8, true}, Case{U'a', false},
                          Case{U'-', false}, Case{U'.', false}, Case{U' ', false},
                          Case{U'１', false}, Case{U'/', false}, Case{U':', false}}) {
        EXPECT_EQ(DigitFieldAccepts(c.typed), c.accepted) << static_cast<unsigned>(c.typed);
    }
}

} // namespace
} // namespace trumbel

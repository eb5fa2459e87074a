#include "base/FolderListing.h"
#include "tests/menus/MenuFixture.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

namespace fs = std::filesystem;
using test::Captions;
using test::EntryCaptions;
using test::Touch;
using Strings = std::vector<std::string>;

class FormMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = test::FreshTestFolder("menus");
        sources.appFolder = root.string() + "/";
        sources.settings = &settings;
        settings.skinFolder = (root / "Skin").string();
    }

    // The fixture folders of the issue: odd function names, option files in two cases,
    // profiles with a dot and with "の", a skin in a subfolder.
    void Populate() {
        Touch(root / "Function" / "README");
        Touch(root / "Function" / "my.tool.sh");
        Touch(root / "Function" / "PickUp" / "fav.desktop");
        Touch(root / "Option" / "A.ini");
        Touch(root / "Option" / "B.INI");
        Touch(root / "setting_a.b.ini");
        Touch(root / "setting_のぞみ.ini");
        Touch(root / "Skin" / "top.skn");
        Touch(root / "Skin" / "sub" / "inner.skn");
        Touch(root / "Skin" / "notes.txt");
    }

    fs::path root;
    Settings settings;
    test::FakeSources sources;
    RecordingUi ui;
    FormMenu menu{settings, sources, ui};
};

TEST(MenuTreeTest, MainMenuPositionsAndCaptionsAsDesigned) {
    const auto menus = DesignTimeMenus();
    const MenuItem& main = menus[0];
    EXPECT_EQ(main.caption, "メニュー(&M)");
    const Strings expected = {"バージョン情報",
                              "-",
                              "ファンクション(&F)",
                              "スキン(&S)",
                              "設定切り換え(&C)",
                              "-",
                              "オプション(&O)",
                              "時計を合わせる(&T)",
                              "最前面表示                Pause",
                              "2倍表示",
                              "-",
                              " (hidden)",
                              "サポートページを開く(&H)",
                              "exeフォルダーを開く(&E)",
                              "ヘルプ(&H)",
                              "オンラインヘルプ(&Web)",
                              "-",
                              "終了(&X)"};
    EXPECT_EQ(Captions(main), expected);
    EXPECT_EQ(main.items[11].name, "MnuSkinURL");
    EXPECT_EQ(main.items[17].name, "MnuEnd");
    EXPECT_EQ(main.items[17].icon, "");
    EXPECT_EQ(Captions(main.items[2]), (Strings{"を実行(&D)", "お気に入り(&A)", "全リスト(&L)", "-",
                                                "設定画面を表示", "Functionフォルダを開く"}));
    EXPECT_EQ(Captions(main.items[3]),
              (Strings{"スキン一覧", "スキンを探しに行く", "-", "内蔵のスキンを使用する(&D)",
                       "使用する内蔵スキンのタイプ(&T)", "-", "設定画面を表示"}));
    EXPECT_FALSE(main.items[3].items[1].enabled);
    EXPECT_TRUE(main.items[3].items[3].checked);
    EXPECT_EQ(Captions(main.items[4]),
              (Strings{"ユーザー別設定", "-", "ファイルのリストは存在しません"}));
    EXPECT_FALSE(main.items[4].items[2].enabled);

    const MenuItem& slot = menus[3];
    EXPECT_EQ(slot.items[0].items[8].items[2].name, "MnuNoUseDriveRoot");
    EXPECT_EQ(slot.items[6].items[0].items[3].name, "MnuUseLogGraph");
    EXPECT_EQ(slot.items[6].items[8].caption, "このコンテナを削除");
    for (int kind = 0; kind <= 8; ++kind) {
        EXPECT_EQ(slot.items[0].items[static_cast<std::size_t>(kind)].index, kind);
    }
    EXPECT_EQ(Captions(menus[1]), (Strings{"表示(&V)", "非表示(&I)"}));
    EXPECT_EQ(Captions(menus[2]), (Strings{"表示(&V)", "非表示(&I)"}));
}

TEST(MenuTreeTest, ExtensionsSplitAtTheLastDot) {
    struct Case {
        const char* name;
        const char* withoutExtension;
        const char* extension;
    };
    for (const Case& c : {Case{"README", "README", ""}, Case{"my.tool.sh", "my.tool", "sh"},
                          Case{"a.", "a", ""}, Case{".directory", ".directory", ""},
                          Case{".hidden.txt", ".hidden", "txt"}, Case{"の.設定", "の", "設定"}}) {
        EXPECT_EQ(RemoveExtension(c.name), c.withoutExtension) << c.name;
        EXPECT_EQ(GetExtension(c.name), c.extension) << c.name;
    }
}

TEST_F(FormMenuTest, EverythingModeFillsEveryListAndTheCaptions) {
    Populate();
    settings.functionId = -1;
    settings.functionName = "my.tool.sh";
    settings.builtInFunctionFlags = {true, false, false, true, false};
    settings.useBuiltInSkin = 0;
    settings.builtInSkinType = 0;
    sources.currentSkin = (root / "Skin" / "sub" / "inner.skn").string();
    menu.SetMenu(-1);

    EXPECT_TRUE(menu.ListsBuilt());
    EXPECT_EQ(sources.busyCalls, 0) << "the busy cursor is restored";
    EXPECT_EQ(menu.Find("MnuFunctionCommand")->caption, "my.toolを実行");
    EXPECT_EQ(menu.Find("MnuAbout")->caption, "Velquorについて");
    EXPECT_FALSE(menu.Find("MnuSkinUseDefault")->checked);
    EXPECT_TRUE(menu.Find("MnuSkinDefaultSkinType", 0)->checked);
    EXPECT_FALSE(menu.Find("MnuSkinDefaultSkinType", 1)->checked);

    const MenuItem& all = menu.Root(PopupMenu::FunctionAll);
    ASSERT_EQ(all.items.size(), 8u);
    EXPECT_FALSE(all.items[0].visible);
    EXPECT_EQ(all.items[1].caption, "[内蔵] Googleへアクセス");
    EXPECT_EQ(all.items[5].caption, "[内蔵] コマンドプロンプトを開く");
    Strings expected = {"README",
                        "my.tool",
                        "[内蔵] Googleへアクセス",
                        "[内蔵] エクスプローラ起動",
                        "[内蔵] コマンドプロンプトを開く",
                        "[内蔵] メモ帳起動",
                        "[内蔵] 電卓起動"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(EntryCaptions(all, "MnuFunctionAllList"), expected);
    // The kept names follow the order of the entries.
    ASSERT_EQ(menu.FunctionFileNames().size(), 2u);
    EXPECT_EQ(all.items[6].caption, RemoveExtension(menu.FunctionFileNames()[0]));
    EXPECT_EQ(all.items[7].caption, RemoveExtension(menu.FunctionFileNames()[1]));
    EXPECT_EQ(all.items[6].iconFile, sources.appFolder + "Function/" + menu.FunctionFileNames()[0]);

    const MenuItem& favourites = menu.Root(PopupMenu::FunctionPickUp);
    EXPECT_EQ(Captions(favourites), (Strings{"リストは存在しません (hidden)",
                                             "[内蔵] Googleへアクセス", "[内蔵] 電卓起動", "fav"}));
    EXPECT_EQ(menu.FavouriteFileNames(), (Strings{"fav.desktop"}));

    const MenuItem& skins = menu.Root(PopupMenu::SkinList);
    EXPECT_EQ(EntryCaptions(skins, "MnuSkinUserSkinList"), (Strings{"sub/inner", "top"}));
    for (const MenuItem& entry : skins.items) {
        if (entry.index > 0) {
            EXPECT_EQ(entry.checked, entry.caption == "sub/inner") << entry.caption;
            EXPECT_EQ(entry.icon, entry.caption == "sub/inner" ? "icon_skinuse" : "icon_skinfile");
        }
    }

    const MenuItem& change = menu.Root(PopupMenu::ChangeOption);
    ASSERT_EQ(change.items.size(), 4u);
    EXPECT_EQ(Captions(change),
              (Strings{"ユーザー別設定", "-", "ファイルのリストは存在しません (hidden)", "A"}));
    EXPECT_EQ(EntryCaptions(change.items[0], "MnuUserProfileList"),
              (Strings{"a.bの設定", "のぞみの設定"}));
    EXPECT_FALSE(change.items[0].items[0].visible);
}

TEST_F(FormMenuTest, EachModeFillsOnlyItsOwnLists) {
    Populate();
    settings.functionId = 3;
    struct Case {
        int mode;
        bool functions, favourites, skins, options;
    };
    for (const Case& c : {Case{0, true, false, false, false}, Case{1, false, true, false, false},
                          Case{2, false, false, true, false}, Case{3, false, false, false, true},
                          Case{-1, true, true, true, true}}) {
        SCOPED_TRACE(c.mode);
        FormMenu fresh(settings, sources, ui);
        fresh.SetMenu(c.mode);
        EXPECT_EQ(fresh.Find("MnuFunctionAllList", 1) != nullptr, c.functions);
        EXPECT_EQ(fresh.Find("MnuFunctionPickUpList", 1) != nullptr, c.favourites);
        EXPECT_EQ(fresh.Find("MnuSkinUserSkinList", 1) != nullptr, c.skins);
        EXPECT_EQ(fresh.Find("MnuChangeOptionList", 1) != nullptr, c.options);
        EXPECT_EQ(fresh.Find("MnuUserProfileList", 1) != nullptr, c.options);
        EXPECT_EQ(fresh.Find("MnuFunctionCommand")->caption,
                  c.mode == -1 ? "電卓起動" : "を実行(&D)");
        fresh.DeleteFileList();
        EXPECT_FALSE(fresh.ListsBuilt());
        // Back to the design-time lists.
        for (const char* list :
             {"MnuFunctionAllList", "MnuFunctionPickUpList", "MnuSkinUserSkinList",
              "MnuChangeOptionList", "MnuUserProfileList"}) {
            EXPECT_EQ(fresh.Find(list, 1), nullptr) << list;
            EXPECT_TRUE(fresh.Find(list, 0)->visible) << list;
        }
        EXPECT_TRUE(fresh.FunctionFileNames().empty());
        EXPECT_TRUE(fresh.FavouriteFileNames().empty());
    }
}

TEST_F(FormMenuTest, ASecondSetMenuReplacesTheListsInsteadOfAppending) {
    Populate();
    menu.SetMenu(-1);
    const std::size_t functions = menu.Root(PopupMenu::FunctionAll).items.size();
    menu.SetMenu(-1);
    EXPECT_EQ(menu.Root(PopupMenu::FunctionAll).items.size(), functions);
    EXPECT_EQ(menu.FunctionFileNames().size(), 2u);
}

TEST_F(FormMenuTest, EmptyFoldersLeaveThePlaceholdersAndCreateTheFolders) {
    // No Function, Option or Skin folder at all, no profiles.
    settings.builtInFunctionFlags = {};
    menu.SetMenu(-1);
    EXPECT_TRUE(fs::is_directory(root / "Function" / "PickUp"));
    EXPECT_TRUE(fs::is_directory(root / "Option"));
    EXPECT_EQ(Captions(menu.Root(PopupMenu::FunctionPickUp)), (Strings{"リストは存在しません"}));
    EXPECT_EQ(Captions(*menu.Find("MnuUserProfile")), (Strings{"リストは存在しません"}));
    EXPECT_FALSE(menu.Find("MnuUserProfileList", 0)->enabled);
    EXPECT_EQ(Captions(menu.Root(PopupMenu::SkinList)), (Strings{"フォルダーが見つかりません"}));
    // The built-ins are always in the whole list.
    EXPECT_EQ(menu.Root(PopupMenu::FunctionAll).items.size(), 6u);

    menu.DeleteFileList();
    EXPECT_EQ(menu.Find("MnuSkinUserSkinList", 0)->caption, "スキンファイルが見つかりません");
    fs::create_directories(root / "Skin");
    menu.SetMenu(2);
    EXPECT_EQ(Captions(menu.Root(PopupMenu::SkinList)),
              (Strings{"スキンファイルが見つかりません"}));
}

// The placeholder is hidden after the entries were added behind it, which moves it in memory.
TEST_F(FormMenuTest, TheSkinPlaceholderGoesOnceASkinIsListed) {
    Populate();
    for (int mode : {2, -1, 2}) {
        menu.SetMenu(mode);
        const MenuItem& skins = menu.Root(PopupMenu::SkinList);
        ASSERT_EQ(skins.items.size(), 3u) << mode;
        EXPECT_FALSE(skins.items[0].visible) << mode;
        menu.DeleteFileList();
        EXPECT_TRUE(menu.Root(PopupMenu::SkinList).items[0].visible) << mode;
    }
}

TEST_F(FormMenuTest, IconMenusMarkTheSkinInUseByIconAndConfigureTheBands) {
    Populate();
    sources.currentSkin = (root / "Skin" / "top.skn").string();
    menu.Load(IconMenus::On);
    EXPECT_EQ(menu.Top(TopMenu::Main).band, "  Velquor ver.1.32  (Revision : 0083)");
    menu.SetMenu(0);
    EXPECT_FALSE(menu.Root(PopupMenu::FunctionAll).bandShown) << "mode 0 shows no band";
    EXPECT_EQ(menu.Root(PopupMenu::FunctionAll).band, " Function (一覧)");
    menu.SetMenu(-1);
    EXPECT_TRUE(menu.Root(PopupMenu::FunctionAll).bandShown);
    EXPECT_TRUE(menu.Root(PopupMenu::FunctionPickUp).bandShown);
    for (const MenuItem& entry : menu.Root(PopupMenu::SkinList).items) {
        EXPECT_FALSE(entry.checked) << entry.caption;
    }
}

TEST_F(FormMenuTest, TheSkinLinkShowsOnlyForAFileSkinThatNamesASite) {
    struct Case {
        std::int16_t builtIn;
        const char* site;
        const char* url;
        bool shown;
    };
    for (const Case& c :
         {Case{0, "Home", "https://h.example/", true}, Case{1, "Home", "https://h.example/", false},
          Case{0, "", "https://h.example/", false}, Case{0, "Home", "", false}}) {
        settings.useBuiltInSkin = c.builtIn;
        menu.SetSkinLink(c.site, c.url);
        const MenuItem& link = *menu.Find("MnuSkinURL");
        EXPECT_EQ(link.visible, c.shown);
        EXPECT_EQ(link.caption, c.shown ? "Homeへ行く" : "");
    }
}

// --- The device lists of the slot menu ------------------------------------------------------

struct FakeDevices final : MenuDevices {
    int cpus = 1;
    std::vector<std::pair<std::string, int>> interfaces;
    std::vector<std::pair<std::string, int>> drives; // mount point, type
    int CpuCount() const override { return cpus; }
    int NetworkCount() const override { return static_cast<int>(interfaces.size()); }
    std::string NetworkName(int i) const override {
        return interfaces[static_cast<std::size_t>(i)].first;
    }
    int NetworkStatus(int i) const override {
        return interfaces[static_cast<std::size_t>(i)].second;
    }
    int DiskType(int id) override {
        return id < static_cast<int>(drives.size()) ? drives[static_cast<std::size_t>(id)].second
                                                    : 1;
    }
    std::string DiskMountPoint(int id) override {
        return id < static_cast<int>(drives.size()) ? drives[static_cast<std::size_t>(id)].first
                                                    : std::string();
    }
    std::vector<std::string> SensorNames(int kind) override {
        return kind == 9 ? interfaces.empty() ? Strings{} : Strings{"k10temp Tctl"} : Strings{};
    }
};

TEST_F(FormMenuTest, DeviceListsFollowTheMeasuredDevices) {
    FakeDevices one;
    one.cpus = 1;
    menu.SetNetWorkDevice(one);
    const MenuItem& cpu = *menu.Find("MnuSlotInfo", 2);
    EXPECT_EQ(Captions(cpu), (Strings{"CPU（全体）"})) << "one CPU: the whole processor only";
    EXPECT_EQ(menu.NetworkDeviceCount(), 0);
    EXPECT_TRUE(menu.Find("MnuNetWorkDeviceList1", 0)->visible);
    // No drive table at all: every letter is unused.
    EXPECT_FALSE(menu.Find("MnuDiskDriveList", 0)->visible);
    EXPECT_EQ(menu.Find("MnuNoUseDriveList", 24)->caption, "Z:");
    menu.DeleteNetworkDevice();

    FakeDevices eight;
    eight.cpus = 8;
    eight.interfaces = {{"lo", 5}, {"eth0", 2}};
    eight.drives = {{"/", 3},       {"/home", 3}, {"/media/usb", 2}, {"/mnt/nas", 4},
                    {"/mnt/cd", 5}, {"/tmp", 6},  {"/mnt/x", 0}};
    menu.SetNetWorkDevice(eight);
    EXPECT_EQ(Captions(cpu).size(), 9u);
    EXPECT_EQ(cpu.items[8].caption, "CPU : 8番");
    EXPECT_EQ(menu.NetworkDeviceCount(), 2);
    EXPECT_EQ(Captions(*menu.Find("MnuSlotInfo", 9)),
              (Strings{"デバイス一覧 (hidden)", "k10temp Tctl"}));
    for (const char* list : {"MnuNetWorkDeviceList1", "MnuNetWorkDeviceList4"}) {
        EXPECT_FALSE(menu.Find(list, 0)->visible);
        EXPECT_EQ(menu.Find(list, 1)->icon, "icon_device");
        EXPECT_EQ(menu.Find(list, 2)->caption, "eth0");
        EXPECT_EQ(menu.Find(list, 2)->icon, "icon_nodevice");
    }
    const MenuItem& disk = *menu.Find("MnuSlotInfo", 8);
    const Strings expected = {"ドライブ一覧 (hidden)",
                              "C: /(ハードディスク･ローカルドライブ)",
                              "D: /home(ハードディスク･ローカルドライブ)",
                              "E: /media/usb(リムーバブルディスク)",
                              "F: /mnt/nas(リモート(ネットワーク)ドライブ)",
                              "G: /mnt/cd(CD-ROMドライブなど)",
                              "H: /tmp(RAMディスク)",
                              "I: /mnt/x(判別できません)",
                              "-",
                              "未使用ドライブ一覧"};
    EXPECT_EQ(Captions(disk), expected) << "drive entries stay before the unused-drive submenu";
    EXPECT_EQ(disk.items[3].icon, "icon_removable");
    const MenuItem& unused = disk.items.back();
    EXPECT_EQ(unused.items.size(), 1u + 17u);
    EXPECT_EQ(unused.items[1].caption, "J:");

    menu.DeleteNetworkDevice();
    EXPECT_EQ(Captions(cpu), (Strings{"CPU（全体）"}));
    EXPECT_EQ(Captions(disk), (Strings{"ドライブ一覧", "-", "未使用ドライブ一覧"}));
    EXPECT_EQ(Captions(disk.items.back()), (Strings{"未使用ドライブ一覧リスト"}));
    EXPECT_EQ(menu.NetworkDeviceCount(), 0);
}

TEST_F(FormMenuTest, EveryLetterInUseLeavesTheUnusedPlaceholder) {
    FakeDevices all;
    for (int i = 0; i < 24; ++i) {
        all.drives.emplace_back("/m" + std::to_string(i), 3);
    }
    menu.SetNetWorkDevice(all);
    const MenuItem& unused = *menu.Find("MnuNoUseDriveRoot");
    EXPECT_EQ(Captions(unused), (Strings{"未使用ドライブ一覧リスト"}));
    EXPECT_FALSE(unused.items[0].enabled);
}

// --- Layout menu states -------------------------------------------------------------------

TEST_F(FormMenuTest, SetMenuEnabledForSlotAndContainerNodes) {
    auto enabled = [&](const char* name, int index = kSingleItem) {
        return menu.Find(name, index)->enabled;
    };
    auto radio = [&](const char* name) {
        for (int i = 0; i <= 2; ++i) {
            const MenuItem* m = menu.Find(name, i);
            if (m && m->checked) {
                return i;
            }
        }
        return -1;
    };
    settings.containerCount = 3;
    settings.kind[0] = {0, 4, 8, 2};
    settings.graphStyle[0] = {12, 21, 0, 35};
    sources.slotCount = 4;

    // First slot of the first container: memory, style in effect 1 (remaining), choice 2.
    menu.SetMenuEnabled(11);
    EXPECT_FALSE(enabled("MnuSlotMoveUp"));
    EXPECT_TRUE(enabled("MnuSlotMoveDw"));
    EXPECT_EQ(menu.Find("MnuUseLeft", 0)->caption, "規定値(残量)");
    EXPECT_EQ(radio("MnuUseLeft"), 2);
    EXPECT_TRUE(enabled("MnuUseLeft", 1));
    EXPECT_FALSE(enabled("MnuUnitMoveUp"));
    EXPECT_TRUE(enabled("MnuUnitMoveDw"));
    EXPECT_TRUE(enabled("MnuUnitAddUp"));
    EXPECT_TRUE(enabled("MnuDeleteConteiner"));

    // A network slot: the default is the only choice.
    menu.SetMenuEnabled(12);
    EXPECT_TRUE(enabled("MnuSlotMoveUp"));
    EXPECT_EQ(menu.Find("MnuUseLeft", 0)->caption, "規定値(使用量)");
    EXPECT_EQ(radio("MnuUseLeft"), 0);
    EXPECT_FALSE(enabled("MnuUseLeft", 1));
    EXPECT_FALSE(enabled("MnuUseLeft", 2));

    // The last slot cannot move down; style 35: in effect 3 mod 3 = 0, choice 5 mod 3 = 2.
    menu.SetMenuEnabled(14);
    EXPECT_FALSE(enabled("MnuSlotMoveDw"));
    EXPECT_EQ(menu.Find("MnuUseLeft", 0)->caption, "規定値");
    EXPECT_EQ(radio("MnuUseLeft"), 2);

    // A history container's slot cannot move down.
    settings.historyContainer[0] = 1;
    menu.SetMenuEnabled(11);
    EXPECT_FALSE(enabled("MnuSlotMoveDw"));
    EXPECT_TRUE(menu.Find("MnuUseLogGraph")->checked);
    settings.historyContainer[0] = 0;

    // Container nodes never enable the slot moves; the last container cannot move down.
    menu.SetMenuEnabled(3);
    EXPECT_FALSE(enabled("MnuSlotMoveUp"));
    EXPECT_FALSE(enabled("MnuSlotMoveDw"));
    EXPECT_TRUE(enabled("MnuUnitMoveUp"));
    EXPECT_FALSE(enabled("MnuUnitMoveDw"));
}

TEST_F(FormMenuTest, SetMenuEnabledEdgeCases) {
    struct Case {
        const char* what;
        std::int16_t containers;
        std::int16_t clock;
        std::int16_t firstKind;
        bool addEnabled, deleteEnabled, logGraphEnabled;
        const char* logGraphCaption;
        int showMode;
    };
    const char* normal = "履歴グラフを使用する";
    const char* disk = "ディスク容量表示では履歴グラフは使用出来ません";
    for (const Case& c : {Case{"ten containers", 10, 0, 0, false, true, true, normal, 0},
                          Case{"one container", 1, 0, 0, true, false, true, normal, 0},
                          Case{"clock mode", 2, 1, 8, true, true, false, normal, 1},
                          Case{"disk first", 2, 0, 8, true, true, false, disk, 0}}) {
        SCOPED_TRACE(c.what);
        settings.containerCount = c.containers;
        settings.clockContainer[0] = c.clock;
        settings.kind[0][0] = c.firstKind;
        menu.SetMenuEnabled(1);
        EXPECT_EQ(menu.Find("MnuUnitAddUp")->enabled, c.addEnabled);
        EXPECT_EQ(menu.Find("MnuUnitAddDw")->enabled, c.addEnabled);
        EXPECT_EQ(menu.Find("MnuDeleteConteiner")->enabled, c.deleteEnabled);
        EXPECT_EQ(menu.Find("MnuUseLogGraph")->enabled, c.logGraphEnabled);
        EXPECT_EQ(menu.Find("MnuUseLogGraph")->caption, c.logGraphCaption);
        EXPECT_TRUE(menu.Find("MnuUnitShouMode", c.showMode)->checked);
        EXPECT_FALSE(menu.Find("MnuUnitShouMode", 1 - c.showMode)->checked);
    }
}

TEST_F(FormMenuTest, UnitMenusTakeTheirRadioFromTheLayout) {
    settings.showStartUnit = 0;
    settings.showEndUnit = 1;
    menu.SetUnitRadio(TopMenu::StartUnit);
    menu.SetUnitRadio(TopMenu::EndUnit);
    EXPECT_TRUE(menu.Find("MnuShowStartUnit", 1)->checked);
    EXPECT_FALSE(menu.Find("MnuShowStartUnit", 0)->checked);
    EXPECT_TRUE(menu.Find("MnuShowEndUnit", 0)->checked);
}

} // namespace
} // namespace trumbel

#include "menus/MenuTree.h"

#include "base/AppInfo.h"
#include "base/ErrorReport.h"
#include "base/UiLanguage.h"
#include "base/UiText.h"
#include "base/WebAddresses.h"
#include "menus/FormMenu.h"

#include <utility>

namespace trumbel {

namespace {

MenuItem Item(std::string name, std::string caption, std::string icon = {}) {
    MenuItem m;
    m.name = std::move(name);
    m.caption = std::move(caption);
    m.icon = std::move(icon);
    return m;
}

// An item and what choosing it does.
MenuItem Command(std::string name, std::string caption, std::string icon, MenuHandler handler) {
    MenuItem m = Item(std::move(name), std::move(caption), std::move(icon));
    m.handler = handler;
    return m;
}

MenuItem Member(std::string name, int index, std::string caption, std::string icon = {}) {
    MenuItem m = Item(std::move(name), std::move(caption), std::move(icon));
    m.index = index;
    return m;
}

MenuItem Separator(std::string name) {
    MenuItem m = Item(std::move(name), "-");
    m.separator = true;
    return m;
}

// A disabled index-0 member that stands in for an empty list (so it never runs a command); the
// entries added to the list take over its handler.
MenuItem Placeholder(std::string name, std::string caption, MenuHandler handler = nullptr) {
    MenuItem m = Member(std::move(name), 0, std::move(caption));
    m.enabled = false;
    m.handler = handler;
    return m;
}

MenuItem Submenu(std::string name, std::string caption, std::string icon,
                 std::vector<MenuItem> items) {
    MenuItem m = Item(std::move(name), std::move(caption), std::move(icon));
    m.submenu = true;
    m.items = std::move(items);
    return m;
}

// The same item as member `index` of its list.
MenuItem At(int index, MenuItem m) {
    m.index = index;
    return m;
}

MenuItem Radio(MenuItem m) {
    m.radio = true;
    return m;
}

MenuItem Checked(MenuItem m) {
    m.checked = true;
    return m;
}

MenuItem Disabled(MenuItem m) {
    m.enabled = false;
    return m;
}

MenuItem Hidden(MenuItem m) {
    m.visible = false;
    return m;
}

MenuItem Does(MenuHandler handler, MenuItem m) {
    m.handler = handler;
    return m;
}

// The main menu's commands that take more than a line; the one-liners sit in the tree.

void ChooseSkinFile(MenuCommandContext& c) {
    if (!c.program.SettingsBusy()) {
        c.settings.skinFileName = c.item.caption + ".skn";
        c.settings.useBuiltInSkin = false;
        c.program.LoadSkinFile();
    }
}

void ToggleBuiltInSkin(MenuCommandContext& c) {
    c.item.checked = !c.item.checked;
    c.settings.useBuiltInSkin = c.item.checked;
    if (!c.program.SettingsBusy()) {
        if (c.item.checked) {
            c.program.BuildBuiltInSkin(c.settings.builtInSkinType + 1);
        } else {
            c.program.LoadSkinFile();
        }
    }
}

void ChooseBuiltInSkinType(MenuCommandContext& c) {
    const int type = c.item.index;
    CheckRadio(*FindParent(c.menu.Top(TopMenu::Main), c.item.name, type), c.item.name, type);
    c.settings.builtInSkinType = static_cast<std::int16_t>(type);
    if (c.settings.useBuiltInSkin && !c.program.SettingsBusy()) {
        c.program.BuildBuiltInSkin(type + 1);
    }
}

void SwitchToProfile(MenuCommandContext& c) {
    std::string profile = c.item.caption;
    if (profile.ends_with(kProfileSuffix)) {
        profile.resize(profile.size() - kProfileSuffix.size());
    }
    c.program.SwitchToProfile(profile);
}

void OpenHelp(MenuCommandContext& c) {
    const std::string page = c.menu.HelpPage();
    if (!page.empty()) {
        c.program.Open(page);
        return;
    }
    c.ui.MessageBox({UiFormat(UiTr("Menu", "エラー  - %1"), {kProductName}),
                     UiFormat(UiTr("Menu", "%1のヘルプファイル"), {kProductName}) +
                         std::string(kCrLf) + c.sources.AppFolder() + c.menu.HelpPageName() +
                         std::string(kCrLf) + UiTr("Menu", "が見つかりませんでした"),
                     MsgIcon::Information, MsgButtons::Ok});
}

MenuItem MainMenu() {
    using C = MenuCommandContext&;
    const std::string none = QT_TRANSLATE_NOOP("Menu", "リストは存在しません");
    return Submenu(
        "MnuMenu", QT_TRANSLATE_NOOP("Menu", "メニュー(&M)"), {},
        {Command("MnuAbout", QT_TRANSLATE_NOOP("Menu", "バージョン情報"), "icon_me",
                 [](C c) { c.program.ShowAbout(); }),
         Separator("MnuSeparator1"),
         Submenu("MnuFunction", QT_TRANSLATE_NOOP("Menu", "ファンクション(&F)"), "icon_function",
                 {Command("MnuFunctionCommand", QT_TRANSLATE_NOOP("Menu", "を実行(&D)"), {},
                          [](C c) { c.program.RunConfiguredFunction(); }),
                  Submenu("MnuFunctionPickUp", QT_TRANSLATE_NOOP("Menu", "お気に入り(&A)"),
                          "icon_favorite",
                          {Placeholder("MnuFunctionPickUpList", none,
                                       [](C c) {
                                           c.program.ChooseFunction(FunctionList::Favourites,
                                                                    c.item.index,
                                                                    c.menu.FavouriteFileNames());
                                       })}),
                  Submenu("MnuFunctionAll", QT_TRANSLATE_NOOP("Menu", "全リスト(&L)"), "icon_list",
                          {Placeholder("MnuFunctionAllList", none,
                                       [](C c) {
                                           c.program.ChooseFunction(FunctionList::All, c.item.index,
                                                                    c.menu.FunctionFileNames());
                                       })}),
                  Separator("MnuSeparator2"),
                  Command("MnuOpenOption6", QT_TRANSLATE_NOOP("Menu", "設定画面を表示"),
                          "icon_tool", [](C c) { c.program.OpenOptions(OptionsPageId::Function); }),
                  Command("MnuOpenFunctionDir", QT_TRANSLATE_NOOP("Menu", "Functionフォルダを開く"),
                          "icon_folder", [](C c) { c.program.OpenFunctionFolder(); })}),
         Submenu(
             "MnuSkin", QT_TRANSLATE_NOOP("Menu", "スキン(&S)"), "icon_skin",
             {Submenu(
                  "MnuSkinUserSkin", QT_TRANSLATE_NOOP("Menu", "スキン一覧"), "icon_list",
                  {Placeholder("MnuSkinUserSkinList",
                               QT_TRANSLATE_NOOP("Menu", "スキンファイルのリストは存在しません"),
                               ChooseSkinFile)}),
              Disabled(Item("MnuSkinSearch", QT_TRANSLATE_NOOP("Menu", "スキンを探しに行く"),
                            "icon_gointernet")),
              Separator("MnuSeparator3"),
              Checked(Command("MnuSkinUseDefault",
                              QT_TRANSLATE_NOOP("Menu", "内蔵のスキンを使用する(&D)"), "icon_skin",
                              ToggleBuiltInSkin)),
              Submenu(
                  "MnuSkinDefaultSkinSelect",
                  QT_TRANSLATE_NOOP("Menu", "使用する内蔵スキンのタイプ(&T)"), {},
                  {Does(ChooseBuiltInSkinType, Member("MnuSkinDefaultSkinType", 0,
                                                      QT_TRANSLATE_NOOP("Menu", "横型を使用"))),
                   Does(ChooseBuiltInSkinType, Member("MnuSkinDefaultSkinType", 1,
                                                      QT_TRANSLATE_NOOP("Menu", "縦型を使用")))}),
              Separator("MnuSeparator4"),
              Command("MnuOpenOption4", QT_TRANSLATE_NOOP("Menu", "設定画面を表示"), "icon_tool",
                      [](C c) { c.program.OpenOptions(OptionsPageId::Skin); })}),
         Submenu("MnuChangeOption", QT_TRANSLATE_NOOP("Menu", "設定切り換え(&C)"), "icon_profile",
                 {Submenu("MnuUserProfile", QT_TRANSLATE_NOOP("Menu", "ユーザー別設定"), "icon_pen",
                          {Placeholder("MnuUserProfileList", none, SwitchToProfile)}),
                  Separator("MnuSeparator5"),
                  Placeholder("MnuChangeOptionList",
                              QT_TRANSLATE_NOOP("Menu", "ファイルのリストは存在しません"),
                              [](C c) { c.program.SwitchToOptionFile(c.item.caption); })}),
         Separator("MnuSeparator6"),
         Command("MnuOption", QT_TRANSLATE_NOOP("Menu", "オプション(&O)"), "icon_tool",
                 [](C c) { c.program.OpenOptions(std::nullopt); }),
         Command("mnuAdjustTime", QT_TRANSLATE_NOOP("Menu", "時計を合わせる(&T)"), "icon_clock",
                 [](C c) { c.program.AdjustClock(); }),
         Command("mnuShowTopMost", QT_TRANSLATE_NOOP("Menu", "最前面表示                Pause"),
                 "icon_topmost", [](C c) { c.program.ToggleTopMost(); }),
         Command("mnuShowBigger", QT_TRANSLATE_NOOP("Menu", "2倍表示"), "icon_zoom",
                 [](C c) { c.program.SetDoubleSize(!c.item.checked); }),
         Separator("MnuSeparator7"),
         Hidden(Command("MnuSkinURL", "", "icon_gointernet",
                        [](C c) {
                            if (!c.menu.SkinUrl().empty()) {
                                c.program.Open(c.menu.SkinUrl());
                            }
                        })),
         Command("MnuSupport", QT_TRANSLATE_NOOP("Menu", "サポートページを開く(&H)"),
                 "icon_gointernet",
                 [](C c) { c.program.Open(std::string(kWebAddresses.support)); }),
         Command("MnuOpenAPPFolder", QT_TRANSLATE_NOOP("Menu", "exeフォルダーを開く(&E)"),
                 "icon_folder", [](C c) { c.program.Explore(c.sources.AppFolder()); }),
         Command("MnuHelp", QT_TRANSLATE_NOOP("Menu", "ヘルプ(&H)"), "icon_help", OpenHelp),
         Command("MnuOnlineHelp", QT_TRANSLATE_NOOP("Menu", "オンラインヘルプ(&Web)"),
                 "icon_olhelp", [](C c) { c.program.Open(std::string(kWebAddresses.onlineHelp)); }),
         Separator("MnuSeparator8"),
         Command("MnuEnd", QT_TRANSLATE_NOOP("Menu", "終了(&X)"), {},
                 [](C c) { c.program.MenuEnd(); })});
}

// A sensor kind's entry: its devices are listed when the menu opens.
MenuItem SensorKind(int kind, const char* caption, const char* icon) {
    return At(kind, Submenu("MnuSlotInfo", caption, icon,
                            {Placeholder(SensorListName(kind),
                                         QT_TRANSLATE_NOOP("Menu", "デバイス一覧"))}));
}

MenuItem SlotMenu() {
    const std::string devices = QT_TRANSLATE_NOOP("Menu", "ネットワークデバイス一覧");
    return Submenu(
        "MnuSlotRoot", QT_TRANSLATE_NOOP("Menu", "スロットの設定"), {},
        {Submenu(
             "MnuSlotInfoRoot", QT_TRANSLATE_NOOP("Menu", "表示項目(&K)"), {},
             {Member("MnuSlotInfo", 0, QT_TRANSLATE_NOOP("Menu", "物理メモリー情報"), "icon_mem"),
              Member("MnuSlotInfo", 1, QT_TRANSLATE_NOOP("Menu", "ページファイル情報"),
                     "icon_page"),
              At(2, Submenu("MnuSlotInfo", QT_TRANSLATE_NOOP("Menu", "CPU情報"), "icon_cpu",
                            {Member("MnuCPUList", 0, QT_TRANSLATE_NOOP("Menu", "CPU（全体）"),
                                    "icon_cpu")})),
              Member("MnuSlotInfo", 3, QT_TRANSLATE_NOOP("Menu", "リソース情報"), "icon_res"),
              At(4, Submenu("MnuSlotInfo", QT_TRANSLATE_NOOP("Menu", "ネットワーク受信量(bps表示)"),
                            "icon_netdw", {Placeholder("MnuNetWorkDeviceList1", devices)})),
              At(5, Submenu("MnuSlotInfo", QT_TRANSLATE_NOOP("Menu", "ネットワーク送信量(bps表示)"),
                            "icon_netup", {Placeholder("MnuNetWorkDeviceList2", devices)})),
              At(6, Submenu("MnuSlotInfo", QT_TRANSLATE_NOOP("Menu", "ネットワーク受信量(B/S表示)"),
                            "icon_netdw", {Placeholder("MnuNetWorkDeviceList3", devices)})),
              At(7, Submenu("MnuSlotInfo", QT_TRANSLATE_NOOP("Menu", "ネットワーク送信量(B/S表示)"),
                            "icon_netup", {Placeholder("MnuNetWorkDeviceList4", devices)})),
              At(8,
                 Submenu(
                     "MnuSlotInfo", QT_TRANSLATE_NOOP("Menu", "ディスク容量情報"), "icon_hdd",
                     {Placeholder("MnuDiskDriveList", QT_TRANSLATE_NOOP("Menu", "ドライブ一覧")),
                      Separator("MnuSeparator15"),
                      Submenu(
                          "MnuNoUseDriveRoot", QT_TRANSLATE_NOOP("Menu", "未使用ドライブ一覧"), {},
                          {Placeholder("MnuNoUseDriveList",
                                       QT_TRANSLATE_NOOP("Menu", "未使用ドライブ一覧リスト"))})})),
              SensorKind(9, QT_TRANSLATE_NOOP("Menu", "温度情報"), "icon_cpu"),
              SensorKind(10, QT_TRANSLATE_NOOP("Menu", "ファン回転数"), "icon_cpu"),
              SensorKind(11, QT_TRANSLATE_NOOP("Menu", "ディスク読込量(B/S)"), "icon_hdd"),
              SensorKind(12, QT_TRANSLATE_NOOP("Menu", "ディスク書込量(B/S)"), "icon_hdd"),
              SensorKind(13, QT_TRANSLATE_NOOP("Menu", "バッテリー情報"), "icon_res"),
              SensorKind(14, QT_TRANSLATE_NOOP("Menu", "GPU情報"), "icon_cpu")}),
         Submenu(
             "MnuUseLeftRoot", QT_TRANSLATE_NOOP("Menu", "残量/使用量切り替え"), {},
             {Radio(Member("MnuUseLeft", 0, QT_TRANSLATE_NOOP("Menu", "規定値"), "icon_showdef")),
              Radio(
                  Member("MnuUseLeft", 1, QT_TRANSLATE_NOOP("Menu", "残量表示"), "icon_showleft")),
              Radio(Member("MnuUseLeft", 2, QT_TRANSLATE_NOOP("Menu", "使用量表示"),
                           "icon_showuse"))}),
         Separator("MnuSeparator9"),
         Item("MnuSlotMoveUp", QT_TRANSLATE_NOOP("Menu", "上に移動"), "icon_moveup"),
         Item("MnuSlotMoveDw", QT_TRANSLATE_NOOP("Menu", "下に移動"), "icon_movedw"),
         Separator("MnuSeparator10"),
         Submenu("MnuUnitContainerRoot", QT_TRANSLATE_NOOP("Menu", "ユニットコンテナ"), "icon_tray",
                 {Submenu("MnuUnitShouModeRoot", QT_TRANSLATE_NOOP("Menu", "表示内容"), {},
                          {Radio(Member("MnuUnitShouMode", 0,
                                        QT_TRANSLATE_NOOP("Menu", "グラフを表示する"),
                                        "icon_nrmgraph")),
                           Radio(Member("MnuUnitShouMode", 1,
                                        QT_TRANSLATE_NOOP("Menu", "時計を表示する"), "icon_clock")),
                           Separator("MnuSeparator11"),
                           Item("MnuUseLogGraph", QT_TRANSLATE_NOOP("Menu", "履歴グラフを使用する"),
                                "icon_loggraph")}),
                  Separator("MnuSeparator12"),
                  Item("MnuUnitMoveUp", QT_TRANSLATE_NOOP("Menu", "上に移動"), "icon_moveup"),
                  Item("MnuUnitMoveDw", QT_TRANSLATE_NOOP("Menu", "下に移動"), "icon_movedw"),
                  Separator("MnuSeparator13"),
                  Item("MnuUnitAddUp", QT_TRANSLATE_NOOP("Menu", "上に挿入"), "icon_addup"),
                  Item("MnuUnitAddDw", QT_TRANSLATE_NOOP("Menu", "下に挿入"), "icon_adddw"),
                  Separator("MnuSeparator14"),
                  Item("MnuDeleteConteiner", QT_TRANSLATE_NOOP("Menu", "このコンテナを削除"),
                       "icon_delete")})});
}

template <typename Node> Node* Find(Node& root, std::string_view name, int index) {
    if (root.name == name && root.index == index) {
        return &root;
    }
    for (auto& child : root.items) {
        if (Node* found = Find(child, name, index)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

std::array<MenuItem, 4> DesignTimeMenus() {
    return {
        MainMenu(),
        Submenu(
            "MnuStartUnit", QT_TRANSLATE_NOOP("Menu", "始端ユニット"), {},
            {Member("MnuShowStartUnit", 0, QT_TRANSLATE_NOOP("Menu", "表示(&V)"), "icon_unittop"),
             Member("MnuShowStartUnit", 1, QT_TRANSLATE_NOOP("Menu", "非表示(&I)"),
                    "icon_unitnotop")}),
        Submenu("MnuEndUnit", QT_TRANSLATE_NOOP("Menu", "終端ユニット"), {},
                {Member("MnuShowEndUnit", 0, QT_TRANSLATE_NOOP("Menu", "表示(&V)"), "icon_unitend"),
                 Member("MnuShowEndUnit", 1, QT_TRANSLATE_NOOP("Menu", "非表示(&I)"),
                        "icon_unitnoend")}),
        SlotMenu()};
}

MenuItem* FindItem(MenuItem& root, std::string_view name, int index) {
    return Find(root, name, index);
}

const MenuItem* FindItem(const MenuItem& root, std::string_view name, int index) {
    return Find(root, name, index);
}

void CheckRadio(MenuItem& group, std::string_view name, int position) {
    for (MenuItem& item : group.items) {
        if (item.name == name) {
            item.checked = item.index == position;
        }
    }
}

MenuItem* FindParent(MenuItem& root, std::string_view name, int index) {
    for (MenuItem& child : root.items) {
        if (child.name == name && child.index == index) {
            return &root;
        }
        if (MenuItem* found = FindParent(child, name, index)) {
            return found;
        }
    }
    return nullptr;
}

void ComposeCaption(MenuItem& item, std::string form, std::string argument) {
    item.caption = form;
    if (const std::size_t at = form.find("%1"); at != std::string::npos) {
        item.caption.replace(at, 2, argument);
    }
    item.form = std::move(form);
    item.formArgument = std::move(argument);
    item.formArgumentContext.clear();
}

std::string SensorListName(int kind) {
    return "MnuSensorList" + std::to_string(kind);
}

} // namespace trumbel

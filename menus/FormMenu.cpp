#include "menus/FormMenu.h"

#include "base/AppInfo.h"
#include "base/AtomicFile.h"
#include "base/FolderListing.h"
#include "base/TextEncoding.h"
#include "base/UiLanguage.h"
#include "base/UiText.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace trumbel {

namespace {

namespace fs = std::filesystem;

constexpr int kFirstDrive = 0;    // C
constexpr int kDriveLetters = 24; // C to Z

void EnsureFolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
}

std::string DiskTypeText(int type) {
    switch (type) {
    case 0:
        return UiTr("Menu", "(判別できません)");
    case 2:
        return UiTr("Menu", "(リムーバブルディスク)");
    case 3:
        return UiTr("Menu", "(ハードディスク･ローカルドライブ)");
    case 4:
        return UiTr("Menu", "(リモート(ネットワーク)ドライブ)");
    case 5:
        return UiTr("Menu", "(CD-ROMドライブなど)");
    case 6:
        return UiTr("Menu", "(RAMディスク)");
    default:
        return {};
    }
}

std::string DiskTypeIcon(int type) {
    switch (type) {
    case 0:
        return "icon_unknowndisk";
    case 2:
        return "icon_removable";
    case 4:
        return "icon_netres";
    case 5:
        return "icon_cddvd";
    case 6:
        return "icon_ramdisk";
    default:
        return "icon_hdd";
    }
}

} // namespace

FormMenu::FormMenu(Settings& settings, MenuSources& sources, Ui& ui)
    : settings_(settings), sources_(sources), ui_(ui), menus_(DesignTimeMenus()) {}

void FormMenu::Load(IconMenus iconMenus) {
    iconMenus_ = iconMenus;
    if (iconMenus_ == IconMenus::On) {
        Top(TopMenu::Main).band = "  " + WindowCaption();
        Top(TopMenu::Main).bandShown = true;
    }
    SetTopMostChecked(settings_.topmost);
}

MenuItem* FormMenu::Item(const std::string& name, int index) {
    for (MenuItem& top : menus_) {
        if (MenuItem* found = FindItem(top, name, index)) {
            return found;
        }
    }
    return nullptr;
}

const MenuItem* FormMenu::Find(const std::string& name, int index) const {
    for (const MenuItem& top : menus_) {
        if (const MenuItem* found = FindItem(top, name, index)) {
            return found;
        }
    }
    return nullptr;
}

const MenuItem& FormMenu::Root(PopupMenu menu) const {
    switch (menu) {
    case PopupMenu::Main:
        return Top(TopMenu::Main);
    case PopupMenu::FunctionAll:
        return *Find("MnuFunctionAll");
    case PopupMenu::FunctionPickUp:
        return *Find("MnuFunctionPickUp");
    case PopupMenu::SkinList:
        return *Find("MnuSkinUserSkin");
    case PopupMenu::ChangeOption:
        return *Find("MnuChangeOption");
    case PopupMenu::StartUnit:
        return Top(TopMenu::StartUnit);
    case PopupMenu::EndUnit:
        return Top(TopMenu::EndUnit);
    case PopupMenu::SlotRoot:
        return Top(TopMenu::SlotRoot);
    case PopupMenu::UnitContainer:
        return *Find("MnuUnitContainerRoot");
    }
    return Top(TopMenu::Main);
}

// A new member of the list, after its last one, visible and enabled.
MenuItem& FormMenu::AddEntry(const std::string& list, std::string caption, std::string icon) {
    MenuItem* parent = FindParent(Top(TopMenu::Main), list, 0);
    for (std::size_t i = 0; !parent && i < menus_.size(); ++i) {
        parent = FindParent(menus_[i], list, 0);
    }
    auto& items = parent->items;
    auto last = std::find_if(items.rbegin(), items.rend(),
                             [&](const MenuItem& m) { return m.name == list; });
    MenuItem entry;
    entry.name = list;
    entry.index = last->index + 1;
    entry.caption = std::move(caption);
    entry.icon = std::move(icon);
    entry.plainText = true;
    entry.handler = last->handler;
    return *items.insert(last.base(), std::move(entry));
}

void FormMenu::RemoveEntries(const std::string& list) {
    for (MenuItem& top : menus_) {
        if (MenuItem* parent = FindParent(top, list, 0)) {
            std::erase_if(parent->items,
                          [&](const MenuItem& m) { return m.name == list && m.index > 0; });
            parent->items.shrink_to_fit();
            Item(list, 0)->visible = true;
            return;
        }
    }
}

void FormMenu::HidePlaceholderIfFilled(const std::string& list) {
    if (Find(list, 1)) {
        Item(list, 0)->visible = false;
    }
}

void FormMenu::SetMenu(int mode) {
    sources_.SetBusyCursor(true);
    const std::string app = sources_.AppFolder();
    EnsureFolder(app + "Function/");
    EnsureFolder(app + "Function/PickUp/");
    EnsureFolder(app + "Option/");
    if (listsBuilt_) {
        DeleteFileList();
    }
    listsBuilt_ = true;
    if (mode == -1) {
        const std::vector<std::string> builtIns = sources_.BuiltInFunctionNames();
        MenuItem& run = *Item("MnuFunctionCommand");
        run.caption.clear();
        run.form.clear();
        run.formArgumentContext.clear();
        if (settings_.functionId == -1) {
            ComposeCaption(run, QT_TRANSLATE_NOOP("Menu", "%1を実行"),
                           RemoveExtension(settings_.functionName));
        } else if (settings_.functionId >= 0 &&
                   static_cast<std::size_t>(settings_.functionId) < builtIns.size()) {
            ComposeCaption(run, "%1", builtIns[static_cast<std::size_t>(settings_.functionId)]);
            run.formArgumentContext = "Functions";
        }
        run.plainText = true;
        ComposeCaption(*Item("MnuAbout"), QT_TRANSLATE_NOOP("Menu", "%1について"),
                       std::string(kProductName));
        Item("MnuSkinUseDefault")->checked = settings_.useBuiltInSkin;
        Item("MnuSkinDefaultSkinType", 0)->checked = settings_.builtInSkinType == 0;
        Item("MnuSkinDefaultSkinType", 1)->checked = settings_.builtInSkinType != 0;
    }
    if (mode == 1 || mode == -1) {
        FillFunctionList(FunctionList::Favourites, mode);
    }
    if (mode == 0 || mode == -1) {
        FillFunctionList(FunctionList::All, mode);
    }
    if (mode == 2 || mode == -1) {
        FillSkinList();
    }
    if (mode == 3 || mode == -1) {
        FillOptionFiles();
    }
    sources_.SetBusyCursor(false);
}

void FormMenu::FillFunctionList(FunctionList which, int mode) {
    const bool favourites = which == FunctionList::Favourites;
    const std::string list = favourites ? "MnuFunctionPickUpList" : "MnuFunctionAllList";
    const std::string folder =
        sources_.AppFolder() + (favourites ? "Function/PickUp/" : "Function/");
    std::vector<std::string>& names = favourites ? favouriteFileNames_ : functionFileNames_;
    const std::vector<std::string> builtIns = sources_.BuiltInFunctionNames();
    for (std::size_t i = 0; i < builtIns.size(); ++i) {
        const bool flagged =
            i < settings_.builtInFunctionFlags.size() && settings_.builtInFunctionFlags[i];
        if (!favourites || flagged) {
            MenuItem& entry = AddEntry(list, {}, "icon_function");
            ComposeCaption(entry, QT_TRANSLATE_NOOP("Menu", "[内蔵] %1"), builtIns[i]);
            entry.formArgumentContext = "Functions";
        }
    }
    for (const std::string& file : ListFilesByName(folder)) {
        names.push_back(file);
        // Names from Windows archives may still be Shift_JIS: shown decoded, kept as bytes.
        AddEntry(list, DecodeFileText(RemoveExtension(file)), "icon_file").iconFile = folder + file;
    }
    HidePlaceholderIfFilled(list);
    if (iconMenus_ == IconMenus::On) {
        MenuItem& submenu = *Item(favourites ? "MnuFunctionPickUp" : "MnuFunctionAll");
        submenu.band = favourites ? QT_TRANSLATE_NOOP("Menu", " Function (お気に入り)")
                                  : QT_TRANSLATE_NOOP("Menu", " Function (一覧)");
        submenu.bandShown = std::abs(mode) != 0;
    }
}

void FormMenu::FillSkinList() {
    std::vector<std::string> paths;
    const int n = sources_.FindSkinFiles(paths);
    if (n < 0) {
        Item("MnuSkinUserSkinList", 0)->caption =
            QT_TRANSLATE_NOOP("Menu", "フォルダーが見つかりません");
    } else if (n == 0) {
        Item("MnuSkinUserSkinList", 0)->caption =
            QT_TRANSLATE_NOOP("Menu", "スキンファイルが見つかりません");
    } else {
        std::string folder = settings_.skinFolder;
        if (!folder.empty() && folder.back() != '/') {
            folder += '/';
        }
        const std::string current = sources_.CurrentSkinPath();
        for (const std::string& path : paths) {
            const std::string relative =
                path.starts_with(folder) ? path.substr(folder.size()) : path;
            const bool inUse = current.ends_with(path);
            MenuItem& entry = AddEntry("MnuSkinUserSkinList", RemoveExtension(relative),
                                       inUse ? "icon_skinuse" : "icon_skinfile");
            entry.checked = inUse && iconMenus_ == IconMenus::Off;
        }
        // Looked up again: adding the entries moved it.
        Item("MnuSkinUserSkinList", 0)->visible = false;
    }
    if (iconMenus_ == IconMenus::On) {
        MenuItem& submenu = *Item("MnuSkinUserSkin");
        submenu.band = QT_TRANSLATE_NOOP("Menu", " スキンファイル一覧");
        submenu.bandShown = true;
    }
}

void FormMenu::FillOptionFiles() {
    const std::string app = sources_.AppFolder();
    for (const std::string& name : ListOptionFiles(app)) {
        AddEntry("MnuChangeOptionList", name, "icon_ini");
    }
    HidePlaceholderIfFilled("MnuChangeOptionList");
    for (const std::string& profile : ListProfiles(app)) {
        // Composed, so the model keeps the caption SwitchToProfile reads the name back from.
        ComposeCaption(AddEntry("MnuUserProfileList", {}, "icon_tool2"),
                       QT_TRANSLATE_NOOP("Menu", "%1の設定"), profile);
    }
    HidePlaceholderIfFilled("MnuUserProfileList");
    if (iconMenus_ == IconMenus::On) {
        MenuItem& submenu = *Item("MnuChangeOption");
        submenu.band = QT_TRANSLATE_NOOP("Menu", " 設定切り替え");
        submenu.bandShown = true;
    }
}

void FormMenu::Popup(PopupMenu menu, MenuPresenter& presenter, MenuActions& actions) {
    Popup(menu, presenter, [&](const MenuCommand& chosen) { Run(chosen, actions); });
}

void FormMenu::Popup(PopupMenu menu, MenuPresenter& presenter,
                     const std::function<void(const MenuCommand&)>& run) {
    if (popupOpen_) {
        return;
    }
    switch (menu) {
    case PopupMenu::Main:
        SetMenu(-1);
        break;
    case PopupMenu::FunctionAll:
        SetMenu(0);
        break;
    case PopupMenu::FunctionPickUp:
        SetMenu(1);
        break;
    case PopupMenu::SkinList:
        SetMenu(2);
        break;
    case PopupMenu::ChangeOption:
        SetMenu(3);
        break;
    case PopupMenu::StartUnit:
        SetUnitRadio(TopMenu::StartUnit);
        break;
    case PopupMenu::EndUnit:
        SetUnitRadio(TopMenu::EndUnit);
        break;
    case PopupMenu::SlotRoot:
    case PopupMenu::UnitContainer:
        break; // the options dialog sets their states for the node first
    }
    // Held through the command too: a box it shows runs events, and a tray click then must not
    // rebuild the lists the command is reading.
    struct Open {
        bool& flag;
        explicit Open(bool& f) : flag(f) { flag = true; }
        ~Open() { flag = false; }
    } open(popupOpen_);
    if (const std::optional<MenuCommand> chosen = presenter.Show(Root(menu), iconMenus_)) {
        run(*chosen);
    }
}

void FormMenu::DeleteFileList() {
    if (popupOpen_) {
        return;
    }
    for (const char* list : {"MnuFunctionAllList", "MnuFunctionPickUpList", "MnuSkinUserSkinList",
                             "MnuChangeOptionList", "MnuUserProfileList"}) {
        RemoveEntries(list);
    }
    Item("MnuSkinUserSkinList", 0)->caption =
        QT_TRANSLATE_NOOP("Menu", "スキンファイルが見つかりません");
    functionFileNames_.clear();
    favouriteFileNames_.clear();
    functionFileNames_.shrink_to_fit();
    favouriteFileNames_.shrink_to_fit();
    for (const char* submenu :
         {"MnuFunctionPickUp", "MnuFunctionAll", "MnuSkinUserSkin", "MnuChangeOption"}) {
        Item(submenu)->visible = true;
    }
    listsBuilt_ = false;
}

void FormMenu::SetNetWorkDevice(MenuDevices& devices) {
    const int cpus = devices.CpuCount();
    if (cpus > 1) {
        for (int i = 1; i <= cpus; ++i) {
            ComposeCaption(AddEntry("MnuCPUList", {}, "icon_cpu"),
                           QT_TRANSLATE_NOOP("Menu", "CPU : %1番"), std::to_string(i));
        }
    }
    const int count = devices.NetworkCount();
    for (int i = 1; i <= count; ++i) {
        const std::string name = devices.NetworkName(i - 1);
        const int status = devices.NetworkStatus(i - 1);
        const std::string icon = status == 4 || status == 5 ? "icon_device" : "icon_nodevice";
        for (const char* list : {"MnuNetWorkDeviceList1", "MnuNetWorkDeviceList2",
                                 "MnuNetWorkDeviceList3", "MnuNetWorkDeviceList4"}) {
            AddEntry(list, name, icon);
        }
    }
    if (count > 0) {
        for (const char* list : {"MnuNetWorkDeviceList1", "MnuNetWorkDeviceList2",
                                 "MnuNetWorkDeviceList3", "MnuNetWorkDeviceList4"}) {
            Item(list, 0)->visible = false;
        }
    }
    networkDeviceCount_ = count;
    // Drive letters stand for the entries of the drive table: C is "/", the letters past the
    // table's end are unused.
    for (int id = kFirstDrive; id < kFirstDrive + kDriveLetters; ++id) {
        const std::string letter(1, static_cast<char>('C' + id));
        const int type = devices.DiskType(id);
        if (type == 1) {
            AddEntry("MnuNoUseDriveList", letter + ":", "icon_hdd");
        } else {
            AddEntry("MnuDiskDriveList",
                     letter + ": " + devices.DiskMountPoint(id) + DiskTypeText(type),
                     DiskTypeIcon(type));
        }
    }
    Item("MnuDiskDriveList", 0)->visible = false;
    HidePlaceholderIfFilled("MnuNoUseDriveList");
    for (int kind = kFirstSensorItemKind; kind <= kLastSensorItemKind; ++kind) {
        const std::string list = SensorListName(kind);
        for (const std::string& name : devices.SensorNames(kind)) {
            AddEntry(list, name, "icon_device");
        }
    }
    for (int host = 1; host <= devices.RemoteHostCount(); ++host) {
        if (MenuDevices* remote = devices.RemoteHost(host)) {
            AddRemoteDevices(host, devices.RemoteHostName(host) + ": ", *remote);
        }
    }
    for (int kind = kFirstSensorItemKind; kind <= kLastSensorItemKind; ++kind) {
        HidePlaceholderIfFilled(SensorListName(kind));
    }
}

void FormMenu::AddRemoteDevices(int host, const std::string& prefix, MenuDevices& devices) {
    const auto add = [&](const std::string& list, const std::string& caption,
                         const std::string& icon, int device) {
        MenuItem& entry = AddEntry(list, prefix + caption, icon);
        entry.host = host;
        entry.hostDevice = device;
    };
    add("MnuCPUList", UiTr("Menu", "CPU（全体）"), "icon_cpu", 0);
    const int cpus = devices.CpuCount();
    for (int i = 1; cpus > 1 && i <= cpus; ++i) {
        add("MnuCPUList", UiFormat(UiTr("Menu", "CPU : %1番"), {std::to_string(i)}), "icon_cpu", i);
    }
    for (int i = 0; i < devices.NetworkCount(); ++i) {
        const int status = devices.NetworkStatus(i);
        for (const char* list : {"MnuNetWorkDeviceList1", "MnuNetWorkDeviceList2",
                                 "MnuNetWorkDeviceList3", "MnuNetWorkDeviceList4"}) {
            add(list, devices.NetworkName(i),
                status == 4 || status == 5 ? "icon_device" : "icon_nodevice", i);
            Item(list, 0)->visible = false;
        }
    }
    constexpr int kMostMounts = 256;
    // Another machine's drives are its mounts, in the order it listed them; no letters.
    for (int id = 0; id < kMostMounts; ++id) {
        const std::string mount = devices.DiskMountPoint(id);
        if (mount.empty()) {
            break;
        }
        add("MnuDiskDriveList", mount, "icon_hdd", id);
    }
    for (int kind = kFirstSensorItemKind; kind <= kLastSensorItemKind; ++kind) {
        const std::vector<std::string> names = devices.SensorNames(kind);
        for (std::size_t i = 0; i < names.size(); ++i) {
            add(SensorListName(kind), names[i], "icon_device", static_cast<int>(i));
        }
    }
}

void FormMenu::DeleteNetworkDevice() {
    for (const char* list :
         {"MnuCPUList", "MnuNetWorkDeviceList1", "MnuNetWorkDeviceList2", "MnuNetWorkDeviceList3",
          "MnuNetWorkDeviceList4", "MnuDiskDriveList", "MnuNoUseDriveList"}) {
        RemoveEntries(list);
    }
    for (int kind = kFirstSensorItemKind; kind <= kLastSensorItemKind; ++kind) {
        RemoveEntries(SensorListName(kind));
    }
    networkDeviceCount_ = 0;
}

void FormMenu::SetMenuEnabled(int node) {
    const bool slotNode = node >= 11;
    const int u = slotNode ? node / 10 - 1 : node - 1;
    const int s = slotNode ? node % 10 - 1 : 0;
    if (u < 0 || u >= kContainerCount || s < 0 || s >= kSlotCount) {
        return; // no such node in the layout tree
    }
    const auto uu = static_cast<std::size_t>(u);
    const auto ss = static_cast<std::size_t>(s);
    for (const char* name : {"MnuSlotMoveUp", "MnuSlotMoveDw", "MnuUnitMoveUp", "MnuUnitMoveDw",
                             "MnuUnitAddUp", "MnuUnitAddDw", "MnuDeleteConteiner"}) {
        Item(name)->enabled = false;
    }
    const bool history = settings_.historyContainer[uu];
    const bool clock = settings_.clockContainer[uu];
    if (slotNode) {
        Item("MnuSlotMoveUp")->enabled = s > 0;
        Item("MnuSlotMoveDw")->enabled = !history && s + 1 != sources_.SkinSlotCount();
        const int style = settings_.graphStyle[uu][ss];
        const int inEffect = (style / 10 % 10) % 3;
        Item("MnuUseLeft", 0)->caption = inEffect == 1 ? QT_TRANSLATE_NOOP("Menu", "規定値(残量)")
                                         : inEffect == 2
                                             ? QT_TRANSLATE_NOOP("Menu", "規定値(使用量)")
                                             : QT_TRANSLATE_NOOP("Menu", "規定値");
        const int kind = settings_.kind[uu][ss];
        MenuItem& useLeft = *Item("MnuUseLeftRoot");
        const bool choice = (kind >= 0 && kind <= 3) || kind == 8;
        if (choice) {
            CheckRadio(useLeft, "MnuUseLeft", (style % 10) % 3);
        } else {
            CheckRadio(useLeft, "MnuUseLeft", 0);
        }
        Item("MnuUseLeft", 1)->enabled = choice;
        Item("MnuUseLeft", 2)->enabled = choice;
    }
    const int containers = settings_.containerCount;
    Item("MnuUnitAddUp")->enabled = containers < kContainerCount;
    Item("MnuUnitAddDw")->enabled = containers < kContainerCount;
    Item("MnuDeleteConteiner")->enabled = containers > 1;
    Item("MnuUnitMoveUp")->enabled = u > 0;
    Item("MnuUnitMoveDw")->enabled = u != containers - 1;
    MenuItem& logGraph = *Item("MnuUseLogGraph");
    if (clock) {
        logGraph.enabled = false;
        logGraph.caption = QT_TRANSLATE_NOOP("Menu", "履歴グラフを使用する");
    } else if (settings_.kind[uu][0] == 8) {
        logGraph.enabled = false;
        logGraph.caption =
            QT_TRANSLATE_NOOP("Menu", "ディスク容量表示では履歴グラフは使用出来ません");
    } else {
        logGraph.enabled = true;
        logGraph.caption = QT_TRANSLATE_NOOP("Menu", "履歴グラフを使用する");
    }
    logGraph.checked = history;
    CheckRadio(*Item("MnuUnitShouModeRoot"), "MnuUnitShouMode", clock ? 1 : 0);
}

void FormMenu::SetUnitRadio(TopMenu which) {
    if (which == TopMenu::StartUnit) {
        CheckRadio(Top(which), "MnuShowStartUnit", settings_.showStartUnit ? 0 : 1);
    } else if (which == TopMenu::EndUnit) {
        CheckRadio(Top(which), "MnuShowEndUnit", settings_.showEndUnit ? 0 : 1);
    }
}

void FormMenu::SetSkinLink(const std::string& siteName, const std::string& url) {
    MenuItem& link = *Item("MnuSkinURL");
    const bool shown = !siteName.empty() && !url.empty() && !settings_.useBuiltInSkin;
    link.caption.clear();
    link.form.clear();
    if (shown) {
        ComposeCaption(link, QT_TRANSLATE_NOOP("Menu", "%1へ行く"), siteName);
    }
    link.plainText = true;
    link.visible = shown;
    skinUrl_ = shown ? url : std::string();
}

void FormMenu::SetTopMostChecked(bool checked) {
    Item("mnuShowTopMost")->checked = checked;
}

void FormMenu::SetShowBiggerChecked(bool checked) {
    Item("mnuShowBigger")->checked = checked;
}

void FormMenu::SetHelpEnabled(bool enabled) {
    Item("MnuHelp")->enabled = enabled || !HelpPage().empty();
}

std::string FormMenu::HelpPage() const {
    for (const std::string& page : {preferredHelpPage_, std::string("Trumbel.html")}) {
        for (const std::string& folder : {sources_.AppFolder(), sources_.DataFolder()}) {
            if (!page.empty() && !folder.empty() && FileExists(folder + page)) {
                return folder + page;
            }
        }
    }
    return {};
}

void FormMenu::Run(const MenuCommand& command, MenuActions& actions) {
    MenuItem* item = Item(command.name, command.index);
    if (!item || !item->enabled || item->submenu || !item->handler) {
        return;
    }
    MenuCommandContext context{*this, *item, settings_, sources_, ui_, actions};
    item->handler(context);
}

} // namespace trumbel

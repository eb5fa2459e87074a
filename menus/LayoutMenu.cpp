#include "menus/LayoutMenu.h"

#include <array>

namespace trumbel {

namespace {

constexpr int kFirstDriveLetter = 'C';

// The four network lists stand for the receive and send kinds in bps, then in bytes/s.
constexpr std::array<std::string_view, 4> kNetworkLists = {
    "MnuNetWorkDeviceList1", "MnuNetWorkDeviceList2", "MnuNetWorkDeviceList3",
    "MnuNetWorkDeviceList4"};
constexpr int kFirstNetworkKind = 4;
constexpr int kCpuKind = 2;
constexpr int kDiskKind = 8;

bool IsLayoutItem(FormMenu& menu, const MenuCommand& command) {
    for (TopMenu top : {TopMenu::StartUnit, TopMenu::EndUnit, TopMenu::SlotRoot}) {
        if (FindItem(menu.Top(top), command.name, command.index)) {
            return true;
        }
    }
    return false;
}

// The item kind a network or sensor device list chooses; -1 for other lists.
int ListKind(std::string_view list) {
    for (std::size_t i = 0; i < kNetworkLists.size(); ++i) {
        if (list == kNetworkLists[i]) {
            return kFirstNetworkKind + static_cast<int>(i);
        }
    }
    for (int kind = kFirstSensorItemKind; kind <= kLastSensorItemKind; ++kind) {
        if (list == SensorListName(kind)) {
            return kind;
        }
    }
    return -1;
}

void CheckPosition(MenuItem& group, int position) {
    for (MenuItem& item : group.items) {
        item.checked = item.index == position;
    }
}

} // namespace

void LayoutMenu::Open(std::string_view key, MenuPresenter& presenter, LayoutTree& tree) {
    const LayoutNode node = DecodeNode(key);
    PopupMenu which = PopupMenu::StartUnit;
    switch (node.kind) {
    case NodeKind::StartUnit:
        which = PopupMenu::StartUnit;
        break;
    case NodeKind::EndUnit:
        which = PopupMenu::EndUnit;
        break;
    case NodeKind::Slot:
    case NodeKind::Container:
        if (node.container >= settings_.containerCount) {
            return; // the tree shows no such node
        }
        menu_.SetMenuEnabled(NodeNumber(NodeKey(node)));
        which = node.kind == NodeKind::Slot ? PopupMenu::SlotRoot : PopupMenu::UnitContainer;
        break;
    default:
        return;
    }
    const std::string nodeKey(key);
    menu_.Popup(which, presenter, [&](const MenuCommand& chosen) { Run(nodeKey, chosen, tree); });
}

void LayoutMenu::Run(std::string_view key, const MenuCommand& command, LayoutTree& tree) {
    const MenuItem* item = menu_.Find(command.name, command.index);
    if (!item || !item->enabled || item->submenu || !IsLayoutItem(menu_, command)) {
        return;
    }
    const std::optional<TreeSelection> selection = Carry(DecodeNode(key), command, *item, tree);
    if (!selection) {
        return;
    }
    tree.ShowTree(selection->key, selection->rebuild);
    skin_.Relayout();
}

std::optional<TreeSelection> LayoutMenu::Carry(const LayoutNode& node, const MenuCommand& command,
                                               const MenuItem& item, LayoutTree& tree) {
    const StandardStyles standard = skin_.SkinStandardStyles();
    LayoutCommands commands(settings_, standard, sources_.SkinSlotCount());
    const std::string& name = command.name;
    const int i = command.index;

    if (name == "MnuShowStartUnit" || name == "MnuShowEndUnit") {
        const bool start = name == "MnuShowStartUnit";
        TreeSelection selection{"skinroot", TreeRebuild::Update};
        if (!tree.NoEvents()) {
            selection = start ? commands.ShowStartUnit(i) : commands.ShowEndUnit(i);
        }
        CheckPosition(menu_.Top(start ? TopMenu::StartUnit : TopMenu::EndUnit), i);
        return selection;
    }
    if (name == "MnuSlotInfo") {
        // The kinds with a device list choose through their submenu.
        if (i == 0 || i == 1 || i == 3) {
            return commands.SetSlotItem(node, i, 0, LayoutCommands::kKeepHost);
        }
        return std::nullopt;
    }
    if (item.host > 0) {
        const int kind = name == "MnuCPUList"         ? kCpuKind
                         : name == "MnuDiskDriveList" ? kDiskKind
                                                      : ListKind(name);
        return kind < 0 ? std::nullopt
                        : commands.SetSlotItem(node, kind, item.hostDevice, item.host);
    }
    if (name == "MnuCPUList") {
        return commands.SetSlotItem(node, kCpuKind, i);
    }
    for (std::size_t list = 0; list < kNetworkLists.size(); ++list) {
        if (name == kNetworkLists[list] && i > 0) {
            return commands.SetSlotItem(node, kFirstNetworkKind + static_cast<int>(list), i - 1);
        }
    }
    if ((name == "MnuDiskDriveList" || name == "MnuNoUseDriveList") && i > 0) {
        if (item.caption.empty()) {
            return std::nullopt;
        }
        return commands.SetSlotItem(
            node, kDiskKind, static_cast<unsigned char>(item.caption[0]) - kFirstDriveLetter);
    }
    for (int kind = kFirstSensorItemKind; kind <= kLastSensorItemKind; ++kind) {
        if (name == SensorListName(kind) && i > 0) {
            return commands.SetSlotItem(node, kind, i - 1);
        }
    }
    if (name == "MnuUseLeft") {
        return commands.UseLeft(node, i);
    }
    if (name == "MnuSlotMoveUp") {
        return commands.SlotMoveUp(node);
    }
    if (name == "MnuSlotMoveDw") {
        return commands.SlotMoveDown(node);
    }
    if (name == "MnuUnitShouMode") {
        return commands.ShowMode(node, i);
    }
    if (name == "MnuUseLogGraph") {
        MenuItem& check = *FindItem(menu_.Top(TopMenu::SlotRoot), name);
        const bool on = !check.checked;
        std::optional<TreeSelection> selection = commands.UseHistoryGraph(node, on);
        if (selection) {
            check.checked = on;
        }
        return selection;
    }
    if (name == "MnuUnitMoveUp") {
        return commands.ContainerMoveUp(node);
    }
    if (name == "MnuUnitMoveDw") {
        return commands.ContainerMoveDown(node);
    }
    if (name == "MnuUnitAddUp") {
        return commands.InsertAbove(node);
    }
    if (name == "MnuUnitAddDw") {
        return commands.InsertBelow(node);
    }
    if (name == "MnuDeleteConteiner") {
        return commands.Delete(node);
    }
    return std::nullopt;
}

} // namespace trumbel

#include "options/LayoutTree.h"

#include "base/UiText.h"
#include "measure/ItemKinds.h"
#include "menus/LayoutCommands.h"
#include "menus/MenuHost.h"
#include "options/OptionsHost.h"
#include "options/OptionsLists.h"
#include "settings/RemoteHostList.h"

#include <algorithm>

namespace trumbel {

namespace {

constexpr int kCpuKind = 2;
constexpr int kDiskKind = 8;
constexpr int kFixedHeightSkin = 1;
constexpr int kFixedWidthSkin = 2;

bool NetworkKind(int kind) {
    return kind >= 4 && kind <= 7;
}

// Receive kinds are 4 and 6, send kinds 5 and 7.
bool ReceiveKind(int kind) {
    return kind % 2 == 0;
}

// Operational states an adapter counts as connected in (up, and "dormant" of the interface
// table).
bool AdapterUp(int status) {
    return status == 4 || status == 5;
}

// The drive-type text of a device the host does not have, shared with the drive lists.
std::string Missing() {
    return UiTr("ItemKinds", DriveTypeOptionsText(1));
}

std::string KindCaption(int kind) {
    return UiTr("ItemKinds", ItemKindCaption(kind));
}

const char* KindIcon(int kind) {
    switch (kind) {
    case 0:
        return "icon_mem";
    case 1:
        return "icon_page";
    case kCpuKind:
        return "icon_cpu";
    default:
        return "icon_res";
    }
}

std::string ContainerText(const Settings& s, int u) {
    const std::string text =
        UiFormat(UiTr("LayoutTree", "ユニットコンテナ[%1]"), {std::to_string(u + 1)});
    if (s.clockContainer[static_cast<std::size_t>(u)]) {
        return text + UiTr("LayoutTree", " (時計表示)");
    }
    if (s.historyContainer[static_cast<std::size_t>(u)]) {
        return text + UiTr("LayoutTree", " (履歴グラフ表示)");
    }
    return text + UiTr("LayoutTree", " (棒グラフ表示)");
}

const char* ContainerIcon(const Settings& s, int u) {
    if (s.clockContainer[static_cast<std::size_t>(u)]) {
        return "icon_clock";
    }
    return s.historyContainer[static_cast<std::size_t>(u)] ? "icon_loggraph" : "icon_nrmgraph";
}

// Another machine's devices of `kind` by number; empty for a kind without devices.
std::vector<std::string> RemoteDeviceNames(int kind, MenuDevices& devices) {
    std::vector<std::string> names;
    if (kind == kCpuKind) {
        names.push_back(CpuDeviceName(0));
        for (int i = 1; devices.CpuCount() > 1 && i <= devices.CpuCount(); ++i) {
            names.push_back(CpuDeviceName(i));
        }
    } else if (NetworkKind(kind)) {
        for (int i = 0; i < devices.NetworkCount(); ++i) {
            names.push_back(devices.NetworkName(i));
        }
    } else if (kind == kDiskKind) {
        for (int id = 0; id < 256; ++id) {
            std::string mount = devices.DiskMountPoint(id);
            if (mount.empty()) {
                break;
            }
            names.push_back(std::move(mount));
        }
    } else if (kind >= kFirstSensorKind) {
        names = devices.SensorNames(kind);
    }
    return names;
}

} // namespace

bool IsFixedSkinType(int skinType) {
    return skinType != kFixedHeightSkin && skinType != kFixedWidthSkin;
}

LayoutTreeNode SlotNode(const Settings& settings, int u, int s, OptionsHost& host) {
    const auto uu = static_cast<std::size_t>(u);
    const auto ss = static_cast<std::size_t>(s);
    const int kind = settings.kind[uu][ss];
    const int device = settings.device[uu][ss];
    LayoutTreeNode node{SlotKey(u, s), ContainerKey(u), KindCaption(kind), KindIcon(kind)};
    if (const int h = settings.host[uu][ss]; h != 0) {
        node.text += " : " + RemoteHostCaption(settings, h);
        if (MenuDevices* remote = host.RemoteDevices(h)) {
            const std::vector<std::string> names = RemoteDeviceNames(kind, *remote);
            const bool known = device >= 0 && device < static_cast<int>(names.size());
            if (!names.empty()) {
                node.text += ": " + (known ? names[static_cast<std::size_t>(device)] : Missing());
            }
            if (NetworkKind(kind)) {
                const bool up = known && AdapterUp(remote->NetworkStatus(device));
                node.icon = ReceiveKind(kind) ? (up ? "icon_netdw" : "icon_netnodw")
                                              : (up ? "icon_netup" : "icon_netnoup");
            }
        }
        return node;
    }
    if (kind == kCpuKind) {
        node.text += " : " + CpuDeviceName(device);
    } else if (NetworkKind(kind)) {
        const bool known = device >= 0 && device < host.NetworkDeviceCount();
        node.text += " : " + (known ? host.NetworkDeviceName(device) : Missing());
        const bool up = known && AdapterUp(host.NetworkDeviceStatus(device));
        if (ReceiveKind(kind)) {
            node.icon = up ? "icon_netdw" : "icon_netnodw";
        } else {
            node.icon = up ? "icon_netup" : "icon_netnoup";
        }
    } else if (kind == kDiskKind) {
        const bool letter = device >= 0 && device < kDriveListCount;
        const int type = letter ? host.DiskType(device) : 1;
        node.text += " : " + (letter ? DriveListEntry(device, type, host.DiskMountPoint(device))
                                     : Missing());
        node.icon = DriveTypeIcon(type);
    } else if (kind >= kFirstSensorKind) {
        const std::vector<std::string> names = host.SensorNames(kind);
        const bool known = device >= 0 && device < static_cast<int>(names.size());
        node.text += " : " + (known ? names[static_cast<std::size_t>(device)] : Missing());
    }
    return node;
}

std::vector<LayoutTreeNode> BuildLayoutTree(const Settings& settings, int skinSlotCount,
                                            OptionsHost& host) {
    const std::string shown = UiTr("LayoutTree", "[表示]");
    const std::string hidden = UiTr("LayoutTree", "[非表示]");
    std::vector<LayoutTreeNode> nodes;
    nodes.push_back({"skinroot", "", UiTr("LayoutTree", "メインウィンドウ"), "icon_me"});
    const bool start = settings.showStartUnit;
    nodes.push_back({"firstunit", "skinroot",
                     (start ? shown : hidden) + UiTr("LayoutTree", "始端ユニット"),
                     start ? "icon_unittop" : "icon_unitnotop"});
    nodes.push_back({"rootunit", "skinroot", UiTr("LayoutTree", "データ表示領域(ユニットコンテナ)"),
                     "icon_tray"});
    const int count = std::clamp<int>(settings.containerCount, 0, kContainerCount);
    const int slots = std::clamp(skinSlotCount, 0, kSlotCount);
    for (int u = 0; u < count; ++u) {
        nodes.push_back(
            {ContainerKey(u), "rootunit", ContainerText(settings, u), ContainerIcon(settings, u)});
        const auto uu = static_cast<std::size_t>(u);
        const int slotNodes = settings.clockContainer[uu]     ? 0
                              : settings.historyContainer[uu] ? std::min(slots, 1)
                                                              : slots;
        for (int s = 0; s < slotNodes; ++s) {
            nodes.push_back(SlotNode(settings, u, s, host));
        }
    }
    const bool end = settings.showEndUnit;
    nodes.push_back({"endunit", "skinroot",
                     (end ? shown : hidden) + UiTr("LayoutTree", "終端ユニット"),
                     end ? "icon_unitend" : "icon_unitnoend"});
    return nodes;
}

std::vector<DeviceChoice> HostDeviceChoices(const Settings& settings, int kind, OptionsHost& host) {
    std::vector<DeviceChoice> choices;
    const std::vector<std::string> local = DeviceChoices(kind, host);
    const int hosts = static_cast<int>(settings.remoteHosts.size());
    if (local.empty() && hosts > 0) {
        choices.push_back({UiTr("LayoutTree", "このコンピューター"), 0, 0});
    }
    for (std::size_t i = 0; i < local.size(); ++i) {
        choices.push_back({local[i], 0, static_cast<int>(i)});
    }
    for (int h = 1; h <= hosts; ++h) {
        const std::string name = RemoteHostCaption(settings, h);
        MenuDevices* remote = host.RemoteDevices(h);
        const std::vector<std::string> names =
            remote ? RemoteDeviceNames(kind, *remote) : std::vector<std::string>{};
        if (local.empty()) {
            choices.push_back({name, h, 0});
        }
        for (std::size_t i = 0; i < names.size(); ++i) {
            choices.push_back({name + ": " + names[i], h, static_cast<int>(i)});
        }
    }
    return choices;
}

std::vector<std::string> DeviceChoices(int kind, OptionsHost& host) {
    std::vector<std::string> choices;
    if (kind == kCpuKind) {
        const int cpus = host.CpuCount();
        choices.push_back(CpuDeviceName(0));
        // A single processor is the whole processor.
        for (int i = 1; cpus > 1 && i <= cpus; ++i) {
            choices.push_back(CpuDeviceName(i));
        }
    } else if (NetworkKind(kind)) {
        for (int i = 0; i < host.NetworkDeviceCount(); ++i) {
            choices.push_back(host.NetworkDeviceName(i));
        }
    } else if (kind == kDiskKind) {
        for (int id = 0; id < kDriveListCount; ++id) {
            choices.push_back(DriveListEntry(id, host.DiskType(id), host.DiskMountPoint(id)));
        }
    } else if (kind >= kFirstSensorKind) {
        choices = host.SensorNames(kind);
    }
    return choices;
}

} // namespace trumbel

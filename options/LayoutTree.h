#pragma once

#include "settings/Settings.h"

#include <string>
#include <vector>

namespace trumbel {

class OptionsHost;

// One line of the layout tree: its key, the key of its parent ("" for the root), its text and
// the name of its icon.
struct LayoutTreeNode {
    std::string key;
    std::string parent;
    std::string text;
    std::string icon;
    bool operator==(const LayoutTreeNode&) const = default;
};

// The whole tree for the record, parents before children, in display order: the window, the
// start unit, the container area with one node per shown container and its slot nodes (none
// for a clock, the first slot only for a history graph, `skinSlotCount` for bar graphs), and
// the end unit. Slot nodes name the device they show as the host measures it now.
std::vector<LayoutTreeNode> BuildLayoutTree(const Settings& settings, int skinSlotCount,
                                            OptionsHost& host);

// The text and icon of one slot (item and device).
LayoutTreeNode SlotNode(const Settings& settings, int container, int slot, OptionsHost& host);

// What the older layout editor offers as devices for `kind`: the processors, the network
// adapters or the drives; empty for the kinds that have none.
std::vector<std::string> DeviceChoices(int kind, OptionsHost& host);

// A device to choose for a slot: this machine's (host 0) or another's, named "host: device".
struct DeviceChoice {
    std::string caption;
    int host = 0;
    int device = 0;
};
// DeviceChoices, then each other machine's devices of `kind`; for a kind without devices, the
// machines themselves once there are others.
std::vector<DeviceChoice> HostDeviceChoices(const Settings& settings, int kind, OptionsHost& host);

// A skin that is neither a row nor a column draws its own fixed picture: its layout cannot be
// edited.
bool IsFixedSkinType(int skinType);

} // namespace trumbel

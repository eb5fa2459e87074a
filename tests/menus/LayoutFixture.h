#pragma once

#include "menus/LayoutMenu.h"
#include "tests/menus/MenuFixture.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace trumbel::test {

struct FakeTree final : LayoutTree {
    bool noEvents = false;
    std::vector<TreeSelection> shown;
    bool NoEvents() const override { return noEvents; }
    void ShowTree(const std::string& key, TreeRebuild rebuild) override {
        shown.push_back({key, rebuild});
    }
};

struct FakeLayoutSkin final : LayoutSkin {
    int relayouts = 0;
    StandardStyles SkinStandardStyles() const override { return kBuiltInStandardStyles; }
    void Relayout() override { ++relayouts; }
};

// Chooses `choice` from whatever menu it is shown, and notes the menu and its enabled items.
struct ChoosingPresenter final : MenuPresenter {
    std::optional<MenuCommand> choice;
    std::string shown;
    std::set<std::string> enabled;
    std::optional<MenuCommand> Show(const MenuItem& menu, IconMenus) override {
        shown = menu.caption;
        enabled.clear();
        Note(menu);
        return choice;
    }
    void Note(const MenuItem& menu) {
        for (const MenuItem& item : menu.items) {
            if (item.enabled) {
                enabled.insert(item.name);
            }
            Note(item);
        }
    }
};

// Some network interfaces and drives C, D and E for the slot menu's lists.
struct FakeDevices final : MenuDevices {
    int CpuCount() const override { return 2; }
    int NetworkCount() const override { return 3; }
    std::string NetworkName(int index) const override { return "net" + std::to_string(index); }
    int NetworkStatus(int) const override { return 5; }
    int DiskType(int diskId) override { return diskId < 3 ? 3 : 1; }
    std::string DiskMountPoint(int diskId) override { return "/m" + std::to_string(diskId); }
    std::vector<std::string> SensorNames(int) override { return {"sda", "nvme0n1"}; }
    // Host 1, "nas", when set.
    MenuDevices* remote = nullptr;
    int RemoteHostCount() const override { return remote ? 1 : 0; }
    std::string RemoteHostName(int) const override { return "nas"; }
    MenuDevices* RemoteHost(int) override { return remote; }
};

// Five containers "G1 G2 H3 G4 C5": graphs, a history graph and a clock, each slot showing
// physical memory with a device number that tells where it started ((u + 1) × 10 + s).
class LayoutFixture : public ::testing::Test {
protected:
    LayoutFixture() { Reset(); }

    void Reset() {
        settings = Settings{};
        settings.containerCount = 5;
        for (int u = 0; u < kContainerCount; ++u) {
            for (int s = 0; s < kSlotCount; ++s) {
                settings.kind[u][s] = 0;
                settings.device[u][s] = static_cast<std::int16_t>((u + 1) * 10 + s);
                SetSlotStyle(settings, kBuiltInStandardStyles, u, s, 0, StyleSet::Force);
            }
        }
        settings.historyContainer[2] = 1;
        settings.clockContainer[4] = 1;
        skin.relayouts = 0;
        tree = FakeTree{};
    }

    void FillDevices() {
        menu.DeleteNetworkDevice();
        menu.SetNetWorkDevice(devices);
    }

    // The node's menu states, as a right click sets them, then the command.
    std::optional<TreeSelection> Do(const std::string& key, const std::string& item,
                                    int index = kSingleItem) {
        const LayoutNode node = DecodeNode(key);
        if (node.kind == NodeKind::Slot || node.kind == NodeKind::Container) {
            menu.SetMenuEnabled(NodeNumber(key));
        }
        tree.shown.clear();
        layoutMenu.Run(key, {item, index}, tree);
        if (tree.shown.empty()) {
            return std::nullopt;
        }
        EXPECT_EQ(tree.shown.size(), 1u);
        return tree.shown.back();
    }

    // The shown containers in order: C clock, H history graph, G bar graphs, each with the
    // number of the container it started as (0 for an inserted one).
    std::string Layout() const {
        std::string out;
        for (int u = 0; u < settings.containerCount; ++u) {
            if (!out.empty()) {
                out += ' ';
            }
            out += settings.clockContainer[u] ? 'C' : settings.historyContainer[u] ? 'H' : 'G';
            out += std::to_string(settings.device[u][0] / 10);
        }
        return out;
    }

    // "kind:device" of the four slots of container u.
    std::string Slots(int u) const {
        std::string out;
        for (int s = 0; s < kSlotCount; ++s) {
            if (!out.empty()) {
                out += ' ';
            }
            out +=
                std::to_string(settings.kind[u][s]) + ":" + std::to_string(settings.device[u][s]);
        }
        return out;
    }

    Settings settings;
    FakeSources sources;
    RecordingUi ui;
    FormMenu menu{settings, sources, ui};
    FakeLayoutSkin skin;
    FakeTree tree;
    FakeDevices devices;
    ChoosingPresenter presenter;
    LayoutMenu layoutMenu{menu, settings, sources, skin};
};

} // namespace trumbel::test

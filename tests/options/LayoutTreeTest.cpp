#include "options/LayoutTree.h"

#include "tests/options/RecordingOptionsHost.h"

#include <functional>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

using test::RecordingOptionsHost;

// "key<parent" per node, in display order.
std::string Shape(const std::vector<LayoutTreeNode>& nodes) {
    std::string out;
    for (const LayoutTreeNode& n : nodes) {
        out += (out.empty() ? "" : " ") + n.key + "<" + n.parent;
    }
    return out;
}

const LayoutTreeNode* Find(const std::vector<LayoutTreeNode>& nodes, const std::string& key) {
    for (const LayoutTreeNode& n : nodes) {
        if (n.key == key) {
            return &n;
        }
    }
    return nullptr;
}

// Which slot nodes a container gets depends on its mode and the skin's slot count.
TEST(LayoutTreeShape, SlotNodesFollowModeAndSkin) {
    struct Case {
        const char* what;
        int count;
        std::int16_t history, clock;
        int skinSlots;
        const char* containers; // everything between rootunit and endunit
    };
    for (const Case& c : {
             Case{"bars, 4 slots", 1, 0, 0, 4,
                  "unit1<rootunit slot11<unit1 slot12<unit1 slot13<unit1 slot14<unit1"},
             Case{"bars, 2 slots", 1, 0, 0, 2, "unit1<rootunit slot11<unit1 slot12<unit1"},
             Case{"history", 1, 1, 0, 4, "unit1<rootunit slot11<unit1"},
             Case{"clock", 1, 0, 1, 4, "unit1<rootunit"},
             // Both flags (3 in the file): a clock.
             Case{"both flags", 1, 1, 1, 4, "unit1<rootunit"},
             Case{"history, skin without slots", 1, 1, 0, 0, "unit1<rootunit"},
             Case{"two clocks", 2, 0, 1, 4, "unit1<rootunit unit2<rootunit"},
             // A damaged file's count is cut to the ten containers there are.
             Case{"count past ten", 99, 0, 1, 4, ""},
         }) {
        SCOPED_TRACE(c.what);
        RecordingOptionsHost host;
        Settings& s = host.record;
        s.containerCount = static_cast<std::int16_t>(c.count);
        s.historyContainer.fill(c.history);
        s.clockContainer.fill(c.clock);
        const auto nodes = BuildLayoutTree(s, c.skinSlots, host);
        std::string shape = Shape(nodes);
        const std::string head = "skinroot< firstunit<skinroot rootunit<skinroot ";
        ASSERT_EQ(shape.substr(0, head.size()), head);
        const std::string tail = "endunit<skinroot";
        ASSERT_EQ(shape.substr(shape.size() - tail.size()), tail);
        shape = shape.substr(head.size(), shape.size() - head.size() - tail.size());
        if (c.count > kContainerCount) {
            EXPECT_NE(Find(nodes, "unit10"), nullptr);
            EXPECT_EQ(Find(nodes, "unit11"), nullptr);
        } else {
            EXPECT_EQ(shape, std::string(c.containers) + (*c.containers ? " " : ""));
        }
    }
}

TEST(LayoutTreeText, FixedNodesShowTheUnitsAndModes) {
    struct Case {
        const char* key;
        std::function<void(Settings&)> edit;
        const char* text;
        const char* icon;
    };
    const auto none = [](Settings&) {};
    for (const Case& c : {
             Case{"skinroot", none, "メインウィンドウ", "icon_me"},
             Case{"firstunit", none, "[表示]始端ユニット", "icon_unittop"},
             Case{"firstunit", [](Settings& s) { s.showStartUnit = 0; }, "[非表示]始端ユニット",
                  "icon_unitnotop"},
             Case{"endunit", none, "[表示]終端ユニット", "icon_unitend"},
             Case{"endunit", [](Settings& s) { s.showEndUnit = 0; }, "[非表示]終端ユニット",
                  "icon_unitnoend"},
             Case{"rootunit", none, "データ表示領域(ユニットコンテナ)", "icon_tray"},
             Case{"unit1", [](Settings& s) { s.clockContainer[0] = 1; },
                  "ユニットコンテナ[1] (時計表示)", "icon_clock"},
             Case{"unit2", [](Settings& s) { s.historyContainer[1] = 1; },
                  "ユニットコンテナ[2] (履歴グラフ表示)", "icon_loggraph"},
             Case{"unit3", none, "ユニットコンテナ[3] (棒グラフ表示)", "icon_nrmgraph"},
         }) {
        SCOPED_TRACE(c.text);
        RecordingOptionsHost host;
        c.edit(host.record);
        const auto nodes = BuildLayoutTree(host.record, 4, host);
        const LayoutTreeNode* node = Find(nodes, c.key);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->text, c.text);
        EXPECT_EQ(node->icon, c.icon);
    }
}

// A slot names its item and the device as measured now; network icons follow the adapter's
// state, disk icons the drive's type.
TEST(LayoutTreeText, SlotNodesNameItemAndDevice) {
    struct Case {
        int kind, device;
        const char* text;
        const char* icon;
    };
    for (const Case& c : {
             Case{0, 7, "物理メモリー情報", "icon_mem"},
             Case{1, 0, "ページファイル情報", "icon_page"},
             Case{3, 0, "リソース情報", "icon_res"},
             Case{2, 0, "CPU情報 : CPU（全体）", "icon_cpu"},
             Case{2, 2, "CPU情報 : CPU : 2番", "icon_cpu"},
             Case{4, 0, "ネットワーク受信量(bps) : eth0", "icon_netdw"},
             Case{5, 0, "ネットワーク送信量(bps) : eth0", "icon_netup"},
             Case{6, 1, "ネットワーク受信量(B/S) : wlan0", "icon_netnodw"},
             Case{7, 1, "ネットワーク送信量(B/S) : wlan0", "icon_netnoup"},
             // An adapter that went away: down.
             Case{4, 5, "ネットワーク受信量(bps) : (存在しません)", "icon_netnodw"},
             Case{4, -1, "ネットワーク受信量(bps) : (存在しません)", "icon_netnodw"},
             Case{8, 0, "ディスク容量情報 : C: /m0(ハードディスク･ローカルドライブ)", "icon_hdd"},
             Case{8, 1, "ディスク容量情報 : D: /m1(CD-ROMドライブなど)", "icon_cddvd"},
             Case{8, 2, "ディスク容量情報 : E: /m2(リモート(ネットワーク)ドライブ)", "icon_netres"},
             Case{8, 3, "ディスク容量情報 : F: (存在しません)", "icon_nodisk"},
             Case{8, 30, "ディスク容量情報 : (存在しません)", "icon_nodisk"},
             Case{9, 1, "温度情報 : nvme Composite", "icon_res"},
             Case{9, 2, "温度情報 : (存在しません)", "icon_res"},
         }) {
        SCOPED_TRACE(c.text);
        RecordingOptionsHost host;
        host.networks = {"eth0", "wlan0"};
        host.networkStates = {5, 2};
        host.diskTypes = {3, 5, 4};
        host.record.kind[1][2] = static_cast<std::int16_t>(c.kind);
        host.record.device[1][2] = static_cast<std::int16_t>(c.device);
        const LayoutTreeNode node = SlotNode(host.record, 1, 2, host);
        EXPECT_EQ(node.key, "slot23");
        EXPECT_EQ(node.parent, "unit2");
        EXPECT_EQ(node.text, c.text);
        EXPECT_EQ(node.icon, c.icon);
    }
}

TEST(LayoutTreeDevices, ChoicesPerKind) {
    RecordingOptionsHost host; // two processors
    host.networks = {"lo", "eth0"};
    host.diskTypes = {3};
    struct Case {
        int kind;
        std::vector<std::string> first; // leading entries
        std::size_t count;
    };
    for (const Case& c : {
             Case{0, {}, 0},
             Case{3, {}, 0},
             Case{2, {"CPU（全体）", "CPU : 1番", "CPU : 2番"}, 3},
             Case{5, {"lo", "eth0"}, 2},
             Case{8, {"C: /m0(ハードディスク･ローカルドライブ)", "D: (存在しません)"}, 24},
             Case{9, {"k10temp Tctl", "nvme Composite"}, 2},
         }) {
        SCOPED_TRACE(c.kind);
        const auto choices = DeviceChoices(c.kind, host);
        ASSERT_EQ(choices.size(), c.count);
        for (std::size_t i = 0; i < c.first.size(); ++i) {
            EXPECT_EQ(choices[i], c.first[i]);
        }
    }
}

} // namespace
} // namespace trumbel

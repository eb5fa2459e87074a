#include "tests/menus/LayoutFixture.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

using test::LayoutFixture;

TEST(LayoutNodes, KeysDecodeToTheirContainerAndSlot) {
    struct Case {
        const char* key;
        LayoutNode node;
    };
    for (const Case& c : {
             Case{"slot11", {NodeKind::Slot, 0, 0}},
             Case{"slot14", {NodeKind::Slot, 0, 3}},
             Case{"slot23", {NodeKind::Slot, 1, 2}},
             Case{"slot104", {NodeKind::Slot, 9, 3}},
             Case{"unit1", {NodeKind::Container, 0, 0}},
             Case{"unit10", {NodeKind::Container, 9, 0}},
             Case{"skinroot", {NodeKind::Window}},
             Case{"firstunit", {NodeKind::StartUnit}},
             Case{"rootunit", {NodeKind::Containers}},
             Case{"endunit", {NodeKind::EndUnit}},
             // Outside the layout: an eleventh container, slot 0 or 5 of a container.
             Case{"slot111", {}},
             Case{"slot20", {}},
             Case{"slot15", {}},
             Case{"unit0", {}},
             Case{"unit", {}},
             Case{"unitx", {}},
             Case{"slot-11", {}},
             Case{"other", {}},
         }) {
        EXPECT_EQ(DecodeNode(c.key), c.node) << c.key;
    }
    for (int u = 0; u < kContainerCount; ++u) {
        EXPECT_EQ(DecodeNode(ContainerKey(u)), (LayoutNode{NodeKind::Container, u, 0}));
        for (int s = 0; s < kSlotCount; ++s) {
            EXPECT_EQ(DecodeNode(SlotKey(u, s)), (LayoutNode{NodeKind::Slot, u, s}));
        }
    }
}

// Every container command, on container and slot nodes, from the layout "G1 G2 H3 G4 C5"
// (graph, history and clock containers, numbered by where they started).
TEST_F(LayoutFixture, ContainerCommandsMoveWholeContainersAndSelectTheRightNode) {
    struct Case {
        const char* key;
        const char* item;
        int index;
        const char* layout;   // afterwards
        const char* selected; // "" when the item is disabled and nothing happens
    };
    for (const Case& c : {
             Case{"unit1", "MnuUnitAddUp", -1, "G0 G1 G2 H3 G4 C5", "unit2"},
             Case{"slot13", "MnuUnitAddUp", -1, "G0 G1 G2 H3 G4 C5", "slot23"},
             Case{"unit3", "MnuUnitAddUp", -1, "G1 G2 G0 H3 G4 C5", "unit4"},
             Case{"unit5", "MnuUnitAddDw", -1, "G1 G2 H3 G4 C5 G0", "unit5"},
             Case{"slot42", "MnuUnitAddDw", -1, "G1 G2 H3 G4 G0 C5", "slot42"},
             Case{"unit5", "MnuDeleteConteiner", -1, "G1 G2 H3 G4", "unit4"},
             Case{"unit2", "MnuDeleteConteiner", -1, "G1 H3 G4 C5", "unit2"},
             Case{"slot14", "MnuDeleteConteiner", -1, "G2 H3 G4 C5", "slot14"},
             Case{"unit3", "MnuUnitMoveUp", -1, "G1 H3 G2 G4 C5", "unit2"},
             Case{"slot42", "MnuUnitMoveUp", -1, "G1 G2 G4 H3 C5", "slot32"},
             Case{"unit1", "MnuUnitMoveUp", -1, "G1 G2 H3 G4 C5", ""},
             Case{"unit4", "MnuUnitMoveDw", -1, "G1 G2 H3 C5 G4", "unit5"},
             Case{"slot13", "MnuUnitMoveDw", -1, "G2 G1 H3 G4 C5", "slot23"},
             Case{"unit5", "MnuUnitMoveDw", -1, "G1 G2 H3 G4 C5", ""},
             Case{"slot12", "MnuUnitShouMode", 1, "C1 G2 H3 G4 C5", "unit1"},
             Case{"unit5", "MnuUnitShouMode", 0, "G1 G2 H3 G4 G5", "unit5"},
             // The history graph: a third slot gives way to the first; off keeps the slot.
             Case{"slot13", "MnuUseLogGraph", -1, "H1 G2 H3 G4 C5", "slot11"},
             Case{"unit2", "MnuUseLogGraph", -1, "G1 H2 H3 G4 C5", "unit2"},
             Case{"unit3", "MnuUseLogGraph", -1, "G1 G2 G3 G4 C5", "unit3"},
             Case{"slot31", "MnuUseLogGraph", -1, "G1 G2 G3 G4 C5", "slot31"},
             // A clock container offers no history graph.
             Case{"unit5", "MnuUseLogGraph", -1, "G1 G2 H3 G4 C5", ""},
         }) {
        SCOPED_TRACE(std::string(c.key) + " " + c.item);
        Reset();
        const std::optional<TreeSelection> selection = Do(c.key, c.item, c.index);
        EXPECT_EQ(Layout(), c.layout);
        if (*c.selected) {
            ASSERT_TRUE(selection);
            EXPECT_EQ(selection->key, c.selected);
            EXPECT_EQ(selection->rebuild, TreeRebuild::Rebuild);
            EXPECT_EQ(skin.relayouts, 1);
        } else {
            EXPECT_FALSE(selection);
            EXPECT_EQ(skin.relayouts, 0);
        }
    }
}

TEST_F(LayoutFixture, AnInsertedContainerShowsPhysicalMemoryInBarGraphs) {
    settings.historyContainer[5] = 1; // left over past the end
    settings.clockContainer[5] = 1;
    Do("unit5", "MnuUnitAddDw");
    ASSERT_EQ(settings.containerCount, 6);
    EXPECT_EQ(settings.historyContainer[5], 0);
    EXPECT_EQ(settings.clockContainer[5], 0);
    for (int s = 0; s < kSlotCount; ++s) {
        EXPECT_EQ(settings.kind[5][s], 0);
        EXPECT_EQ(settings.device[5][s], 0);
        EXPECT_EQ(settings.graphStyle[5][s], 10) << "the standard style, the remaining amount";
        EXPECT_EQ(settings.digitStyle[5][s], 30);
    }
}

TEST_F(LayoutFixture, InsertAndDeleteStopAtTheirLimits) {
    settings.containerCount = 10;
    EXPECT_FALSE(Do("unit4", "MnuUnitAddUp"));
    EXPECT_FALSE(Do("unit10", "MnuUnitAddDw"));
    EXPECT_EQ(settings.containerCount, 10);
    settings.containerCount = 1;
    EXPECT_FALSE(Do("unit1", "MnuDeleteConteiner"));
    EXPECT_EQ(settings.containerCount, 1);
    // A node past the shown containers has no menu and no command.
    EXPECT_FALSE(Do("unit2", "MnuUnitAddUp"));
    EXPECT_EQ(skin.relayouts, 0);
}

TEST_F(LayoutFixture, DeletingLeavesTheFieldsThatFallOffTheEnd) {
    Do("unit1", "MnuDeleteConteiner");
    EXPECT_EQ(settings.containerCount, 4);
    EXPECT_EQ(settings.clockContainer[4], 1) << "container 5 still holds its clock, unseen";
    EXPECT_EQ(settings.device[4][0], 50);
}

// The slot commands: the item kinds and their devices, the style choice, the moves.
TEST_F(LayoutFixture, SlotCommandsSetTheSlotAndSelectIt) {
    struct Case {
        const char* key;
        const char* item;
        int index;
        const char* slots; // container 1's four slots afterwards, "kind:device"
        const char* selected;
        TreeRebuild rebuild;
    };
    const TreeRebuild update = TreeRebuild::Update;
    for (const Case& c : {
             Case{"slot12", "MnuSlotInfo", 1, "0:10 1:0 0:12 0:13", "slot12", update},
             Case{"slot14", "MnuSlotInfo", 3, "0:10 0:11 0:12 3:0", "slot14", update},
             Case{"slot11", "MnuCPUList", 0, "2:0 0:11 0:12 0:13", "slot11", update},
             Case{"slot11", "MnuCPUList", 2, "2:2 0:11 0:12 0:13", "slot11", update},
             Case{"slot12", "MnuNetWorkDeviceList1", 1, "0:10 4:0 0:12 0:13", "slot12", update},
             Case{"slot12", "MnuNetWorkDeviceList2", 3, "0:10 5:2 0:12 0:13", "slot12", update},
             Case{"slot12", "MnuNetWorkDeviceList3", 2, "0:10 6:1 0:12 0:13", "slot12", update},
             Case{"slot12", "MnuSensorList12", 2, "0:10 12:1 0:12 0:13", "slot12", update},
             Case{"slot12", "MnuNetWorkDeviceList4", 3, "0:10 7:2 0:12 0:13", "slot12", update},
             // Entry 3 of the drive list is drive E, the third entry of the drive table.
             Case{"slot13", "MnuDiskDriveList", 3, "0:10 0:11 8:2 0:13", "slot13", update},
             // The first unused letter is F.
             Case{"slot13", "MnuNoUseDriveList", 1, "0:10 0:11 8:3 0:13", "slot13", update},
             Case{"slot12", "MnuSlotMoveUp", -1, "0:11 0:10 0:12 0:13", "slot11", update},
             Case{"slot12", "MnuSlotMoveDw", -1, "0:10 0:12 0:11 0:13", "slot13", update},
             Case{"slot11", "MnuSlotMoveUp", -1, "0:10 0:11 0:12 0:13", "", update},
             Case{"slot14", "MnuSlotMoveDw", -1, "0:10 0:11 0:12 0:13", "", update},
             // The kinds with a device list choose through it, not through their own entry.
             Case{"slot12", "MnuSlotInfo", 2, "0:10 0:11 0:12 0:13", "", update},
             Case{"slot12", "MnuNetWorkDeviceList1", 0, "0:10 0:11 0:12 0:13", "", update},
             Case{"slot11", "MnuUseLeft", 2, "0:10 0:11 0:12 0:13", "slot11", TreeRebuild::Rebuild},
         }) {
        SCOPED_TRACE(std::string(c.key) + " " + c.item + " " + std::to_string(c.index));
        Reset();
        FillDevices();
        const std::optional<TreeSelection> selection = Do(c.key, c.item, c.index);
        EXPECT_EQ(Slots(0), c.slots);
        if (*c.selected) {
            ASSERT_TRUE(selection);
            EXPECT_EQ(*selection, (TreeSelection{c.selected, c.rebuild}));
            EXPECT_EQ(skin.relayouts, 1);
        } else {
            EXPECT_FALSE(selection);
        }
    }
}

TEST_F(LayoutFixture, ASlotMoveCarriesAllFourFields) {
    settings.kind[0][1] = 2;
    settings.device[0][1] = 3;
    settings.graphStyle[0][1] = 44;
    settings.digitStyle[0][1] = 0;
    Do("slot12", "MnuSlotMoveUp");
    EXPECT_EQ(settings.kind[0][0], 2);
    EXPECT_EQ(settings.device[0][0], 3);
    EXPECT_EQ(settings.graphStyle[0][0], 44);
    EXPECT_EQ(settings.digitStyle[0][0], 0);
    EXPECT_EQ(settings.graphStyle[0][1], 10);
    EXPECT_EQ(settings.digitStyle[0][1], 30);
}

TEST_F(LayoutFixture, NoSlotMovesDownInAHistoryContainerOrPastTheSkinsSlots) {
    EXPECT_FALSE(Do("slot31", "MnuSlotMoveDw")) << "container 3 draws a history graph";
    sources.slotCount = 2;
    EXPECT_FALSE(Do("slot12", "MnuSlotMoveDw"));
    EXPECT_TRUE(Do("slot11", "MnuSlotMoveDw"));
}

// The style codes each choice leaves, with the built-in skins' standard styles.
TEST_F(LayoutFixture, StyleChoicesFollowTheKindsStandardStyle) {
    struct Case {
        int kind;
        int graphStyle; // before
        int choice;
        int graph; // after
        int digit;
    };
    for (const Case& c : {
             Case{2, 50, 1, 44, 0},  // CPU, remaining as a percentage
             Case{2, 44, 0, 50, 0},  // CPU back to its standard, the used percentage
             Case{0, 10, 2, 22, 30}, // memory, the amount used
             Case{0, 22, 0, 10, 30}, Case{8, 10, 1, 11, 30},
             Case{0, 0, 2, 0, 0}, // never set: left alone
         }) {
        SCOPED_TRACE(c.kind * 1000 + c.graphStyle * 10 + c.choice);
        Reset();
        settings.kind[0][0] = static_cast<std::int16_t>(c.kind);
        settings.graphStyle[0][0] = static_cast<std::int16_t>(c.graphStyle);
        settings.digitStyle[0][0] = 0;
        Do("slot11", "MnuUseLeft", c.choice);
        EXPECT_EQ(settings.graphStyle[0][0], c.graph);
        EXPECT_EQ(settings.digitStyle[0][0], c.digit);
    }
}

TEST_F(LayoutFixture, ANewKindTakesItsStandardStyle) {
    settings.graphStyle[0][0] = 22; // memory, the amount used by choice
    FillDevices();
    Do("slot11", "MnuCPUList", 1);
    EXPECT_EQ(settings.graphStyle[0][0], 50);
    EXPECT_EQ(settings.digitStyle[0][0], 0);
    Do("slot11", "MnuSlotInfo", 0);
    EXPECT_EQ(settings.graphStyle[0][0], 10);
    EXPECT_EQ(settings.digitStyle[0][0], 30);
}

TEST_F(LayoutFixture, UnitRadioItemsShowOrHideTheEndsUnlessTheDialogIsFilling) {
    struct Case {
        const char* key;
        const char* item;
        int index;
        bool noEvents;
        int start; // afterwards
        int end;
    };
    for (const Case& c : {
             Case{"firstunit", "MnuShowStartUnit", 1, false, 0, 1},
             Case{"firstunit", "MnuShowStartUnit", 0, false, 1, 1},
             Case{"endunit", "MnuShowEndUnit", 1, false, 1, 0},
             Case{"firstunit", "MnuShowStartUnit", 1, true, 1, 1},
         }) {
        SCOPED_TRACE(std::string(c.item) + std::to_string(c.index));
        Reset();
        tree.noEvents = c.noEvents;
        const std::optional<TreeSelection> selection = Do(c.key, c.item, c.index);
        EXPECT_EQ(settings.showStartUnit, c.start);
        EXPECT_EQ(settings.showEndUnit, c.end);
        EXPECT_EQ(selection, (TreeSelection{"skinroot", TreeRebuild::Update}));
        const MenuItem& top = menu.Top(
            c.item == std::string("MnuShowStartUnit") ? TopMenu::StartUnit : TopMenu::EndUnit);
        EXPECT_TRUE(top.items[static_cast<std::size_t>(c.index)].checked);
        EXPECT_FALSE(top.items[static_cast<std::size_t>(1 - c.index)].checked);
    }
}

// Open: the menu of the node with its states, then the chosen command.
// Another machine's devices follow this machine's in each list; choosing one names the machine,
// choosing one of this machine's names it again, and a kind without devices keeps it.
TEST_F(LayoutFixture, AnotherMachinesDevicesFollowThisMachinesAndNameIt) {
    test::FakeDevices remote;
    devices.remote = &remote;
    FillDevices();
    const struct {
        const char* list;
        int index;
        const char* caption;
        const char* slots;
        int host;
    } cases[] = {
        {"MnuNetWorkDeviceList1", 5, "nas: net1", "0:10 4:1 0:12 0:13", 1},
        {"MnuNetWorkDeviceList1", 2, "net1", "0:10 4:1 0:12 0:13", 0},
        {"MnuCPUList", 5, "nas: CPU : 2番", "0:10 2:2 0:12 0:13", 1},
        {"MnuSlotInfo", 1, nullptr, "0:10 1:0 0:12 0:13", 1},
        {"MnuDiskDriveList", 5, "nas: /m1", "0:10 8:1 0:12 0:13", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " " + std::to_string(c.index));
        if (c.caption) {
            const MenuItem* entry = menu.Find(c.list, c.index);
            ASSERT_TRUE(entry);
            EXPECT_EQ(entry->caption, c.caption);
        }
        Do("slot12", c.list, c.index);
        EXPECT_EQ(Slots(0), c.slots);
        EXPECT_EQ(settings.host[0][1], c.host);
    }
}

TEST_F(LayoutFixture, OpenShowsTheNodesMenuAndRunsTheChoice) {
    struct Case {
        const char* key;
        const char* menu;     // caption of the menu shown, "" for none
        const char* disabled; // an item the menu must offer disabled
        const char* choice;
        const char* layout;
    };
    for (const Case& c : {
             Case{"slot31", "スロットの設定", "MnuSlotMoveDw", "MnuUnitMoveUp", "G1 H3 G2 G4 C5"},
             Case{"unit1", "ユニットコンテナ", "MnuUnitMoveUp", "MnuUnitAddUp",
                  "G0 G1 G2 H3 G4 C5"},
             Case{"firstunit", "始端ユニット", "", "MnuShowStartUnit", "G1 G2 H3 G4 C5"},
             Case{"rootunit", "", "", "MnuUnitAddUp", "G1 G2 H3 G4 C5"},
             Case{"unit6", "", "", "MnuUnitAddUp", "G1 G2 H3 G4 C5"},
         }) {
        SCOPED_TRACE(c.key);
        Reset();
        presenter.shown.clear();
        presenter.choice =
            MenuCommand{c.choice, c.choice == std::string("MnuShowStartUnit") ? 1 : kSingleItem};
        layoutMenu.Open(c.key, presenter, tree);
        EXPECT_EQ(presenter.shown, c.menu);
        if (*c.disabled) {
            EXPECT_FALSE(presenter.enabled.contains(c.disabled));
        }
        EXPECT_EQ(Layout(), c.layout);
    }
    EXPECT_FALSE(menu.PopupOpen());
}

TEST_F(LayoutFixture, ItemsOfOtherMenusAndUnknownNamesDoNothing) {
    for (const char* item : {"MnuEnd", "MnuAbout", "MnuNoSuchItem", "MnuSlotInfoRoot"}) {
        EXPECT_FALSE(Do("unit1", item)) << item;
    }
    EXPECT_EQ(Layout(), "G1 G2 H3 G4 C5");
    EXPECT_TRUE(tree.shown.empty());
}

} // namespace
} // namespace trumbel

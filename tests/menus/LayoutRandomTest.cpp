#include "tests/menus/LayoutFixture.h"

#include <cstdint>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace trumbel {
namespace {

using test::LayoutFixture;

// A thousand random sequences of right clicks and choices: the layout keeps 1 to 10 containers,
// and the node each command selects lies in it.
TEST_F(LayoutFixture, RandomCommandSequencesKeepTheLayoutWhole) {
    const std::vector<MenuCommand> items = {{"MnuShowStartUnit", 0},
                                            {"MnuShowStartUnit", 1},
                                            {"MnuShowEndUnit", 1},
                                            {"MnuSlotInfo", 0},
                                            {"MnuSlotInfo", 1},
                                            {"MnuSlotInfo", 3},
                                            {"MnuCPUList", 0},
                                            {"MnuCPUList", 2},
                                            {"MnuNetWorkDeviceList1", 1},
                                            {"MnuNetWorkDeviceList4", 3},
                                            {"MnuDiskDriveList", 3},
                                            {"MnuNoUseDriveList", 1},
                                            {"MnuUseLeft", 0},
                                            {"MnuUseLeft", 1},
                                            {"MnuUseLeft", 2},
                                            {"MnuSlotMoveUp", -1},
                                            {"MnuSlotMoveDw", -1},
                                            {"MnuUnitShouMode", 0},
                                            {"MnuUnitShouMode", 1},
                                            {"MnuUseLogGraph", -1},
                                            {"MnuUnitMoveUp", -1},
                                            {"MnuUnitMoveDw", -1},
                                            {"MnuUnitAddUp", -1},
                                            {"MnuUnitAddUp", -1},
                                            {"MnuUnitAddDw", -1},
                                            {"MnuUnitAddDw", -1},
                                            {"MnuDeleteConteiner", -1}};
    std::mt19937 random(20261208);
    FillDevices();
    int counts[kContainerCount + 1] = {};
    int commands = 0;
    for (int sequence = 0; sequence < 1000; ++sequence) {
        Reset();
        settings.containerCount = static_cast<std::int16_t>(1 + random() % kContainerCount);
        sources.slotCount = 1 + static_cast<int>(random() % kSlotCount);
        for (int step = 0; step < 40; ++step) {
            // Any node, shown or not; the menu opens only for those the tree shows.
            const int u = static_cast<int>(random() % (kContainerCount + 1));
            const int s = static_cast<int>(random() % kSlotCount);
            const std::string key = random() % 3 == 0 ? ContainerKey(u) : SlotKey(u, s);
            presenter.choice = items[random() % items.size()];
            tree.shown.clear();
            // Now and then the choice runs with the states an earlier node left in the menus,
            // so the commands' own limits are walked as well as the menus'.
            if (random() % 4 == 0) {
                layoutMenu.Run(key, *presenter.choice, tree);
            } else {
                layoutMenu.Open(key, presenter, tree);
            }
            commands += static_cast<int>(tree.shown.size());

            ASSERT_GE(settings.containerCount, 1);
            ASSERT_LE(settings.containerCount, kContainerCount);
            ++counts[settings.containerCount];
            for (const TreeSelection& selection : tree.shown) {
                const LayoutNode node = DecodeNode(selection.key);
                if (node.kind == NodeKind::Window) {
                    continue;
                }
                ASSERT_NE(node.kind, NodeKind::None) << selection.key;
                ASSERT_LT(node.container, settings.containerCount) << selection.key;
            }
            for (int c = 0; c < kContainerCount; ++c) {
                for (int slot = 0; slot < kSlotCount; ++slot) {
                    ASSERT_GE(settings.kind[c][slot], 0);
                    ASSERT_LT(settings.kind[c][slot], kItemKindCount);
                }
            }
        }
    }
    // The walk reaches both ends of the range.
    EXPECT_GT(counts[1], 0);
    EXPECT_GT(counts[kContainerCount], 0);
    EXPECT_GT(commands, 10000);
    EXPECT_FALSE(menu.PopupOpen());
}

// The fuzz target's input on random bytes, where clang is not there to mutate them.
TEST(LayoutFuzz, SeededRandomInputs) {
    std::mt19937 random(83);
    for (int i = 0; i < 2000; ++i) {
        std::string input(random() % 200, '\0');
        for (char& c : input) {
            c = static_cast<char>(random());
        }
        ASSERT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()),
                                         input.size()),
                  0);
    }
}

} // namespace
} // namespace trumbel

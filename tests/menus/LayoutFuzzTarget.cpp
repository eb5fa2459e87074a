// Fuzz target for the layout commands: each pair of input bytes picks a command and a node
// (any node, also ones outside the shown layout), run on a layout read from the first bytes.
// Afterwards the layout must still hold 1 to 10 containers with flags 0 or 1 and item kinds
// 0 to 8, and every node a command selects must lie in the shown layout. Built into the
// seeded random test here; with clang also a libFuzzer target under the address and
// undefined-behaviour sanitizers (with the library's bounds checks on).
#include "menus/LayoutCommands.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace trumbel;

void Check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

void CheckLayout(const Settings& s) {
    Check(s.containerCount >= 1 && s.containerCount <= kContainerCount);
    for (int u = 0; u < kContainerCount; ++u) {
        Check(s.historyContainer[u] == 0 || s.historyContainer[u] == 1);
        Check(s.clockContainer[u] == 0 || s.clockContainer[u] == 1);
        for (int st = 0; st < kSlotCount; ++st) {
            Check(s.kind[u][st] >= 0 && s.kind[u][st] < kItemKindCount);
        }
    }
}

void CheckSelection(const Settings& s, const std::optional<TreeSelection>& selection) {
    if (!selection) {
        return;
    }
    const LayoutNode node = DecodeNode(selection->key);
    if (node.kind == NodeKind::Slot || node.kind == NodeKind::Container) {
        Check(node.container < s.containerCount);
    } else {
        Check(node.kind == NodeKind::Window);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Settings settings;
    std::size_t at = 0;
    auto next = [&] { return at < size ? data[at++] : std::uint8_t{0}; };
    settings.containerCount = static_cast<std::int16_t>(1 + next() % kContainerCount);
    for (int u = 0; u < kContainerCount; ++u) {
        const std::uint8_t flags = next();
        settings.historyContainer[u] = flags & 1;
        settings.clockContainer[u] = (flags >> 1) & 1;
    }
    const int slotCount = 1 + next() % kSlotCount;
    StandardStyles standard = kBuiltInStandardStyles;
    standard[0] = static_cast<std::int16_t>(next() % 6);
    LayoutCommands commands(settings, standard, slotCount);
    while (at < size) {
        const std::uint8_t op = next();
        const std::uint8_t where = next();
        LayoutNode node;
        // Slot and container nodes of every container 0..10, plus the other nodes.
        const int u = where % 11;
        const int s = (where / 11) % 5;
        node.kind = where >= 220 ? NodeKind::Window : s == 4 ? NodeKind::Container : NodeKind::Slot;
        node.container = u;
        node.slot = s == 4 ? 0 : s;
        const int arg = op >> 4;
        std::optional<TreeSelection> selection;
        switch (op % 14) {
        case 0:
            selection = commands.ShowStartUnit(arg % 2);
            break;
        case 1:
            selection = commands.ShowEndUnit(arg % 2);
            break;
        case 2:
            selection = commands.SetSlotItem(node, arg % 10, arg);
            break;
        case 3:
            selection = commands.UseLeft(node, arg % 4);
            break;
        case 4:
            selection = commands.SlotMoveUp(node);
            break;
        case 5:
            selection = commands.SlotMoveDown(node);
            break;
        case 6:
            selection = commands.ShowMode(node, arg % 3);
            break;
        case 7:
            selection = commands.UseHistoryGraph(node, (arg & 1) != 0);
            break;
        case 8:
            selection = commands.ContainerMoveUp(node);
            break;
        case 9:
            selection = commands.ContainerMoveDown(node);
            break;
        case 10:
            selection = commands.InsertAbove(node);
            break;
        case 11:
            selection = commands.InsertBelow(node);
            break;
        default:
            selection = commands.Delete(node);
            break;
        }
        CheckLayout(settings);
        CheckSelection(settings, selection);
    }
    return 0;
}

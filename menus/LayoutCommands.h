#pragma once

#include "settings/Settings.h"
#include "settings/SlotStyle.h"

#include <optional>
#include <string>
#include <string_view>

namespace trumbel {

// The layout tree's nodes: the window, the start unit, the container area, the end unit, one
// node per shown container ("unit1" … "unit10") and one per slot ("slot11" … "slot104").
enum class NodeKind { None, Window, StartUnit, Containers, EndUnit, Container, Slot };

struct LayoutNode {
    NodeKind kind = NodeKind::None;
    int container = 0; // 0-based, for container and slot nodes
    int slot = 0;      // 0-based, for slot nodes
    bool operator==(const LayoutNode&) const = default;
};

std::string ContainerKey(int container);
std::string SlotKey(int container, int slot);
// The node's key; "" for NodeKind::None.
std::string NodeKey(const LayoutNode& node);
// The key without its first four characters, read as an integer: "slot23" → 23, "unit4" → 4;
// 0 when no digits follow.
int NodeNumber(std::string_view key);
// Any key to its node; a number outside the layout's ranges is NodeKind::None.
LayoutNode DecodeNode(std::string_view key);

enum class TreeRebuild { Update, Rebuild };

// Which node the tree selects after a command, and whether it is built anew or only updated.
struct TreeSelection {
    std::string key;
    TreeRebuild rebuild = TreeRebuild::Update;
    bool operator==(const TreeSelection&) const = default;
};

// The commands that edit the layout in the settings record. Each acts on one node and answers
// the node to select afterwards; nullopt when the command cannot act there (a move past the
// ends, an eleventh container, deleting the only one, a node outside the shown layout), in
// which case nothing changed. The caller lays the window out again.
class LayoutCommands {
public:
    LayoutCommands(Settings& settings, const StandardStyles& standard, int skinSlotCount)
        : settings_(settings), standard_(standard), skinSlotCount_(skinSlotCount) {}

    TreeSelection ShowStartUnit(int position);
    TreeSelection ShowEndUnit(int position);

    // The slot shows `kind` of `device` in the new kind's standard style.
    // host: the machine (Settings::host), this one unless given; kKeepHost leaves the slot's.
    static constexpr int kKeepHost = -1;
    std::optional<TreeSelection> SetSlotItem(LayoutNode node, int kind, int device, int host = 0);
    // 0 the standard style, 1 the remaining amount, 2 the amount used, within the group of the
    // kind's standard style.
    std::optional<TreeSelection> UseLeft(LayoutNode node, int choice);
    std::optional<TreeSelection> SlotMoveUp(LayoutNode node);
    std::optional<TreeSelection> SlotMoveDown(LayoutNode node);

    // 0 graphs, 1 clock.
    std::optional<TreeSelection> ShowMode(LayoutNode node, int mode);
    std::optional<TreeSelection> UseHistoryGraph(LayoutNode node, bool on);
    std::optional<TreeSelection> ContainerMoveUp(LayoutNode node);
    std::optional<TreeSelection> ContainerMoveDown(LayoutNode node);
    std::optional<TreeSelection> InsertAbove(LayoutNode node);
    std::optional<TreeSelection> InsertBelow(LayoutNode node);
    std::optional<TreeSelection> Delete(LayoutNode node);

private:
    bool Shown(const LayoutNode& node) const;
    void SwapContainers(int a, int b);
    void CopyContainer(int to, int from);
    std::optional<TreeSelection> Insert(LayoutNode node, int at);
    int StandardStyle(int kind) const;

    Settings& settings_;
    const StandardStyles& standard_;
    int skinSlotCount_;
};

} // namespace trumbel

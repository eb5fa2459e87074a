#include "menus/LayoutCommands.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace trumbel {

namespace {

constexpr int kFirstSlotNode = 11;

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

// The same kind of node, in another container.
LayoutNode InContainer(LayoutNode node, int container) {
    node.container = container;
    return node;
}

} // namespace

std::string ContainerKey(int container) {
    return "unit" + std::to_string(container + 1);
}

std::string SlotKey(int container, int slot) {
    return "slot" + std::to_string((container + 1) * 10 + slot + 1);
}

std::string NodeKey(const LayoutNode& node) {
    switch (node.kind) {
    case NodeKind::None:
        return {};
    case NodeKind::Window:
        return "skinroot";
    case NodeKind::StartUnit:
        return "firstunit";
    case NodeKind::Containers:
        return "rootunit";
    case NodeKind::EndUnit:
        return "endunit";
    case NodeKind::Container:
        return ContainerKey(node.container);
    case NodeKind::Slot:
        return SlotKey(node.container, node.slot);
    }
    return {};
}

int NodeNumber(std::string_view key) {
    if (key.size() <= 4) {
        return 0;
    }
    const std::string_view digits = key.substr(4);
    int n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return error == std::errc() && end != digits.data() ? n : 0;
}

LayoutNode DecodeNode(std::string_view key) {
    if (key == "skinroot") {
        return {NodeKind::Window};
    }
    if (key == "firstunit") {
        return {NodeKind::StartUnit};
    }
    if (key == "rootunit") {
        return {NodeKind::Containers};
    }
    if (key == "endunit") {
        return {NodeKind::EndUnit};
    }
    if (!key.starts_with("slot") && !key.starts_with("unit")) {
        return {};
    }
    const int n = NodeNumber(key);
    if (n >= kFirstSlotNode) {
        const int u = n / 10 - 1;
        const int s = n % 10 - 1;
        if (u < kContainerCount && s >= 0 && s < kSlotCount) {
            return {NodeKind::Slot, u, s};
        }
        return {};
    }
    if (n >= 1 && n <= kContainerCount) {
        return {NodeKind::Container, n - 1, 0};
    }
    return {};
}

bool LayoutCommands::Shown(const LayoutNode& node) const {
    const bool containerNode = node.kind == NodeKind::Container || node.kind == NodeKind::Slot;
    return containerNode && node.container >= 0 && node.container < settings_.containerCount &&
           node.container < kContainerCount && node.slot >= 0 && node.slot < kSlotCount;
}

int LayoutCommands::StandardStyle(int kind) const {
    // A kind outside the table reads as the used side, as the renderer reads it.
    return kind >= 0 && kind < kItemKindCount ? standard_[At(kind)] : 2;
}

TreeSelection LayoutCommands::ShowStartUnit(int position) {
    settings_.showStartUnit = position == 0;
    return {"skinroot", TreeRebuild::Update};
}

TreeSelection LayoutCommands::ShowEndUnit(int position) {
    settings_.showEndUnit = position == 0;
    return {"skinroot", TreeRebuild::Update};
}

std::optional<TreeSelection> LayoutCommands::SetSlotItem(LayoutNode node, int kind, int device,
                                                         int host) {
    if (node.kind != NodeKind::Slot || !Shown(node) || kind < 0 || kind >= kItemKindCount) {
        return std::nullopt;
    }
    const std::size_t u = At(node.container);
    const std::size_t s = At(node.slot);
    settings_.kind[u][s] = static_cast<std::int16_t>(kind);
    settings_.device[u][s] = static_cast<std::int16_t>(device);
    if (host != kKeepHost) {
        settings_.host[u][s] = static_cast<std::int16_t>(host);
    }
    SetSlotStyle(settings_, standard_, node.container, node.slot, 3 * (StandardStyle(kind) / 3),
                 StyleSet::IfChosen);
    return TreeSelection{NodeKey(node), TreeRebuild::Update};
}

std::optional<TreeSelection> LayoutCommands::UseLeft(LayoutNode node, int choice) {
    if (node.kind != NodeKind::Slot || !Shown(node) || choice < 0 || choice > 2) {
        return std::nullopt;
    }
    const int kind = settings_.kind[At(node.container)][At(node.slot)];
    const int style = 3 * (StandardStyle(kind) / 3) + choice;
    if ((style == 0 || style == 3) && (kind < 0 || kind >= kItemKindCount)) {
        return std::nullopt; // no standard style to fall back on
    }
    SetSlotStyle(settings_, standard_, node.container, node.slot, style, StyleSet::IfChosen);
    return TreeSelection{NodeKey(node), TreeRebuild::Rebuild};
}

std::optional<TreeSelection> LayoutCommands::SlotMoveUp(LayoutNode node) {
    if (node.kind != NodeKind::Slot || !Shown(node) || node.slot == 0) {
        return std::nullopt;
    }
    const std::size_t u = At(node.container);
    const std::size_t s = At(node.slot);
    for (auto* field :
         {&settings_.kind, &settings_.device, &settings_.graphStyle, &settings_.digitStyle}) {
        std::swap((*field)[u][s], (*field)[u][s - 1]);
    }
    node.slot -= 1;
    return TreeSelection{NodeKey(node), TreeRebuild::Update};
}

std::optional<TreeSelection> LayoutCommands::SlotMoveDown(LayoutNode node) {
    const int slots = skinSlotCount_ > 0 ? std::min(skinSlotCount_, kSlotCount) : kSlotCount;
    if (node.kind != NodeKind::Slot || !Shown(node) || node.slot + 1 >= slots ||
        settings_.historyContainer[At(node.container)]) {
        return std::nullopt;
    }
    node.slot += 1;
    // Moving the lower slot up is the same exchange.
    SlotMoveUp(node);
    return TreeSelection{NodeKey(node), TreeRebuild::Update};
}

std::optional<TreeSelection> LayoutCommands::ShowMode(LayoutNode node, int mode) {
    if (!Shown(node) || mode < 0 || mode > 1) {
        return std::nullopt;
    }
    settings_.clockContainer[At(node.container)] = mode == 1;
    return TreeSelection{ContainerKey(node.container), TreeRebuild::Rebuild};
}

std::optional<TreeSelection> LayoutCommands::UseHistoryGraph(LayoutNode node, bool on) {
    if (!Shown(node)) {
        return std::nullopt;
    }
    settings_.historyContainer[At(node.container)] = on;
    // A history container shows only its first slot.
    if (node.kind == NodeKind::Slot && on) {
        node.slot = 0;
    }
    return TreeSelection{NodeKey(node), TreeRebuild::Rebuild};
}

void LayoutCommands::SwapContainers(int a, int b) {
    const std::size_t x = At(a);
    const std::size_t y = At(b);
    std::swap(settings_.historyContainer[x], settings_.historyContainer[y]);
    std::swap(settings_.clockContainer[x], settings_.clockContainer[y]);
    std::swap(settings_.kind[x], settings_.kind[y]);
    std::swap(settings_.device[x], settings_.device[y]);
    std::swap(settings_.graphStyle[x], settings_.graphStyle[y]);
    std::swap(settings_.digitStyle[x], settings_.digitStyle[y]);
}

void LayoutCommands::CopyContainer(int to, int from) {
    const std::size_t x = At(to);
    const std::size_t y = At(from);
    settings_.historyContainer[x] = settings_.historyContainer[y];
    settings_.clockContainer[x] = settings_.clockContainer[y];
    settings_.kind[x] = settings_.kind[y];
    settings_.device[x] = settings_.device[y];
    settings_.graphStyle[x] = settings_.graphStyle[y];
    settings_.digitStyle[x] = settings_.digitStyle[y];
}

std::optional<TreeSelection> LayoutCommands::ContainerMoveUp(LayoutNode node) {
    if (!Shown(node) || node.container == 0) {
        return std::nullopt;
    }
    SwapContainers(node.container, node.container - 1);
    return TreeSelection{NodeKey(InContainer(node, node.container - 1)), TreeRebuild::Rebuild};
}

std::optional<TreeSelection> LayoutCommands::ContainerMoveDown(LayoutNode node) {
    if (!Shown(node) || node.container + 1 >= settings_.containerCount) {
        return std::nullopt;
    }
    SwapContainers(node.container, node.container + 1);
    return TreeSelection{NodeKey(InContainer(node, node.container + 1)), TreeRebuild::Rebuild};
}

std::optional<TreeSelection> LayoutCommands::Insert(LayoutNode node, int at) {
    const int count = settings_.containerCount;
    if (!Shown(node) || count >= kContainerCount) {
        return std::nullopt;
    }
    settings_.containerCount = static_cast<std::int16_t>(count + 1);
    for (int k = count; k > at; --k) {
        CopyContainer(k, k - 1);
    }
    const std::size_t p = At(at);
    settings_.historyContainer[p] = false;
    settings_.clockContainer[p] = false;
    for (int s = 0; s < kSlotCount; ++s) {
        settings_.kind[p][At(s)] = 0;
        settings_.device[p][At(s)] = 0;
        SetSlotStyle(settings_, standard_, at, s, 0, StyleSet::Force);
    }
    return TreeSelection{};
}

std::optional<TreeSelection> LayoutCommands::InsertAbove(LayoutNode node) {
    if (!Insert(node, node.container)) {
        return std::nullopt;
    }
    return TreeSelection{NodeKey(InContainer(node, node.container + 1)), TreeRebuild::Rebuild};
}

std::optional<TreeSelection> LayoutCommands::InsertBelow(LayoutNode node) {
    if (!Insert(node, node.container + 1)) {
        return std::nullopt;
    }
    return TreeSelection{NodeKey(node), TreeRebuild::Rebuild};
}

std::optional<TreeSelection> LayoutCommands::Delete(LayoutNode node) {
    const int count = settings_.containerCount;
    if (!Shown(node) || count <= 1) {
        return std::nullopt;
    }
    // The container that falls off the end keeps its fields, unseen.
    for (int k = node.container; k <= count - 2; ++k) {
        CopyContainer(k, k + 1);
    }
    settings_.containerCount = static_cast<std::int16_t>(count - 1);
    return TreeSelection{NodeKey(InContainer(node, std::min(node.container, count - 2))),
                         TreeRebuild::Rebuild};
}

} // namespace trumbel

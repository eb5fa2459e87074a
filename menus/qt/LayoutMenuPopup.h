#pragma once

#include "menus/LayoutMenu.h"

#include <string_view>

class QWidget;

namespace trumbel {

// The layout tree's right click: the menu of node `key` at the mouse, owned by `owner` (the
// options dialog); the chosen command edits the layout, the strip is laid out again and the
// tree hears which node to select.
void OpenLayoutMenu(LayoutMenu& menu, std::string_view key, QWidget* owner, LayoutTree& tree);

} // namespace trumbel

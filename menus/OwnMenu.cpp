#include "menus/OwnMenu.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trumbel {

namespace {

int Channel(std::uint32_t colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFFu);
}

void Collect(std::vector<OwnSubmenu>& out, const MenuItem& menu, int top, std::vector<int> path) {
    OwnSubmenu sub;
    sub.top = top;
    sub.path = path;
    for (const MenuItem& item : menu.items) {
        sub.items.push_back(RecordOf(item));
    }
    out.push_back(std::move(sub));
    // Submenus after the menu that holds them, as the conversion meets them.
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        if (menu.items[i].submenu) {
            std::vector<int> below = path;
            below.push_back(static_cast<int>(i));
            Collect(out, menu.items[i], top, std::move(below));
        }
    }
}

} // namespace

ItemText SplitItemText(std::string_view text) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos) {
        return {std::string(text), {}};
    }
    return {std::string(text.substr(0, tab)), std::string(text.substr(tab + 1))};
}

Size MeasureItem(Size text, Size icon, EdgeSize edge, int bandWidth) {
    return {text.width + icon.width + 3 * edge.cx + 8 + bandWidth,
            std::max(text.height, icon.height) + 2 * edge.cy};
}

int SeparatorHeight(EdgeSize edge) {
    return edge.cy + 8;
}

int BandWidth(int textHeight, EdgeSize edge) {
    return textHeight + 2 * edge.cx;
}

int DefaultItemWeight(int weight) {
    return std::min(weight + 300, 900);
}

ItemColumns LayoutItem(int itemWidth, Size icon, EdgeSize edge) {
    // edge | icon | edge + 4 | caption ... shortcut | 4 + edge: the fixed parts of the width.
    ItemColumns c;
    c.iconLeft = edge.cx;
    c.captionLeft = edge.cx + icon.width + edge.cx + 4;
    c.shortcutRight = itemWidth - edge.cx - 4;
    return c;
}

std::uint32_t BandRowColour(std::uint32_t first, std::uint32_t second, int y, int height) {
    if (height <= 0) {
        return RgbOf(second);
    }
    auto channel = [&](int shift) {
        const double a = Channel(first, shift);
        const double b = Channel(second, shift);
        // nearbyint rounds ties to even in the default rounding mode.
        return static_cast<int>(std::nearbyint((a - b) / height * y + b));
    };
    return Rgb(channel(16), channel(8), channel(0));
}

Bitmap BandGradient(int width, int height, std::uint32_t first, std::uint32_t second) {
    Bitmap band(width, height);
    for (int y = 0; y < band.height; ++y) {
        std::fill_n(band.Row(y), band.width, BandRowColour(first, second, y, height));
    }
    return band;
}

BandTextBox PlaceBandText(int bandWidth, int bandHeight, int textLength, int textHeight) {
    BandTextBox box;
    box.left = (bandWidth - textHeight) / 2;
    box.right = box.left + textHeight;
    box.bottom = bandHeight;
    box.top = bandHeight - textLength;
    return box;
}

OwnItemRecord RecordOf(const MenuItem& item) {
    OwnItemRecord r;
    r.valid = item.visible;
    r.separator = item.IsSeparator();
    // Only our own captions have a shortcut column: a tab in a file name is part of the name.
    r.text = r.separator      ? ItemText{"-", {}}
             : item.plainText ? ItemText{item.caption, {}}
                              : SplitItemText(item.caption);
    r.icon = item.icon;
    r.iconFile = item.iconFile;
    return r;
}

void OwnMenu::Init(EdgeSize edge) {
    windows_.clear();
    edge_ = edge;
    currentWindow_ = -1;
    currentSubmenu_ = -1;
}

int OwnMenu::Register(int window, std::span<const MenuItem> menuBar, Size icon) {
    if (menuBar.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i].window == window) {
            return static_cast<int>(i);
        }
    }
    OwnWindow record;
    record.window = window;
    record.icon = icon;
    for (std::size_t top = 0; top < menuBar.size(); ++top) {
        Collect(record.submenus, menuBar[top], static_cast<int>(top), {});
    }
    windows_.push_back(std::move(record));
    return static_cast<int>(windows_.size()) - 1;
}

int OwnMenu::SetStyle(int window, int style) {
    for (OwnWindow& w : windows_) {
        if (w.window == window) {
            return std::exchange(w.style, style);
        }
    }
    return -1;
}

bool OwnMenu::Select(int window, int top, std::span<const int> path) {
    currentWindow_ = -1;
    currentSubmenu_ = -1;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i].window != window) {
            continue;
        }
        const auto& subs = windows_[i].submenus;
        for (std::size_t s = 0; s < subs.size(); ++s) {
            if (subs[s].top == top && std::ranges::equal(subs[s].path, path)) {
                currentWindow_ = static_cast<int>(i);
                currentSubmenu_ = static_cast<int>(s);
                return true;
            }
        }
    }
    return false;
}

OwnSubmenu* OwnMenu::SelectedSubmenu() {
    if (currentWindow_ < 0 || currentSubmenu_ < 0) {
        return nullptr;
    }
    return &windows_[static_cast<std::size_t>(currentWindow_)]
                .submenus[static_cast<std::size_t>(currentSubmenu_)];
}

const OwnSubmenu* OwnMenu::Selected() const {
    return const_cast<OwnMenu*>(this)->SelectedSubmenu();
}

OwnItemRecord* OwnMenu::ItemAt(int position) {
    OwnSubmenu* sub = SelectedSubmenu();
    if (!sub || position < 0 || static_cast<std::size_t>(position) >= sub->items.size()) {
        return nullptr;
    }
    return &sub->items[static_cast<std::size_t>(position)];
}

const OwnItemRecord* OwnMenu::Item(int position) const {
    return const_cast<OwnMenu*>(this)->ItemAt(position);
}

void OwnMenu::SetCaption(int position, std::string_view caption, std::string_view shortcut) {
    if (OwnItemRecord* r = ItemAt(position)) {
        r->text = {std::string(caption), std::string(shortcut)};
        r->height = 0; // measured again before it is drawn
        SelectedSubmenu()->bandDirty = true;
    }
}

void OwnMenu::SetIcon(int position, std::string_view icon) {
    if (OwnItemRecord* r = ItemAt(position)) {
        r->icon = std::string(icon);
    }
}

void OwnMenu::AddItem(int position, const MenuItem& item) {
    OwnSubmenu* sub = SelectedSubmenu();
    if (!sub || position < 0 || static_cast<std::size_t>(position) > sub->items.size()) {
        return;
    }
    sub->items.insert(sub->items.begin() + position, RecordOf(item));
    sub->bandDirty = true;
}

void OwnMenu::RemoveItem(int position) {
    if (!ItemAt(position)) {
        return;
    }
    OwnSubmenu* sub = SelectedSubmenu();
    sub->totalHeight -= sub->items[static_cast<std::size_t>(position)].height;
    sub->items.erase(sub->items.begin() + position);
    sub->bandDirty = true;
}

void OwnMenu::ShowItem(int position, bool visible, const MenuItem& item) {
    OwnItemRecord* r = ItemAt(position);
    if (!r) {
        return;
    }
    OwnSubmenu* sub = SelectedSubmenu();
    if (visible) {
        *r = RecordOf(item);
        r->valid = true;
    } else {
        sub->totalHeight -= r->height;
        r->height = 0;
        r->valid = false;
    }
    sub->bandDirty = true;
}

void OwnMenu::SetBand(bool shown, std::string_view text, BandColours colours,
                      const BandFont& font) {
    if (OwnSubmenu* sub = SelectedSubmenu()) {
        sub->band = {shown, std::string(text), colours, font};
        sub->bandDirty = true;
    }
}

void OwnMenu::Measured(int position, int height) {
    if (OwnItemRecord* r = ItemAt(position)) {
        OwnSubmenu* sub = SelectedSubmenu();
        sub->totalHeight += height - r->height;
        r->height = height;
        sub->bandDirty = true;
    }
}

void OwnMenu::BandBuilt() {
    if (OwnSubmenu* sub = SelectedSubmenu()) {
        sub->bandDirty = false;
    }
}

void OwnMenu::Terminate() {
    windows_.clear();
    currentWindow_ = -1;
    currentSubmenu_ = -1;
}

const OwnWindow* OwnMenu::Window(int window) const {
    for (const OwnWindow& w : windows_) {
        if (w.window == window) {
            return &w;
        }
    }
    return nullptr;
}

const OwnSubmenu* OwnMenu::Submenu(int window, int top, std::span<const int> path) const {
    const OwnWindow* w = Window(window);
    if (!w) {
        return nullptr;
    }
    for (const OwnSubmenu& s : w->submenus) {
        if (s.top == top && std::ranges::equal(s.path, path)) {
            return &s;
        }
    }
    return nullptr;
}

} // namespace trumbel

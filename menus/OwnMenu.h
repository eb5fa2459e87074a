#pragma once

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "menus/MenuTree.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// The toolkit-free half of the program-drawn menus: the records each item is drawn from, the
// measure rules, and the title band's picture. A view measures text and draws glyphs; every
// size and position it uses comes from here.

// The desktop's edge sizes, read once when the menus are set up.
struct EdgeSize {
    int cx = 2;
    int cy = 2;
};

// What an item shows: the text before the first tab is the caption, the rest the shortcut
// column. Blanks never split, so "最前面表示" + blanks + "Pause" stays one caption.
struct ItemText {
    std::string caption;
    std::string shortcut;
    bool operator==(const ItemText&) const = default;
};
ItemText SplitItemText(std::string_view text);

// Item size from the size of caption + shortcut in the menu font and the icon column.
Size MeasureItem(Size text, Size icon, EdgeSize edge, int bandWidth);
int SeparatorHeight(EdgeSize edge);
// A band is as wide as its text is high, plus an edge on each side.
int BandWidth(int textHeight, EdgeSize edge);
// The default item's font weight: raised by 300, at most 900.
int DefaultItemWeight(int weight);

// Where the parts of an item go inside its rectangle (band already cut off), x relative to
// the rectangle's left.
struct ItemColumns {
    int iconLeft = 0;
    int captionLeft = 0;
    int shortcutRight = 0; // right end of the right-aligned shortcut text
};
ItemColumns LayoutItem(int itemWidth, Size icon, EdgeSize edge);

// The band: navy at the top to blue at the bottom for every band the menus show.
struct BandColours {
    std::uint32_t text = Rgb(255, 255, 255);
    std::uint32_t first = Rgb(0, 0, 255);
    std::uint32_t second = Rgb(0, 0, 64);
};

// The font a band asks for; the view turns it into a real font, rotated.
struct BandFont {
    std::string family;
    double pointSize = 9;
    int weight = 700;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// Row y of a band `height` rows high: each channel (first - second) / height * y + second,
// rounded to the nearest, ties to even. The top row has the second colour.
std::uint32_t BandRowColour(std::uint32_t first, std::uint32_t second, int y, int height);
Bitmap BandGradient(int width, int height, std::uint32_t first, std::uint32_t second);

// The rotated text's box in band pixels: it reads upwards from `bottom`, centred across the
// band. A text longer than the band runs off the top, so its start stays readable.
struct BandTextBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const BandTextBox&) const = default;
};
BandTextBox PlaceBandText(int bandWidth, int bandHeight, int textLength, int textHeight);

// One item as the program draws it. A record stops being valid while its item is hidden.
struct OwnItemRecord {
    bool valid = true;
    ItemText text;
    std::string icon;     // resource name, "" for none
    std::string iconFile; // a file whose own icon stands for the item
    int height = 0;       // 0 until measured
    bool separator = false;
    bool IsSeparator() const { return separator; }
};

struct OwnBand {
    bool shown = false;
    std::string text;
    BandColours colours;
    BandFont font;
};

// A submenu, found from the menu bar by its top-level position and the path below it.
struct OwnSubmenu {
    int top = 0;
    std::vector<int> path;
    OwnBand band;
    bool bandDirty = true;
    int totalHeight = 0;
    std::vector<OwnItemRecord> items;
};

struct OwnWindow {
    int window = 0;
    int style = 0;
    Size icon;
    std::vector<OwnSubmenu> submenus;
};

// The registry of windows whose menus the program draws, and the operations that keep their
// records in step with the menus. Operations act on the submenu chosen by Select; a position
// without a record, or no selection, leaves everything as it was.
class OwnMenu {
public:
    void Init(EdgeSize edge);
    EdgeSize Edge() const { return edge_; }

    // -1 for a window without menus; the existing index for a known window; otherwise the
    // index of a new record holding every submenu of `menuBar`, depth first.
    int Register(int window, std::span<const MenuItem> menuBar, Size icon);
    // The old style; -1 for an unknown window.
    int SetStyle(int window, int style);
    // The submenu at `top` and then at each position of `path`; top -1 (the system menu,
    // which these windows lack) or an unknown path selects nothing. Returns whether one was.
    bool Select(int window, int top, std::span<const int> path = {});

    void SetCaption(int position, std::string_view caption, std::string_view shortcut = {});
    void SetIcon(int position, std::string_view icon);
    // An item added to the selected submenu's model at `position`.
    void AddItem(int position, const MenuItem& item);
    void RemoveItem(int position);
    void ShowItem(int position, bool visible, const MenuItem& item);
    void SetBand(bool shown, std::string_view text, BandColours colours, const BandFont& font);
    // A measured item: keeps its height, moves the submenu's total and marks the band stale.
    void Measured(int position, int height);
    // The selected submenu's band picture was rebuilt from the current heights.
    void BandBuilt();
    void Terminate();

    const OwnWindow* Window(int window) const;
    const OwnSubmenu* Submenu(int window, int top, std::span<const int> path = {}) const;
    const OwnSubmenu* Selected() const;
    // The record at a position of the selected submenu; null when there is none.
    const OwnItemRecord* Item(int position) const;
    int WindowCount() const { return static_cast<int>(windows_.size()); }

private:
    OwnItemRecord* ItemAt(int position);
    OwnSubmenu* SelectedSubmenu();

    EdgeSize edge_;
    std::vector<OwnWindow> windows_;
    int currentWindow_ = -1;
    int currentSubmenu_ = -1;
};

OwnItemRecord RecordOf(const MenuItem& item);

} // namespace trumbel

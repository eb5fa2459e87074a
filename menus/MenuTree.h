#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

inline constexpr int kSingleItem = -1;

struct MenuCommandContext;
// What choosing an item does, declared with the item in the tree; lists hand theirs on to the
// entries added at run time.
using MenuHandler = void (*)(MenuCommandContext& context);

// One item of the popup menus: a command, a separator or a submenu. Items named alike
// with indexes 0, 1, 2, ... form a list: index 0 is the design-time placeholder, the others are
// added just before a popup and removed after it.
struct MenuItem {
    std::string name;
    int index = kSingleItem;
    std::string caption;
    std::string icon; // resource name of the item's 16x16 picture, "" for none
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    bool radio = false;
    bool submenu = false;
    bool separator = false;
    // The caption is a name from outside (a file, a device, a skin's site), not one of ours: it
    // is shown as it reads, with no mnemonic and no shortcut column.
    bool plainText = false;
    // A caption made from one of our texts and a name from outside: the text as written, "%1"
    // standing for `formArgument`, so the caption can be made again in another language.
    std::string form;
    std::string formArgument;
    // Where `formArgument` is one of our texts too: the context it is marked under, else "".
    // ComposeCaption clears it.
    std::string formArgumentContext;
    // For entries that stand for a file: the file, whose own icon an icon menu shows.
    std::string iconFile;
    // For entries of another machine's device list: that machine (Settings::host) and the
    // device's number there; 0 for this machine's entries, whose index is their device.
    int host = 0;
    int hostDevice = 0;
    // The title band an icon menu paints beside a submenu, and whether it is shown.
    std::string band;
    bool bandShown = false;
    std::vector<MenuItem> items;
    // Null for items without a command of their own (submenus, separators, the layout menus,
    // whose commands the layout editor carries out).
    MenuHandler handler = nullptr;

    bool IsSeparator() const { return separator; }
};

// A chosen item, as a view reports it after the menu has closed.
struct MenuCommand {
    std::string name;
    int index = kSingleItem;
    bool operator==(const MenuCommand&) const = default;
};

enum class IconMenus { Off, On };

enum class TopMenu : int { Main = 0, StartUnit = 1, EndUnit = 2, SlotRoot = 3 };

// The four top-level menus as they stand at design time, before anything is filled in.
std::array<MenuItem, 4> DesignTimeMenus();

// The slot menu's device list of a sensor kind (9 to 14): "MnuSensorList9".
std::string SensorListName(int kind);
inline constexpr int kFirstSensorItemKind = 9;
inline constexpr int kLastSensorItemKind = 14;

// Depth-first search below (and including) root; null when absent.
MenuItem* FindItem(MenuItem& root, std::string_view name, int index = kSingleItem);
const MenuItem* FindItem(const MenuItem& root, std::string_view name, int index = kSingleItem);
// The submenu directly holding the named item; null when absent.
MenuItem* FindParent(MenuItem& root, std::string_view name, int index = kSingleItem);

// The item's caption made from `form` (one of our texts, "%1" standing for `argument`).
void ComposeCaption(MenuItem& item, std::string form, std::string argument);

// Checks the member of the radio group `name` within `group` at `position` and clears the
// others.
void CheckRadio(MenuItem& group, std::string_view name, int position);

} // namespace trumbel

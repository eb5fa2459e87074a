#include "menus/OwnMenu.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

TEST(OwnMenuText, CaptionAndShortcutSplitAtTheFirstTabOnly) {
    const std::string pause = "最前面表示" + std::string(16, ' ') + "Pause";
    struct Case {
        std::string text;
        ItemText expected;
    };
    for (const Case& c : {Case{pause, {pause, ""}}, Case{"開く\tCtrl+O", {"開く", "Ctrl+O"}},
                          Case{"a\tb\tc", {"a", "b\tc"}}, Case{"\tF1", {"", "F1"}},
                          Case{"", {"", ""}}, Case{"末尾\t", {"末尾", ""}}}) {
        EXPECT_EQ(SplitItemText(c.text), c.expected) << c.text;
    }
}

TEST(OwnMenuMeasure, ItemsSeparatorsAndBands) {
    const EdgeSize edge{2, 2};
    const Size icon{16, 16};
    struct Case {
        const char* what;
        Size text;
        Size icon;
        int band;
        Size expected;
    };
    for (const Case& c : {
             // 100 + 16 + 3 * 2 + 8; the taller of text and icon, + 2 * 2
             Case{"icon column, short text", {100, 13}, icon, 0, {130, 20}},
             Case{"text taller than the icon", {100, 19}, icon, 0, {130, 23}},
             Case{"no icon column", {100, 13}, {0, 0}, 0, {114, 17}},
             Case{"band added", {100, 13}, icon, 21, {151, 20}},
             Case{"empty caption keeps the fixed parts", {0, 13}, icon, 0, {30, 20}},
         }) {
        EXPECT_EQ(MeasureItem(c.text, c.icon, edge, c.band), c.expected) << c.what;
    }
    EXPECT_EQ(MeasureItem({10, 10}, icon, EdgeSize{1, 3}, 0), (Size{10 + 16 + 3 + 8, 22}));
    EXPECT_EQ(SeparatorHeight(edge), 10);
    EXPECT_EQ(SeparatorHeight(EdgeSize{1, 1}), 9);
    EXPECT_EQ(BandWidth(17, edge), 21);
    for (auto [weight, raised] : {std::pair{400, 700}, {700, 900}, {600, 900}, {100, 400}}) {
        EXPECT_EQ(DefaultItemWeight(weight), raised) << weight;
    }
}

TEST(OwnMenuMeasure, ColumnsUseExactlyTheFixedPartsOfTheWidth) {
    const EdgeSize edge{2, 2};
    const Size icon{16, 16};
    const Size item = MeasureItem({100, 13}, icon, edge, 0);
    const ItemColumns c = LayoutItem(item.width, icon, edge);
    EXPECT_EQ(c.iconLeft, 2);
    EXPECT_EQ(c.captionLeft, 24);
    EXPECT_EQ(c.shortcutRight - c.captionLeft, 100) << "the text fills the rest to the pixel";
}

// Golden rows of the band: navy RGB(0, 0, 64) on top, towards blue RGB(0, 0, 255).
TEST(OwnMenuBand, GradientRows) {
    const BandColours colours;
    struct Case {
        int height;
        int y;
        std::uint32_t expected;
    };
    for (const Case& c : {
             Case{1, 0, Rgb(0, 0, 64)}, Case{2, 0, Rgb(0, 0, 64)},
             Case{2, 1, Rgb(0, 0, 160)},                               // 159.5, even
             Case{300, 0, Rgb(0, 0, 64)}, Case{300, 1, Rgb(0, 0, 65)}, // 64.64
             Case{300, 100, Rgb(0, 0, 128)},                           // 127.67
             Case{300, 150, Rgb(0, 0, 160)},                           // 159.5, even
             Case{300, 299, Rgb(0, 0, 254)}, // 254.36: the bottom approaches blue
             Case{4, 1, Rgb(0, 0, 112)},     // 111.75
             Case{4, 2, Rgb(0, 0, 160)},     // 159.5, even
         }) {
        EXPECT_EQ(BandRowColour(colours.first, colours.second, c.y, c.height), c.expected)
            << c.height << " rows, row " << c.y;
    }
    // Every channel on its own, and a falling one: ties go to the even neighbour.
    EXPECT_EQ(BandRowColour(Rgb(255, 0, 1), Rgb(0, 255, 0), 1, 2), Rgb(128, 128, 0));
    EXPECT_EQ(BandRowColour(Rgb(3, 0, 0), Rgb(0, 0, 0), 1, 2), Rgb(2, 0, 0)); // 1.5
    EXPECT_EQ(BandRowColour(Rgb(5, 0, 0), Rgb(0, 0, 0), 1, 2), Rgb(2, 0, 0)); // 2.5
}

TEST(OwnMenuBand, GradientPicturesOfOneTwoAndThreeHundredRows) {
    const BandColours colours;
    for (int height : {1, 2, 300}) {
        const Bitmap band = BandGradient(21, height, colours.first, colours.second);
        ASSERT_EQ(band.width, 21);
        ASSERT_EQ(band.height, height);
        int previous = -1;
        for (int y = 0; y < height; ++y) {
            const std::uint32_t row = band.At(0, y);
            EXPECT_EQ(row, BandRowColour(colours.first, colours.second, y, height));
            for (int x = 1; x < band.width; ++x) {
                ASSERT_EQ(band.At(x, y), row) << "row " << y << " is one colour";
            }
            EXPECT_EQ(row & 0xFFFF00u, 0u) << "only blue changes";
            EXPECT_GE(static_cast<int>(row & 0xFF), previous) << "never darker downwards";
            previous = static_cast<int>(row & 0xFF);
        }
        EXPECT_EQ(band.At(0, 0), Rgb(0, 0, 64));
    }
    EXPECT_TRUE(BandGradient(21, 0, colours.first, colours.second).Empty());
}

TEST(OwnMenuBand, TextReadsUpwardsFromTheBottomCentredAcross) {
    struct Case {
        const char* what;
        int bandWidth, bandHeight, length, textHeight;
        BandTextBox expected;
    };
    for (const Case& c : {
             Case{"usual band", 21, 300, 200, 17, {2, 100, 19, 300}},
             Case{"odd spare pixel goes right", 20, 300, 200, 17, {1, 100, 18, 300}},
             Case{
                 "text longer than the band runs off the top", 21, 120, 200, 17, {2, -80, 19, 120}},
             Case{"one-row band", 21, 1, 5, 17, {2, -4, 19, 1}},
         }) {
        EXPECT_EQ(PlaceBandText(c.bandWidth, c.bandHeight, c.length, c.textHeight), c.expected)
            << c.what;
    }
}

// --- Records and their operations ------------------------------------------------------------

MenuItem Menu(std::string caption, std::vector<MenuItem> items) {
    MenuItem m;
    m.caption = std::move(caption);
    m.submenu = true;
    m.items = std::move(items);
    return m;
}

MenuItem Entry(std::string caption, std::string icon = {}) {
    MenuItem m;
    m.caption = std::move(caption);
    m.icon = std::move(icon);
    return m;
}

std::vector<MenuItem> Bar() {
    MenuItem hidden = Entry("hidden");
    hidden.visible = false;
    MenuItem separator = Entry("-");
    separator.separator = true;
    return {Menu("top0", {Entry("a\tCtrl+A", "icon_me"), separator,
                          Menu("sub", {Entry("x"), Menu("deep", {Entry("y")})}), hidden}),
            Menu("top1", {Entry("b")})};
}

TEST(OwnMenuRecords, RegisteringConvertsEverySubmenuOnce) {
    OwnMenu own;
    own.Init({2, 2});
    const std::vector<MenuItem> bar = Bar();
    EXPECT_EQ(own.Register(7, {}, {16, 16}), -1) << "a window without menus";
    EXPECT_EQ(own.WindowCount(), 0);
    EXPECT_EQ(own.Register(7, bar, {16, 16}), 0);
    EXPECT_EQ(own.Register(9, bar, {16, 16}), 1);
    EXPECT_EQ(own.Register(7, bar, {16, 16}), 0) << "registered once";
    ASSERT_EQ(own.WindowCount(), 2);
    EXPECT_EQ(own.Window(7)->submenus.size(), 4u);

    const OwnSubmenu* top0 = own.Submenu(7, 0);
    ASSERT_NE(top0, nullptr);
    ASSERT_EQ(top0->items.size(), 4u);
    EXPECT_EQ(top0->items[0].text, (ItemText{"a", "Ctrl+A"}));
    EXPECT_EQ(top0->items[0].icon, "icon_me");
    EXPECT_TRUE(top0->items[1].IsSeparator());
    EXPECT_FALSE(top0->items[3].valid) << "a hidden item has no drawn record";
    const int deepPath[] = {2, 1};
    ASSERT_NE(own.Submenu(7, 0, deepPath), nullptr);
    EXPECT_EQ(own.Submenu(7, 0, deepPath)->items[0].text.caption, "y");
    EXPECT_EQ(own.SetStyle(7, 1), 0);
    EXPECT_EQ(own.SetStyle(7, 1), 1);
    EXPECT_EQ(own.SetStyle(8, 1), -1);
    own.Terminate();
    EXPECT_EQ(own.WindowCount(), 0);
}

TEST(OwnMenuRecords, OperationsActOnTheSelectedSubmenuAndIgnoreMissingPositions) {
    OwnMenu own;
    own.Init({2, 2});
    const std::vector<MenuItem> bar = Bar();
    own.Register(7, bar, {16, 16});
    const int sub[] = {2};
    const int nowhere[] = {0};

    // Nothing selected: nothing changes.
    own.SetCaption(0, "lost");
    EXPECT_EQ(own.Submenu(7, 0)->items[0].text.caption, "a");
    EXPECT_FALSE(own.Select(7, -1)) << "no system menu";
    EXPECT_FALSE(own.Select(7, 0, nowhere)) << "position 0 is no submenu";
    EXPECT_FALSE(own.Select(8, 0)) << "unknown window";
    own.SetIcon(0, "lost");
    EXPECT_EQ(own.Submenu(7, 0)->items[0].icon, "icon_me");

    ASSERT_TRUE(own.Select(7, 0, sub));
    own.SetCaption(0, "x2", "F2");
    own.SetIcon(0, "icon_zoom");
    EXPECT_EQ(own.Item(0)->text, (ItemText{"x2", "F2"}));
    EXPECT_EQ(own.Item(0)->icon, "icon_zoom");
    EXPECT_EQ(own.Submenu(7, 0)->items[0].text.caption, "a") << "other submenus untouched";

    const std::size_t before = own.Selected()->items.size();
    for (int missing : {-1, 2, 99}) {
        own.SetCaption(missing, "z");
        own.SetIcon(missing, "z");
        own.RemoveItem(missing);
        own.ShowItem(missing, true, Entry("z"));
        own.Measured(missing, 50);
    }
    EXPECT_EQ(own.Selected()->items.size(), before);
    EXPECT_EQ(own.Selected()->totalHeight, 0);

    // Add at the end, measure, hide, show again, remove.
    own.AddItem(2, Entry("added", "icon_file"));
    own.AddItem(9, Entry("too far"));
    ASSERT_EQ(own.Selected()->items.size(), before + 1);
    own.Measured(0, 20);
    own.Measured(2, 20);
    own.Measured(2, 22);
    EXPECT_EQ(own.Selected()->totalHeight, 42);
    own.ShowItem(2, false, Entry("added"));
    EXPECT_FALSE(own.Item(2)->valid);
    EXPECT_EQ(own.Selected()->totalHeight, 20);
    own.ShowItem(2, true, Entry("again", "icon_help"));
    EXPECT_TRUE(own.Item(2)->valid);
    EXPECT_EQ(own.Item(2)->text.caption, "again");
    own.Measured(2, 20);
    own.RemoveItem(2);
    EXPECT_EQ(own.Selected()->items.size(), before);
    EXPECT_EQ(own.Selected()->totalHeight, 20);

    own.SetBand(true, " Function (一覧)", BandColours{}, BandFont{"Sans", 9, 700});
    EXPECT_TRUE(own.Selected()->band.shown);
    EXPECT_EQ(own.Selected()->band.text, " Function (一覧)");
    EXPECT_TRUE(own.Selected()->bandDirty);
    EXPECT_FALSE(own.Submenu(7, 0)->band.shown);
}

} // namespace
} // namespace trumbel

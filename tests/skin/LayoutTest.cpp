#include "skin/Layout.h"

#include "skin/SkinEngine.h"
#include "skin/SkinReader.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

SkinData BuiltIn(int number) {
    return ReadBuiltInSkin(EmbeddedSkinSource().strings, number);
}

std::vector<int> Xs(const SkinLayout& l) {
    std::vector<int> xs;
    for (const auto& p : l.placements) {
        xs.push_back(p.x);
    }
    return xs;
}

TEST(Layout, WorkedExampleOfTheHorizontalSkin) {
    Settings st;
    st.containerCount = 5;
    st.clockContainer[4] = 1;
    const SkinLayout l = ComputeLayout(BuiltIn(1), st, {});
    EXPECT_EQ(Xs(l), (std::vector<int>{8, 90, 172, 254, 336, 429, 429, 429, 429, 429}));
    EXPECT_EQ(l.endX, 429);
    EXPECT_EQ(l.layoutWidth, 449);
    EXPECT_EQ(l.layoutHeight, 27);
    EXPECT_EQ(l.placements[4].type, -1);
    EXPECT_FALSE(l.placements[5].shown);
}

TEST(Layout, EdgeCases) {
    struct Case {
        const char* what;
        int skin;
        std::function<void(Settings&)> set;
        std::vector<int> positions; // x for skin 1, y for skin 2, containers 0..9
        int end;
        int width;
        int height;
    };
    const Case cases[] = {
        {"no containers",
         1,
         [](Settings& s) { s.containerCount = 0; },
         {8, 8, 8, 8, 8, 8, 8, 8, 8, 8},
         8,
         28,
         27},
        {"hidden start unit",
         1,
         [](Settings& s) {
             s.showStartUnit = 0;
             s.containerCount = 1;
         },
         {0, 82, 82, 82, 82, 82, 82, 82, 82, 82},
         82,
         102,
         27},
        {"three with a clock in the middle",
         1,
         [](Settings& s) {
             s.containerCount = 3;
             s.clockContainer[1] = 1;
         },
         {8, 90, 183, 265, 265, 265, 265, 265, 265, 265},
         265,
         285,
         27},
        {"both flags make a clock",
         1,
         [](Settings& s) {
             s.containerCount = 2;
             s.clockContainer[0] = 1;
             s.historyContainer[0] = 1;
         },
         {8, 101, 183, 183, 183, 183, 183, 183, 183, 183},
         183,
         203,
         27},
        {"hidden end unit",
         1,
         [](Settings& s) {
             s.containerCount = 1;
             s.showEndUnit = 0;
         },
         {8, 90, 90, 90, 90, 90, 90, 90, 90, 90},
         90,
         90,
         27},
        {"vertical, no containers",
         2,
         [](Settings& s) { s.containerCount = 0; },
         {14, 14, 14, 14, 14, 14, 14, 14, 14, 14},
         14,
         84,
         15},
        {"vertical, ten with a clock last",
         2,
         [](Settings& s) {
             s.containerCount = 10;
             s.clockContainer[9] = 1;
         },
         {14, 39, 64, 89, 114, 139, 164, 189, 214, 239},
         276,
         84,
         277},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings st;
        c.set(st);
        const SkinLayout l = ComputeLayout(BuiltIn(c.skin), st, {});
        std::vector<int> pos;
        for (const auto& p : l.placements) {
            pos.push_back(c.skin == 1 ? p.x : p.y);
            EXPECT_EQ(c.skin == 1 ? p.y : p.x, 0);
        }
        EXPECT_EQ(pos, c.positions);
        EXPECT_EQ(c.skin == 1 ? l.endX : l.endY, c.end);
        EXPECT_EQ(l.layoutWidth, c.width);
        EXPECT_EQ(l.layoutHeight, c.height);
    }
}

TEST(Layout, FixedSkinKeepsThePreviousSize) {
    SkinData skin = BuiltIn(1);
    skin.skinType = -1;
    Settings st;
    SkinLayout previous;
    previous.layoutWidth = 123;
    previous.layoutHeight = 45;
    const SkinLayout l = ComputeLayout(skin, st, previous);
    EXPECT_EQ(l.layoutWidth, 123);
    EXPECT_EQ(l.layoutHeight, 45);
    // the first skin of all has no size to keep: its largest unit
    EXPECT_EQ(ComputeLayout(skin, st, {}).layoutWidth, 93);
    EXPECT_EQ(ComputeLayout(skin, st, {}).layoutHeight, 27);
    skin.skinType = 5;
    EXPECT_EQ(ComputeLayout(skin, st, previous).layoutHeight, 45);
}

TEST(Layout, PlacementsKeepDevicesOnlyForProcessorsInterfacesAndDrives) {
    Settings st;
    st.containerCount = 2;
    st.historyContainer[1] = 1;
    for (int s = 0; s < 4; ++s) {
        st.device[0][s] = 3;
        st.device[1][s] = 3;
    }
    st.kind[0] = {0, 1, 2, 3};
    st.kind[1] = {4, 6, 8, 7};
    const auto p = BuildPlacements(st);
    EXPECT_EQ(p[0].slotDevice, (std::array<std::int16_t, 4>{0, 0, 3, 0}));
    EXPECT_EQ(p[1].slotDevice, (std::array<std::int16_t, 4>{3, 3, 3, 3}));
    EXPECT_EQ(p[1].slotKind, (std::array<std::int16_t, 4>{4, 6, 8, 7}));
    EXPECT_EQ(p[0].type, 0);
    EXPECT_EQ(p[1].type, 1);
    EXPECT_TRUE(p[1].shown);
    EXPECT_FALSE(p[2].shown);
}

TEST(Layout, SlotStylesFromTheLoadedSkin) {
    const StandardStyles std = StandardStylesOf(BuiltIn(1));
    Settings st;
    st.kind[0][0] = 2; // CPU, standard 5
    st.kind[0][1] = 0; // memory, standard 1
    SetSlotStyle(st, std, 0, 0, 3 + 1, StyleSet::IfChosen);
    EXPECT_EQ(st.graphStyle[0][0], 0); // never set: left alone
    SetSlotStyle(st, std, 0, 0, 3, StyleSet::Force);
    EXPECT_EQ(st.graphStyle[0][0], 50);
    EXPECT_EQ(st.digitStyle[0][0], 0);
    SetSlotStyle(st, std, 0, 0, 4, StyleSet::IfChosen);
    EXPECT_EQ(st.graphStyle[0][0], 44);
    SetSlotStyle(st, std, 0, 1, 1, StyleSet::Force);
    EXPECT_EQ(st.graphStyle[0][1], 11);
    EXPECT_EQ(st.digitStyle[0][1], 30);
}

} // namespace
} // namespace trumbel

#include "tests/skin/Golden.h"

#include "tests/skin/BuiltInRig.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace trumbel {
namespace {

using namespace test;

struct GoldenCase {
    const char* name;
    BuiltIn skin;
    bool doubleSize;
    ButtonStates buttons;
    std::int16_t sampleFill;
    bool scrollDirection;
};

TEST(Golden, BuiltInSkinsInTheDefaultLayout) {
    const std::vector<GoldenCase> cases = {
        {"horizontal-1x", BuiltIn::Horizontal, false, {}, -1, false},
        {"horizontal-2x", BuiltIn::Horizontal, true, {}, -1, false},
        {"vertical-1x", BuiltIn::Vertical, false, {}, -1, false},
        {"vertical-2x", BuiltIn::Vertical, true, {}, -1, false},
        {"horizontal-buttons", BuiltIn::Horizontal, false, {2, 1, 0, 0, 1, 2}, -1, false},
        {"vertical-buttons", BuiltIn::Vertical, false, {1, 2, 2, 0, 0, 0}, -1, false},
        {"horizontal-history-filling", BuiltIn::Horizontal, false, {}, 12, false},
        {"horizontal-history-leftwards", BuiltIn::Horizontal, false, {}, -1, true},
        {"horizontal-history-filling-leftwards", BuiltIn::Horizontal, false, {}, 12, true},
    };
    for (const auto& c : cases) {
        BuiltInRig rig(c.skin, c.doubleSize);
        rig.buttons = c.buttons;
        rig.sampleFill = c.sampleFill;
        rig.settings.historyScrollDirection = c.scrollDirection;
        rig.renderer.DrawSkin();
        EXPECT_TRUE(rig.ui.shown.empty()) << c.name << ": " << rig.ui.shown.front().text;
        const Bitmap& picture = rig.renderer.WindowPicture();
        const int zoom = c.doubleSize ? 2 : 1;
        EXPECT_EQ(picture.width, rig.engine.layout().layoutWidth * zoom) << c.name;
        EXPECT_EQ(picture.height, rig.engine.layout().layoutHeight * zoom) << c.name;
        EXPECT_EQ(CompareWithGolden(picture, c.name), "") << c.name;
    }
}

TEST(Golden, TheHorizontalSkinIsAsWideAsItsLayout) {
    BuiltInRig rig(BuiltIn::Horizontal, true);
    rig.renderer.DrawSkin();
    EXPECT_EQ(rig.engine.layout().layoutWidth, 449);
    EXPECT_EQ(rig.renderer.WindowPicture().width, 898);
    EXPECT_EQ(rig.renderer.WindowPicture().height, 54);
}

TEST(Golden, AFileSkinWithABadGraphRowFallsBackAndKeepsRunning) {
    BuiltInRig rig(BuiltIn::Horizontal);
    // The skin in use now points the memory bar at row 5 of its two-row table, as a broken
    // skin file would; drawing must report once, switch and go on.
    auto& item = const_cast<SkinData&>(rig.engine.skin()).itemParams[0];
    item.barGraph = 10;
    rig.settings.useBuiltInSkin = 0;
    for (int i = 0; i < 4; ++i) {
        rig.renderer.DrawSkin();
    }
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    EXPECT_NE(rig.ui.shown[0].text.find("PrintGraphプロシージャ"), std::string::npos);
    EXPECT_EQ(rig.settings.useBuiltInSkin, 1);
    EXPECT_EQ(rig.engine.skin().itemParams[0].barGraph, 0);
    EXPECT_EQ(CompareWithGolden(rig.renderer.WindowPicture(), "horizontal-1x"), "");
}

} // namespace
} // namespace trumbel

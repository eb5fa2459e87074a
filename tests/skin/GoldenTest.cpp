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

// The widest figures a sensor kind shows never cover its label's writing (a fan's "2900/2900"
// once hid its unit).
TEST(Golden, SensorFiguresLeaveTheirLabelLegible) {
    const std::vector<std::pair<int, float>> cases = {{9, 100}, {10, 9999}, {13, 100}, {14, 100}};
    const auto art = LoadResourceBitmap("101");
    ASSERT_TRUE(art);
    for (BuiltIn type : {BuiltIn::Horizontal, BuiltIn::Vertical}) {
        for (const auto& [kind, figure] : cases) {
            BuiltInRig rig(type);
            rig.settings.kind[0][0] = static_cast<std::int16_t>(kind);
            SetSlotStyle(rig.settings, StandardStylesOf(rig.engine.skin()), 0, 0, 0,
                         StyleSet::Force);
            rig.engine.Relayout();
            rig.measure.Set(kind - 2, 0, figure, 0, figure, figure);
            rig.renderer.DrawSkin();
            const ItemParams& ip = rig.engine.skin().itemParams[static_cast<std::size_t>(kind)];
            const int x0 =
                rig.engine.layout().placements[0].x + rig.engine.skin().slotOffset[0].x + ip.labelX;
            const int y0 =
                rig.engine.layout().placements[0].y + rig.engine.skin().slotOffset[0].y + ip.labelY;
            int covered = 0;
            for (int y = 0; y < ip.labelHeight; ++y) {
                for (int x = 0; x < ip.labelWidth; ++x) {
                    const std::uint32_t ink =
                        art->At(ip.labelSrcX + x, ip.labelSrcY + y) & 0xFFFFFF;
                    covered += ink != 0xFF00FF &&
                               (rig.renderer.WindowPicture().At(x0 + x, y0 + y) & 0xFFFFFF) != ink;
                }
            }
            EXPECT_EQ(covered, 0) << "kind " << kind << " skin " << static_cast<int>(type);
        }
    }
}

} // namespace
} // namespace trumbel

// The committed artwork is what the generator draws, and every piece the built-in skins cut
// from it lies inside the bitmap with opaque unit pictures.
#include "skin/SkinEngine.h"
#include "skin/SkinReader.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace trumbel {
namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Art, CommittedBitmapsMatchTheGenerator) {
    const std::string dir = std::string(TRUMBEL_BINARY_DIR) + "/tests/skin/";
    const std::string cmd =
        std::string(TRUMBEL_MAKE_ART) + " " + dir + "art101.bmp " + dir + "artIcon.bmp";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::string source = std::string(TRUMBEL_SOURCE_DIR) + "/resources/";
    EXPECT_TRUE(Slurp(dir + "art101.bmp") == Slurp(source + "skin101.bmp"))
        << "run `ninja update_art` and commit the bitmaps";
    EXPECT_TRUE(Slurp(dir + "artIcon.bmp") == Slurp(source + "DefaultIcon.bmp"));
}

struct Piece {
    const char* what;
    int x, y, w, h;
    bool opaque;
};

std::vector<Piece> PiecesOf(const SkinData& s) {
    std::vector<Piece> p;
    for (const auto* u : {&s.startUnit, &s.graphUnit, &s.clockUnit}) {
        p.push_back({"unit", u->srcX, u->srcY, u->width, u->height, true});
    }
    // The vertical end unit shows one row only.
    p.push_back({"end unit", s.endUnit.srcX, s.endUnit.srcY, s.endUnit.width,
                 s.skinType == 2 ? 1 : s.endUnit.height, true});
    for (const auto* buttons : {&s.startButtons, &s.endButtons}) {
        for (const UnitButton& b : *buttons) {
            if (b.present) {
                p.push_back({"button strip", b.button.srcX, b.button.srcY, b.button.width,
                             b.button.height * 2, false});
            }
        }
    }
    for (const ClockIndicator& c : s.clockIndicators) {
        p.push_back({"lamp 1", c.src1X, c.src1Y, c.width, c.height, false});
        p.push_back({"lamp 2", c.src2X, c.src2Y, c.width, c.height, false});
    }
    for (const auto& row : s.graphRecords) {
        for (const GraphRecord& g : row) {
            p.push_back({"graph", g.srcX, g.srcY, g.width, g.height, true});
            p.push_back({"graph bar", g.src2X, g.src2Y, g.width2, g.height2, true});
        }
    }
    const NumberFont& digits = s.numberFonts[0];
    p.push_back(
        {"digits", digits.srcX, digits.srcY, digits.glyphWidth * 16, digits.glyphHeight, false});
    const NumberFont& seconds = s.numberFonts[1];
    p.push_back({"seconds bar", seconds.srcX, seconds.srcY, seconds.glyphWidth * 10,
                 seconds.glyphHeight, true});
    for (const ItemParams& ip : s.itemParams) {
        p.push_back({"label", ip.labelSrcX, ip.labelSrcY, ip.labelWidth, ip.labelHeight, false});
    }
    const auto& e = s.itemParams[8].diskExtra;
    p.push_back({"drive icons", e[2], e[3], e[4] * 7, e[5], false});
    p.push_back({"drive letters", e[8], e[9], e[10] * 26, e[11], false});
    return p;
}

TEST(Art, EveryPieceLiesInsideTheBitmap) {
    const BuiltInSkinSource source = EmbeddedSkinSource();
    const auto art = source.loadBitmap("101");
    ASSERT_TRUE(art.has_value());
    for (int number : {1, 2}) {
        const SkinData skin = ReadBuiltInSkin(source.strings, number);
        for (const Piece& p : PiecesOf(skin)) {
            SCOPED_TRACE(std::string(p.what) + " of skin " + std::to_string(number));
            EXPECT_GE(p.x, 0);
            EXPECT_GE(p.y, 0);
            EXPECT_LE(p.x + p.w, art->width);
            EXPECT_LE(p.y + p.h, art->height);
            bool anyInk = false;
            for (int y = p.y; y < p.y + p.h; ++y) {
                for (int x = p.x; x < p.x + p.w; ++x) {
                    const bool key = (art->At(x, y) & 0xFFFFFF) == 0xFF00FF;
                    anyInk = anyInk || !key;
                    if (p.opaque && key) {
                        ADD_FAILURE() << "transparent pixel at " << x << "," << y;
                        return;
                    }
                }
            }
            EXPECT_TRUE(anyInk);
        }
    }
}

TEST(Art, TrayStripLayout) {
    const auto strip = LoadResourceBitmap("DefaultIcon");
    ASSERT_TRUE(strip.has_value());
    EXPECT_GE(strip->width, 80);
    EXPECT_EQ(strip->height, 16);
    // The filled bar rows differ from the empty ones, for both sides.
    for (int side : {0, 16}) {
        EXPECT_NE(strip->At(side + 8, 3), strip->At(side + 8, 11));
    }
}

} // namespace
} // namespace trumbel

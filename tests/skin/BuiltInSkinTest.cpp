// Every value of both built-in skins, read through the program's string table and parser,
// against the published layout table.
#include "skin/SkinEngine.h"
#include "skin/SkinReader.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>

namespace trumbel {
namespace {

std::string Join(std::initializer_list<int> values) {
    std::ostringstream out;
    bool first = true;
    for (int v : values) {
        out << (first ? "" : ",") << v;
        first = false;
    }
    return out.str();
}

std::string UnitLine(const UnitPiece& u) {
    return Join({u.srcX, u.srcY, u.width, u.height, u.advanceX, u.advanceY});
}

std::string ButtonUnitLine(const UnitPiece& u, const std::array<UnitButton, 3>& b) {
    return Join({u.srcX, u.srcY, u.width, u.height, b[0].present, b[1].present, b[2].present,
                 u.advanceX, u.advanceY});
}

std::string ButtonsLine(const std::array<UnitButton, 3>& b) {
    std::string s;
    for (int i = 0; i < 3; ++i) {
        const SkinButton& x = b[i].button;
        s += (i ? "," : "") + Join({x.x, x.y, x.srcX, x.srcY, x.width, x.height});
    }
    return s;
}

std::string GraphLine(const GraphRecord& g) {
    return Join({g.x, g.y, g.srcX, g.srcY, g.width, g.height, g.src2X, g.src2Y, g.width2, g.height2,
                 g.extra});
}

std::string ItemLine(const ItemParams& p, int kind) {
    std::string s =
        Join({p.labelX, p.labelY, p.labelSrcX, p.labelSrcY, p.labelWidth, p.labelHeight,
              p.standardStyle, p.standardDigitStyle, p.numberX[0], p.numberY[0], p.numberX[1],
              p.numberY[1], p.barGraph, p.historyGraph, p.numberFont[0], p.numberFont[1]});
    if (kind == 8) {
        for (int v : p.diskExtra) {
            s += "," + std::to_string(v);
        }
    }
    return s;
}

// Offset → the line the table gives for it (slashes separate consecutive offsets).
std::map<int, std::string> Lines(const SkinData& s) {
    std::map<int, std::string> m;
    m[3] = Join({static_cast<int>(s.colorKey >> 16), static_cast<int>((s.colorKey >> 8) & 0xFF),
                 static_cast<int>(s.colorKey & 0xFF)});
    m[5] = std::to_string(s.skinType);
    m[7] = ButtonUnitLine(s.startUnit, s.startButtons);
    m[8] = ButtonsLine(s.startButtons);
    m[10] = UnitLine(s.graphUnit);
    m[11] = std::to_string(s.slotCount);
    std::string offsets;
    for (int i = 0; i < 4; ++i) {
        offsets += (i ? " / " : "") + Join({s.slotOffset[i].x, s.slotOffset[i].y});
    }
    m[12] = offsets;
    m[17] = UnitLine(s.clockUnit);
    std::string numbers;
    for (int i = 0; i < 7; ++i) {
        const ClockNumber& c = s.clockNumbers[i];
        numbers += (i ? " / " : "") + Join({c.shown, c.x, c.y, c.font});
    }
    m[18] = numbers;
    std::string lamps;
    for (int i = 0; i < 6; ++i) {
        const ClockIndicator& c = s.clockIndicators[i];
        lamps += (i ? " / " : "") +
                 Join({c.shown, c.x, c.y, c.src1X, c.src1Y, c.src2X, c.src2Y, c.width, c.height});
    }
    m[25] = lamps;
    m[32] = ButtonUnitLine(s.endUnit, s.endButtons);
    m[33] = ButtonsLine(s.endButtons);
    m[40] = Join({s.barGraphCount, s.historyGraphCount});
    m[41] = GraphLine(s.Graph(0, GraphType::Bar)) + " / " + GraphLine(s.Graph(1, GraphType::Bar));
    m[51] = GraphLine(s.Graph(0, GraphType::History)) + " / " +
            GraphLine(s.Graph(1, GraphType::History));
    m[60] = std::to_string(s.numberFonts.size());
    std::string fonts;
    for (std::size_t i = 0; i < s.numberFonts.size(); ++i) {
        const NumberFont& f = s.numberFonts[i];
        fonts += (i ? " / " : "") + Join({f.srcX, f.srcY, f.glyphWidth, f.glyphHeight, f.stepX,
                                          f.stepY, f.f6, f.f7, f.f8, f.f9});
    }
    m[61] = fonts;
    for (int k = 0; k < 9; ++k) {
        m[70 + k] = ItemLine(s.itemParams[k], k);
    }
    return m;
}

// The values both skins share.
const std::map<int, std::string> kShared = {
    {3, "255,0,255"},
    {11, "2"},
    {40, "2,2"},
    {41, "5,1,192,72,71,2,192,70,71,2,0 / 5,1,192,76,71,2,192,74,71,2,0"},
    {51, "16,1,240,55,61,12,307,55,2,11,30 / 16,1,240,55,61,12,305,55,2,11,30"},
    {60, "2"},
    {61, "265,71,5,7,5,0,2,0,5,0 / 0,67,35,3,0,0,0,0,0,0"},
    {70, "0,3,0,30,80,9,1,3,24,4,51,4,0,0,0,0"},
    {71, "0,3,0,40,80,9,1,3,24,4,51,4,0,0,0,0"},
    {72, "0,3,0,50,80,9,5,0,53,4,0,0,1,1,0,0"},
    {73, "0,3,80,30,80,9,4,0,53,4,0,0,0,0,0,0"},
    {74, "0,3,80,40,80,9,2,3,16,4,43,4,1,1,0,0"},
    {75, "0,3,160,30,80,9,2,3,16,4,43,4,1,1,0,0"},
    {76, "0,3,80,50,80,9,2,3,16,4,43,4,1,1,0,0"},
    {77, "0,3,160,40,80,9,2,3,16,4,43,4,1,1,0,0"},
    {78, "0,3,160,50,80,9,1,3,24,4,51,4,0,0,0,0,0,4,130,60,13,7,15,5,0,61,5,5"},
};

struct SkinCase {
    int number;
    const char* name;
    std::map<int, std::string> own;
};

const SkinCase kSkins[] = {
    {1,
     "Default_MiniH",
     {{5, "1"},
      {7, "0,0,8,27,1,0,0,8,0"},
      {8, "2,2,205,0,5,5,0,0,0,0,0,0,0,0,0,0,0,0"},
      {10, "9,0,82,27,82,0"},
      {12, "1,2 / 1,13 / 0,0 / 0,0"},
      {17, "92,0,93,27,93,0"},
      {18, "0,0,0,0 / 1,27,3,0 / 1,43,3,0 / 1,57,3,0 / 1,69,3,0 / 1,81,3,0 / 1,55,11,1"},
      {25, "1,3,15,0,70,24,70,24,9 / 1,3,15,48,70,72,70,24,9 / 1,28,15,96,70,120,70,24,9 / "
           "1,3,4,144,70,168,70,24,9 / 1,53,15,324,0,324,9,18,9 / 1,72,15,342,0,342,9,18,9"},
      {32, "185,0,20,27,0,1,1,20,0"},
      {33, "0,0,0,0,0,0,2,3,210,0,15,9,2,15,225,0,15,9"}}},
    {2,
     "Default_MiniV",
     {{5, "2"},
      {7, "240,0,84,27,1,1,1,0,14"},
      {8, "71,3,350,36,9,9,31,3,324,18,18,9,51,3,342,18,18,9"},
      {10, "8,1,84,25,0,25"},
      {12, "1,1 / 1,12 / 0,0 / 0,0"},
      {17, "240,14,84,37,0,37"},
      {18, "0,0,0,0 / 1,15,3,0 / 1,31,3,0 / 1,45,3,0 / 1,57,3,0 / 1,69,3,0 / 1,43,11,1"},
      {25, "1,33,15,324,36,324,45,24,9 / 1,6,25,310,55,335,55,24,9 / 1,33,25,96,70,120,70,24,9 / "
           "1,6,15,144,70,168,70,24,9 / 1,60,15,324,0,324,9,18,9 / 1,60,25,342,0,342,9,18,9"},
      {32, "240,51,20,27,0,0,0,0,1"},
      {33, "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"}}},
};

TEST(BuiltInSkin, EveryValueMatchesTheLayoutTable) {
    const BuiltInSkinSource source = EmbeddedSkinSource();
    for (const SkinCase& c : kSkins) {
        SCOPED_TRACE(c.name);
        const SkinData skin = ReadBuiltInSkin(source.strings, c.number);
        EXPECT_EQ(skin.skinName, c.name);
        EXPECT_EQ(skin.imagePath, "101");
        EXPECT_TRUE(skin.linkCaption.empty() && skin.linkUrl.empty());
        const auto got = Lines(skin);
        std::map<int, std::string> want = kShared;
        want.insert(c.own.begin(), c.own.end());
        for (const auto& [offset, text] : want) {
            EXPECT_EQ(got.at(offset), text) << "offset " << offset;
        }
        EXPECT_EQ(got.size(), want.size());
    }
}

TEST(BuiltInSkin, SectionNamesAreStoredButNotRead) {
    const BuiltInSkinSource source = EmbeddedSkinSource();
    const std::map<int, std::string> names = {
        {2, "ColorKey"},       {4, "SkinType"},      {6, "始端ユニット"},
        {9, "グラフユニット"}, {16, "時計ユニット"}, {31, "終端ユニット"},
        {39, "グラフデータ"},  {59, "数字データ"},   {69, "キャンパスデータ"}};
    for (int base : {100, 200}) {
        for (const auto& [offset, name] : names) {
            EXPECT_EQ(source.strings.Get(base + offset), name);
        }
        EXPECT_EQ(source.strings.Get(base + 1), "101");
    }
}

TEST(BuiltInSkin, StandardStylesOfBothSkins) {
    const BuiltInSkinSource source = EmbeddedSkinSource();
    const StandardStyles want{1, 1, 5, 4, 2, 2, 2, 2, 1, 2, 2, 2, 2, 5, 5};
    for (int number : {1, 2}) {
        EXPECT_EQ(StandardStylesOf(ReadBuiltInSkin(source.strings, number)), want);
    }
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The text of <pre id="...">, entities of the three markup characters decoded.
std::string PreBlock(const std::string& html, const std::string& id) {
    const std::string open = "<pre id=\"" + id + "\">";
    const std::size_t start = html.find(open);
    const std::size_t end = html.find("</pre>", start);
    if (start == std::string::npos || end == std::string::npos) {
        return {};
    }
    std::string text = html.substr(start + open.size(), end - start - open.size());
    for (const auto& [entity, ch] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + 1)) {
            text.replace(at, std::string(entity).size(), ch);
        }
    }
    return text;
}

// Skin authors start from the sample the help page prints and the data folder ships: it must
// read as the horizontal built-in skin, so the page cannot describe a format the reader
// does not follow.
TEST(BuiltInSkin, TheHelpSampleReadsAsTheHorizontalSkin) {
    const std::string packaging = std::string(TRUMBEL_SOURCE_DIR) + "/packaging/help/";
    const std::string sample = ReadText(packaging + "sample/Sample.skn");
    ASSERT_FALSE(sample.empty());
    EXPECT_EQ(PreBlock(ReadText(packaging + "Trumbel.html"), "sample-skn"), sample);

    const SkinData file = ParseSkinText(sample, "/skins/sample/");
    const SkinData builtIn = ReadBuiltInSkin(EmbeddedSkinSource().strings, 1);
    EXPECT_EQ(file.imagePath, "/skins/sample/skin101.bmp");
    EXPECT_EQ(file.skinName, "Sample");
    EXPECT_TRUE(file.linkCaption.empty() && file.linkUrl.empty());
    const auto want = Lines(builtIn);
    for (const auto& [offset, text] : Lines(file)) {
        EXPECT_EQ(text, want.at(offset)) << "offset " << offset;
    }
}

} // namespace
} // namespace trumbel

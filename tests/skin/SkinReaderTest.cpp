#include "skin/SkinReader.h"

#include "base/RuntimeError.h"
#include "skin/TextDecode.h"
#include "tests/skin/SkinTestFiles.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

using testing::EnglishSkinLines;
using testing::JoinLines;

int ErrorOf(const std::vector<std::string>& lines) {
    try {
        ParseSkinText(JoinLines(lines), "/skins/");
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(SkinReader, EnglishLabelsLoadLikeTheBuiltInSkin) {
    const SkinData s = ParseSkinText(JoinLines(EnglishSkinLines()), "/skins/a/");
    EXPECT_EQ(s.imagePath, "/skins/a/art.bmp");
    EXPECT_EQ(s.skinName, "Test Skin");
    EXPECT_FLOAT_EQ(s.skinNumber, 1.5f);
    EXPECT_EQ(s.linkCaption, "Author page");
    EXPECT_EQ(s.linkUrl, "http://example.com/skins");
    EXPECT_EQ(s.colorKey, 0xFF00FFu);
    EXPECT_EQ(s.skinType, 1);
    EXPECT_EQ(s.startUnit.advanceX, 8);
    EXPECT_TRUE(s.startButtons[0].present);
    EXPECT_FALSE(s.startButtons[1].present);
    EXPECT_EQ(s.startButtons[0].button.srcX, 205);
    EXPECT_EQ(s.slotCount, 2);
    EXPECT_EQ(s.slotOffset[1].y, 13);
    EXPECT_EQ(s.clockNumbers[6].font, 1);
    EXPECT_EQ(s.clockIndicators[5].src2Y, 9);
    EXPECT_EQ(s.endButtons[2].button.srcX, 225);
    ASSERT_EQ(s.graphRecords.size(), 2u);
    EXPECT_EQ(s.Graph(1, GraphType::History).src2X, 305);
    EXPECT_EQ(s.Graph(1, GraphType::History).type, 1);
    EXPECT_EQ(s.Graph(1, GraphType::Bar).type, 0);
    ASSERT_EQ(s.numberFonts.size(), 2u);
    EXPECT_EQ(s.numberFonts[0].f6, 2);
    EXPECT_EQ(s.itemParams[2].standardStyle, 5);
    EXPECT_EQ(s.itemParams[4].numberX[1], 43);
    EXPECT_EQ(s.itemParams[8].diskExtra[8], 0);
    EXPECT_EQ(s.itemParams[8].diskExtra[9], 61);
}

// A skin may describe the sensor kinds after disk space; one that stops, or goes on with notes,
// still loads and shows the rest where the processor's or the network bytes' figures go.
TEST(SkinReader, SensorKindsReadWhereGivenElseFallBack) {
    for (const std::vector<std::string>& tail : std::vector<std::vector<std::string>>{
             {}, {"Temperature", "0,3,0,80,80,9,2,0", "53,4,0,0,1,1,0,0", "Fan", "notes"}}) {
        std::vector<std::string> lines = EnglishSkinLines();
        lines.insert(lines.end(), tail.begin(), tail.end());
        const SkinData s = ParseSkinText(JoinLines(lines), "/skins/a/");
        EXPECT_EQ(s.itemParams[9].labelSrcY, tail.empty() ? 50 : 80);
        EXPECT_EQ(s.itemParams[9].labelWidth, tail.empty() ? 0 : 80);
        for (const auto& [kind, like] : {std::pair{10, 2}, std::pair{12, 6}, std::pair{14, 2}}) {
            EXPECT_EQ(s.itemParams[kind].labelWidth, 0) << kind;
            EXPECT_EQ(s.itemParams[kind].numberX, s.itemParams[like].numberX) << kind;
            EXPECT_EQ(s.itemParams[kind].standardStyle, s.itemParams[like].standardStyle);
        }
    }
}

TEST(SkinReader, ShortLinesArePaddedAndSurplusIgnored) {
    auto lines = EnglishSkinLines();
    lines[7] = "0,0,8,27,1,0,0";           // 7 of 9 numbers
    lines[10] = "9,0,82,27,82,0,99,98,97"; // 3 surplus numbers
    lines[12] = "";                        // empty offset line
    const SkinData s = ParseSkinText(JoinLines(lines), "/");
    EXPECT_EQ(s.startUnit.advanceX, 0);
    EXPECT_EQ(s.startUnit.advanceY, 0);
    EXPECT_EQ(s.startUnit.height, 27);
    EXPECT_EQ(s.graphUnit.advanceY, 0);
    EXPECT_EQ(s.slotOffset[0].x, 0);
    EXPECT_EQ(s.slotOffset[0].y, 0);
}

TEST(SkinReader, TwoBarRecordsAndNoHistoryGiveTwoEmptyHistoryRecords) {
    auto lines = EnglishSkinLines();
    lines[35] = "2,0";
    lines.erase(lines.begin() + 38, lines.begin() + 40);
    const SkinData s = ParseSkinText(JoinLines(lines), "/");
    ASSERT_EQ(s.graphRecords.size(), 2u);
    EXPECT_EQ(s.Graph(1, GraphType::Bar).srcY, 76);
    for (int row = 0; row < 2; ++row) {
        const GraphRecord& h = s.Graph(row, GraphType::History);
        EXPECT_EQ(h.type, 0);
        EXPECT_EQ(h.srcX, 0);
        EXPECT_EQ(h.extra, 0);
    }
    EXPECT_THROW(s.Graph(2, GraphType::Bar), RuntimeError);
    EXPECT_EQ(s.itemParams[8].diskExtra[2], 130);
}

TEST(SkinReader, NumbersConvertLikeTheLanguage) {
    struct Case {
        const char* field;
        int value; // or the error number when error is set
        bool error;
    };
    const Case cases[] = {
        {"12", 12, false},         {" 7 ", 7, false},  {"-3", -3, false},   {"+4", 4, false},
        {"2.5", 2, false},         {"3.5", 4, false},  {"1e2", 100, false}, {"32767", 32767, false},
        {"-32768", -32768, false}, {"32768", 6, true}, {"abc", 13, true},   {"", 13, true},
        {"  ", 13, true},          {"1x", 13, true},   {"inf", 13, true},   {"nan", 13, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        if (c.error) {
            try {
                ToInt16(c.field);
                ADD_FAILURE() << "no error";
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.Number(), c.value);
            }
        } else {
            EXPECT_EQ(ToInt16(c.field), c.value);
        }
    }
    EXPECT_EQ(SplitNumbers("1,2,,x", 2)[1], 2);          // fields beyond the need are not read
    EXPECT_THROW(SplitNumbers("1,,3", 3), RuntimeError); // ...but not here
}

TEST(SkinReader, MalformedFilesFailWithTheirError) {
    struct Case {
        const char* what;
        std::size_t line;
        const char* text; // nullptr: the file ends before this line
        int error;
    };
    const Case cases[] = {
        {"ends after the header", 6, nullptr, kInputPastEndOfFile},
        {"ends inside the item lines", 60, nullptr, kInputPastEndOfFile},
        {"word in a value line", 10, "9,0,eighty,27,82,0", 13},
        {"slot count of two numbers", 11, "2,0", 13},
        {"slot count beyond the offsets", 11, "5", 9},
        {"negative record count", 35, "-1,2", 9},
        {"negative font count", 41, "-2", 9},
        {"colour key below zero", 4, "Key:-1,0,0", 5},
        {"version that is no number", 2, "Version:one", 13},
        {"coordinate out of range", 7, "0,0,8,99999", 6},
        {"empty file", 0, nullptr, kInputPastEndOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto lines = EnglishSkinLines();
        if (c.text) {
            lines[c.line] = c.text;
        } else {
            lines.resize(c.line);
        }
        EXPECT_EQ(ErrorOf(lines), c.error);
    }
}

TEST(SkinReader, HeaderValuesAndPaths) {
    EXPECT_EQ(HeaderValue("Link:caption,http://x:80/"), "caption,http://x:80/");
    EXPECT_EQ(HeaderValue("no colon"), "no colon");
    auto lines = EnglishSkinLines("img\\Skin.bmp");
    lines[3] = "Link:only a caption";
    lines[4] = "ColorKey:300,1,2";
    const SkinData s = ParseSkinText(JoinLines(lines, "\n"), "/s/");
    EXPECT_EQ(s.imagePath, "/s/img/Skin.bmp");
    EXPECT_EQ(s.linkCaption, "only a caption");
    EXPECT_EQ(s.linkUrl, "");
    EXPECT_EQ(s.colorKey, 0xFF0102u);
}

TEST(SkinReader, ShiftJisAndLineEnds) {
    // "テスト" in Shift_JIS, then the same text in UTF-8 after decoding.
    EXPECT_EQ(DecodeFileText("Name:\x83\x65\x83\x58\x83\x67"), "Name:テスト");
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBFName:テスト"), "Name:テスト");
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
    auto lines = EnglishSkinLines();
    lines[1] = "名前:テスト";
    lines[6] = "[始端ユニット]";
    const std::string utf8 = JoinLines(lines);
    EXPECT_EQ(ParseSkinText(DecodeFileText(utf8), "/").skinName, "テスト");
}

} // namespace
} // namespace trumbel

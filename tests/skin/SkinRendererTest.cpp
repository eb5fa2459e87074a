#include "tests/skin/TinySkin.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace trumbel {
namespace {

using namespace test;

// Container 0 lies right of the 4-pixel start unit. Text lines end at the right end of their
// template: "000.K" is 15 pixels wide in the tiny font, "000" 9.
constexpr int kCx = 4;
constexpr int kLine0Amount = kCx + 4 + 15;
constexpr int kLine0Percent = kCx + 4 + 9;
constexpr int kLine1Amount = kCx + 60 + 15;
constexpr int kTextY = 6;

std::unique_ptr<TinyRig> Rig() {
    auto rig = std::make_unique<TinyRig>();
    rig->Relayout();
    return rig;
}

TEST(SkinRenderer, NumbersAreRightAlignedOnTheirTemplate) {
    struct Case {
        const char* name;
        int kind, code0, code1;
        std::int32_t netStatus;
        std::string line0, line1;
        int line0Right;
        bool sensorPresent = true;
    };
    const std::vector<Case> cases = {
        {"bytes per second", 6, 10, 0, 5, "4.88K", "", kLine0Amount},
        {"bits per second", 4, 10, 0, 5, "39.0K", "", kLine0Amount},
        {"a disconnected interface keeps line 1", 4, 20, 30, 2, "-.--K", "7.81K", kLine0Amount},
        {"an operational interface", 5, 20, 0, 5, "15.6K", "", kLine0Amount},
        {"memory amounts", 0, 10, 30, 5, "512.M", "1.00G", kLine0Amount},
        {"a used percentage", 2, 50, 0, 5, "37", "", kLine0Percent},
        {"a full percentage", 1, 40, 0, 5, "100", "", kLine0Percent},
        {"no resources on this system: amount", 3, 10, 0, 5, "-.--K", "", kLine0Amount},
        {"no resources on this system: percentage", 3, 40, 0, 5, "---", "", kLine0Percent},
        {"a temperature", 9, 20, 30, 5, "47", "100", kLine0Amount},
        {"a sensor that is gone", 9, 20, 30, 5, "---", "---", kLine0Amount, false},
    };
    for (const auto& c : cases) {
        auto rig = Rig();
        rig->Slot(0, c.kind, 0, c.code0, c.code1);
        rig->measure.netStatus = {c.netStatus};
        rig->measure.Set(4, 0, 0, 5000, 0, 1000); // receive: 5000 B/s free, total 1000
        rig->measure.Set(5, 0, 0, 0, 2000, 0);    // send: 2000 B/s used
        rig->measure.Set(0, 0, 0, 512.0f * 1024 * 1024, 0, 1024.0f * 1024 * 1024);
        rig->measure.Set(1, 0, 0, 100, 0, 100);
        rig->measure.Set(2, 0, 0, 63, 37, 100);
        rig->measure.Set(7, 0, 100, 53, 47, 100);
        if (!c.sensorPresent) {
            rig->measure.absentSensors.insert({7, 0});
        }
        rig->renderer.DrawSkin();
        EXPECT_EQ(ReadText(rig->back, c.line0Right, kTextY), c.line0) << c.name;
        EXPECT_EQ(ReadText(rig->back, kLine1Amount, kTextY), c.line1) << c.name;
        EXPECT_TRUE(rig->ui.shown.empty()) << c.name;
    }
}

TEST(SkinRenderer, BarLengthFollowsThePercentageOfTheFullScale) {
    struct Case {
        int code0;
        float free, used;
        int row; // graph row the style selects
        int length;
    };
    const Case cases[] = {
        {10, 50, 0, 0, 36},                                           // 35.5 rounds to the even 36
        {10, 0, 0, 0, 0},    {10, 100, 0, 0, 71}, {20, 0, 30, 1, 21}, // used: row 1; 21.3
        {20, 0, 250, 1, 71},
    };
    for (const auto& c : cases) {
        auto rig = Rig();
        rig->Slot(0, 0, 0, c.code0, 0);
        rig->measure.Set(0, 0, 100, c.free, c.used, 1000);
        rig->renderer.DrawSkin();
        const int y = c.row == 0 ? 1 : 4;
        const std::uint32_t bar = c.row == 0 ? kBarColour : kBarColourRow1;
        const std::uint32_t back = c.row == 0 ? kBarBackColour : kBarBackColourRow1;
        EXPECT_EQ(RunLength(rig->back, kCx + 20, y, bar), c.length) << c.free << "/" << c.used;
        EXPECT_EQ(Colour(rig->back, kCx + 20 + c.length, y), back);
    }
}

TEST(SkinRenderer, DriveSlots) {
    auto rig = Rig();
    rig->Slot(1, 8, 1, 10, 30); // drive D: in slot 1 (y offset 10)
    rig->measure.diskTypes[1] = 3;
    rig->measure.disks[1] = {0, 25.0f * 1024 * 1024 * 1024, 75.0f * 1024 * 1024 * 1024,
                             100.0f * 1024 * 1024 * 1024};
    rig->renderer.DrawSkin();
    EXPECT_EQ(Colour(rig->back, kCx, 10), LabelColour(8));
    EXPECT_EQ(Colour(rig->back, kCx + 8, 10), DriveTypeColour(3));
    EXPECT_EQ(Colour(rig->back, kCx + 12, 10), LetterColour(3));   // cell 0 is A
    EXPECT_EQ(RunLength(rig->back, kCx + 20, 11, kBarColour), 18); // 25 % of 71
    EXPECT_EQ(ReadText(rig->back, kLine0Amount, 10 + kTextY), "25.0G");
    EXPECT_EQ(ReadText(rig->back, kLine1Amount, 10 + kTextY), "100.G");

    // No medium: placeholders on both lines and an empty bar.
    rig->measure.disks.clear();
    rig->back = Bitmap(rig->back.width, rig->back.height);
    rig->renderer.DrawSkin();
    EXPECT_EQ(ReadText(rig->back, kLine0Amount, 10 + kTextY), "-.--K");
    EXPECT_EQ(ReadText(rig->back, kLine1Amount, 10 + kTextY), "-.--K");
    EXPECT_EQ(Colour(rig->back, kCx + 20, 11), kBarBackColour);
    EXPECT_TRUE(rig->ui.shown.empty());
}

// Column heights of the history graph, left to right, read from the column pictures.
std::vector<int> Columns(const Bitmap& b, int originX, int count) {
    std::vector<int> heights;
    for (int i = 1; i <= count; ++i) {
        const int x = kCx + originX + 2 * i;
        int h = 0;
        while (h < 11 && Colour(b, x, 10 - h) == ShadeColour(10 - h)) {
            ++h;
        }
        heights.push_back(h);
    }
    return heights;
}

TEST(SkinRenderer, HistoryColumnsStandOnTheBottomLineAndScroll) {
    struct Case {
        const char* name;
        std::int16_t fill;
        bool scrollLeft;
        std::vector<int> expected; // the first five columns from the left
        int lastColumn;            // height of column 30
    };
    // Sample i is (i - 1) * 10 % of the full scale, lifted by 3 unless 0, of 11 rows.
    const std::vector<Case> cases = {
        {"history not full yet", 5, false, {0, 1, 3, 4, 0}, 0},
        {"full, newest at the left", -1, false, {0, 1, 3, 4, 5}, 11},
        {"full, newest at the right", -1, true, {11, 11, 11, 11, 11}, 0},
    };
    for (const auto& c : cases) {
        auto rig = Rig();
        rig->settings.historyContainer[0] = 1;
        rig->settings.historyScrollDirection = c.scrollLeft;
        rig->sampleFill = c.fill;
        rig->Relayout();
        rig->Slot(0, 4, 0, 20, 0);
        std::array<float, 61> log{};
        for (int i = 1; i <= 60; ++i) {
            log[static_cast<std::size_t>(i)] = static_cast<float>((i - 1) * 10) / 4.0f;
        }
        rig->measure.History(4, 0) = log;
        rig->measure.Set(4, 0, 25, 0, 0, 0);
        rig->renderer.DrawSkin();
        const std::vector<int> all = Columns(rig->back, 30, 30);
        EXPECT_EQ(std::vector<int>(all.begin(), all.begin() + 5), c.expected) << c.name;
        EXPECT_EQ(all.back(), c.lastColumn) << c.name;
        // Label and numbers sit on the last slot position.
        EXPECT_EQ(Colour(rig->back, kCx, 10), LabelColour(4)) << c.name;
    }
}

TEST(SkinRenderer, HistoryColumnOfHalfTheScaleIsSixHighAndMirrors) {
    for (bool direction : {false, true}) {
        auto rig = Rig();
        rig->settings.historyContainer[0] = 1;
        rig->settings.historyScrollDirection = direction;
        rig->Relayout();
        rig->Slot(0, 4, 0, 20, 0);
        std::array<float, 61> log{};
        log[1] = 47; // 47 + 3 = 50 %: 5.5 rows round to the even 6
        rig->measure.History(4, 0) = log;
        rig->measure.Set(4, 0, 100, 0, 0, 0);
        rig->renderer.DrawSkin();
        const int newest = direction == false ? 1 : 30;
        const std::vector<int> all = Columns(rig->back, 30, 30);
        EXPECT_EQ(all[static_cast<std::size_t>(newest - 1)], 6);
        EXPECT_EQ(Colour(rig->back, kCx + 30 + 2 * newest, 10 - 6), kHistoryBackColour);
    }
}

TEST(SkinRenderer, MemoryHistoryShowsUsedAsTheMirrorOfFree) {
    auto rig = Rig();
    rig->settings.historyContainer[0] = 1;
    rig->Relayout();
    rig->Slot(0, 0, 0, 20, 0);
    std::array<float, 61> log{};
    log[1] = 30; // free 30 %: 33 lifted, 67 used, 7.37 rows
    rig->measure.History(0, 0) = log;
    rig->measure.Set(0, 0, 100, 30, 70, 100);
    rig->renderer.DrawSkin();
    EXPECT_EQ(Columns(rig->back, 30, 1).front(), 7);
}

TEST(SkinRenderer, ClockFieldsAndLamps) {
    auto rig = Rig();
    rig->settings.clockContainer[0] = 1;
    rig->Relayout();
    rig->measure.netType = {24, 6};
    rig->measure.netStatus = {5, 5};
    rig->measure.Set(5, 0, 100, 0, 100, 0); // loopback flat out: ignored
    rig->measure.Set(5, 1, 100, 0, 50, 0);  // send: first picture
    rig->measure.Set(4, 1, 100, 0, 80, 0);  // receive: second picture
    rig->measure.Set(2, 0, 0, 0, 85, 100);  // CPU: first picture
    rig->measure.Set(0, 0, 0, 10, 0, 100);  // memory 10 % free: second picture
    rig->measure.Set(1, 0, 0, 21, 0, 100);  // page file 21 %: nothing
    rig->measure.Set(3, 0, 0, -1, 0, 0);    // no resources: nothing
    rig->renderer.DrawSkin();
    const Bitmap& b = rig->back;
    auto digit = [&](int x, int y) {
        for (int k = 0; k < 10; ++k) {
            if (Colour(b, kCx + x, y) == CellColour(k)) {
                return k;
            }
        }
        return -1;
    };
    EXPECT_EQ(digit(1, 6), -1) << "the hour's tens digit is left out below 10";
    EXPECT_EQ(digit(4, 6), 9);
    EXPECT_EQ(digit(12, 6), 0) << "minutes keep their tens digit";
    EXPECT_EQ(digit(15, 6), 5);
    EXPECT_EQ(digit(22, 6), 0);
    EXPECT_EQ(digit(25, 6), 7);
    EXPECT_EQ(digit(32, 6), 7) << "the seventh field repeats the seconds' units";
    EXPECT_EQ((std::vector<int>{digit(1, 1), digit(4, 1), digit(7, 1), digit(10, 1)}),
              (std::vector<int>{2, 0, 2, 6}));

    auto lamp = [&](int index) { return Colour(b, kCx + 2 + 8 * index, 14); };
    EXPECT_EQ(lamp(4), kLamp1Colour);
    EXPECT_EQ(lamp(5), kLamp2Colour);
    EXPECT_EQ(lamp(3), kLamp1Colour);
    EXPECT_EQ(lamp(0), kLamp2Colour);
    EXPECT_EQ(lamp(1), kClockUnitColour);
    EXPECT_EQ(lamp(2), kClockUnitColour);

    rig->time = {2026, 1, 2, 12, 34, 56};
    rig->renderer.DrawSkin();
    EXPECT_EQ(digit(1, 6), 1);
    EXPECT_EQ(digit(4, 6), 2);
    EXPECT_EQ(digit(32, 6), 6);
}

TEST(SkinRenderer, ButtonsShowTheirStripPictures) {
    struct Case {
        ButtonStates states;
        std::uint32_t startClose, startFunction, endOptions;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0}, kStartColour, kStartColour, kEndColour},
        {{2, 2, 0, 0, 0, 1}, kHoverColour, kStartColour, kPressedColour},
        {{1, 0, 0, 0, 0, 2}, kPressedColour, kStartColour, kHoverColour},
    };
    for (const auto& c : cases) {
        auto rig = Rig();
        rig->buttons = c.states;
        rig->renderer.DrawSkin();
        EXPECT_EQ(Colour(rig->back, 1, 1), c.startClose);
        EXPECT_EQ(Colour(rig->back, 1, 5), c.startFunction) << "a button the skin lacks";
        EXPECT_EQ(Colour(rig->back, rig->layout.endX + 1, 1), c.endOptions);
    }
}

TEST(SkinRenderer, DoubleSizeStretchesTheWholePicture) {
    auto rig = Rig();
    rig->Slot(0, 0, 0, 10, 30);
    rig->measure.Set(0, 0, 100, 50, 50, 100);
    rig->settings.doubleSize = true;
    rig->renderer.DrawSkin();
    ASSERT_EQ(rig->presented.size(), 1u);
    const Bitmap& big = rig->presented.front();
    ASSERT_EQ(big.width, 2 * rig->back.width);
    ASSERT_EQ(big.height, 2 * rig->back.height);
    for (int y = 0; y < big.height; ++y) {
        for (int x = 0; x < big.width; ++x) {
            ASSERT_EQ(big.At(x, y), rig->back.At(x / 2, y / 2) | kAlphaBits) << x << "," << y;
        }
    }
}

TEST(SkinRenderer, NothingIsDrawnWhileTheSkinIsNotReady) {
    auto rig = Rig();
    rig->ready = false;
    rig->renderer.DrawSkin();
    EXPECT_TRUE(rig->presented.empty());
    EXPECT_EQ(Colour(rig->back, 0, 0), 0u);
}

TEST(SkinRenderer, AGraphRowOutsideTheTableSwitchesToTheBuiltInSkinOnce) {
    auto rig = Rig();
    rig->skin.itemParams[0].barGraph = 6; // row 3 of a two-row table
    rig->Slot(0, 0, 0, 10, 0);
    rig->measure.Set(0, 0, 100, 50, 50, 100);
    rig->renderer.DrawSkin();
    ASSERT_EQ(rig->ui.shown.size(), 1u);
    const MessageBoxRequest& box = rig->ui.shown.front();
    EXPECT_EQ(box.title, "Skin実行時エラー - Velquor");
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.text.rfind("エラー発生\r\nエラー名 : 9 (", 0), 0u) << box.text;
    EXPECT_NE(box.text.find("\r\nエラー発生個所 : PrintGraphプロシージャ\r\n"
                            "デフォルトスキンに切り換えます｡"),
              std::string::npos)
        << box.text;
    EXPECT_EQ(rig->switches, 1);
    EXPECT_EQ(rig->settings.useBuiltInSkin, 1);
    // The box comes up once the window shows the built-in skin, not half drawn.
    EXPECT_EQ(rig->watch.presentedBefore, std::vector<std::size_t>{2});
    // The step was retried on the built-in skin, and the window keeps running.
    EXPECT_EQ(RunLength(rig->back, kCx + 20, 1, kBarColour), 36);
    rig->renderer.DrawSkin();
    rig->renderer.DrawSkin();
    EXPECT_EQ(rig->ui.shown.size(), 1u);
    EXPECT_EQ(rig->switches, 1);
    EXPECT_GE(rig->presented.size(), 3u);
}

TEST(SkinRenderer, AFaultTheBuiltInSkinSharesIsReportedOnceAndNotRetriedForever) {
    auto rig = Rig();
    rig->Slot(0, 0, 0, 30, 0); // style 3: row -1 in any skin
    for (int i = 0; i < 5; ++i) {
        rig->renderer.DrawSkin();
    }
    EXPECT_EQ(rig->switches, 1);
    ASSERT_EQ(rig->ui.shown.size(), 1u);
    EXPECT_NE(rig->ui.shown[0].text.find("PrintGraphプロシージャ"), std::string::npos);
    EXPECT_EQ(rig->presented.size(), 5u + 1u); // once more for the relayout of the switch

    // Once the fault is gone and comes back, it is told again.
    rig->Slot(0, 0, 0, 10, 0);
    rig->renderer.DrawSkin();
    rig->Slot(0, 0, 0, 30, 0);
    rig->renderer.DrawSkin();
    EXPECT_EQ(rig->ui.shown.size(), 2u);
    EXPECT_EQ(rig->switches, 1);
}

// A line-0 code of 0 is style 0: its row is (selector \ 2) - 1, drawn where the table has it;
// before the table it is a drawing fault like any other row outside it.
TEST(SkinRenderer, ASlotWithoutAStyleDrawsTheRowItsSelectorGives) {
    struct Case {
        const char* what;
        GraphContent content;
        std::int16_t selector;
        int row; // -1: the row is outside the table
    };
    const Case cases[] = {
        {"bar, selector 0", GraphContent::Bars, 0, -1},
        {"bar, selector 1", GraphContent::Bars, 1, -1},
        {"bar, selector 2", GraphContent::Bars, 2, 0},
        {"bar, selector 3", GraphContent::Bars, 3, 0},
        {"bar, selector 4", GraphContent::Bars, 4, 1},
        {"bar, selector 6", GraphContent::Bars, 6, -1}, // row 2 of a two-row table
        {"history, selector 1", GraphContent::History, 1, -1},
        {"history, selector 2", GraphContent::History, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const bool bars = c.content == GraphContent::Bars;
        auto rig = Rig();
        // Page file in slot 0; the memory of slot 1 keeps its rows.
        for (SkinData* skin : {&rig->skin, &rig->builtIn}) {
            (bars ? skin->itemParams[1].barGraph : skin->itemParams[1].historyGraph) = c.selector;
        }
        // The built-in skin has a row for the slot: the failed step is drawn again there.
        (bars ? rig->builtIn.itemParams[1].barGraph : rig->builtIn.itemParams[1].historyGraph) = 2;
        rig->settings.historyContainer[0] = bars ? 0 : 1;
        rig->Slot(0, 1, 0, 0, 0);
        rig->measure.Set(1, 0, 100, 70, 30, 100);
        rig->renderer.DrawSkin();

        if (c.row < 0) {
            ASSERT_EQ(rig->ui.shown.size(), 1u);
            EXPECT_EQ(rig->ui.shown[0].title, "Skin実行時エラー - Velquor");
            EXPECT_EQ(rig->ui.shown[0].text.rfind("エラー発生\r\nエラー名 : 9 (", 0), 0u);
            EXPECT_NE(rig->ui.shown[0].text.find(std::string("エラー発生個所 : ") +
                                                 (bars ? "PrintGraph" : "PrintLogGraph") +
                                                 "プロシージャ\r\nデフォルトスキンに切り換えます｡"),
                      std::string::npos)
                << rig->ui.shown[0].text;
            EXPECT_EQ(rig->switches, 1);
            EXPECT_EQ(rig->settings.useBuiltInSkin, 1);
        } else {
            EXPECT_TRUE(rig->ui.shown.empty());
            EXPECT_EQ(rig->switches, 0);
        }
        // Style 0 is no "free" style: the bar shows the amount used, 30 % of 71 pixels.
        const int row = c.row < 0 ? 0 : c.row;
        if (bars) {
            const int y = row == 0 ? 1 : 4;
            EXPECT_EQ(RunLength(rig->back, kCx + 20, y, row == 0 ? kBarColour : kBarColourRow1),
                      21);
        } else {
            EXPECT_EQ(Colour(rig->back, kCx + 30, 0), kHistoryBackColour);
        }
        // The label stands in the slot's place (the last one for a history graph).
        EXPECT_EQ(Colour(rig->back, kCx, bars ? 0 : 10), LabelColour(1));
        EXPECT_EQ(ReadText(rig->back, kLine0Amount, kTextY), ""); // style 0 shows no number
    }
}

TEST(SkinRenderer, AMeasuringFaultIsReportedWithoutASkinSwitch) {
    auto rig = Rig();
    rig->Slot(0, 2, 9, 20, 0); // a processor that does not exist
    rig->renderer.DrawSkin();
    std::vector<std::string> routines;
    for (const auto& box : rig->ui.shown) {
        EXPECT_EQ(box.title, "情報更新時エラー - Velquor");
        const auto at = box.text.find("エラー発生個所 : ");
        routines.push_back(box.text.substr(at));
    }
    EXPECT_EQ(routines, (std::vector<std::string>{
                            "エラー発生個所 : GetPersentプロシージャ\r\nパラメータ1 : 2, 9, 1\r\n"
                            "パラメータ2 : 0, 0, 0, 0",
                            "エラー発生個所 : PrintParamプロシージャ"}));
    EXPECT_EQ(rig->switches, 0);
    EXPECT_EQ(rig->presented.size(), 1u);
}

} // namespace
} // namespace trumbel

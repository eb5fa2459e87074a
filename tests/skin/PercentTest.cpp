#include "skin/Percent.h"

#include "base/RuntimeError.h"

#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace trumbel {
namespace {

TEST(Persent, RoundsTiesToEvenAndClamps) {
    struct Case {
        float free, used, denominator;
        Basis basis;
        int expected;
    };
    const Case cases[] = {
        {30, 70, 100, Basis::Free, 30},
        {30, 70, 100, Basis::Used, 70},
        {1, 0, 8, Basis::Free, 12}, // 12.5 -> 12
        {0, 7, 8, Basis::Used, 88}, // 87.5 -> 88
        {5, 5, 0, Basis::Used, 0},  // no total, no error
        {0, 150, 100, Basis::Used, 100},
        {-20, 0, 100, Basis::Free, 0},
        {10, 10, 100, static_cast<Basis>(7), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PersentOf(c.free, c.used, c.denominator, c.basis), c.expected)
            << c.free << " " << c.used << " " << c.denominator;
    }
}

TEST(Persent, HistorySamplesAreLiftedAndInverted) {
    struct Case {
        float sample, max;
        Inversion inversion;
        int expected;
    };
    const Case cases[] = {
        {0.4f, 100, Inversion::None, 3}, // a trickle stays visible
        {0, 100, Inversion::None, 0},
        {30, 100, Inversion::Invert, 67}, // free 30 % shown as used: 100 - 33
        {0, 100, Inversion::Invert, 100},
        {99, 100, Inversion::None, 100},
        {5, 0, Inversion::Invert, 0}, // no scale: 0 and no inversion
        {-50, 100, Inversion::None, 0},
        {1e30f, 1e-30f, Inversion::None, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LogPersentOf(c.sample, c.max, c.inversion), c.expected)
            << c.sample << " / " << c.max;
    }
}

// A measurement table with one record, item 0 device 0; anything else is out of range.
class OneRecord final : public MeasureView {
public:
    float values[4] = {200, 30, 70, 100}; // Max, Free, Used, Total
    float log1 = 50;
    float GetSystemValue(int item, int device, int show, int logIndex) override {
        if (item != 0 || device != 0) {
            throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
        }
        return show == ShowInfo::Log ? (logIndex == 1 ? log1 : 0.0f) : values[show];
    }
    std::int32_t GetNetWorkStatus(int) override { return 0; }
    bool SensorPresent(int, int) override { return false; }
    std::int32_t GetNetWorkType(int) override { return 0; }
    std::int32_t GetNetWorkNum() override { return 0; }
    std::int32_t GetDiskType(int) override { return 0; }
    void GetDiskSpaceValue(int, std::array<float, 4>& v) override { v = {}; }
};

TEST(Persent, ReadsTheScaleItIsAskedFor) {
    OneRecord m;
    RecordingUi ui;
    EXPECT_EQ(GetPersent(m, ui, 0, 0, Basis::Used, ScaleBy::Total), 70);
    EXPECT_EQ(GetPersent(m, ui, 0, 0, Basis::Used, ScaleBy::FullScale), 35);
    EXPECT_EQ(GetLogPersent(m, ui, 0, 0, 1, Inversion::None), 28); // 25 + 3
    EXPECT_TRUE(ui.shown.empty());
}

TEST(Persent, AFailingReadIsReportedAndGivesZero) {
    OneRecord m;
    RecordingUi ui;
    EXPECT_EQ(GetPersent(m, ui, 4, 9, Basis::Used, ScaleBy::FullScale), 0);
    EXPECT_EQ(GetLogPersent(m, ui, 4, 9, 1, Inversion::Invert), 0);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].title, "情報更新時エラー - Velquor");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_NE(ui.shown[0].text.find("エラー名 : 9 ("), std::string::npos);
    EXPECT_NE(ui.shown[0].text.find("エラー発生個所 : GetPersentプロシージャ\r\n"
                                    "パラメータ1 : 4, 9, 1\r\n"
                                    "パラメータ2 : 0, 0, 0, 0"),
              std::string::npos)
        << ui.shown[0].text;
    EXPECT_NE(ui.shown[1].text.find("エラー発生個所 : GetLogPersentプロシージャ"),
              std::string::npos);
}

} // namespace
} // namespace trumbel

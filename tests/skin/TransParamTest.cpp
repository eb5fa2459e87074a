#include "skin/TransParam.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace trumbel {
namespace {

struct Case {
    float amount;
    const char* text;
};

// Amounts from nothing to beyond P; 1000 moves to the next prefix although the divisor is
// 1024; the scaled value is rounded to three decimals in single precision, ties to even.
const Case kCases[] = {
    {0.0f, "0.00K"},
    {1.0e-30f, "0.00K"},
    {1.0f, "0.00K"},
    {10.0f, "0.01K"},
    {100.0f, "0.09K"},
    {500.0f, "0.48K"},
    {512.0f, "0.50K"},
    {999.0f, "0.97K"},
    {1000.0f, "0.97K"},
    {1023.0f, "0.99K"},
    {1024.0f, "1.00K"},
    {1536.0f, "1.50K"},
    {5000.0f, "4.88K"},
    {10240.0f, "10.0K"},
    {12345.0f, "12.0K"},
    {40000.0f, "39.0K"},
    {99999.0f, "97.6K"},
    {102400.0f, "100.K"},
    {512000.0f, "500.K"},
    {1023488.0f, "999.K"},
    {1023999.0f, "999.K"},
    {1023999.4375f, "999.K"},
    {1023999.5f, "1000K"}, // 999.9995 K rounds up to 1000
    {1024000.0f, "0.97M"},
    {1048064.0f, "1.00M"},
    {1048576.0f, "1.00M"},
    {5.0e6f, "4.76M"},
    {123456789.0f, "117.M"},
    {1.0e9f, "953.M"},
    {1048576000.0f, "0.97G"},
    {1073741824.0f, "1.00G"},
    {1.0e12f, "931.G"},
    {1099511627776.0f, "1.00T"},
    {1.0e15f, "909.T"},
    {1.0e16f, "8.88P"},
    {1125899906842624.0f, "1.00P"},
    {1125899906842624000.0f, "0.97"}, // 1000 × 1024^5: n = 6, no letter
    {1152921504606846976.0f, "1.00"},
    {std::numeric_limits<float>::max(), "256."},
    {-1.0f, "-0.0K"},
    {-5.0f, "-0.0K"},
    {-1000.0f, "-0.9K"},
    {-2048000.0f, "-200K"},
    // -0.0005 × 1024 in single precision: scaled to exactly -0.5, which goes to the even 0
    {-0.512000024318695068359375f, "0.00K"},
};

TEST(TransParam, Table) {
    for (const Case& c : kCases) {
        RecordingUi ui;
        EXPECT_EQ(TransParam(c.amount, ui), c.text) << c.amount;
        EXPECT_TRUE(ui.shown.empty()) << c.amount;
    }
}

TEST(TransParam, FiveCharactersFromZeroToTheP_Range) {
    RecordingUi ui;
    for (float v = 0.0f; v < 1.0e18f; v = v * 1.37f + 1.0f) {
        EXPECT_EQ(TransParam(v, ui).size(), 5u) << v;
    }
    EXPECT_TRUE(ui.shown.empty());
}

TEST(TransParam, UnformattableAmountsAreReportedOnceAndStillGiveFiveCharacters) {
    const float cases[] = {std::numeric_limits<float>::infinity(),
                           -std::numeric_limits<float>::infinity(),
                           std::numeric_limits<float>::quiet_NaN(), -1.0e30f};
    for (float v : cases) {
        RecordingUi ui;
        EXPECT_EQ(TransParam(v, ui), ".000K") << v;
        ASSERT_EQ(ui.shown.size(), 1u) << v;
        EXPECT_EQ(ui.shown[0].title, "情報更新時エラー - Velquor");
        EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
        EXPECT_NE(ui.shown[0].text.find("エラー名 : 6 ("), std::string::npos);
        EXPECT_NE(ui.shown[0].text.find("エラー発生個所 : TransParamプロシージャ"),
                  std::string::npos);
    }
}

} // namespace
} // namespace trumbel

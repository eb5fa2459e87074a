#include "options/NetworkLimits.h"

#include "measure/SystemInfo.h"

#include <gtest/gtest.h>
#include <vector>

namespace trumbel {
namespace {

// A typed value and unit become bytes per second (powers of 1024, over 8 bits).
TEST(NetworkLimits, FieldToStoredValue) {
    struct Case {
        double value;
        int unit;
        float stored;
    };
    for (const Case& c : {
             Case{1, 0, 128.0f},
             Case{1, 1, 131072.0f},
             Case{1, 2, 134217728.0f},
             Case{0.5, 0, 64.0f},
             Case{100, 1, 13107200.0f},
             Case{0, 2, 0.0f},
         }) {
        SCOPED_TRACE(::testing::Message() << c.value << " unit " << c.unit);
        EXPECT_FLOAT_EQ(LimitFromField(c.value, c.unit), c.stored);
    }
}

// A stored value is shown in the largest unit up to Gbps that keeps it at least 1, cut (not
// rounded) to two decimals.
TEST(NetworkLimits, StoredValueToField) {
    struct Case {
        float stored;
        LimitField field;
        const char* text;
    };
    for (const Case& c : {
             Case{0.0f, {0.0, kUnitKbps}, "0"},
             Case{128.0f, {1.0, kUnitKbps}, "1"},
             Case{127.0f, {0.99, kUnitKbps}, "0.99"}, // 0.992…: cut, not 1
             Case{131071.0f, {1023.99, kUnitKbps}, "1023.99"},
             Case{131072.0f, {1.0, 1}, "1"},
             Case{196608.0f, {1.5, 1}, "1.5"},
             Case{134217728.0f, {1.0, kUnitGbps}, "1"},
             // Past Gbps the number grows instead of the unit.
             Case{134217728.0f * 2048.0f, {2048.0, kUnitGbps}, "2048"},
         }) {
        SCOPED_TRACE(c.stored);
        const LimitField f = FieldOfLimit(c.stored);
        EXPECT_DOUBLE_EQ(f.value, c.field.value);
        EXPECT_EQ(f.unit, c.field.unit);
        EXPECT_EQ(TwoDecimalText(f.value), c.text);
    }
}

// What a person types comes back as typed; a value below 1 in its unit comes back in the unit
// below.
TEST(NetworkLimits, TypedValuesComeBack) {
    struct Case {
        double value;
        int unit;
        LimitField shown;
    };
    std::vector<Case> cases{
        {0.29, kUnitKbps, {0.29, kUnitKbps}},
        {0.5, 1, {512.0, kUnitKbps}},
        {0.25, kUnitGbps, {256.0, 1}},
    };
    for (const double value : {1.0, 12.5, 64.07, 999.0, 1023.0, 1023.99}) {
        for (int unit = kUnitKbps; unit <= kUnitGbps; ++unit) {
            cases.push_back({value, unit, {value, unit}});
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.value << " unit " << c.unit);
        const LimitField f = FieldOfLimit(LimitFromField(c.value, c.unit));
        EXPECT_DOUBLE_EQ(f.value, c.shown.value);
        EXPECT_EQ(f.unit, c.shown.unit);
    }
}

TEST(NetworkLimits, PeakLabelCarriesItsPrefix) {
    struct Case {
        float pastMax;
        const char* label;
    };
    for (const Case& c : {
             Case{0.0f, "過去最高記録は 0Kbps"},
             Case{1000.0f, "過去最高記録は 7.81Kbps"},
             Case{128.0f, "過去最高記録は 1Kbps"},
             Case{131071.0f, "過去最高記録は 1023.99Kbps"},
             Case{196608.0f, "過去最高記録は 1.5Mbps"},
             Case{134217728.0f, "過去最高記録は 1Gbps"},
             Case{137438953472.0f, "過去最高記録は 1Tbps"},
             // T is the last prefix.
             Case{137438953472.0f * 1024.0f, "過去最高記録は 1024Tbps"},
         }) {
        SCOPED_TRACE(c.pastMax);
        EXPECT_EQ(PeakLabel(c.pastMax), c.label);
    }
}

// Choosing a mode stores it; mode 1 also puts the recorded peak into the scale at once: the
// graph into Max, the numeric display into Total, of the half's measurement row.
TEST(NetworkLimits, ChoosingAModeStoresItAndMode1WritesThePeak) {
    struct Case {
        LimitHalf half;
        int device;
        int scale;
        int mode;
        std::optional<ScaleWrite> write;
    };
    for (const Case& c : {
             Case{LimitHalf::Receive, 2, kGraphScale, kScaleModePeak,
                  ScaleWrite{kParamNetReceive, 2, kShowMax, 5000.0f}},
             Case{LimitHalf::Receive, 0, kNumericScale, kScaleModePeak,
                  ScaleWrite{kParamNetReceive, 0, kShowTotal, 5000.0f}},
             Case{LimitHalf::Send, 1, kGraphScale, kScaleModePeak,
                  ScaleWrite{kParamNetSend, 1, kShowMax, 5000.0f}},
             Case{LimitHalf::Send, 1, kNumericScale, kScaleModeHistory, std::nullopt},
             Case{LimitHalf::Receive, 1, kGraphScale, kScaleModeFixed, std::nullopt},
         }) {
        SCOPED_TRACE(::testing::Message() << "scale " << c.scale << " mode " << c.mode);
        LimitPair pair;
        pair.maxMode = {7, 7};
        pair.pastMax = 5000.0f;
        EXPECT_EQ(ChooseScaleMode(pair, c.half, c.device, c.scale, c.mode), c.write);
        EXPECT_EQ(pair.maxMode[static_cast<std::size_t>(c.scale)], c.mode);
        EXPECT_EQ(pair.maxMode[static_cast<std::size_t>(1 - c.scale)], 7); // the other untouched
    }
    LimitPair pair;
    EXPECT_EQ(ChooseScaleMode(pair, LimitHalf::Send, 0, 2, kScaleModePeak), std::nullopt);
    EXPECT_EQ(pair, LimitPair{});
}

TEST(NetworkLimits, HalvesAreTheirOwn) {
    NetDeviceLimits limits;
    HalfOf(limits, LimitHalf::Send).pastMax = 1.0f;
    HalfOf(limits, LimitHalf::Receive).pastMax = 2.0f;
    EXPECT_EQ(limits.send.pastMax, 1.0f);
    EXPECT_EQ(limits.receive.pastMax, 2.0f);
}

} // namespace
} // namespace trumbel

#include "options/PortField.h"

#include "options/ClockFields.h"

#include <gtest/gtest.h>
#include <limits>

namespace trumbel {
namespace {

// The port is the field's leading number rounded (ties to even); what does not come out above
// 0, or does not fit, is the standard port.
TEST(PortField, LeadingNumberRoundedElse123) {
    struct Case {
        const char* text;
        std::int32_t port;
    };
    for (const Case& c : {
             Case{"0", 123},
             Case{"", 123},
             Case{"80abc", 80},
             Case{"-5", 123},
             Case{"8.6", 9},
             Case{"8.5", 8}, // ties go to the even neighbour
             Case{"9.5", 10},
             Case{"0.4", 123}, // rounds to 0
             Case{"abc", 123},
             Case{"+7", 7},
             Case{" 1 2 3", 123}, // blanks inside the number are skipped
             Case{"1e3", 1000},
             Case{"1d2", 100},
             Case{"12e", 12}, // no exponent digits: the letter ends the number
             Case{".5e1", 5},
             Case{"99999999999", 123},
             Case{"2147483647", 123},
             Case{"70000", 123}, // UDP ports end at 65535: not 4464
             Case{"65535x", 65535},
         }) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PortFromField(c.text), c.port);
    }
    EXPECT_EQ(PortLabel(123), "現在：123");
    EXPECT_EQ(PortLabel(PortFromField("0")), "現在：123");
}

TEST(PortField, WholeNumberFieldsStayIn32Bits) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    for (const Case& c : {
             Case{"", 0},
             Case{"1920", 1920},
             Case{"-15", -15},
             Case{"12.5", 12},
             Case{"99999999999", std::numeric_limits<std::int32_t>::max()},
             Case{"-99999999999", std::numeric_limits<std::int32_t>::min()},
             Case{"1e999", std::numeric_limits<std::int32_t>::max()},
         }) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WholeFromField(c.text), c.value);
    }
}

// Switching the offset off keeps its direction (as a negative value the adjustment ignores)
// so switching it on again restores it.
TEST(ClockFields, OffsetSwitchKeepsTheDirection) {
    struct Case {
        OffsetSwitch on;
        int direction;
        std::int16_t stored;
        bool shownOn;
    };
    for (const Case& c : {
             Case{OffsetSwitch::On, 1, 1, true},
             Case{OffsetSwitch::On, 2, 2, true},
             Case{OffsetSwitch::Off, 1, -1, false},
             Case{OffsetSwitch::Off, 2, -2, false},
             Case{OffsetSwitch::On, 0, 0, false}, // "何もしない" adjusts nothing either way
             Case{OffsetSwitch::On, 5, 2, true},
         }) {
        SCOPED_TRACE(c.stored);
        const std::int16_t stored = OffsetSetting(c.on, c.direction);
        EXPECT_EQ(stored, c.stored);
        EXPECT_EQ(OffsetOn(stored), c.shownOn);
        EXPECT_EQ(OffsetDirection(stored), std::clamp(c.direction, 0, 2));
    }
    EXPECT_EQ(OffsetDirection(-7), 2);
}

TEST(ClockFields, EveryHoursIsZeroWhenOffAndWithinTheRangeWhenOn) {
    struct Case {
        bool on;
        int hours;
        std::int32_t stored;
    };
    for (const Case& c :
         {Case{false, 5, 0}, Case{true, 5, 5}, Case{true, 0, 1}, Case{true, 100, 72}}) {
        EXPECT_EQ(EveryHoursSetting(c.on, c.hours), c.stored) << c.hours;
    }
}

} // namespace
} // namespace trumbel

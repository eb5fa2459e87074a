#include "clock/DateValue.h"

#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <set>

namespace trumbel {
namespace {

UtcTime At(int y, int mo, int d, int h, int mi, int s, int us = 0) {
    return UtcFromCivil({y, mo, d, h, mi, s, us});
}

TEST(DateValue, NtpTimestampsInBothEras) {
    // 86400 × 40000 s and half a second: day 40000 after the NTP epoch, which is day 2.
    EXPECT_DOUBLE_EQ(NtpToDate(86400u * 40000u, 1u << 31), 40002 + 0.5 / 86400);
    EXPECT_EQ(NtpToUtc(86400u * 40000u, 1u << 31), UtcFromDate(40002 + 0.5 / 86400));

    struct Case {
        std::uint32_t seconds;
        std::uint32_t fraction;
        UtcTime expected;
    };
    const Case cases[] = {
        {0xFFFFFFFFu, 0, At(2036, 2, 7, 6, 28, 15)}, // last second of era 0
        {0, 0, At(2036, 2, 7, 6, 28, 16)},           // era 1 begins: top bit clear
        {1, 0x80000000u, At(2036, 2, 7, 6, 28, 17, 500000)},
        {0x7FFFFFFFu, 0, At(2104, 2, 26, 9, 42, 23)}, // last second read as era 1
        {0x80000000u, 0, At(1968, 1, 20, 3, 14, 8)},  // first second read as era 0
        {3'913'056'000u, 0, At(2024, 1, 1, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(NtpToUtc(c.seconds, c.fraction), c.expected);
        EXPECT_NEAR(NtpToDate(c.seconds, c.fraction), DateFromUtc(c.expected), 1e-9);
        // Written back, the timestamp folds into 32 bits as the wire carries it.
        EXPECT_EQ(UtcToNtp(c.expected), (std::uint64_t{c.seconds} << 32) | c.fraction);
    }
}

TEST(DateValue, CalendarDates) {
    EXPECT_DOUBLE_EQ(CDateEX(1899, 12, 30, 0, 0, 0), 0);
    EXPECT_DOUBLE_EQ(CDateEX(1900, 1, 1, 0, 0, 0), 2);
    EXPECT_DOUBLE_EQ(CDateEX(1970, 1, 1, 0, 0, 0), kUnixEpochDate);
    EXPECT_DOUBLE_EQ(CDateEX(2024, 2, 29, 18, 0, 0), 45351.75);
    EXPECT_DOUBLE_EQ(CDateEX(2024, 3, 1, 0, 0, 0), 45352);
    EXPECT_EQ(CivilFromUtc(UtcFromDate(45351.75)), (CivilTime{2024, 2, 29, 18, 0, 0, 0}));
    EXPECT_EQ(CivilFromUtc(At(1969, 12, 31, 23, 59, 59, 999999)),
              (CivilTime{1969, 12, 31, 23, 59, 59, 999999}));
}

TEST(DateValue, OffsetsAddByTheCalendarEitherWay) {
    struct Case {
        const char* what;
        UtcTime from;
        int adjustWithOffset;
        std::array<std::int16_t, 4> dhms;
        UtcTime expected;
    };
    const Case cases[] = {
        {"five minutes ahead", At(2024, 5, 1, 12, 0, 0), 1, {0, 0, 5, 0}, At(2024, 5, 1, 12, 5, 0)},
        {"five minutes behind",
         At(2024, 5, 1, 12, 0, 0),
         2,
         {0, 0, 5, 0},
         At(2024, 5, 1, 11, 55, 0)},
        {"nothing", At(2024, 5, 1, 12, 0, 0), 0, {0, 0, 5, 0}, At(2024, 5, 1, 12, 0, 0)},
        {"switched off", At(2024, 5, 1, 12, 0, 0), -1, {1, 1, 1, 1}, At(2024, 5, 1, 12, 0, 0)},
        {"into a leap day", At(2024, 2, 28, 12, 0, 0), 1, {1, 0, 0, 0}, At(2024, 2, 29, 12, 0, 0)},
        {"over a leap day", At(2024, 2, 28, 18, 0, 0), 1, {1, 12, 0, 0}, At(2024, 3, 1, 6, 0, 0)},
        {"no leap day", At(2023, 2, 28, 18, 0, 0), 1, {1, 12, 0, 0}, At(2023, 3, 2, 6, 0, 0)},
        {"back into a leap day",
         At(2024, 3, 1, 0, 2, 0),
         2,
         {0, 0, 5, 0},
         At(2024, 2, 29, 23, 57, 0)},
        {"over a month end", At(2024, 4, 30, 23, 0, 0), 1, {0, 2, 0, 0}, At(2024, 5, 1, 1, 0, 0)},
        {"over a year end",
         At(2023, 12, 31, 23, 59, 45),
         1,
         {0, 0, 0, 30},
         At(2024, 1, 1, 0, 0, 15)},
        {"back over a year end",
         At(2024, 1, 1, 0, 0, 0),
         2,
         {31, 0, 0, 1},
         At(2023, 11, 30, 23, 59, 59)},
        {"every field",
         At(2024, 2, 27, 0, 0, 0, 250000),
         1,
         {2, 23, 59, 59},
         At(2024, 2, 29, 23, 59, 59, 250000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ApplyOffset(c.from, OffsetDirectionOf(c.adjustWithOffset), c.dhms), c.expected);
    }
}

TEST(DateValue, GapTexts) {
    struct Case {
        double secondsAhead;
        const char* text;
    };
    const Case cases[] = {
        {3725, "1時間2分5秒進んでいました"},
        {-(86400 + 3600 + 60 + 1), "1日と1時間1分1秒遅れていました"},
        {60, "1分0秒進んでいました"},
        {0, "時計はずれていませんでした"},
        {0.4, "時計はずれていませんでした"}, // whole seconds, rounded once
        {-0.6, "1秒遅れていました"},
        {86400, "1日と0秒進んでいました"},
        {-7200.2, "2時間0秒遅れていました"},
    };
    const UtcTime server = At(2024, 6, 30, 23, 59, 59, 700000);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.secondsAhead);
        const UtcTime now{server.micros + static_cast<std::int64_t>(c.secondsAhead * 1e6)};
        EXPECT_EQ(MakeGapTimeStr(server, now), c.text);
    }
}

TEST(DateValue, ServerHostAndTheOfferedServers) {
    EXPECT_EQ(ServerHost("NICT (ntp.nict.jp)"), "ntp.nict.jp");
    EXPECT_EQ(ServerHost("ntp.nict.jp"), "ntp.nict.jp");
    EXPECT_EQ(ServerHost("192.0.2.7"), "192.0.2.7");
    EXPECT_EQ(ServerHost("a (b) (c)"), "b) (c"); // first "(" to last ")"
    EXPECT_EQ(ServerHost("broken (host"), "host");
    EXPECT_EQ(ServerHost("NICT ( ntp.nict.jp\t)"), "ntp.nict.jp");
    EXPECT_EQ(ServerHost(" 192.0.2.7\u3000"), "192.0.2.7");

    std::set<std::string> hosts;
    bool standardOffered = false;
    for (const TimeServerEntry& e : kPublicTimeServers) {
        const std::string caption = TimeServerCaption(e);
        EXPECT_EQ(ServerHost(caption), e.host);
        hosts.insert(std::string(e.host));
        standardOffered |= caption == kStandardTimeServer;
    }
    EXPECT_EQ(hosts.size(), 11u);
    EXPECT_TRUE(standardOffered) << "the standard server is not among those offered";
    EXPECT_EQ(hosts.count("ntp.nict.jp"), 1u);
}

} // namespace
} // namespace trumbel

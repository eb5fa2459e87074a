#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace trumbel {

// A date value: days since 1899-12-30 00:00, the time of day as the fraction. Day 2 is
// 1900-01-01, the NTP epoch; day 25569 is 1970-01-01, the Unix epoch.
using DateValue = double;

inline constexpr DateValue kUnixEpochDate = 25569.0;
inline constexpr std::int64_t kMicrosPerSecond = 1'000'000;
inline constexpr std::int64_t kSecondsPerDay = 86'400;

// A moment in UTC in microseconds since 1970-01-01: the form the arithmetic and the clock use,
// exact where a date value would round.
struct UtcTime {
    std::int64_t micros = 0;
    friend auto operator<=>(const UtcTime&, const UtcTime&) = default;
};

struct CivilTime {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int micros = 0;
    friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(int year, int month, int day);
CivilTime CivilFromUtc(UtcTime t);
UtcTime UtcFromCivil(const CivilTime& c);

DateValue DateFromUtc(UtcTime t);
UtcTime UtcFromDate(DateValue d); // to the nearest microsecond

// NTP seconds and fraction (2^-32 s) as a moment. A timestamp whose top bit is clear lies in
// era 1 (2036-02-07 06:28:16 UTC onwards), one whose top bit is set in era 0 (1968-2036).
UtcTime NtpToUtc(std::uint32_t seconds, std::uint32_t fraction);
DateValue NtpToDate(std::uint32_t seconds, std::uint32_t fraction);
// The NTP timestamp of a moment (era folded away), for the request's transmit field.
std::uint64_t UtcToNtp(UtcTime t);

// The date plus the time of day, as a date value.
DateValue CDateEX(int year, int month, int day, int hour, int minute, int second);

// The offset the user set: days, hours, minutes, seconds, and which way it goes.
enum class OffsetDirection : int { None = 0, Ahead = 1, Behind = 2 };
OffsetDirection OffsetDirectionOf(int adjustWithOffset);
// Adds (Ahead) or subtracts (Behind) days, hours, minutes and seconds, in that order, by the
// calendar; None leaves t as it is.
UtcTime ApplyOffset(UtcTime t, OffsetDirection direction, const std::array<std::int16_t, 4>& dhms);

// How far the machine's clock (now) was from the server's time (adjustTime), in whole seconds
// (positive when the clock was ahead), as the user reads it.
std::string MakeGapTimeStr(UtcTime adjustTime, UtcTime now);
std::string GapText(std::int64_t secondsAhead);

// "2024年1月5日9時3分7秒": numbers without leading zeros.
std::string JapaneseDateTime(const CivilTime& c);
// The same moment in the program's language; an English one reads "2024-01-05 09:03:07".
std::string ShownDateTime(const CivilTime& c);

// The host of a time-server setting: the text after the first "(" up to the last ")" when it
// has a "(", else the whole setting; without the blanks round it either way.
std::string ServerHost(std::string_view timeServer);

// Public SNTP servers offered in the options dialog, each as "name (host)".
struct TimeServerEntry {
    std::string_view name;
    std::string_view host;
};
inline constexpr std::array<TimeServerEntry, 11> kPublicTimeServers{{
    {"NICT", "ntp.nict.jp"},
    {"MFEED", "ntp.jst.mfeed.ad.jp"},
    {"NTP Pool Japan", "jp.pool.ntp.org"},
    {"NTP Pool Asia", "asia.pool.ntp.org"},
    {"NTP Pool Project", "pool.ntp.org"},
    {"Google", "time.google.com"},
    {"Cloudflare", "time.cloudflare.com"},
    {"Amazon", "time.aws.com"},
    {"Apple", "time.apple.com"},
    {"Microsoft", "time.windows.com"},
    {"NIST", "time.nist.gov"},
}};
std::string TimeServerCaption(const TimeServerEntry& entry); // "name (host)"

} // namespace trumbel

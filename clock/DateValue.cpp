#include "clock/DateValue.h"

#include "base/UiText.h"

#include <cmath>
#include <cstdlib>
#include <ctime>

namespace trumbel {

namespace {

constexpr std::int64_t kMicrosPerDay = kSecondsPerDay * kMicrosPerSecond;
// Seconds from 1900-01-01 (NTP era 0) to 1970-01-01.
constexpr std::int64_t kNtpToUnixSeconds = 2'208'988'800;
constexpr std::int64_t kNtpEraSeconds = std::int64_t{1} << 32;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

} // namespace

std::int64_t DaysFromCivil(int year, int month, int day) {
    // Howard Hinnant's days_from_civil.
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilTime CivilFromUtc(UtcTime t) {
    const std::int64_t days = FloorDiv(t.micros, kMicrosPerDay);
    std::int64_t rest = t.micros - days * kMicrosPerDay;
    const std::int64_t z = days + 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    CivilTime c;
    c.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    c.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    c.year = static_cast<int>(yoe + era * 400 + (c.month <= 2 ? 1 : 0));
    c.hour = static_cast<int>(rest / (3600 * kMicrosPerSecond));
    rest -= c.hour * 3600 * kMicrosPerSecond;
    c.minute = static_cast<int>(rest / (60 * kMicrosPerSecond));
    rest -= c.minute * 60 * kMicrosPerSecond;
    c.second = static_cast<int>(rest / kMicrosPerSecond);
    c.micros = static_cast<int>(rest - c.second * kMicrosPerSecond);
    return c;
}

UtcTime UtcFromCivil(const CivilTime& c) {
    const std::int64_t seconds = DaysFromCivil(c.year, c.month, c.day) * kSecondsPerDay +
                                 c.hour * 3600 + c.minute * 60 + c.second;
    return {seconds * kMicrosPerSecond + c.micros};
}

DateValue DateFromUtc(UtcTime t) {
    // Whole days and the fraction apart, so that the day count keeps its precision.
    const std::int64_t days = FloorDiv(t.micros, kMicrosPerDay);
    const std::int64_t rest = t.micros - days * kMicrosPerDay;
    return static_cast<double>(days) + kUnixEpochDate +
           static_cast<double>(rest) / static_cast<double>(kMicrosPerDay);
}

UtcTime UtcFromDate(DateValue d) {
    const double days = std::floor(d);
    const double fraction = d - days;
    const auto wholeDays =
        static_cast<std::int64_t>(days) - static_cast<std::int64_t>(kUnixEpochDate);
    return {wholeDays * kMicrosPerDay +
            static_cast<std::int64_t>(std::llround(fraction * static_cast<double>(kMicrosPerDay)))};
}

UtcTime NtpToUtc(std::uint32_t seconds, std::uint32_t fraction) {
    std::int64_t s = seconds;
    if ((seconds & 0x8000'0000u) == 0) {
        s += kNtpEraSeconds;
    }
    // The fraction to the nearest microsecond.
    const std::int64_t micros = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(fraction) * 1'000'000u + (1u << 31)) >> 32);
    return {(s - kNtpToUnixSeconds) * kMicrosPerSecond + micros};
}

DateValue NtpToDate(std::uint32_t seconds, std::uint32_t fraction) {
    double s = static_cast<double>(seconds);
    if ((seconds & 0x8000'0000u) == 0) {
        s += static_cast<double>(kNtpEraSeconds);
    }
    return s / static_cast<double>(kSecondsPerDay) + 2.0 +
           static_cast<double>(fraction) / (4294967296.0 * static_cast<double>(kSecondsPerDay));
}

std::uint64_t UtcToNtp(UtcTime t) {
    const std::int64_t seconds = FloorDiv(t.micros, kMicrosPerSecond);
    const std::int64_t micros = t.micros - seconds * kMicrosPerSecond;
    const auto ntpSeconds = static_cast<std::uint32_t>(seconds + kNtpToUnixSeconds);
    const auto fraction =
        static_cast<std::uint32_t>((static_cast<std::uint64_t>(micros) << 32) / 1'000'000u);
    return (static_cast<std::uint64_t>(ntpSeconds) << 32) | fraction;
}

DateValue CDateEX(int year, int month, int day, int hour, int minute, int second) {
    return static_cast<double>(DaysFromCivil(year, month, day)) + kUnixEpochDate +
           static_cast<double>(hour * 3600 + minute * 60 + second) /
               static_cast<double>(kSecondsPerDay);
}

OffsetDirection OffsetDirectionOf(int adjustWithOffset) {
    switch (adjustWithOffset) {
    case 1:
        return OffsetDirection::Ahead;
    case 2:
        return OffsetDirection::Behind;
    default:
        // 0 "何もしない", and the negative value the options dialog stores while switched off.
        return OffsetDirection::None;
    }
}

UtcTime ApplyOffset(UtcTime t, OffsetDirection direction, const std::array<std::int16_t, 4>& dhms) {
    if (direction == OffsetDirection::None) {
        return t;
    }
    const std::int64_t sign = direction == OffsetDirection::Ahead ? 1 : -1;
    // UTC days are all 86400 seconds long here (no leap seconds), so the calendar's days,
    // hours, minutes and seconds add up exactly; the order matters only for rounding, of
    // which there is none in whole microseconds.
    constexpr std::array<std::int64_t, 4> kUnit{kSecondsPerDay, 3600, 60, 1};
    for (std::size_t i = 0; i < dhms.size(); ++i) {
        t.micros += sign * dhms[i] * kUnit[i] * kMicrosPerSecond;
    }
    return t;
}

std::string GapText(std::int64_t secondsAhead) {
    if (secondsAhead == 0) {
        return UiTr("Clock", "時計はずれていませんでした");
    }
    std::int64_t a = std::llabs(secondsAhead);
    const std::int64_t days = a / kSecondsPerDay;
    a -= days * kSecondsPerDay;
    const std::int64_t hours = a / 3600;
    a -= hours * 3600;
    const std::int64_t minutes = a / 60;
    const std::int64_t seconds = a - minutes * 60;
    std::string text;
    if (days != 0) {
        text += UiFormat(UiTr("Clock", "%1日と"), {std::to_string(days)});
    }
    if (hours != 0) {
        text += UiFormat(UiTr("Clock", "%1時間"), {std::to_string(hours)});
    }
    if (minutes != 0) {
        text += UiFormat(UiTr("Clock", "%1分"), {std::to_string(minutes)});
    }
    text += UiFormat(UiTr("Clock", "%1秒"), {std::to_string(seconds)});
    return UiFormat(secondsAhead > 0 ? UiTr("Clock", "%1進んでいました")
                                     : UiTr("Clock", "%1遅れていました"),
                    {text});
}

std::string MakeGapTimeStr(UtcTime adjustTime, UtcTime now) {
    // Both moments at full precision, rounded once: truncating each to the second first could
    // report a clock that was right as one second off.
    const double seconds =
        static_cast<double>(now.micros - adjustTime.micros) / static_cast<double>(kMicrosPerSecond);
    return GapText(static_cast<std::int64_t>(std::nearbyint(seconds)));
}

std::string JapaneseDateTime(const CivilTime& c) {
    return std::to_string(c.year) + "年" + std::to_string(c.month) + "月" + std::to_string(c.day) +
           "日" + std::to_string(c.hour) + "時" + std::to_string(c.minute) + "分" +
           std::to_string(c.second) + "秒";
}

std::string ShownDateTime(const CivilTime& c) {
    // A strftime form, so a language chooses its order and its leading zeros; "%-m" is glibc's
    // month without one.
    const std::string form = UiTr("Clock", "%Y年%-m月%-d日%-H時%-M分%-S秒");
    std::tm t{};
    t.tm_year = c.year - 1900;
    t.tm_mon = c.month - 1;
    t.tm_mday = c.day;
    t.tm_hour = c.hour;
    t.tm_min = c.minute;
    t.tm_sec = c.second;
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, form.c_str(), &t);
    return length > 0 ? std::string(text, length) : JapaneseDateTime(c);
}

namespace {

// Blanks round a host, as typed: spaces, tabs and the ideographic space of a Japanese IME.
std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kIdeographicSpace = "\u3000";
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
            text.remove_prefix(1);
            trimmed = true;
        } else if (text.substr(0, kIdeographicSpace.size()) == kIdeographicSpace) {
            text.remove_prefix(kIdeographicSpace.size());
            trimmed = true;
        }
        if (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
            text.remove_suffix(1);
            trimmed = true;
        } else if (text.size() >= kIdeographicSpace.size() &&
                   text.substr(text.size() - kIdeographicSpace.size()) == kIdeographicSpace) {
            text.remove_suffix(kIdeographicSpace.size());
            trimmed = true;
        }
    }
    return text;
}

} // namespace

std::string ServerHost(std::string_view timeServer) {
    const auto open = timeServer.find('(');
    if (open == std::string_view::npos) {
        return std::string(TrimBlanks(timeServer));
    }
    const auto close = timeServer.rfind(')');
    if (close == std::string_view::npos || close <= open) {
        return std::string(TrimBlanks(timeServer.substr(open + 1)));
    }
    return std::string(TrimBlanks(timeServer.substr(open + 1, close - open - 1)));
}

std::string TimeServerCaption(const TimeServerEntry& entry) {
    return std::string(entry.name) + " (" + std::string(entry.host) + ")";
}

} // namespace trumbel

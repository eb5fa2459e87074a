#include "options/PortField.h"

#include "base/UiText.h"
#include "settings/TimeServerPort.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace trumbel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double LeadingNumber(std::string_view text) {
    // Gather the number's characters without the blanks, in a form strtod reads.
    std::string number;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
    };
    auto takeDigits = [&] {
        bool any = false;
        for (skipBlanks(); i < text.size() && IsDigit(text[i]); skipBlanks()) {
            number += text[i++];
            any = true;
        }
        return any;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number += text[i++];
    }
    bool digits = takeDigits();
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        digits = takeDigits() || digits;
    }
    if (!digits) {
        return 0.0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        const std::size_t mark = i;
        const std::string mantissa = number;
        number += 'e';
        ++i;
        skipBlanks();
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            number += text[i++];
        }
        if (!takeDigits()) {
            // "12e" is 12: the letter was not an exponent after all.
            number = mantissa;
            i = mark;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

std::int32_t PortFromField(std::string_view text) {
    const double rounded = std::nearbyint(LeadingNumber(text));
    if (!(rounded > 0) || rounded > std::numeric_limits<std::int32_t>::max()) {
        return kStandardNtpPort;
    }
    return TimeServerPortOrStandard(static_cast<std::int32_t>(rounded));
}

std::int32_t WholeFromField(std::string_view text) {
    const double rounded = std::nearbyint(LeadingNumber(text));
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(rounded, kLow, kHigh));
}

std::string PortLabel(std::int32_t port) {
    return UiFormat(UiTr("PortField", "現在：%1"), {std::to_string(port)});
}

} // namespace trumbel

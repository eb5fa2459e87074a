#include "skin/TransParam.h"

#include "base/ErrorReport.h"
#include "base/RuntimeError.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace trumbel {

namespace {

// The shortest decimal text of k / 1000: no exponent, no trailing zeros.
std::string Thousandths(std::int64_t k) {
    std::string text = k < 0 ? "-" : "";
    const std::uint64_t m =
        k < 0 ? 0 - static_cast<std::uint64_t>(k) : static_cast<std::uint64_t>(k);
    text += std::to_string(m / 1000);
    std::uint64_t frac = m % 1000;
    if (frac != 0) {
        std::string digits = std::to_string(frac);
        digits.insert(0, 3 - digits.size(), '0');
        while (digits.back() == '0') {
            digits.pop_back();
        }
        text += "." + digits;
    }
    return text;
}

} // namespace

std::string TransParam(float amount, Ui& ui) {
    float v = amount;
    int n = 0;
    std::string text;
    const auto report = [&](ErrorNumber number) {
        ReportRuntimeError(ui, ErrorCategory::InfoUpdate, RuntimeError(number), "TransParam");
    };
    if (std::isfinite(v)) {
        // Finite floats leave this loop within 13 rounds; infinity would never leave it.
        while (v >= 1000.0f) {
            ++n;
            v = v / 1024.0f;
        }
    } else {
        report(ErrorNumber::Overflow);
    }
    if (n == 0) {
        n = 1;
        v = v / 1024.0f;
    }
    const float scaled = v * 1000.0f;
    const double rounded = std::nearbyint(static_cast<double>(scaled)); // ties to even
    if (std::isfinite(rounded) && std::fabs(rounded) < 9.0e18) {
        text = Thousandths(static_cast<std::int64_t>(rounded));
    } else if (std::isfinite(v)) {
        report(ErrorNumber::Overflow);
    }
    if (text.find('.') == std::string::npos) {
        text += '.';
    }
    while (text.size() < 4) {
        text += '0';
    }
    text.resize(4);
    static constexpr const char* kPrefix[] = {"", "K", "M", "G", "T", "P"};
    if (n >= 1 && n <= 5) {
        text += kPrefix[n];
    }
    return text;
}

} // namespace trumbel

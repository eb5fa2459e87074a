// Fuzz target for Sumora's evaluator: any text as a typed expression. Nothing may crash, hang or
// overflow the stack; a failure is a ScriptError with one of VBScript's numbers, a shown result
// is a finite number, and brackets around a valid expression change nothing. Built into a seeded
// random-input test here; with clang it also links as a libFuzzer target.
#include "tools/sumora/Calculator.h"
#include "tools/sumora/Evaluator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace sumora;

constexpr std::array<int, 11> kKnownNumbers = {5, 6, 11, 13, 28, 450, 500, 1002, 1006, 1025, 1032};

bool Known(int number) {
    return std::find(kKnownNumbers.begin(), kKnownNumbers.end(), number) != kKnownNumbers.end();
}

[[noreturn]] void Broken(const char* what, const std::string& text) {
    std::fprintf(stderr, "%s: [%s]\n", what, text.c_str());
    std::abort();
}

// The outcome as CStr writes it, or "#n".
std::string Outcome(const std::string& text) {
    try {
        return "=" + ToText(Evaluate(text));
    } catch (const ScriptError& e) {
        const int number = static_cast<int>(e.Number());
        if (!Known(number) || ErrorDescription(e.Number()).empty())
            Broken("unknown error number", text);
        return "#" + std::to_string(number);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string plain = Outcome(text);
    if (plain.front() == '=') {
        const std::string bracketed = Outcome("(" + text + ")");
        if (bracketed != plain && bracketed != "#28")
            Broken("brackets changed the value", text);
    }
    const Calculation c = Calculate(text);
    if (c.ok ? !std::isfinite(c.result) : !Known(c.errorNumber) || c.errorDescription.empty())
        Broken("calculation", text);
    if (c.ok)
        ResultText(text, c.result);
    return 0;
}

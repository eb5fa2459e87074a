#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// An evaluator of VBScript expressions: literals, operators with VBScript's precedence, and the
// numeric functions. Errors carry VBScript's numbers and its Japanese descriptions.
namespace sumora {

enum class ScriptErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
    OutOfStackSpace = 28,
    WrongArgumentCount = 450,
    VariableUndefined = 500,
    SyntaxError = 1002,
    ExpectedRightParen = 1006,
    ExpectedEndOfStatement = 1025,
    InvalidCharacter = 1032,
};

std::string ErrorDescription(ScriptErrorNumber number);

class ScriptError : public std::runtime_error {
public:
    explicit ScriptError(ScriptErrorNumber number)
        : std::runtime_error(ErrorDescription(number)), number_(number) {}
    ScriptErrorNumber Number() const { return number_; }

private:
    ScriptErrorNumber number_;
};

// A variant as VBScript keeps it. Integer is 16-bit, Long 32-bit; both are held exactly in
// `number`. Booleans are -1 and 0.
struct Value {
    enum class Type { Empty, Boolean, Integer, Long, Double, String };
    Type type = Type::Empty;
    double number = 0;
    std::string text;

    static Value Boolean(bool b) { return {Type::Boolean, b ? -1.0 : 0.0, {}}; }
    static Value Integer(int v) { return {Type::Integer, static_cast<double>(v), {}}; }
    static Value Long(long v) { return {Type::Long, static_cast<double>(v), {}}; }
    static Value Double(double v) { return {Type::Double, v, {}}; }
    static Value String(std::string s) { return {Type::String, 0, std::move(s)}; }
};

// How deeply parentheses, function calls, signs and Not may nest before an expression fails
// with OutOfStackSpace. One bracket level costs about 3.6 KiB of stack (7.3 KiB under the
// address sanitizer), so the deepest expression takes under 2 MiB of the 8 MiB main-thread
// stack; no one types 256 levels by hand.
inline constexpr int kMaxNesting = 256;

// Parses the whole text first (syntax errors win over run-time errors, as in VBScript), then
// evaluates it. Throws ScriptError.
Value Evaluate(std::string_view expression);

// CDbl: the value as a Double, or ScriptError(TypeMismatch) for text that is no number.
double ToDouble(const Value& value);

// A Double written as VBScript writes it: at most 15 significant digits, exponent form
// ("1E+15", "1.5E-07") below 1E-4 and from 1E+15 on.
std::string FormatDouble(double value);

// CStr of any value.
std::string ToText(const Value& value);

} // namespace sumora

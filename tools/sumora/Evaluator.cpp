#include "tools/sumora/Evaluator.h"

#include "base/UiText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace sumora {

using trumbel::UiTr;

std::string ErrorDescription(ScriptErrorNumber number) {
    switch (number) {
    case ScriptErrorNumber::InvalidArgument:
        return UiTr("Sumora", "プロシージャの呼び出し、または引数が不正です。");
    case ScriptErrorNumber::Overflow:
        return UiTr("Sumora", "オーバーフローしました。");
    case ScriptErrorNumber::DivisionByZero:
        return UiTr("Sumora", "0 で除算しました。");
    case ScriptErrorNumber::TypeMismatch:
        return UiTr("Sumora", "型が一致しません。");
    case ScriptErrorNumber::OutOfStackSpace:
        return UiTr("Sumora", "スタック領域が不足しています。");
    case ScriptErrorNumber::WrongArgumentCount:
        return UiTr("Sumora",
                    "引数の数が一致していないか、または不正なプロパティを指定しています。");
    case ScriptErrorNumber::VariableUndefined:
        return UiTr("Sumora", "変数が定義されていません。");
    case ScriptErrorNumber::SyntaxError:
        return UiTr("Sumora", "構文エラーです。");
    case ScriptErrorNumber::ExpectedRightParen:
        return UiTr("Sumora", "')' がありません。");
    case ScriptErrorNumber::ExpectedEndOfStatement:
        return UiTr("Sumora", "ステートメントの末尾が必要です。");
    case ScriptErrorNumber::InvalidCharacter:
        return UiTr("Sumora", "無効な文字です。");
    }
    return UiTr("Sumora", "エラー");
}

namespace {

using E = ScriptErrorNumber;
using Type = Value::Type;

[[noreturn]] void Fail(E number) {
    throw ScriptError(number);
}

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Integer arithmetic that outgrows its type moves up to Long and then to Double, as VBScript
// does, instead of failing.
Value FromWhole(double v, bool integerHint) {
    if (integerHint && v >= -32768 && v <= 32767)
        return Value::Integer(static_cast<int>(v));
    if (v >= -2147483648.0 && v <= 2147483647.0)
        return Value::Long(static_cast<long>(v));
    return Value::Double(v);
}

double CheckFinite(double v) {
    if (!std::isfinite(v))
        Fail(E::Overflow);
    return v;
}

// Round half to even, VBScript's rule for every conversion to a whole number.
double RoundEven(double v) {
    return std::nearbyint(v);
}

// A validated decimal literal, read the same whatever C locale the toolkit has set.
double ParseDecimal(std::string_view text) {
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);
    double v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error == std::errc::result_out_of_range) {
        const std::size_t e = text.find_first_of("eE");
        if (e != std::string_view::npos && text.substr(e + 1, 1) == "-")
            return 0; // too small to hold
        Fail(E::Overflow);
    }
    if (!std::isfinite(v))
        Fail(E::Overflow);
    return v;
}

std::optional<double> ParseNumericText(std::string_view s) {
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    if (s.empty())
        return std::nullopt;
    if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
        double v = 0;
        for (char c : s.substr(2)) {
            int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : base == 16 && std::isxdigit(static_cast<unsigned char>(c))
                        ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                        : -1;
            if (d < 0 || d >= base)
                return std::nullopt;
            v = v * base + d;
        }
        return v;
    }
    std::string text(s);
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i, digits = true;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));)
            ++i, digits = true;
    if (!digits)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j == text.size() || !std::isdigit(static_cast<unsigned char>(text[j])))
            return std::nullopt;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
            ++j;
        i = j;
    }
    if (i != text.size())
        return std::nullopt;
    return ParseDecimal(text);
}

// The operand of an arithmetic operator: Booleans act as Integers, text as a Double.
Value Numeric(const Value& v) {
    switch (v.type) {
    case Type::Empty:
        return Value::Integer(0);
    case Type::Boolean:
        return Value::Integer(static_cast<int>(v.number));
    case Type::String:
        return Value::Double(ToDouble(v));
    default:
        return v;
    }
}

double ToLongRange(const Value& v) {
    const double d = RoundEven(Numeric(v).number);
    if (d < -2147483648.0 || d > 2147483647.0)
        Fail(E::Overflow);
    return d;
}

enum class Op {
    Add,
    Sub,
    Mul,
    Div,
    IntDiv,
    Mod,
    Pow,
    Concat,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    And,
    Or,
    Xor,
    Eqv,
    Imp,
};

Value Arithmetic(Op op, const Value& l, const Value& r) {
    if (op == Op::Add && l.type == Type::String && r.type == Type::String)
        return Value::String(l.text + r.text);
    const Value a = Numeric(l);
    const Value b = Numeric(r);
    const bool whole = a.type != Type::Double && b.type != Type::Double;
    const bool integerHint = a.type == Type::Integer && b.type == Type::Integer;
    switch (op) {
    case Op::Add:
        return whole ? FromWhole(a.number + b.number, integerHint)
                     : Value::Double(CheckFinite(a.number + b.number));
    case Op::Sub:
        return whole ? FromWhole(a.number - b.number, integerHint)
                     : Value::Double(CheckFinite(a.number - b.number));
    case Op::Mul:
        return whole ? FromWhole(a.number * b.number, integerHint)
                     : Value::Double(CheckFinite(a.number * b.number));
    case Op::Div:
        if (b.number == 0)
            Fail(a.number == 0 ? E::Overflow : E::DivisionByZero);
        return Value::Double(CheckFinite(a.number / b.number));
    case Op::IntDiv:
    case Op::Mod: {
        const auto x = static_cast<std::int64_t>(ToLongRange(a));
        const auto y = static_cast<std::int64_t>(ToLongRange(b));
        if (y == 0)
            Fail(E::DivisionByZero);
        const std::int64_t q = op == Op::IntDiv ? x / y : x % y;
        if (q > 2147483647)
            Fail(E::Overflow);
        return FromWhole(static_cast<double>(q), integerHint);
    }
    case Op::Pow: {
        if (a.number == 0 && b.number < 0)
            Fail(E::InvalidArgument);
        if (a.number < 0 && b.number != std::trunc(b.number))
            Fail(E::InvalidArgument);
        return Value::Double(CheckFinite(std::pow(a.number, b.number)));
    }
    default:
        return {};
    }
}

Value Compare(Op op, const Value& l, const Value& r) {
    int order = 0;
    if (l.type == Type::String && r.type == Type::String) {
        order = l.text.compare(r.text);
    } else {
        const double a = Numeric(l).number;
        const double b = Numeric(r).number;
        order = a < b ? -1 : a > b ? 1 : 0;
    }
    switch (op) {
    case Op::Eq:
        return Value::Boolean(order == 0);
    case Op::Ne:
        return Value::Boolean(order != 0);
    case Op::Lt:
        return Value::Boolean(order < 0);
    case Op::Gt:
        return Value::Boolean(order > 0);
    case Op::Le:
        return Value::Boolean(order <= 0);
    default:
        return Value::Boolean(order >= 0);
    }
}

std::int32_t Bits(double v) {
    return static_cast<std::int32_t>(v);
}

Value Logical(Op op, const Value& l, const Value& r) {
    const std::int32_t a = Bits(ToLongRange(l));
    const std::int32_t b = Bits(ToLongRange(r));
    std::int32_t v = 0;
    switch (op) {
    case Op::And:
        v = a & b;
        break;
    case Op::Or:
        v = a | b;
        break;
    case Op::Xor:
        v = a ^ b;
        break;
    case Op::Eqv:
        v = ~(a ^ b);
        break;
    default:
        v = ~a | b;
        break;
    }
    if (l.type == Type::Boolean && r.type == Type::Boolean)
        return Value::Boolean(v != 0);
    const bool integerHint = (l.type == Type::Boolean || l.type == Type::Integer) &&
                             (r.type == Type::Boolean || r.type == Type::Integer);
    return FromWhole(v, integerHint);
}

Value Binary(Op op, const Value& l, const Value& r) {
    switch (op) {
    case Op::Concat:
        return Value::String(ToText(l) + ToText(r));
    case Op::Eq:
    case Op::Ne:
    case Op::Lt:
    case Op::Gt:
    case Op::Le:
    case Op::Ge:
        return Compare(op, l, r);
    case Op::And:
    case Op::Or:
    case Op::Xor:
    case Op::Eqv:
    case Op::Imp:
        return Logical(op, l, r);
    default:
        return Arithmetic(op, l, r);
    }
}

Value Negate(const Value& v) {
    const Value n = Numeric(v);
    if (n.type == Type::Double)
        return Value::Double(-n.number);
    return FromWhole(-n.number, n.type == Type::Integer);
}

Value Not(const Value& v) {
    if (v.type == Type::Boolean)
        return Value::Boolean(v.number == 0);
    return FromWhole(~Bits(ToLongRange(v)), Numeric(v).type == Type::Integer);
}

// Hex and Oct write Integers in 16 bits and everything else in 32, as VBScript does.
std::string InBase(const Value& v, int bitsPerDigit) {
    const Value n = Numeric(v);
    const double d = ToLongRange(n);
    std::uint32_t bits = static_cast<std::uint32_t>(Bits(d));
    if (n.type == Type::Integer)
        bits &= 0xFFFFu;
    std::string out;
    const unsigned mask = (1u << bitsPerDigit) - 1;
    do {
        out.insert(out.begin(), "0123456789ABCDEF"[bits & mask]);
        bits >>= bitsPerDigit;
    } while (bits != 0);
    return out;
}

using Args = std::vector<Value>;

struct Function {
    const char* name; // lower case
    int minArgs;
    int maxArgs;
    Value (*call)(const Args&);
};

double D(const Value& v) {
    return Numeric(v).number;
}

Value KeepWhole(const Value& v, double (*f)(double)) {
    const Value n = Numeric(v);
    if (n.type == Type::Double)
        return Value::Double(f(n.number));
    return FromWhole(f(n.number), n.type == Type::Integer);
}

Value ToWhole(const Value& v, double low, double high, bool integer) {
    const double d = RoundEven(D(v));
    if (d < low || d > high)
        Fail(E::Overflow);
    return integer ? Value::Integer(static_cast<int>(d)) : Value::Long(static_cast<long>(d));
}

const std::array<Function, 17> kFunctions = {{
    {"abs", 1, 1,
     [](const Args& a) { return KeepWhole(a[0], [](double x) { return std::fabs(x); }); }},
    {"atn", 1, 1, [](const Args& a) { return Value::Double(std::atan(D(a[0]))); }},
    {"cos", 1, 1, [](const Args& a) { return Value::Double(std::cos(D(a[0]))); }},
    {"exp", 1, 1, [](const Args& a) { return Value::Double(CheckFinite(std::exp(D(a[0])))); }},
    {"fix", 1, 1,
     [](const Args& a) { return KeepWhole(a[0], [](double x) { return std::trunc(x); }); }},
    {"int", 1, 1,
     [](const Args& a) { return KeepWhole(a[0], [](double x) { return std::floor(x); }); }},
    {"log", 1, 1,
     [](const Args& a) {
         if (D(a[0]) <= 0)
             Fail(E::InvalidArgument);
         return Value::Double(std::log(D(a[0])));
     }},
    {"round", 1, 2,
     [](const Args& a) {
         const Value n = Numeric(a[0]);
         const double places = a.size() > 1 ? RoundEven(D(a[1])) : 0;
         if (places < 0)
             Fail(E::InvalidArgument);
         if (n.type != Type::Double)
             return n;
         if (places > 22)
             return n;
         const double scale = std::pow(10.0, places);
         const double scaled = n.number * scale;
         if (!std::isfinite(scaled))
             return n;
         return Value::Double(RoundEven(scaled) / scale);
     }},
    {"sgn", 1, 1,
     [](const Args& a) {
         const double d = D(a[0]);
         return Value::Integer(d > 0 ? 1 : d < 0 ? -1 : 0);
     }},
    {"sin", 1, 1, [](const Args& a) { return Value::Double(std::sin(D(a[0]))); }},
    {"sqr", 1, 1,
     [](const Args& a) {
         if (D(a[0]) < 0)
             Fail(E::InvalidArgument);
         return Value::Double(std::sqrt(D(a[0])));
     }},
    {"tan", 1, 1, [](const Args& a) { return Value::Double(std::tan(D(a[0]))); }},
    {"cdbl", 1, 1, [](const Args& a) { return Value::Double(D(a[0])); }},
    {"cint", 1, 1, [](const Args& a) { return ToWhole(a[0], -32768, 32767, true); }},
    {"clng", 1, 1, [](const Args& a) { return ToWhole(a[0], -2147483648.0, 2147483647.0, false); }},
    {"hex", 1, 1, [](const Args& a) { return Value::String(InBase(a[0], 4)); }},
    {"oct", 1, 1, [](const Args& a) { return Value::String(InBase(a[0], 3)); }},
}};

const Function* FindFunction(const std::string& lowerName) {
    for (const Function& f : kFunctions)
        if (lowerName == f.name)
            return &f;
    return nullptr;
}

// ---- syntax ----

enum class Tok { Number, String, Name, Symbol, End };

struct Token {
    Tok kind = Tok::End;
    std::string text; // symbol, or the name as written
    Value value;      // literals
};

class Lexer {
public:
    explicit Lexer(std::string_view s) : s_(s) {}

    std::vector<Token> All() {
        std::vector<Token> out;
        for (;;) {
            out.push_back(Next());
            if (out.back().kind == Tok::End)
                return out;
        }
    }

private:
    bool At(std::size_t i, char c) const { return i < s_.size() && s_[i] == c; }
    bool Digit(std::size_t i) const {
        return i < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i]));
    }

    Token Next() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t'))
            ++pos_;
        if (pos_ == s_.size())
            return {};
        const char c = s_[pos_];
        if (Digit(pos_) || (c == '.' && Digit(pos_ + 1)))
            return Number();
        if (c == '&' && pos_ + 1 < s_.size() &&
            std::string_view("HhOo").find(s_[pos_ + 1]) != std::string_view::npos)
            return Radix();
        if (std::isalpha(static_cast<unsigned char>(c))) {
            const std::size_t start = pos_;
            while (pos_ < s_.size() &&
                   (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_'))
                ++pos_;
            return {Tok::Name, std::string(s_.substr(start, pos_ - start)), {}};
        }
        if (c == '"')
            return Text();
        for (std::string_view two : {"<>", "<=", ">="})
            if (s_.substr(pos_, 2) == two) {
                pos_ += 2;
                return {Tok::Symbol, std::string(two), {}};
            }
        if (std::string_view("+-*/\\^&()=<>,").find(c) != std::string_view::npos) {
            ++pos_;
            return {Tok::Symbol, std::string(1, c), {}};
        }
        Fail(E::InvalidCharacter);
    }

    Token Number() {
        const std::size_t start = pos_;
        bool real = false;
        while (Digit(pos_))
            ++pos_;
        if (At(pos_, '.')) {
            real = true;
            ++pos_;
            while (Digit(pos_))
                ++pos_;
        }
        if (At(pos_, 'e') || At(pos_, 'E')) {
            std::size_t j = pos_ + 1;
            if (At(j, '+') || At(j, '-'))
                ++j;
            if (!Digit(j))
                Fail(E::SyntaxError);
            while (Digit(j))
                ++j;
            pos_ = j;
            real = true;
        }
        const std::string text(s_.substr(start, pos_ - start));
        const double v = ParseDecimal(text);
        return {Tok::Number, text, real ? Value::Double(v) : FromWhole(v, true)};
    }

    Token Radix() {
        const int base = (s_[pos_ + 1] == 'H' || s_[pos_ + 1] == 'h') ? 16 : 8;
        pos_ += 2;
        double v = 0;
        bool any = false;
        while (pos_ < s_.size()) {
            const unsigned char ch = static_cast<unsigned char>(s_[pos_]);
            const int d = std::isdigit(ch)                  ? ch - '0'
                          : base == 16 && std::isxdigit(ch) ? std::tolower(ch) - 'a' + 10
                                                            : -1;
            if (d < 0 || d >= base)
                break;
            v = v * base + d;
            any = true;
            ++pos_;
        }
        if (!any)
            Fail(E::SyntaxError);
        const bool forceLong = At(pos_, '&');
        if (forceLong)
            ++pos_;
        if (v > 4294967295.0)
            Fail(E::Overflow);
        Value value;
        if (!forceLong && v <= 65535)
            value = Value::Integer(v > 32767 ? static_cast<int>(v - 65536) : static_cast<int>(v));
        else
            value = Value::Long(v > 2147483647.0 ? static_cast<long>(v - 4294967296.0)
                                                 : static_cast<long>(v));
        return {Tok::Number, "&", value};
    }

    Token Text() {
        std::string out;
        for (++pos_; pos_ < s_.size(); ++pos_) {
            if (s_[pos_] == '"') {
                if (At(pos_ + 1, '"')) {
                    out += '"';
                    ++pos_;
                    continue;
                }
                ++pos_;
                return {Tok::String, {}, Value::String(out)};
            }
            out += s_[pos_];
        }
        Fail(E::SyntaxError); // unterminated string
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

// Operators of one precedence level form one Chain node, an operand list with the operators
// between, instead of a left-leaning tree: a sum of ten thousand terms is no deeper than one
// of two. Only nesting makes the tree deep, and the parser bounds that.
struct Node {
    enum class Kind { Literal, Name, Call, Negate, Not, Chain } kind;
    Value value;
    std::string name;
    std::vector<Op> ops; // Chain: ops[i] joins children[i] and children[i + 1]
    std::vector<std::unique_ptr<Node>> children;
};
using NodePtr = std::unique_ptr<Node>;

NodePtr MakeNode(Node::Kind kind) {
    auto n = std::make_unique<Node>();
    n->kind = kind;
    return n;
}

// "a op b op c ..." of one precedence level.
class ChainBuilder {
public:
    explicit ChainBuilder(NodePtr first) : first_(std::move(first)) {}

    void Add(Op op, NodePtr operand) {
        if (!chain_) {
            chain_ = MakeNode(Node::Kind::Chain);
            chain_->children.push_back(std::move(first_));
        }
        chain_->ops.push_back(op);
        chain_->children.push_back(std::move(operand));
    }
    NodePtr Done() { return chain_ ? std::move(chain_) : std::move(first_); }

private:
    NodePtr first_;
    NodePtr chain_;
};

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : t_(std::move(tokens)) {}

    NodePtr Whole() {
        if (Peek().kind == Tok::End)
            Fail(E::SyntaxError);
        NodePtr n = Expression();
        if (Peek().kind != Tok::End)
            Fail(E::ExpectedEndOfStatement);
        return n;
    }

private:
    const Token& Peek() const { return t_[i_]; }
    bool Symbol(std::string_view s) const { return Peek().kind == Tok::Symbol && Peek().text == s; }
    bool Keyword(std::string_view lower) const {
        return Peek().kind == Tok::Name && Lower(Peek().text) == lower;
    }

    struct BinaryOp {
        const char* text;
        bool keyword;
        Op op;
    };
    // Binary operators from the loosest to the tightest; Not sits between And and the
    // comparisons, unary minus between * / and ^.
    static constexpr std::size_t kNotLevel = 5;
    static inline const std::array<std::vector<BinaryOp>, 11> kLevels = {{
        {{"imp", true, Op::Imp}},
        {{"eqv", true, Op::Eqv}},
        {{"xor", true, Op::Xor}},
        {{"or", true, Op::Or}},
        {{"and", true, Op::And}},
        {{"=", false, Op::Eq},
         {"<>", false, Op::Ne},
         {"<", false, Op::Lt},
         {">", false, Op::Gt},
         {"<=", false, Op::Le},
         {">=", false, Op::Ge}},
        {{"&", false, Op::Concat}},
        {{"+", false, Op::Add}, {"-", false, Op::Sub}},
        {{"mod", true, Op::Mod}},
        {{"\\", false, Op::IntDiv}},
        {{"*", false, Op::Mul}, {"/", false, Op::Div}},
    }};

    // Every construct that makes the parser call itself again holds one of these while it
    // parses its inside; past kMaxNesting the expression fails as VBScript does when its own
    // stack runs out, instead of this program's.
    class Nested {
    public:
        explicit Nested(Parser& parser) : parser_(parser) {
            if (++parser_.depth_ > kMaxNesting)
                Fail(E::OutOfStackSpace);
        }
        ~Nested() { --parser_.depth_; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;

    private:
        Parser& parser_;
    };

    NodePtr Expression() { return Level(0); }

    NodePtr Level(std::size_t level) {
        if (level == kLevels.size())
            return Signed(&Parser::Power); // -2^2 is -(2^2)
        if (level == kNotLevel && Keyword("not")) {
            ++i_;
            const Nested nested(*this);
            NodePtr n = MakeNode(Node::Kind::Not);
            n->children.push_back(Level(level));
            return n;
        }
        ChainBuilder chain(Level(level + 1));
        for (;;) {
            const auto& ops = kLevels[level];
            const auto it = std::find_if(ops.begin(), ops.end(), [&](const BinaryOp& o) {
                return o.keyword ? Keyword(o.text) : Symbol(o.text);
            });
            if (it == ops.end())
                return chain.Done();
            ++i_;
            chain.Add(it->op, Level(level + 1));
        }
    }

    // Any number of signs before an operand.
    NodePtr Signed(NodePtr (Parser::*operand)()) {
        if (!Symbol("-") && !Symbol("+"))
            return (this->*operand)();
        const bool minus = Symbol("-");
        ++i_;
        const Nested nested(*this);
        NodePtr inner = Signed(operand);
        if (!minus)
            return inner;
        NodePtr n = MakeNode(Node::Kind::Negate);
        n->children.push_back(std::move(inner));
        return n;
    }

    // ^ groups from the left: 2^3^2 is (2^3)^2. Its right operand may carry a sign (2^-1).
    NodePtr Power() {
        ChainBuilder chain(Primary());
        while (Symbol("^")) {
            ++i_;
            chain.Add(Op::Pow, Signed(&Parser::Primary));
        }
        return chain.Done();
    }

    NodePtr Primary() {
        const Token& t = Peek();
        if (t.kind == Tok::Number || t.kind == Tok::String) {
            NodePtr n = MakeNode(Node::Kind::Literal);
            n->value = t.value;
            ++i_;
            return n;
        }
        if (Symbol("(")) {
            ++i_;
            const Nested nested(*this);
            NodePtr n = Expression();
            ExpectClose();
            return n;
        }
        if (t.kind == Tok::Name) {
            const std::string lower = Lower(t.text);
            static constexpr std::array<const char*, 10> kReserved = {
                "mod", "not", "and", "or", "xor", "eqv", "imp", "is", "call", "dim"};
            if (std::find(kReserved.begin(), kReserved.end(), lower) != kReserved.end())
                Fail(E::SyntaxError);
            ++i_;
            if (lower == "true" || lower == "false") {
                NodePtr n = MakeNode(Node::Kind::Literal);
                n->value = Value::Boolean(lower == "true");
                return n;
            }
            if (!Symbol("(")) {
                NodePtr n = MakeNode(Node::Kind::Name);
                n->name = lower;
                return n;
            }
            ++i_;
            const Nested nested(*this);
            NodePtr n = MakeNode(Node::Kind::Call);
            n->name = lower;
            if (!Symbol(")")) {
                n->children.push_back(Expression());
                while (Symbol(",")) {
                    ++i_;
                    n->children.push_back(Expression());
                }
            }
            ExpectClose();
            return n;
        }
        Fail(E::SyntaxError);
    }

    void ExpectClose() {
        if (!Symbol(")"))
            Fail(E::ExpectedRightParen);
        ++i_;
    }

    std::vector<Token> t_;
    std::size_t i_ = 0;
    int depth_ = 0;
};

Value Run(const Node& n) {
    switch (n.kind) {
    case Node::Kind::Literal:
        return n.value;
    case Node::Kind::Name: {
        // A function named without its arguments is a call with none.
        if (FindFunction(n.name) != nullptr)
            Fail(E::WrongArgumentCount);
        Fail(E::VariableUndefined);
    }
    case Node::Kind::Call: {
        const Function* f = FindFunction(n.name);
        if (f == nullptr)
            Fail(E::TypeMismatch); // VBScript's answer to calling an unknown name
        const int count = static_cast<int>(n.children.size());
        if (count < f->minArgs || count > f->maxArgs)
            Fail(E::WrongArgumentCount);
        Args args;
        for (const NodePtr& c : n.children)
            args.push_back(Run(*c));
        return f->call(args);
    }
    case Node::Kind::Negate:
        return Negate(Run(*n.children[0]));
    case Node::Kind::Not:
        return Not(Run(*n.children[0]));
    case Node::Kind::Chain: {
        Value l = Run(*n.children[0]);
        for (std::size_t i = 0; i < n.ops.size(); ++i) {
            const Value r = Run(*n.children[i + 1]);
            l = Binary(n.ops[i], l, r);
        }
        return l;
    }
    }
    return {};
}

} // namespace

Value Evaluate(std::string_view expression) {
    Parser parser(Lexer(expression).All());
    const NodePtr tree = parser.Whole();
    return Run(*tree);
}

double ToDouble(const Value& value) {
    switch (value.type) {
    case Type::Empty:
        return 0;
    case Type::String: {
        const std::optional<double> d = ParseNumericText(value.text);
        if (!d)
            Fail(E::TypeMismatch);
        return *d;
    }
    default:
        return value.number;
    }
}

std::string FormatDouble(double value) {
    if (value == 0)
        return "0"; // also for -0
    std::array<char, 40> buffer{};
    // %.15G, but independent of the C locale: to_chars never writes a decimal comma.
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, 15)
                         .ptr;
    std::string text(buffer.data(), end);
    for (char& c : text)
        if (c == 'e')
            c = 'E';
    return text;
}

std::string ToText(const Value& value) {
    switch (value.type) {
    case Type::Empty:
        return "";
    case Type::Boolean:
        return value.number != 0 ? "True" : "False";
    case Type::Integer:
    case Type::Long:
        return std::to_string(static_cast<long long>(value.number));
    case Type::Double:
        return FormatDouble(value.number);
    case Type::String:
        return value.text;
    }
    return "";
}

} // namespace sumora

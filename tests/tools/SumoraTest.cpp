#include "tools/sumora/Calculator.h"
#include "tools/sumora/Evaluator.h"

#include <cmath>
#include <deque>
#include <gtest/gtest.h>

namespace sumora {
namespace {

// The value as CStr writes it, or "#n" for VBScript error n.
std::string Outcome(const std::string& expression) {
    try {
        return ToText(Evaluate(expression));
    } catch (const ScriptError& e) {
        return "#" + std::to_string(static_cast<int>(e.Number()));
    }
}

TEST(Evaluator, ExpressionTable) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        // precedence and associativity
        {"1+2", "3"},
        {"1+2*3", "7"},
        {"(1+2)*3", "9"},
        {"10-4-3", "3"},
        {"2*3^2", "18"},
        {"2^10", "1024"},
        {"-2^2", "-4"},
        {"(-2)^2", "4"},
        {"2^3^2", "64"},
        {"2^-1", "0.5"},
        {"-2^-2", "-0.25"},
        {"1/3*3", "1"},
        {"1 Or 2 And 0", "1"},
        {"Not 1 = 2", "True"},
        {"1 + 2 & 3", "33"},
        {"1 + 1 = 2", "True"},
        {"-3 mod 2", "-1"},
        // integer division and Mod round their operands half to even
        {"7\\2", "3"},
        {"-7\\2", "-3"},
        {"7.5\\2", "4"},
        {"6.5\\1", "6"},
        {"7 mod 3", "1"},
        {"-7 Mod 3", "-1"},
        {"7 MOD -3", "1"},
        {"5.5 mod 2", "0"},
        // division by zero and overflow
        {"1/0", "#11"},
        {"0/0", "#6"},
        {"5\\0", "#11"},
        {"5 mod 0", "#11"},
        {"1E308*10", "#6"},
        {"10^309", "#6"},
        {"Exp(710)", "#6"},
        {"2147483648 And 1", "#6"},
        {"CInt(32768)", "#6"},
        {"CLng(2147483648)", "#6"},
        {"(-8)^(1/3)", "#5"},
        {"0^-1", "#5"},
        {"0^0", "1"},
        // how a Double is written
        {"1/3", "0.333333333333333"},
        {"2/3", "0.666666666666667"},
        {"10/4", "2.5"},
        {"1E15", "1E+15"},
        {"123456789012345", "123456789012345"},
        {"1234567890123456", "1.23456789012346E+15"},
        {"0.0001", "0.0001"},
        {"0.00001", "1E-05"},
        {"1/3000000", "3.33333333333333E-07"},
        {"1E-200*1E-100", "1E-300"},
        {"1E-400", "0"},
        {"1E400", "#6"},
        {"-0.5*0", "0"},
        {"32767+1", "32768"},
        {"2147483647+1", "2147483648"},
        {".5 + .5", "1"},
        {"1.5E3", "1500"},
        {"1.5e-3", "0.0015"},
        // radix literals
        {"&HFF", "255"},
        {"&HFFFF", "-1"},
        {"&HFFFF&", "65535"},
        {"&H7FFFFFFF", "2147483647"},
        {"&O17", "15"},
        {"&h10 + &o10", "24"},
        // logic
        {"1 = 1", "True"},
        {"1 < 2 And 3 > 4", "False"},
        {"Not 0", "-1"},
        {"6 And 3", "2"},
        {"6 Or 3", "7"},
        {"6 Xor 3", "5"},
        {"True Eqv False", "False"},
        {"False Imp False", "True"},
        {"2 <> 3", "True"},
        {"3 >= 3", "True"},
        // functions, case-insensitive
        {"Abs(-3.5)", "3.5"},
        {"Atn(1)*4", "3.14159265358979"},
        {"Cos(0)", "1"},
        {"Exp(1)", "2.71828182845905"},
        {"Fix(-2.5)", "-2"},
        {"Int(-2.5)", "-3"},
        {"Log(1)", "0"},
        {"Log(0)", "#5"},
        {"Round(2.5)", "2"},
        {"Round(3.5)", "4"},
        {"Round(1.2345, 2)", "1.23"},
        {"Round(1, -1)", "#5"},
        {"Sgn(-0.1)", "-1"},
        {"Sqr(16)", "4"},
        {"Sqr(-1)", "#5"},
        {"SIN(0)", "0"},
        {"sQr(4)", "2"},
        {"Tan(0)", "0"},
        {"CInt(32767.4)", "32767"},
        {"CInt(2.5)", "2"},
        {"CDbl(\"1.5\")", "1.5"},
        {"Hex(255)", "FF"},
        {"Hex(-1)", "FFFF"},
        {"Hex(-32769)", "FFFF7FFF"},
        {"Oct(8)", "10"},
        // text
        {"\"2\" + 3", "5"},
        {"\"a\" & \"b\"", "ab"},
        {"\"a\" + 1", "#13"},
        // names and syntax
        {"x + 1", "#500"},
        {"foo(1)", "#13"},
        {"sin(1, 2)", "#450"},
        {"sin", "#450"},
        {"1+", "#1002"},
        {"", "#1002"},
        {"1+*2", "#1002"},
        {"(1+2", "#1006"},
        {"1 2", "#1025"},
        {"2.718282xp(1)", "#1025"},
        {"1 # 2", "#1032"},
        {"1/0 +", "#1002"}, // syntax is checked before anything runs
        {"   1   +   1  ", "2"},
    };
    for (const auto& [expression, expected] : cases)
        EXPECT_EQ(Outcome(expression), expected) << expression;
}

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    out.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

// Each shape nests one level per repetition of its opening; up to the bound it evaluates, past
// it (and far past it, where the stack would have run out) it fails with error 28.
TEST(Evaluator, NestingPastTheBoundFailsWithOutOfStackSpace) {
    struct Shape {
        const char* open;
        const char* core;
        const char* close;
        const char* valueAtBound;
    };
    const std::vector<Shape> shapes = {
        {"(", "1", ")", "1"},        {"abs(", "1", ")", "1"}, {"sin(", "0", ")", "0"},
        {"round(1,", "0", ")", "1"}, {"-", "1", "", "1"}, // an even count of signs
        {"+", "1", "", "1"},         {"not ", "1", "", "1"},  {"1^(", "2", ")", "1"},
        {"2^-(", "1", ")", "1"}, // sign and bracket: two levels each
        {"-(", "1", ")", "1"},
    };
    for (const Shape& shape : shapes) {
        const int perPiece =
            std::string(shape.open) == "2^-(" || std::string(shape.open) == "-(" ? 2 : 1;
        auto nested = [&](int depth) {
            const int pieces = depth / perPiece;
            return Repeat(shape.open, pieces) + shape.core + Repeat(shape.close, pieces);
        };
        if (perPiece == 1)
            EXPECT_EQ(Outcome(nested(kMaxNesting)), shape.valueAtBound) << shape.open;
        else
            EXPECT_NE(Outcome(nested(kMaxNesting)), "#28") << shape.open;
        for (int depth : {kMaxNesting + perPiece, 5000, 100000})
            EXPECT_EQ(Outcome(nested(depth)), "#28") << shape.open << " x" << depth;
    }
    // Unclosed and unbalanced deep text reaches the bound before the missing bracket.
    EXPECT_EQ(Outcome(Repeat("(", 100000)), "#28");
    EXPECT_EQ(Outcome(Repeat("-", 100000)), "#28");
}

TEST(Evaluator, ReasonableDepthAndLongChainsEvaluate) {
    std::string nested = "1";
    for (int i = 0; i < 60; ++i)
        nested = "(" + nested + "+1)*1";
    EXPECT_EQ(Outcome(nested), "61");
    EXPECT_EQ(Outcome("sqr(abs(-(int(cos(0)*16))))+-(-(-1))"), "3");
    // Nesting that closes again does not add up across the expression.
    EXPECT_EQ(Outcome("0" + Repeat("+(((1)))", 1000)), "1000");
    // Operators of one level chain without nesting, however many there are.
    EXPECT_EQ(Outcome("0" + Repeat("+1", 100000)), "100000");
    EXPECT_EQ(Outcome("1000000" + Repeat("-1", 100000)), "900000");
    EXPECT_EQ(Outcome("2" + Repeat("^1", 100000)), "2");
    EXPECT_EQ(Outcome("1" + Repeat("*2/2", 50000)), "1");
    EXPECT_EQ(Outcome("\"\"" + Repeat("&1", 3000)).size(), 3000U);
    EXPECT_EQ(Outcome("1" + Repeat(" = 1", 3) + Repeat(" And True", 1000)), "False");
}

TEST(Calculator, SubstitutionsApplyInOrderAndCaseSensitively) {
    EXPECT_EQ(Substitute("deg pi e log10 DEG PI E"),
              "*3.1415926535897932/180 3.1415926535897932 2.718282 1/log(10)*log DEG PI E");
}

TEST(Calculator, ResultsAfterSubstitution) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"sin(30deg)", "0.5"}, {"sin(60deg)", "0.866025403784439"},
        {"log10(1000)", "3"},  {"pi", "3.14159265358979"},
        {"2*e", "5.436564"},   {"1=1", "-1"},
        {"HEX(16)", "10"},     {"exp(1)", "#1025"}, // its "e" is substituted
        {"HEX(255)", "#13"},   {"1/0", "#11"},
    };
    for (const auto& [expression, expected] : cases) {
        const Calculation c = Calculate(expression);
        EXPECT_EQ(c.ok ? FormatDouble(c.result) : "#" + std::to_string(c.errorNumber), expected)
            << expression;
    }
    EXPECT_NEAR(Calculate("sin(30deg)").result, 0.5, 1e-12);
}

class ScriptedUi : public CalculatorUi {
public:
    std::optional<std::string> InputBox(const std::string& prompt,
                                        const std::string& defaultText) override {
        EXPECT_EQ(prompt, InputPrompt());
        defaults.push_back(defaultText);
        if (inputs.empty())
            return std::nullopt;
        auto next = inputs.front();
        inputs.pop_front();
        return next;
    }
    BoxAnswer MessageBox(BoxIcon icon, BoxButtons buttons, const std::string& text) override {
        boxes.push_back({icon, buttons, text});
        EXPECT_FALSE(answers.empty()) << text;
        if (answers.empty())
            return BoxAnswer::Cancel;
        const BoxAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void CopyToClipboard(const std::string& text) override { copied.push_back(text); }

    struct Box {
        BoxIcon icon;
        BoxButtons buttons;
        std::string text;
    };
    std::deque<std::optional<std::string>> inputs;
    std::deque<BoxAnswer> answers;
    std::vector<std::string> defaults;
    std::vector<Box> boxes;
    std::vector<std::string> copied;
};

TEST(Calculator, YesCopiesTheResultAndEnds) {
    ScriptedUi ui;
    ui.inputs = {"1+2="};
    ui.answers = {BoxAnswer::Yes};
    RunCalculator(ui);
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::Information);
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::YesNoCancel);
    EXPECT_EQ(ui.boxes[0].text, "1+2の結果は\r\n3です｡\r\n\r\nクリップボードにコピーしますか？\r\n"
                                "[キャンセル]でもう1度やり直し");
    EXPECT_EQ(ui.copied, std::vector<std::string>{"3"});
    EXPECT_EQ(ui.defaults, std::vector<std::string>{""});
}

TEST(Calculator, CancelAsksAgainWithTheExpressionAndNoEnds) {
    ScriptedUi ui;
    ui.inputs = {"2^10=", "1+1"};
    ui.answers = {BoxAnswer::Cancel, BoxAnswer::No};
    RunCalculator(ui);
    EXPECT_EQ(ui.defaults, (std::vector<std::string>{"", "2^10"}));
    EXPECT_EQ(ui.boxes.size(), 2U);
    EXPECT_TRUE(ui.copied.empty());
}

TEST(Calculator, ErrorBoxOffersRetry) {
    ScriptedUi ui;
    ui.inputs = {"foo", std::nullopt};
    ui.answers = {BoxAnswer::Retry};
    RunCalculator(ui);
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::Error);
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::RetryCancel);
    EXPECT_EQ(ui.boxes[0].text,
              "あなたの入力した式\r\nfooは\r\n以下のエラーを起こし計算できませんで"
              "した｡\r\n500 : 変数が定義されていません。\r\nもう一度入力しなおしますか｡");
    EXPECT_EQ(ui.defaults, (std::vector<std::string>{"", "foo"}));

    ScriptedUi cancel;
    cancel.inputs = {"1/0", "never asked"};
    cancel.answers = {BoxAnswer::Cancel};
    RunCalculator(cancel);
    EXPECT_EQ(cancel.defaults.size(), 1U);
}

TEST(Calculator, TooDeepAnExpressionOffersRetry) {
    const std::string deep = Repeat("sin(", 5000) + "1" + Repeat(")", 5000);
    ScriptedUi ui;
    ui.inputs = {deep, std::nullopt};
    ui.answers = {BoxAnswer::Retry};
    RunCalculator(ui);
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::RetryCancel);
    EXPECT_EQ(ui.boxes[0].text, ErrorText(deep, 28, "スタック領域が不足しています。"));
    EXPECT_EQ(ui.defaults, (std::vector<std::string>{"", deep}));
}

TEST(Calculator, EmptyOrCancelledInputEndsSilently) {
    for (const std::optional<std::string>& input :
         {std::optional<std::string>(""), std::optional<std::string>()}) {
        ScriptedUi ui;
        ui.inputs = {input};
        RunCalculator(ui);
        EXPECT_TRUE(ui.boxes.empty());
    }
}

} // namespace
} // namespace sumora

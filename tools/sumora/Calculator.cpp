#include "tools/sumora/Calculator.h"

#include "base/UiText.h"
#include "tools/sumora/Evaluator.h"

#include <array>
#include <utility>

namespace sumora {

using trumbel::UiFormat;
using trumbel::UiTr;

namespace {

constexpr const char* kCrLf = "\r\n";

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

} // namespace

std::string InputPrompt() {
    return UiTr("Sumora", "数式を入力してください｡") + kCrLf +
           UiTr("Sumora", "なお、最後の「=」は不要です｡") + kCrLf +
           UiTr("Sumora", "π => [pi]　　　sin(60°) => sin(60deg)") + kCrLf +
           UiTr("Sumora", "常用対数 => [log10(X)]");
}

std::string Substitute(std::string expression) {
    static const std::array<std::pair<std::string, std::string>, 4> kSubstitutions = {{
        {"deg", "*3.1415926535897932/180"},
        {"pi", "3.1415926535897932"},
        {"e", "2.718282"},
        {"log10", "1/log(10)*log"},
    }};
    for (const auto& [from, to] : kSubstitutions)
        ReplaceAll(expression, from, to);
    return expression;
}

Calculation Calculate(const std::string& expression) {
    Calculation c;
    try {
        c.result = ToDouble(Evaluate(Substitute(expression)));
        c.ok = true;
    } catch (const ScriptError& error) {
        c.errorNumber = static_cast<int>(error.Number());
        c.errorDescription = error.what();
    }
    return c;
}

std::string ResultText(const std::string& expression, double result) {
    return UiFormat(UiTr("Sumora", "%1の結果は"), {expression}) + kCrLf +
           UiFormat(UiTr("Sumora", "%1です｡"), {FormatDouble(result)}) + kCrLf + kCrLf +
           UiTr("Sumora", "クリップボードにコピーしますか？") + kCrLf +
           UiTr("Sumora", "[キャンセル]でもう1度やり直し");
}

std::string ErrorText(const std::string& expression, int number, const std::string& description) {
    return UiTr("Sumora", "あなたの入力した式") + kCrLf +
           UiFormat(UiTr("Sumora", "%1は"), {expression}) + kCrLf +
           UiTr("Sumora", "以下のエラーを起こし計算できませんでした｡") + kCrLf +
           std::to_string(number) + " : " + description + kCrLf +
           UiTr("Sumora", "もう一度入力しなおしますか｡");
}

void RunCalculator(CalculatorUi& ui) {
    std::string expression;
    for (;;) {
        expression = ui.InputBox(InputPrompt(), expression).value_or("");
        if (expression.empty())
            return;
        if (expression.back() == '=')
            expression.pop_back();
        const Calculation c = Calculate(expression);
        if (!c.ok) {
            const BoxAnswer answer =
                ui.MessageBox(BoxIcon::Error, BoxButtons::RetryCancel,
                              ErrorText(expression, c.errorNumber, c.errorDescription));
            if (answer == BoxAnswer::Retry)
                continue;
            return;
        }
        switch (ui.MessageBox(BoxIcon::Information, BoxButtons::YesNoCancel,
                              ResultText(expression, c.result))) {
        case BoxAnswer::Yes:
            ui.CopyToClipboard(FormatDouble(c.result));
            return;
        case BoxAnswer::Cancel:
            continue;
        default:
            return;
        }
    }
}

} // namespace sumora

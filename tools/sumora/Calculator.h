#pragma once

#include <optional>
#include <string>

// The input-evaluate-answer loop of the calculator, behind a seam so it runs without a display.
namespace sumora {

inline constexpr const char* kTitle = "Sumora";

enum class BoxIcon { Information, Error };
enum class BoxButtons { YesNoCancel, RetryCancel };
enum class BoxAnswer { Yes, No, Cancel, Retry };

class CalculatorUi {
public:
    virtual ~CalculatorUi() = default;
    // Texts use CR LF between lines. nullopt when the box was cancelled.
    virtual std::optional<std::string> InputBox(const std::string& prompt,
                                                const std::string& defaultText) = 0;
    virtual BoxAnswer MessageBox(BoxIcon icon, BoxButtons buttons, const std::string& text) = 0;
    virtual void CopyToClipboard(const std::string& text) = 0;
};

std::string InputPrompt();

// The four textual shorthands ("deg", "pi", "e", "log10"), in their order.
std::string Substitute(std::string expression);

struct Calculation {
    bool ok = false;
    double result = 0;
    int errorNumber = 0;
    std::string errorDescription;
};

// Substitutes, evaluates and takes the result as a number.
Calculation Calculate(const std::string& expression);

std::string ResultText(const std::string& expression, double result);
std::string ErrorText(const std::string& expression, int number, const std::string& description);

// Runs until the person copies a result, declines, or gives up.
void RunCalculator(CalculatorUi& ui);

} // namespace sumora

#pragma once

#include "tools/sumora/Calculator.h"

#include <optional>
#include <string>

namespace sumora {

// Real boxes: an input dialog and message boxes with button captions in the program's language.
class QtCalculatorUi final : public CalculatorUi {
public:
    std::optional<std::string> InputBox(const std::string& prompt,
                                        const std::string& defaultText) override;
    BoxAnswer MessageBox(BoxIcon icon, BoxButtons buttons, const std::string& text) override;
    void CopyToClipboard(const std::string& text) override { copied = text; }

    std::optional<std::string> copied;
};

} // namespace sumora

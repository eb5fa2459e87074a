#pragma once

#include "OptionsPage.h"

namespace trumbel {

class FunctionButtonPage final : public OptionsPage {
public:
    FunctionButtonPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
};

} // namespace trumbel

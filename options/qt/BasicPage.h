#pragma once

#include "OptionsPage.h"

namespace trumbel {

class BasicPage final : public OptionsPage {
public:
    BasicPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
};

} // namespace trumbel

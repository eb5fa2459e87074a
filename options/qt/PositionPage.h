#pragma once

#include "OptionsPage.h"

namespace trumbel {

class PositionPage final : public OptionsPage {
public:
    PositionPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
};

} // namespace trumbel

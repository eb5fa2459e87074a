#pragma once

#include "OptionsPage.h"

namespace trumbel {

class ClockPage final : public OptionsPage {
public:
    ClockPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
};

} // namespace trumbel

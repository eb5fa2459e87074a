#pragma once

#include "OptionsPage.h"

namespace trumbel {

class OldLayoutPage final : public OptionsPage {
public:
    OldLayoutPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
};

} // namespace trumbel

#pragma once

#include "OptionsPage.h"

namespace trumbel {

class LayoutPage final : public OptionsPage {
public:
    LayoutPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
};

} // namespace trumbel

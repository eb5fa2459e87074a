#pragma once

#include "OptionsPage.h"

namespace trumbel {

class SkinPage final : public OptionsPage {
public:
    SkinPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
};

} // namespace trumbel

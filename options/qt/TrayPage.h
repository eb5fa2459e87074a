#pragma once

#include "OptionsPage.h"

namespace trumbel {

class TrayPage final : public OptionsPage {
public:
    TrayPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
};

} // namespace trumbel

#pragma once

#include "OptionsPage.h"

namespace trumbel {

class WindowPage final : public OptionsPage {
public:
    WindowPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
};

} // namespace trumbel

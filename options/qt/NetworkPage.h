#pragma once

#include "OptionsPage.h"

namespace trumbel {

class NetworkPage final : public OptionsPage {
public:
    NetworkPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;
};

} // namespace trumbel

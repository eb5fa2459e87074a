#include "PositionPage.h"

namespace trumbel {

PositionPage::PositionPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Position, parent) {}

void PositionPage::Fill() {}

} // namespace trumbel

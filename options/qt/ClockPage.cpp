#include "ClockPage.h"

namespace trumbel {

ClockPage::ClockPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Clock, parent) {}

void ClockPage::Fill() {}

} // namespace trumbel

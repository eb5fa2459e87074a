#include "BasicPage.h"

namespace trumbel {

BasicPage::BasicPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Basic, parent) {}

void BasicPage::Fill() {}

} // namespace trumbel

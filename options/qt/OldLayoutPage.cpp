#include "OldLayoutPage.h"

namespace trumbel {

OldLayoutPage::OldLayoutPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::OldLayout, parent) {}

void OldLayoutPage::Fill() {}

} // namespace trumbel

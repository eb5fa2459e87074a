#include "LayoutPage.h"

namespace trumbel {

LayoutPage::LayoutPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Layout, parent) {}

void LayoutPage::Fill() {}

} // namespace trumbel

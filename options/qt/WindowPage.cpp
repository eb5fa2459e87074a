#include "WindowPage.h"

namespace trumbel {

WindowPage::WindowPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Window, parent) {}

void WindowPage::Fill() {}

} // namespace trumbel

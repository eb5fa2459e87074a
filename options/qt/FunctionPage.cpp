#include "FunctionPage.h"

namespace trumbel {

FunctionButtonPage::FunctionButtonPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Function, parent) {}

void FunctionButtonPage::Fill() {}

} // namespace trumbel

#include "TrayPage.h"

namespace trumbel {

TrayPage::TrayPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Tray, parent) {}

void TrayPage::Fill() {}

} // namespace trumbel

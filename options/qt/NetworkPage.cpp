#include "NetworkPage.h"

namespace trumbel {

NetworkPage::NetworkPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Network, parent) {}

void NetworkPage::Fill() {}

} // namespace trumbel

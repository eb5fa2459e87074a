#include "SkinPage.h"

namespace trumbel {

SkinPage::SkinPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Skin, parent) {}

void SkinPage::Fill() {}

} // namespace trumbel

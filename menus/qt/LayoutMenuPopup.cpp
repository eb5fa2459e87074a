#include "menus/qt/LayoutMenuPopup.h"

#include "menus/qt/QtMenuPresenter.h"

namespace trumbel {

void OpenLayoutMenu(LayoutMenu& menu, std::string_view key, QWidget* owner, LayoutTree& tree) {
    QtMenuPresenter presenter([owner] { return owner; });
    menu.Open(key, presenter, tree);
}

} // namespace trumbel

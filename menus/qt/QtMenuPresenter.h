#pragma once

#include "menus/MenuHost.h"

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace trumbel {

// Real menus built from the model for each popup and destroyed when it closes, so nothing of a
// list outlives its popup.
class QtMenuPresenter final : public MenuPresenter {
public:
    // owner: the window the menu belongs to (the skin window, or the options dialog).
    explicit QtMenuPresenter(std::function<QWidget*()> owner);

    std::optional<MenuCommand> Show(const MenuItem& menu, IconMenus iconMenus) override;

    // Called with the open menu (tests and screenshots look at it).
    std::function<void(QMenu&)> onShown;

private:
    std::function<QWidget*()> owner_;
};

// Fills `menu` with the visible items of `model` and their submenus; each command action
// carries its item's name and index.
void FillMenu(QMenu& menu, const MenuItem& model);

// The item an action of FillMenu stands for; nullopt for other actions.
std::optional<MenuCommand> CommandOf(const QAction* action);

} // namespace trumbel

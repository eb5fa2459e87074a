#pragma once

#include "menus/MenuHost.h"
#include "menus/OwnMenu.h"

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace trumbel {
class OwnMenuStyle;
class OwnMenuWidget;
} // namespace trumbel

namespace trumbel {

// Real menus built from the model for each popup and destroyed when it closes, so nothing of a
// list outlives its popup.
class QtMenuPresenter final : public MenuPresenter {
public:
    // owner: the window the menu belongs to (the skin window, or the options dialog).
    explicit QtMenuPresenter(std::function<QWidget*()> owner);
    ~QtMenuPresenter() override;

    std::optional<MenuCommand> Show(const MenuItem& menu, IconMenus iconMenus) override;

    // Called with the open menu (tests and screenshots look at it).
    std::function<void(QMenu&)> onShown;

private:
    std::function<QWidget*()> owner_;
    // With icon menus: the records of the open popup, and the style that draws its items.
    OwnMenu records_;
    std::unique_ptr<OwnMenuStyle> style_;
};

// Fills `menu` with the visible items of `model` and their submenus; each command action
// carries its item's name and index.
void FillMenu(QMenu& menu, const MenuItem& model);

// The same, drawn by the program: one OwnMenuWidget per submenu from the records of `window`,
// which `records` holds registered from `model` at top-level position 0, with each band the
// model asks for set on the records first.
std::unique_ptr<OwnMenuWidget> BuildOwnMenu(const MenuItem& model, OwnMenu& records, int window,
                                            OwnMenuStyle& style, QWidget* parent);
// Registers `model` as the only menu of `window` and gives its submenus their bands.
void RegisterOwnMenu(OwnMenu& records, int window, const MenuItem& model);

// The item an action of FillMenu stands for; nullopt for other actions.
std::optional<MenuCommand> CommandOf(const QAction* action);

} // namespace trumbel

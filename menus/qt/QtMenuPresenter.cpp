#include "QtMenuPresenter.h"

#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QLoggingCategory>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace trumbel {

namespace {

Q_LOGGING_CATEGORY(lcMenus, "trumbel.menus", QtWarningMsg)

constexpr const char* kNameProperty = "trumbelItem";
constexpr const char* kIndexProperty = "trumbelIndex";

QString Text(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

void FillMenu(QMenu& menu, const MenuItem& model) {
    menu.setTitle(Text(model.caption));
    QActionGroup* radios = nullptr;
    for (const MenuItem& item : model.items) {
        if (!item.visible) {
            continue;
        }
        if (item.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        if (item.submenu) {
            QMenu* sub = menu.addMenu(Text(item.caption));
            sub->setEnabled(item.enabled);
            FillMenu(*sub, item);
            continue;
        }
        QAction* action = menu.addAction(Text(item.caption));
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked || item.radio);
        action->setChecked(item.checked);
        if (item.radio) {
            if (!radios) {
                radios = new QActionGroup(&menu);
            }
            radios->addAction(action);
        }
        action->setProperty(kNameProperty, Text(item.name));
        action->setProperty(kIndexProperty, item.index);
    }
}

std::optional<MenuCommand> CommandOf(const QAction* action) {
    if (!action) {
        return std::nullopt;
    }
    const QVariant name = action->property(kNameProperty);
    if (!name.isValid()) {
        return std::nullopt;
    }
    return MenuCommand{name.toString().toStdString(), action->property(kIndexProperty).toInt()};
}

QtMenuPresenter::QtMenuPresenter(std::function<QWidget*()> owner) : owner_(std::move(owner)) {}

std::optional<MenuCommand> QtMenuPresenter::Show(const MenuItem& model, IconMenus) {
    QWidget* owner = owner_ ? owner_() : nullptr;
    // Owned here, not by the owner window: it goes with this call whatever the menu did.
    auto menu = std::make_unique<QMenu>(owner);
    FillMenu(*menu, model);
    if (onShown) {
        QPointer<QMenu> shown(menu.get());
        QTimer::singleShot(0, menu.get(), [this, shown] {
            if (shown) {
                onShown(*shown);
            }
        });
    }
    const QPoint at = QCursor::pos();
    // The menu runs its own event loop; the command runs after it has closed.
    qCInfo(lcMenus, "menu opened: %s", model.caption.c_str());
    const QAction* chosen = menu->exec(at);
    std::optional<MenuCommand> command = CommandOf(chosen);
    if (command) {
        qCInfo(lcMenus, "menu closed: %s(%d)", command->name.c_str(), command->index);
    } else {
        qCInfo(lcMenus, "menu closed without a choice");
    }
    return command;
}

} // namespace trumbel

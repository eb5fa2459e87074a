#include "options/qt/PopupHelp.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QWhatsThis>
#include <QWidget>

namespace trumbel {

PopupHelp::PopupHelp(QObject* parent) : QObject(parent) {}

void PopupHelp::Attach(QWidget* control, const QString& explanation) {
    control->setWhatsThis(explanation);
    control->installEventFilter(this);
}

void PopupHelp::Popup(QWidget* control, const QPoint& globalPos) {
    QMenu menu(control);
    menu.setTitle(QCoreApplication::translate("PopupHelp", "ポップアップヘルプ"));
    QAction* help = menu.addAction(QCoreApplication::translate("PopupHelp", "ヘルプ(&W)"));
    QAction* chosen = exec ? exec(menu, globalPos) : menu.exec(globalPos);
    if (chosen != help || control->whatsThis().isEmpty()) {
        return;
    }
    if (show) {
        show(globalPos, control->whatsThis(), control);
    } else {
        QWhatsThis::showText(globalPos, control->whatsThis(), control);
    }
}

bool PopupHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        auto* control = qobject_cast<QWidget*>(watched);
        if (control && !control->whatsThis().isEmpty()) {
            Popup(control, static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace trumbel

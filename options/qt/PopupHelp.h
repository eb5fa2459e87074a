#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace trumbel {

// The dialog's popup help: a right click on a control that has an explanation opens the menu
// "ポップアップヘルプ" with "ヘルプ(&W)", which shows the explanation beside the control.
class PopupHelp final : public QObject {
public:
    explicit PopupHelp(QObject* parent = nullptr);

    // Gives `control` its explanation and the right-click menu.
    void Attach(QWidget* control, const QString& explanation);

    // Opens the menu for `control` at `globalPos`, and shows the explanation when chosen.
    void Popup(QWidget* control, const QPoint& globalPos);

    // How the menu runs: QMenu::exec unless a test decides the choice.
    std::function<QAction*(QMenu& menu, const QPoint& globalPos)> exec;
    // Where the explanation goes: QWhatsThis unless a test records it.
    std::function<void(const QPoint& globalPos, const QString& text, QWidget* control)> show;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace trumbel

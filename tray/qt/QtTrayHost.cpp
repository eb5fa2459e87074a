#include "tray/qt/QtTrayHost.h"

#include "resources/qt/ProgramIcons.h"
#include "tray/qt/QtTaskIcon.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QStyleHints>
#include <QSystemTrayIcon>

namespace trumbel {

QtTrayHost::QtTrayHost(std::function<void(TrayClick)> onClick) : onClick_(std::move(onClick)) {
    if (qApp) {
        qApp->installEventFilter(this);
    }
}

QtTrayHost::~QtTrayHost() {
    if (qApp) {
        qApp->removeEventFilter(this);
    }
}

std::unique_ptr<TaskIcon> QtTrayHost::MakeIcon() {
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    if (!balloonRoute_) {
        balloonRoute_ = ChooseBalloonRoute(QGuiApplication::platformName(),
                                           [] { return QDBusConnection::sessionBus(); });
    }
    std::unique_ptr<DesktopNotifications> notifications;
    if (*balloonRoute_ == BalloonRoute::DesktopNotification) {
        notifications = std::make_unique<DesktopNotifications>(QDBusConnection::sessionBus());
    }
    return std::make_unique<QtTaskIcon>([this](TrayClick c) { onClick_(c); }, interval,
                                        std::move(notifications));
}

TrayIconHandle QtTrayHost::Symbol() {
    if (!symbol_) {
        symbol_ = std::make_shared<const TrayImage>(DrawSymbol());
    }
    return symbol_;
}

bool QtTrayHost::TrayAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTrayHost::eventFilter(QObject* watched, QEvent* event) {
    // A tooltip window carries its text as its title, so that window lists, screen readers and
    // test tools can read what the tray shows.
    if (event->type() == QEvent::Show && watched->inherits("QTipLabel")) {
        if (auto* label = qobject_cast<QLabel*>(watched)) {
            label->setWindowTitle(label->text());
        }
    }
    return QObject::eventFilter(watched, event);
}

TrayImage DrawSymbol() {
    const QImage q =
        ProgramPixmap("symbol", kTrayImageSize).toImage().convertToFormat(QImage::Format_ARGB32);
    TrayImage image;
    if (q.size() != QSize(kTrayImageSize, kTrayImageSize)) {
        return image; // fully transparent rather than a picture of the wrong size
    }
    for (int y = 0; y < kTrayImageSize; ++y) {
        for (int x = 0; x < kTrayImageSize; ++x) {
            image.argb[static_cast<std::size_t>(y * kTrayImageSize + x)] = q.pixel(x, y);
        }
    }
    return image;
}

} // namespace trumbel

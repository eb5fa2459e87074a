#include "QtTrayHost.h"

#include "ClsTaskIcon.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
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
    return std::make_unique<ClsTaskIcon>([this](TrayClick c) { onClick_(c); }, interval,
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
    QImage q(kTrayImageSize, kTrayImageSize, QImage::Format_ARGB32);
    q.fill(Qt::transparent);
    {
        QPainter p(&q);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0x1E, 0x3A, 0x5F));
        p.setBrush(QColor(0x2F, 0x80, 0xED));
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        p.setPen(QPen(Qt::white, 2.0));
        p.drawPolyline(QPolygonF({QPointF(4, 4), QPointF(8, 12), QPointF(12, 4)}));
    }
    TrayImage image;
    for (int y = 0; y < kTrayImageSize; ++y) {
        for (int x = 0; x < kTrayImageSize; ++x) {
            image.argb[static_cast<std::size_t>(y * kTrayImageSize + x)] = q.pixel(x, y);
        }
    }
    return image;
}

} // namespace trumbel

#include "tray/qt/QtTaskIcon.h"

#include "platform/MonotonicClock.h"

#include <QImage>
#include <QLoggingCategory>
#include <QPixmap>

namespace trumbel {

namespace {

Q_LOGGING_CATEGORY(lcTray, "trumbel.tray", QtWarningMsg)

QString TipToQt(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

QSystemTrayIcon::MessageIcon BalloonIcon(int flgIcon) {
    switch (flgIcon) {
    case 1:
        return QSystemTrayIcon::Information;
    case 2:
        return QSystemTrayIcon::Warning;
    case 3:
        return QSystemTrayIcon::Critical;
    default:
        return QSystemTrayIcon::NoIcon;
    }
}

} // namespace

QIcon ToQIcon(const TrayImage& image) {
    QImage q(kTrayImageSize, kTrayImageSize, QImage::Format_ARGB32);
    for (int y = 0; y < kTrayImageSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(q.scanLine(y));
        for (int x = 0; x < kTrayImageSize; ++x) {
            line[x] = image.At(x, y);
        }
    }
    return QIcon(QPixmap::fromImage(q));
}

QtTaskIcon::QtTaskIcon(ClickHandler onClick, int doubleClickMs,
                       std::unique_ptr<DesktopNotifications> notifications)
    : onClick_(std::move(onClick)), clicks_(doubleClickMs),
      notifications_(std::move(notifications)) {
    QObject::connect(&tray_, &QSystemTrayIcon::activated, &tray_,
                     [this](QSystemTrayIcon::ActivationReason r) { OnActivated(r); });
}

QtTaskIcon::~QtTaskIcon() {
    DeleteTrayIcon();
}

void QtTaskIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    std::optional<TrayClick> click;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        click = clicks_.Click(TrayButton::Left, TickCountMs());
        break;
    case QSystemTrayIcon::DoubleClick:
        click = clicks_.DoubleClick(TrayButton::Left, TickCountMs());
        break;
    case QSystemTrayIcon::Context:
        click = clicks_.Click(TrayButton::Right, TickCountMs());
        break;
    default:
        break;
    }
    if (click && onClick_) {
        onClick_(*click);
    }
}

void QtTaskIcon::SetContents(const TrayIconHandle& icon, const std::string& tipText) {
    if (icon != image_) {
        tray_.setIcon(icon ? ToQIcon(*icon) : QIcon());
        image_ = icon;
    }
    const QString tip = TipToQt(tipText);
    if (tip != tray_.toolTip()) {
        tray_.setToolTip(tip);
    }
}

bool QtTaskIcon::CreateTrayIcon(int iconNumber, const TrayIconHandle& icon,
                                const std::string& tipText) {
    if (shown_) {
        return false;
    }
    iconNumber_ = iconNumber;
    SetContents(icon, tipText);
    tray_.show();
    // Created even when no tray took it: later refreshes modify, and the icon appears as soon
    // as a tray does.
    shown_ = true;
    added_ = QSystemTrayIcon::isSystemTrayAvailable();
    return added_;
}

bool QtTaskIcon::ChangeTrayIcon(const TrayIconHandle& icon, const std::string& tipText) {
    if (!shown_) {
        return false;
    }
    SetContents(icon, tipText);
    // Asking the server whether a tray is there is a round trip every refresh; a modify
    // answers as the add did (Qt embeds the icon by itself when a tray appears later).
    return added_;
}

bool QtTaskIcon::DeleteTrayIcon() {
    if (!shown_) {
        return false;
    }
    tray_.hide();
    shown_ = false;
    balloonUntil_.reset();
    if (notifications_) {
        // A balloon goes with its icon; at exit this is the last chance to take it down.
        notifications_->Close(CloseMode::Waiting);
    }
    return true;
}

bool QtTaskIcon::ShowBalloonToolTip(const std::string& text, int flgIcon, const std::string& title,
                                    int timeoutMs, EraseBeforeBalloon erase) {
    if (!shown_) {
        return false;
    }
    if (erase == EraseBeforeBalloon::Yes) {
        DeleteBalloonToolTip();
    }
    qCInfo(lcTray, "balloon: %s", text.c_str());
    if (notifications_) {
        return notifications_->Show(TipToQt(title), TipToQt(text), flgIcon, timeoutMs);
    }
    tray_.showMessage(TipToQt(title), TipToQt(text), BalloonIcon(flgIcon), timeoutMs);
    balloonUntil_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    return QSystemTrayIcon::isSystemTrayAvailable() && QSystemTrayIcon::supportsMessages();
}

bool QtTaskIcon::DeleteBalloonToolTip() {
    if (!shown_) {
        return false;
    }
    if (notifications_) {
        notifications_->Close(CloseMode::Queued);
        return true;
    }
    // An empty message takes Qt's balloon beside an XEmbed icon down. Only send it while one
    // may still be up.
    if (balloonUntil_ && std::chrono::steady_clock::now() < *balloonUntil_) {
        tray_.showMessage(QString(), QString(), QSystemTrayIcon::NoIcon, 100);
    }
    balloonUntil_.reset();
    return true;
}

} // namespace trumbel

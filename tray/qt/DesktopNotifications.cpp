#include "tray/qt/DesktopNotifications.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QStringList>
#include <QVariantMap>
#include <utility>

namespace trumbel {

namespace {

const char* const kService = "org.freedesktop.Notifications";
const char* const kPath = "/org/freedesktop/Notifications";
const char* const kReplaces = "replaces";
// A server that does not answer within this time has shown nothing.
constexpr int kCallTimeoutMs = 5000;
constexpr int kWatcherTimeoutMs = 1000;

QDBusMessage NotificationsCall(const char* method) {
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

QString IconName(int flgIcon) {
    switch (flgIcon) {
    case 1:
        return QStringLiteral("dialog-information");
    case 2:
        return QStringLiteral("dialog-warning");
    case 3:
        return QStringLiteral("dialog-error");
    default:
        return {};
    }
}

} // namespace

BalloonRoute ChooseBalloonRoute(const QString& platformName,
                                const std::function<QDBusConnection()>& sessionBus) {
    // Other platforms (offscreen, minimal) have no StatusNotifier icons at all.
    const bool desktop =
        platformName == QLatin1String("xcb") || platformName.startsWith(QLatin1String("wayland"));
    if (!desktop) {
        return BalloonRoute::TrayBalloon;
    }
    const QDBusConnection bus = sessionBus();
    if (!bus.isConnected()) {
        return BalloonRoute::TrayBalloon;
    }
    QDBusMessage get =
        QDBusMessage::createMethodCall("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                                       "org.freedesktop.DBus.Properties", "Get");
    get << QStringLiteral("org.kde.StatusNotifierWatcher")
        << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage reply = bus.call(get, QDBus::Block, kWatcherTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return BalloonRoute::TrayBalloon;
    }
    const bool host = reply.arguments().first().value<QDBusVariant>().variant().toBool();
    return host ? BalloonRoute::DesktopNotification : BalloonRoute::TrayBalloon;
}

DesktopNotifications::DesktopNotifications(QDBusConnection bus) : bus_(std::move(bus)) {}

bool DesktopNotifications::Show(const QString& title, const QString& text, int flgIcon,
                                int timeoutMs) {
    if (!bus_.isConnected()) {
        return false;
    }
    // Normal urgency whatever the icon: low ones are not shown as banners by some desktops,
    // critical ones never expire, and a balloon is neither.
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(1));
    QDBusMessage notify = NotificationsCall("Notify");
    notify << QCoreApplication::applicationName() << id_ << IconName(flgIcon) << title << text
           << QStringList() << hints << timeoutMs;
    auto* call = new QDBusPendingCallWatcher(bus_.asyncCall(notify, kCallTimeoutMs), &calls_);
    call->setProperty(kReplaces, id_);
    QObject::connect(call, &QDBusPendingCallWatcher::finished, &calls_,
                     [this](QDBusPendingCallWatcher* answered) { Answered(answered); });
    latest_ = call;
    closeWhenAnswered_ = false;
    return true;
}

void DesktopNotifications::Answered(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<uint> reply = *call;
    const uint id = reply.isValid() ? reply.value() : 0;
    if (call != latest_) {
        // A later balloon took its place. The server answers a replacement with the id it
        // replaced; anything else is a notification of its own, which must go.
        if (id != 0 && !(latest_ && id == latest_->property(kReplaces).toUInt())) {
            SendClose(id, CloseMode::Queued);
        }
        return;
    }
    latest_ = nullptr;
    if (id != 0) {
        id_ = id;
    }
    if (closeWhenAnswered_) {
        closeWhenAnswered_ = false;
        Close(CloseMode::Queued);
    }
}

bool DesktopNotifications::Close(CloseMode mode) {
    if (latest_) {
        if (mode == CloseMode::Queued) {
            closeWhenAnswered_ = true;
            return true;
        }
        closeWhenAnswered_ = false;
        latest_->waitForFinished(); // delivers the answer before it returns
    }
    if (id_ == 0) {
        return false;
    }
    SendClose(id_, mode);
    id_ = 0;
    return true;
}

void DesktopNotifications::SendClose(uint id, CloseMode mode) {
    QDBusMessage close = NotificationsCall("CloseNotification");
    close << id;
    if (mode == CloseMode::Waiting) {
        bus_.call(close, QDBus::Block, kCallTimeoutMs);
    } else {
        bus_.asyncCall(close, kCallTimeoutMs);
    }
}

} // namespace trumbel

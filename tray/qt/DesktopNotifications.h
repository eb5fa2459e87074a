#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>

class QDBusPendingCallWatcher;

namespace trumbel {

enum class BalloonRoute {
    TrayBalloon,        // Qt's own balloon beside an XEmbed icon
    DesktopNotification // a notification of the desktop's notification server
};

// Where the balloons of this program's tray icons belong, as Qt 6.4 decides where the icons go:
// with the xcb or Wayland platform, an icon is a StatusNotifier item when the desktop's
// StatusNotifier host is registered as Qt makes its first icon, and its balloons are then
// desktop notifications. Qt keeps its answer for the life of the process; so should the caller.
// `sessionBus` is asked for only on those platforms.
BalloonRoute ChooseBalloonRoute(const QString& platformName,
                                const std::function<QDBusConnection()>& sessionBus);

enum class CloseMode {
    Queued, // sent from the event loop
    Waiting // sent before returning (an icon going away at exit)
};

// The balloons of one StatusNotifier icon as org.freedesktop.Notifications notifications. Qt
// sends them itself but drops the id the server answers, so it cannot take one down again: its
// "empty balloon" is one more, empty, notification. This object keeps the id and closes by it.
class DesktopNotifications {
public:
    explicit DesktopNotifications(QDBusConnection bus);
    DesktopNotifications(const DesktopNotifications&) = delete;
    DesktopNotifications& operator=(const DesktopNotifications&) = delete;

    // Shows a notification in place of the one shown before (flgIcon: 0 none, 1 information,
    // 2 warning, 3 error); true when the request went out.
    bool Show(const QString& title, const QString& text, int flgIcon, int timeoutMs);
    // Takes the shown notification down; one whose id has not come back yet goes when it
    // comes. True when there was one.
    bool Close(CloseMode mode);

private:
    void Answered(QDBusPendingCallWatcher* call);
    void SendClose(uint id, CloseMode mode);

    QDBusConnection bus_;
    QObject calls_; // parent of the watchers of the requests not answered yet
    QDBusPendingCallWatcher* latest_ = nullptr;
    bool closeWhenAnswered_ = false;
    uint id_ = 0; // the notification shown, 0 when none
};

} // namespace trumbel

#include "clock/qt/LiveClockSetter.h"

#include "base/UiText.h"
#include "clock/qt/TimeInfoWindows.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <cerrno>
#include <cstring>
#include <vector>

namespace trumbel {

namespace {

// Long enough for a person to type a password into the authorisation dialog.
constexpr int kAuthorisationTimeoutMs = 120'000;

std::string Because(const std::string& detail) {
    return UiFormat(UiTr("Clock", "%1（%2）"), {UiTr("Clock", clock_text::kNoPrivilege), detail});
}

// The set that waits for timedated, and whom to tell its outcome. It outlives the window that
// asked: timedated steps the clock once the password is given, whether anyone still waits.
struct PendingSet {
    struct Waiter {
        std::weak_ptr<int> setter;
        std::function<void(const SetOutcome&)> done;
    };
    bool asked = false;
    std::vector<Waiter> waiters;
};

PendingSet& ThePendingSet() {
    static PendingSet pending;
    return pending;
}

void Settle(const SetOutcome& outcome) {
    PendingSet& pending = ThePendingSet();
    const std::vector<PendingSet::Waiter> waiters = std::move(pending.waiters);
    pending = {};
    for (const PendingSet::Waiter& w : waiters) {
        if (!w.setter.expired()) {
            w.done(outcome);
        }
    }
}

} // namespace

std::string TimedatedRefusal(const std::string& errorName, const std::string& message) {
    if (errorName == "org.freedesktop.timedate1.AutomaticTimeSyncEnabled") {
        return UiTr("Clock", clock_text::kAutomaticSync);
    }
    if (errorName == "org.freedesktop.DBus.Error.AccessDenied" ||
        errorName == "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired" ||
        errorName.rfind("org.freedesktop.PolicyKit1.Error.", 0) == 0) {
        return Because(UiTr("Clock", "認証されませんでした"));
    }
    if (errorName == "org.freedesktop.DBus.Error.ServiceUnknown" ||
        errorName == "org.freedesktop.DBus.Error.NameHasNoOwner" ||
        errorName == "org.freedesktop.DBus.Error.UnknownObject" ||
        errorName == "org.freedesktop.DBus.Error.Spawn.ServiceNotFound") {
        return Because(UiTr("Clock", "時刻設定サービス timedated がありません"));
    }
    if (errorName == "org.freedesktop.DBus.Error.NoReply" ||
        errorName == "org.freedesktop.DBus.Error.Timeout") {
        return Because(UiTr("Clock", "時刻設定サービスが応答しません"));
    }
    return Because(message.empty() ? errorName : message);
}

void AskTimedated(std::int64_t correctionMicros, std::function<void(const SetOutcome&)> settle) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        settle({false, Because(UiTr("Clock", "システムバスに接続できません"))});
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    // Relative: the step is taken when timedated acts, however long the password took.
    call << static_cast<qlonglong>(correctionMicros) << true << true;
    call.setInteractiveAuthorizationAllowed(true);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kAuthorisationTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [settle = std::move(settle)](QDBusPendingCallWatcher* w) {
                         const QDBusPendingReply<> reply = *w;
                         w->deleteLater();
                         if (reply.isError()) {
                             settle(
                                 {false, TimedatedRefusal(reply.error().name().toStdString(),
                                                          reply.error().message().toStdString())});
                         } else {
                             settle({true, {}});
                         }
                     });
}

LiveClockSetter::LiveClockSetter(std::function<int(std::int64_t)> stepLocally,
                                 TimedatedCall askTimedated)
    : stepLocally_(std::move(stepLocally)), askTimedated_(std::move(askTimedated)) {}

UtcTime LiveClockSetter::Now() const {
    return SystemUtcNow();
}

void LiveClockSetter::Step(std::int64_t correctionMicros,
                           std::function<void(const SetOutcome&)> done) {
    const int error = stepLocally_(correctionMicros);
    if (error == 0) {
        done({true, {}});
        return;
    }
    if (error != EPERM) {
        done({false,
              UiFormat(UiTr("Clock", "時刻を設定できませんでした（%1）"), {std::strerror(error)})});
        return;
    }
    PendingSet& pending = ThePendingSet();
    pending.waiters.push_back({alive_, std::move(done)});
    if (pending.asked) {
        LogClock("clock adjustment joins the set that still waits for timedated's authorisation: "
                 "the clock is stepped once");
        return;
    }
    pending.asked = true;
    askTimedated_(correctionMicros, Settle);
}

} // namespace trumbel

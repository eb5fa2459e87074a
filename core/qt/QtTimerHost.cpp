#include "core/qt/QtTimerHost.h"

namespace trumbel {

QtTimerHost::QtTimerHost() {
    for (int i = 0; i < kTimerCount; ++i) {
        timers_[i].setTimerType(Qt::PreciseTimer);
        QObject::connect(&timers_[i], &QTimer::timeout, [this, i] {
            if (handler_) {
                handler_(static_cast<TimerId>(i));
            }
        });
    }
}

void QtTimerHost::SetInterval(TimerId id, int ms) { timers_[static_cast<int>(id)].setInterval(ms); }

void QtTimerHost::SetEnabled(TimerId id, bool enabled) {
    QTimer& t = timers_[static_cast<int>(id)];
    if (enabled) {
        t.start(); // restarts a running timer, as disable + enable does
    } else {
        t.stop();
    }
}

bool QtTimerHost::IsEnabled(TimerId id) const { return timers_[static_cast<int>(id)].isActive(); }

} // namespace trumbel

#include "clock/qt/TimeInfoWindows.h"

#include "clock/qt/LiveClockSetter.h"

#include <QLoggingCategory>

namespace trumbel {

namespace {

Q_LOGGING_CATEGORY(lcClock, "trumbel.clock", QtInfoMsg)

} // namespace

void LogClock(const std::string& line) {
    qCInfo(lcClock, "%s", line.c_str());
}

TimeInfoWindows::TimeInfoWindows(AdjustContext context, ClockNotices& notices)
    : makeSetter([] { return std::make_unique<LiveClockSetter>(); }), context_(context),
      notices_(notices) {}

TimeInfoWindows::~TimeInfoWindows() {
    UnloadAdjustWindow();
}

void TimeInfoWindows::LoadAdjustWindow() {
    if (IsOpen()) {
        LogClock("clock adjustment skipped: the clock-adjust window is still open");
        return;
    }
    auto* window = new ClockAdjustWindow(context_, notices_, makeSetter(), LogClock, [this] {
        // Closed by its own timer: it goes once the close has run its course.
        if (window_) {
            window_->deleteLater();
            window_.clear();
        }
    });
    window_ = window;
    window->Load();
}

void TimeInfoWindows::UnloadAdjustWindow() {
    if (!window_) {
        return;
    }
    notices_.HideBalloon(ReleaseNotice::Yes);
    delete window_.data();
    window_.clear();
}

} // namespace trumbel

#include "core/qt/QtDesktop.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace trumbel {

namespace {

class NoGrabber final : public KeyGrabber {
public:
    GrabResult Grab(std::span<const std::uint32_t>, int) override {
        return GrabResult::Unsupported;
    }
    void Ungrab() override {}
};

Rect FromQRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

// Feeds the raw key events to the watch and reports a change once the toolkit is done with
// the event.
class QtDesktop::KeyWatchFilter final : public QAbstractNativeEventFilter {
public:
    KeyWatchFilter(QtDesktop& desktop) : desktop_(desktop) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~KeyWatchFilter() override {
        if (QCoreApplication::instance()) {
            QCoreApplication::instance()->removeNativeEventFilter(this);
        }
    }
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        switch (desktop_.x11_->TakeKeyEvent(message)) {
        case KeyEvent::NotOurs:
            return false;
        case KeyEvent::Unchanged:
            return true;
        case KeyEvent::Changed:
            // The rules run later, when a busy program may already have taken the release
            // too: each change carries the keys as they were right after it, or a Pause tap
            // would only ever be seen as up.
            QtDesktop* desktop = &desktop_;
            const KeyState keys = desktop_.x11_->WatchedKeys();
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [desktop, keys] { desktop->ReportKeys(keys); },
                Qt::QueuedConnection);
            return true;
        }
        return false;
    }

private:
    QtDesktop& desktop_;
};

class QtDesktop::PointerWatchFilter final : public QAbstractNativeEventFilter {
public:
    PointerWatchFilter(QtDesktop& desktop) : desktop_(desktop) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~PointerWatchFilter() override {
        if (QCoreApplication::instance()) {
            QCoreApplication::instance()->removeNativeEventFilter(this);
        }
    }
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t" || !desktop_.x11_->TakePointerEvent(message)) {
            return false;
        }
        QtDesktop* desktop = &desktop_;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [desktop] {
                if (desktop->listener_) {
                    desktop->listener_->PointerEntered();
                }
            },
            Qt::QueuedConnection);
        return true;
    }

private:
    QtDesktop& desktop_;
};

QtDesktop::QtDesktop() {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (c && xcb_connection_has_error(c) == 0) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        if (screen) {
            x11_ = std::make_unique<X11Desktop>(c, screen->root);
            auto grabber = std::make_unique<X11KeyGrabber>(c, screen->root);
            x11Grabber_ = grabber.get();
            grabber_ = std::move(grabber);
        }
    }
    if (!grabber_) {
        grabber_ = std::make_unique<NoGrabber>();
    }
    const char* keys = std::getenv("TRUMBEL_KEYS");
    const bool pollForced = keys && std::strcmp(keys, "poll") == 0;
    if (x11_ && !pollForced && x11_->WatchKeys()) {
        keyWatch_ = std::make_unique<KeyWatchFilter>(*this);
    }
    const char* pointer = std::getenv("TRUMBEL_POINTER");
    if (x11_ && !(pointer && std::strcmp(pointer, "poll") == 0)) {
        pointerWatch_ = std::make_unique<PointerWatchFilter>(*this);
    }
}

QtDesktop::~QtDesktop() = default;

PointerWatch QtDesktop::WatchPointerEntering(const Rect& area) {
    return pointerWatch_ && x11_->WatchPointerEntering(area) ? PointerWatch::Watching
                                                             : PointerWatch::None;
}

void QtDesktop::StopWatchingPointer() {
    if (pointerWatch_) {
        x11_->StopWatchingPointer();
    }
}

Rect QtDesktop::Screen() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? FromQRect(s->geometry()) : Rect{0, 0, 1024, 768};
}

Rect QtDesktop::WorkArea() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? FromQRect(s->availableGeometry()) : Screen();
}

std::vector<TopLevelWindow> QtDesktop::TopLevelWindows() const {
    return x11_ ? x11_->TopLevelWindows() : std::vector<TopLevelWindow>{};
}

std::optional<TopLevelWindow> QtDesktop::Describe(WindowId id) const {
    if (!x11_ || id == 0 || id > UINT32_MAX) {
        return std::nullopt;
    }
    std::vector<TopLevelWindow> w = x11_->DescribeWindows({static_cast<std::uint32_t>(id)});
    if (w.empty()) {
        return std::nullopt;
    }
    return std::move(w.front());
}

WindowId QtDesktop::ForegroundWindow() const {
    return x11_ ? x11_->ActiveWindow() : 0;
}

void QtDesktop::ReportKeys(const KeyState& keys) {
    if (!listener_) {
        return;
    }
    reported_ = keys;
    listener_->KeysChanged();
    reported_.reset();
}

KeyState QtDesktop::Keys() const {
    if (reported_) {
        return *reported_;
    }
    if (keyWatch_) {
        // While a key is down the rules poll, and each poll asks the server: a release that
        // never arrived as an event (the hot key's grab takes some) is found within a poll.
        return x11_->AnyWatchedKeyHeld() ? x11_->ResyncWatchedKeys() : x11_->WatchedKeys();
    }
    if (x11_) {
        return x11_->Keys();
    }
    const Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers();
    return {m.testFlag(Qt::ControlModifier), m.testFlag(Qt::ShiftModifier), false};
}

KeySource QtDesktop::KeysSource() const {
    return keyWatch_ && !x11_->AnyWatchedKeyHeld() ? KeySource::Pushed : KeySource::Polled;
}

Point QtDesktop::Cursor() const {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

} // namespace trumbel

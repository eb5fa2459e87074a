#pragma once

#include <QAbstractNativeEventFilter>

namespace trumbel {

class SkinHotKey;
class X11KeyGrabber;

// Watches the X event stream for the grabbed hot key and hands it to the skin's hot key. The
// action runs after the filter returns, never inside the toolkit's event dispatch.
class QtHotKeyFilter final : public QAbstractNativeEventFilter {
public:
    QtHotKeyFilter(X11KeyGrabber& grabber, SkinHotKey& hotKey);
    ~QtHotKeyFilter() override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    X11KeyGrabber& grabber_;
    SkinHotKey& hotKey_;
};

} // namespace trumbel

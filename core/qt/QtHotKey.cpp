#include "core/qt/QtHotKey.h"

#include "core/SkinHotKey.h"
#include "platform/X11Desktop.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTimer>

namespace trumbel {

Q_LOGGING_CATEGORY(lcHotKey, "trumbel.hotkey", QtWarningMsg)

QtHotKeyFilter::QtHotKeyFilter(X11KeyGrabber& grabber, SkinHotKey& hotKey)
    : grabber_(grabber), hotKey_(hotKey) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

QtHotKeyFilter::~QtHotKeyFilter() {
    if (QCoreApplication::instance()) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool QtHotKeyFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !grabber_.IsHotKeyPress(message)) {
        return false;
    }
    SkinHotKey* hotKey = &hotKey_;
    QTimer::singleShot(0, QCoreApplication::instance(), [hotKey] {
        const bool acted = hotKey->OnHotKey();
        qCInfo(lcHotKey) << (acted ? "hot key: function button" : "hot key: not hooked");
    });
    return true;
}

} // namespace trumbel

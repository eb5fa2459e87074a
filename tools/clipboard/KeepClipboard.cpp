#include "tools/clipboard/KeepClipboard.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTimer>
#include <functional>
#include <xcb/xcb.h>

namespace tools {

namespace {

// Qt drops a SelectionClear that is not later than its own take, and with it the changed()
// signal, although the server has handed the clipboard on: a program that takes it at the same
// time (one that answers our take at once, as clipboard managers do) would leave us running
// forever. Every SelectionClear makes us ask the server who owns it now.
class SelectionClearWatch final : public QAbstractNativeEventFilter {
public:
    explicit SelectionClearWatch(std::function<void()> check) : check_(std::move(check)) {}
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type == "xcb_generic_event_t" &&
            (static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7f) ==
                XCB_SELECTION_CLEAR)
            QTimer::singleShot(0, qApp, check_);
        return false;
    }

private:
    std::function<void()> check_;
};

} // namespace

int CopyAndKeepServing(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
    if (!clipboard->ownsClipboard())
        return 0; // the platform keeps the text itself
    QApplication::setQuitOnLastWindowClosed(false);
    // For an owner other than us the clipboard hands out another program's data.
    const QMimeData* ours = clipboard->mimeData();
    const auto quitOnceTaken = [clipboard, ours] {
        if (!clipboard->ownsClipboard() || clipboard->mimeData() != ours)
            QCoreApplication::quit();
    };
    QObject::connect(clipboard, &QClipboard::changed, qApp, [quitOnceTaken](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard)
            quitOnceTaken();
    });
    SelectionClearWatch watch(quitOnceTaken);
    qApp->installNativeEventFilter(&watch);
    const int code = QApplication::exec();
    qApp->removeNativeEventFilter(&watch);
    return code;
}

} // namespace tools

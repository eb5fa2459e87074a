#include "functions/qt/FileDropTarget.h"

#include <QAbstractNativeEventFilter>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <xcb/xcb.h>

namespace trumbel {

namespace {

// Always a copy, whatever the source proposes: a source that honours a move deletes its file
// once the drop is accepted, before the user has agreed or the copy has been made.
void AcceptAsCopy(QDropEvent& event) {
    event.setDropAction(Qt::CopyAction);
    event.accept();
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The toolkit lets a target answer only with an action the source proposes, so a source that
// offers nothing but a move would have its move accepted. Its position messages (XDND) are
// read as proposing a copy instead; the copy is what the answer then says.
class MoveAsCopy final : public QAbstractNativeEventFilter {
public:
    MoveAsCopy() {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr) {
            position_ = Atom(connection, "XdndPosition");
            move_ = Atom(connection, "XdndActionMove");
            copy_ = Atom(connection, "XdndActionCopy");
        }
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (position_ == XCB_ATOM_NONE || type != "xcb_generic_event_t") {
            return false;
        }
        auto* event = static_cast<xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
            auto* client = reinterpret_cast<xcb_client_message_event_t*>(event);
            if (client->type == position_ && client->format == 32 &&
                client->data.data32[4] == move_) {
                client->data.data32[4] = copy_;
            }
        }
        return false;
    }

private:
    xcb_atom_t position_ = XCB_ATOM_NONE;
    xcb_atom_t move_ = XCB_ATOM_NONE;
    xcb_atom_t copy_ = XCB_ATOM_NONE;
};

QString FirstLocalFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) {
        return {};
    }
    const QList<QUrl> urls = data->urls();
    return !urls.isEmpty() && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

FileDropTarget::FileDropTarget(QWidget& window, FunctionLauncher& launcher)
    : QObject(&window), window_(window), launcher_(launcher) {
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
    // One for the program: every drop target reads the same messages.
    static MoveAsCopy moveAsCopy;
    static const bool installed = [] {
        QCoreApplication::instance()->installNativeEventFilter(&moveAsCopy);
        return true;
    }();
    (void)installed;
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        offered_ = FirstLocalFile(drag->mimeData());
        if (!offered_.isEmpty()) {
            AcceptAsCopy(*drag);
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        // Over X the data can come back empty once the drop has begun: the file the drag
        // offered while it passed over the window stands.
        QString file = FirstLocalFile(drop->mimeData());
        if (file.isEmpty()) {
            file = std::exchange(offered_, QString());
        }
        if (file.isEmpty()) {
            drop->ignore();
            return true;
        }
        AcceptAsCopy(*drop);
        window_.activateWindow();
        window_.setFocus();
        // The drag source waits for the drop to finish: ask the questions afterwards.
        const std::string path = QFile::encodeName(file).toStdString();
        QMetaObject::invokeMethod(
            this, [this, path] { launcher_.RegisterDroppedFile(path); }, Qt::QueuedConnection);
        return true;
    }
    case QEvent::DragLeave:
        offered_.clear();
        return false;
    default:
        return false;
    }
}

} // namespace trumbel

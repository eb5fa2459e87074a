#include "FileDropTarget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace trumbel {

namespace {

QString FirstLocalFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) {
        return {};
    }
    const QList<QUrl> urls = data->urls();
    return !urls.isEmpty() && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

FileDropTarget::FileDropTarget(QWidget& window, std::function<void(const std::string&)> dropped)
    : QObject(&window), window_(window), dropped_(std::move(dropped)) {
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!FirstLocalFile(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString file = FirstLocalFile(drop->mimeData());
        if (file.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        window_.activateWindow();
        window_.setFocus();
        // The drag source waits for the drop to finish: ask the questions afterwards.
        const std::string path = file.toStdString();
        QMetaObject::invokeMethod(
            this, [this, path] { dropped_(path); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

} // namespace trumbel

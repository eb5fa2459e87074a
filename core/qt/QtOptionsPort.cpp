#include "core/qt/QtOptionsPort.h"

#include "options/qt/OptionsDialog.h"

#include <QApplication>
#include <QWindow>

namespace trumbel {

QtOptionsPort::QtOptionsPort(OptionsHost& host, QWidget& owner) : host_(host), owner_(owner) {}

QtOptionsPort::~QtOptionsPort() = default;

void QtOptionsPort::OpenOptions(std::optional<OptionsPageId> page) {
    if (!dialog_) {
        dialog_ = std::make_unique<OptionsDialog>(host_);
        if (onCreated) {
            onCreated(*dialog_);
        }
    }
    // A window the strip owns stays above it, even while the strip is always on top; the strip
    // may have been made again since the last opening.
    dialog_->winId();
    owner_.winId();
    dialog_->windowHandle()->setTransientParent(owner_.windowHandle());
    dialog_->Open(page);
    if (!page) {
        QApplication::alert(dialog_.get());
    }
}

void QtOptionsPort::UnloadOptions() {
    if (dialog_ && dialog_->Loaded()) {
        dialog_->close();
    }
}

} // namespace trumbel

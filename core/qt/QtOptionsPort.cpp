#include "QtOptionsPort.h"

#include "options/qt/Form2.h"

#include <QApplication>

namespace trumbel {

QtOptionsPort::QtOptionsPort(OptionsHost& host) : host_(host) {}

QtOptionsPort::~QtOptionsPort() = default;

void QtOptionsPort::OpenOptions(int page) {
    if (!dialog_) {
        dialog_ = std::make_unique<Form2>(host_);
        if (onCreated) {
            onCreated(*dialog_);
        }
    }
    dialog_->Open(page);
    if (page == kModeless) {
        QApplication::alert(dialog_.get());
    }
}

void QtOptionsPort::UnloadOptions() {
    if (dialog_ && dialog_->Loaded()) {
        dialog_->close();
    }
}

} // namespace trumbel

#include "core/qt/QtSubclass.h"

namespace trumbel {

QtSubclassRegistry::QtSubclassRegistry(std::function<bool()> allowed)
    : registry_({[](QObject* w) { return w != nullptr; },
                 [this](QObject* w) {
                     w->installEventFilter(this);
                     // A window that goes away takes its client list with it.
                     connect(w, &QObject::destroyed, this,
                             [this](QObject* gone) { registry_.Forget(gone); });
                 },
                 [this](QObject* w) {
                     w->removeEventFilter(this);
                     disconnect(w, &QObject::destroyed, this, nullptr);
                 },
                 std::move(allowed)}) {}

void QtSubclassRegistry::AttachSubclass(QObject* window, QtSubclassClient* client) {
    registry_.Attach(window, client);
}

void QtSubclassRegistry::DetachSubclass(QObject* window, QtSubclassClient* client) {
    registry_.Detach(window, client);
}

bool QtSubclassRegistry::eventFilter(QObject* watched, QEvent* event) {
    return registry_.Dispatch(watched, *event).killed;
}

} // namespace trumbel

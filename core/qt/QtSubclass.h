#pragma once

#include "core/SubclassRegistry.h"

#include <QEvent>
#include <QObject>
#include <functional>

namespace trumbel {

using QtSubclassClient = SubclassClient<QObject*, QEvent>;

// The subclass registry over Qt event filters: the first client of a window installs the
// filter, the last one to leave removes it. With subclassing refused nothing is installed.
class QtSubclassRegistry final : public QObject {
public:
    explicit QtSubclassRegistry(std::function<bool()> allowed);

    void AttachSubclass(QObject* window, QtSubclassClient* client);
    void DetachSubclass(QObject* window, QtSubclassClient* client);
    int Count(QObject* window) const { return registry_.Count(window); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SubclassRegistry<QObject*, QEvent> registry_;
};

} // namespace trumbel

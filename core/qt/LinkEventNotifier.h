#pragma once

#include "measure/SystemMeasure.h"

#include <QSocketNotifier>
#include <memory>

namespace trumbel {

// Lets the event loop hand link notifications to the measurement object as they arrive, so the
// refresh tick never asks the kernel whether any have come.
class LinkEventNotifier {
public:
    explicit LinkEventNotifier(SystemMeasure& measure);
    ~LinkEventNotifier();
    LinkEventNotifier(const LinkEventNotifier&) = delete;
    LinkEventNotifier& operator=(const LinkEventNotifier&) = delete;

private:
    void Watch(SystemInfo* info);

    SystemMeasure& measure_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace trumbel

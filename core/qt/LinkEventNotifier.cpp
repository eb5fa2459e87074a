#include "core/qt/LinkEventNotifier.h"

namespace trumbel {

LinkEventNotifier::LinkEventNotifier(SystemMeasure& measure) : measure_(measure) {
    measure_.onInfoChanged = [this](SystemInfo* info) { Watch(info); };
    Watch(measure_.Info());
}

LinkEventNotifier::~LinkEventNotifier() {
    measure_.onInfoChanged = nullptr;
}

void LinkEventNotifier::Watch(SystemInfo* info) {
    notifier_.reset();
    const int fd = info ? info->WatchLinkEvents() : -1;
    if (fd < 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated,
                     [info] { info->DrainLinkEvents(); });
}

} // namespace trumbel

#pragma once

#include "clock/ClockAdjustment.h"

#include <functional>
#include <memory>
#include <mutex>

namespace trumbel {

// Runs each exchange on a thread of its own, so that a slow lookup or a silent server never
// holds up the window, and hands the reply back through post (which runs it on the thread of
// the window). Once the service is gone, replies still under way are dropped.
class SntpWorker final : public SntpService {
public:
    using Post = std::function<void(std::function<void()>)>;
    explicit SntpWorker(Post post, int timeOutMs = kDefaultTimeOutMs);
    ~SntpWorker() override;
    SntpWorker(const SntpWorker&) = delete;
    SntpWorker& operator=(const SntpWorker&) = delete;

    void Query(const std::string& host, int port, int localPort,
               std::function<void(const SntpReply&)> done) override;

private:
    struct Channel {
        std::mutex mutex;
        Post post;
    };
    std::shared_ptr<Channel> channel_;
    int timeOutMs_;
};

} // namespace trumbel

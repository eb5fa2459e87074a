#include "clock/SntpWorker.h"

#include <thread>

namespace trumbel {

SntpWorker::SntpWorker(Post post, int timeOutMs)
    : channel_(std::make_shared<Channel>()), timeOutMs_(timeOutMs) {
    channel_->post = std::move(post);
}

SntpWorker::~SntpWorker() {
    const std::lock_guard lock(channel_->mutex);
    channel_->post = nullptr;
}

void SntpWorker::Query(const std::string& host, int port, int localPort,
                       std::function<void(const SntpReply&)> done) {
    std::thread([channel = channel_, host, port, localPort, timeOut = timeOutMs_,
                 done = std::move(done)] {
        SntpClient time;
        time.Initialize();
        time.timeOut = timeOut;
        SntpReply reply = time.Query(host, port, localPort);
        const std::lock_guard lock(channel->mutex);
        if (channel->post) {
            channel->post([done, reply = std::move(reply)] { done(reply); });
        }
    }).detach();
}

} // namespace trumbel

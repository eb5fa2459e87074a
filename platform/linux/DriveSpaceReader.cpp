#include "platform/SystemSource.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace trumbel {

namespace {

bool Figures(StatFsFunction statFs, const char* path, SpaceFigures& out) {
    struct statvfs s {};
    if (statFs(path, &s) != 0) {
        out = {};
        return false;
    }
    const std::uint64_t unit = s.f_frsize ? s.f_frsize : s.f_bsize;
    out.total = static_cast<std::uint64_t>(s.f_blocks) * unit;
    out.available = static_cast<std::uint64_t>(s.f_bavail) * unit;
    out.free = static_cast<std::uint64_t>(s.f_bfree) * unit;
    return true;
}

} // namespace

// Shared between the reader and its worker, so a worker stuck in the kernel on a dead server
// outlives the reader harmlessly.
struct DriveSpaceReader::Remote {
    std::string path;
    StatFsFunction statFs = nullptr;
    std::mutex mutex;
    std::condition_variable changed;
    bool requested = false;
    bool stop = false;
    bool answered = false;
    bool waitedOnce = false; // only a new worker is waited for, and only once
    bool ok = false;
    SpaceFigures figures;

    static void Work(std::shared_ptr<Remote> self) {
        std::unique_lock lock(self->mutex);
        for (;;) {
            self->changed.wait(lock, [&] { return self->requested || self->stop; });
            if (self->stop) {
                return;
            }
            self->requested = false;
            lock.unlock();
            SpaceFigures f;
            const bool ok = Figures(self->statFs, self->path.c_str(), f);
            lock.lock();
            self->figures = f;
            self->ok = ok;
            self->answered = true;
            self->changed.notify_all();
        }
    }
};

DriveSpaceReader::DriveSpaceReader(StatFsFunction statFs) : statFs_(statFs) {}

DriveSpaceReader::~DriveSpaceReader() {
    for (const auto& r : remotes_) {
        std::lock_guard lock(r->mutex);
        r->stop = true;
        r->changed.notify_all();
    }
}

bool DriveSpaceReader::Read(const DriveEntry& drive, SpaceFigures& out) {
    // A user-space file system can hang as surely as a network server.
    const bool mayHang = drive.type == DriveType::Remote || drive.fsType.starts_with("fuse");
    if (!mayHang) {
        return Figures(statFs_, drive.mountPoint.c_str(), out);
    }
    std::shared_ptr<Remote> remote;
    for (const auto& r : remotes_) {
        if (r->path == drive.mountPoint) {
            remote = r;
            break;
        }
    }
    if (!remote) {
        remote = std::make_shared<Remote>();
        remote->path = drive.mountPoint;
        remote->statFs = statFs_;
        std::thread(&Remote::Work, remote).detach();
        remotes_.push_back(remote);
    }
    std::unique_lock lock(remote->mutex);
    remote->requested = true;
    remote->changed.notify_all();
    if (!remote->answered && !remote->waitedOnce) {
        remote->waitedOnce = true;
        remote->changed.wait_for(lock, std::chrono::milliseconds(kFirstAnswerWaitMs),
                                 [&] { return remote->answered; });
    }
    out = remote->answered ? remote->figures : SpaceFigures{};
    return remote->answered && remote->ok;
}

} // namespace trumbel

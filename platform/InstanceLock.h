#pragma once

#include <string>

namespace trumbel {

enum class LockResult { Acquired, HeldByOther, Error };

// One running copy per user and program folder: an flock() held for the life of the process.
// The kernel drops it when the process dies, so a crash never leaves a stale lock behind.
class InstanceLock {
public:
    explicit InstanceLock(std::string lockPath);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    LockResult TryAcquire();
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};

// $XDG_RUNTIME_DIR/velquor/<hash of appFolder>.lock, or /tmp/velquor-<uid>/... without it.
std::string InstanceLockPath(const std::string& appFolder);

} // namespace trumbel

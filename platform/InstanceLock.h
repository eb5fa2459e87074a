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

// One lock per user, whichever folder the program was started from:
// $XDG_RUNTIME_DIR/velquor/trumbel.lock, or /tmp/velquor-<uid>/trumbel.lock without it.
std::string InstanceLockPath();

} // namespace trumbel

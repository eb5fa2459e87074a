#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace trumbel {

InstanceLock::InstanceLock(std::string lockPath) : path_(std::move(lockPath)) {}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_); // releases the lock; the file stays so the lock path never races
    }
}

LockResult InstanceLock::TryAcquire() {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ec);
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        return LockResult::Error;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd_);
        fd_ = -1;
        return err == EWOULDBLOCK ? LockResult::HeldByOther : LockResult::Error;
    }
    return LockResult::Acquired;
}

std::string InstanceLockPath(const std::string& appFolder) {
    // FNV-1a keeps the name stable between builds, so two builds sharing a folder still meet.
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : appFolder) {
        h = (h ^ c) * 1099511628211ull;
    }
    char name[40];
    std::snprintf(name, sizeof name, "%016llx.lock", static_cast<unsigned long long>(h));
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string dir;
    if (runtime && *runtime == '/') {
        dir = std::string(runtime) + "/velquor/";
    } else {
        dir = "/tmp/velquor-" + std::to_string(::getuid()) + "/";
    }
    return dir + name;
}

} // namespace trumbel

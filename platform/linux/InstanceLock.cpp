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

namespace {

// The lock's folder may sit in /tmp, where anyone can create a name first: use it only when it is
// a real folder of this user that nobody else may write into.
bool PrivateFolder(const std::string& folder) {
    ::mkdir(folder.c_str(), 0700);
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

LockResult InstanceLock::TryAcquire() {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    std::filesystem::create_directories(folder.parent_path(), ec);
    if (!PrivateFolder(folder.string())) {
        return LockResult::Error;
    }
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
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

std::string InstanceLockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime == '/') {
        return std::string(runtime) + "/velquor/trumbel.lock";
    }
    return "/tmp/velquor-" + std::to_string(::getuid()) + "/trumbel.lock";
}

} // namespace trumbel

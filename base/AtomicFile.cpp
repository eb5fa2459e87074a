#include "base/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace trumbel {

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FileReadable(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr std::size_t kUniqueLength = 6; // the "XXXXXX" mkstemp fills with [A-Za-z0-9]

// Hidden and with a marker of its own, so a leftover is neither listed as a profile or option
// file nor mistaken for a file of the user's.
std::string TempNamePrefix(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return "." + path.substr(nameStart) + ".tmp.";
}

bool IsOwnTempName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kUniqueLength || !name.starts_with(prefix)) {
        return false;
    }
    for (const char c : name.substr(prefix.size())) {
        const bool alnum =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alnum) {
            return false;
        }
    }
    return true;
}

// A writer killed before its rename leaves its temporary file behind; once a write of the same
// file has succeeded, such leftovers hold nothing that the file itself does not.
void RemoveStaleTempFiles(const std::string& path) {
    const std::string folder = FolderOf(path);
    const std::string prefix = TempNamePrefix(path);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        return;
    }
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        if (IsOwnTempName(entry->d_name, prefix)) {
            stale.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    for (const std::string& name : stale) {
        const std::string full = folder + "/" + name;
        struct stat st {};
        if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            ::unlink(full.c_str());
        }
    }
}

void SyncFolder(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

WriteResult Failure(const std::string& what, int error) {
    return WriteResult{false, what + ": " + std::strerror(error)};
}

} // namespace

WriteResult WriteFileAtomically(const std::string& path, std::string_view content,
                                const std::string& backupPath, const WriteHook& hook,
                                FileAccess access) {
    const auto step = [&](WriteStep s) {
        if (hook && !hook(s)) {
            errno = EIO;
            return false;
        }
        return true;
    };
    const auto slash = path.rfind('/');
    const std::string pattern = path.substr(0, slash == std::string::npos ? 0 : slash + 1) +
                                TempNamePrefix(path) + std::string(kUniqueLength, 'X');
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return Failure(path, errno);
    }
    const std::string temp(name.data());
    const auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Failure(path, error);
    };

    // mkstemp made the file 0600, so nothing is readable by others before this narrows or
    // widens it.
    struct stat old {};
    mode_t mode = 0666;
    if (access == FileAccess::OwnerOnly) {
        mode = S_IRUSR | S_IWUSR;
    } else if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(fd, mode);

    const std::size_t half = content.size() / 2;
    if (!step(WriteStep::WriteTemp) || !WriteAll(fd, content.data(), half) ||
        !step(WriteStep::WriteTempRest) ||
        !WriteAll(fd, content.data() + half, content.size() - half) || !step(WriteStep::SyncTemp) ||
        ::fsync(fd) != 0) {
        return abandon(errno);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Failure(path, error);
    }

    bool backedUp = false;
    if (!backupPath.empty() && FileExists(path)) {
        // rename replaces a stale backup left by someone else instead of failing on it.
        if (!step(WriteStep::MoveToBackup) || ::rename(path.c_str(), backupPath.c_str()) != 0) {
            const int error = errno;
            ::unlink(temp.c_str());
            return Failure(path, error);
        }
        backedUp = true;
    }
    if (!step(WriteStep::RenameIntoPlace) || ::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        if (backedUp) {
            ::rename(backupPath.c_str(), path.c_str());
        }
        ::unlink(temp.c_str());
        return Failure(path, error);
    }
    SyncFolder(path);
    if (backedUp && step(WriteStep::RemoveBackup)) {
        ::unlink(backupPath.c_str());
    }
    RemoveStaleTempFiles(path);
    step(WriteStep::Done);
    return {};
}

} // namespace trumbel

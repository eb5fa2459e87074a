#pragma once

#include <array>
#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace trumbel {

// A file that is re-read from its start on every pass without being opened again.
class KeptFile {
public:
    KeptFile() = default;
    KeptFile(const KeptFile&) = delete;
    KeptFile& operator=(const KeptFile&) = delete;
    KeptFile(KeptFile&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
    KeptFile& operator=(KeptFile&& o) noexcept {
        std::swap(fd_, o.fd_);
        return *this;
    }
    ~KeptFile() { Close(); }

    bool Open(const std::string& path) {
        Close();
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        return fd_ >= 0;
    }
    void Close() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = -1;
    }
    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }

    // The whole file into buf, which grows (and only grows) when the file does not fit. Kernel
    // tables are produced a few records per read, so a read that leaves room is not the end:
    // only a read of 0 is. A pipe cannot be rewound and is read from where it stands.
    std::string_view ReadAll(std::vector<char>& buf) {
        if (fd_ < 0) {
            return {};
        }
        if (::lseek(fd_, 0, SEEK_SET) < 0 && errno != ESPIPE) {
            return {};
        }
        if (buf.empty()) {
            buf.resize(4096);
        }
        std::size_t total = 0;
        for (;;) {
            if (total == buf.size()) {
                buf.resize(buf.size() * 2);
            }
            const ssize_t n = ::read(fd_, buf.data() + total, buf.size() - total);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return {};
            }
            if (n == 0) {
                break;
            }
            total += static_cast<std::size_t>(n);
        }
        return {buf.data(), total};
    }

    // A short file (a sysfs attribute) into a fixed buffer; empty on failure.
    template <std::size_t N> std::string_view ReadSmall(std::array<char, N>& buf) {
        if (fd_ < 0) {
            return {};
        }
        const ssize_t n = ::pread(fd_, buf.data(), buf.size(), 0);
        if (n <= 0) {
            return {};
        }
        return {buf.data(), static_cast<std::size_t>(n)};
    }

private:
    int fd_ = -1;
};

} // namespace trumbel

#pragma once

#include "clock/NtpPacket.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstring>
#include <functional>
#include <netinet/in.h>
#include <optional>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace trumbel::test {

// A UDP socket on 127.0.0.1 at a free port.
inline int BoundLoopbackSocket(std::uint16_t port = 0) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        return -1;
    }
    return fd;
}

inline std::uint16_t PortOf(int fd) {
    sockaddr_in a{};
    socklen_t length = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length);
    return ntohs(a.sin_port);
}

// A sound reply to request: server mode, version 4, stratum 2, the request's transmit time
// echoed as originate, receive and transmit at the given NTP timestamp.
inline std::vector<unsigned char> SoundReply(const NtpPacket& request, std::uint32_t seconds,
                                             std::uint32_t fraction) {
    NtpPacket r{};
    r.livnmode = (0 << 6) | (4 << 3) | 4;
    r.stratum = 2;
    r.originateSeconds = request.transmitSeconds;
    r.originateFraction = request.transmitFraction;
    r.receiveSeconds = htonl(seconds);
    r.receiveFraction = htonl(fraction);
    r.transmitSeconds = htonl(seconds);
    r.transmitFraction = htonl(fraction);
    std::vector<unsigned char> bytes(sizeof r);
    std::memcpy(bytes.data(), &r, sizeof r);
    return bytes;
}

// Sent after a request, after a pause: from the server's socket, or a stranger's on loopback.
struct Datagram {
    enum Sender { Server, Stranger } from = Server;
    std::vector<unsigned char> bytes;
    int afterMs = 0;
};

// Answers one request as the test says: nothing (an empty answer), or what it returns.
class FakeNtpServer {
public:
    using Answer = std::function<std::vector<unsigned char>(const NtpPacket& request)>;
    using Script = std::function<std::vector<Datagram>(const NtpPacket& request)>;

    explicit FakeNtpServer(Answer answer)
        : FakeNtpServer(Script([answer](const NtpPacket& r) -> std::vector<Datagram> {
              return {{Datagram::Server, answer(r)}};
          })) {}
    explicit FakeNtpServer(Script script)
        : fd_(BoundLoopbackSocket()), stranger_(BoundLoopbackSocket()) {
        port_ = PortOf(fd_);
        thread_ = std::thread([this, script = std::move(script)] {
            timeval tv{5, 0};
            ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
            unsigned char buffer[512];
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t n = ::recvfrom(fd_, buffer, sizeof buffer, 0,
                                         reinterpret_cast<sockaddr*>(&from), &length);
            if (n < static_cast<ssize_t>(sizeof(NtpPacket))) {
                return;
            }
            NtpPacket request{};
            std::memcpy(&request, buffer, sizeof request);
            received_ = request;
            for (const Datagram& d : script(request)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(d.afterMs));
                if (!d.bytes.empty()) {
                    ::sendto(d.from == Datagram::Stranger ? stranger_ : fd_, d.bytes.data(),
                             d.bytes.size(), 0, reinterpret_cast<sockaddr*>(&from), length);
                }
            }
        });
    }
    ~FakeNtpServer() {
        thread_.join();
        ::close(fd_);
        ::close(stranger_);
    }
    std::uint16_t port() const { return port_; }
    // The request as it arrived (read after the exchange).
    const std::optional<NtpPacket>& received() const { return received_; }

private:
    int fd_;
    int stranger_;
    std::uint16_t port_ = 0;
    std::optional<NtpPacket> received_;
    std::thread thread_;
};

} // namespace trumbel::test

#include "clock/SntpClient.h"

#include "base/UiText.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <random>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace trumbel {

namespace {

constexpr std::size_t kReceiveBuffer = 512; // room for extension fields and authenticators

class Socket {
public:
    Socket() : fd_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {}
    ~Socket() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

bool SetTimeout(int fd, int option, int ms) {
    timeval tv{};
    tv.tv_sec = ms / 1000;
    tv.tv_usec = (ms % 1000) * 1000;
    return ::setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv) == 0;
}

std::uint64_t Timestamp(std::uint32_t secondsBe, std::uint32_t fractionBe) {
    return (static_cast<std::uint64_t>(ntohl(secondsBe)) << 32) | ntohl(fractionBe);
}

std::string KissCode(std::uint32_t referenceIdBe) {
    const std::uint32_t id = ntohl(referenceIdBe);
    std::string code;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((id >> shift) & 0xFF);
        if (c >= 0x20 && c < 0x7F) {
            code += c;
        }
    }
    return code;
}

std::uint64_t RandomTimestamp() {
    std::random_device device;
    std::uint64_t value = 0;
    while (value == 0) {
        value = (static_cast<std::uint64_t>(device()) << 32) | device();
    }
    return value;
}

std::string SecondsText(std::int64_t micros) {
    char text[48];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(micros) / 1e6);
    return UiFormat(UiTr("Clock", "%1秒"), {text});
}

std::string ReceiveFailure(const std::string& reason) {
    return UiTr("Clock", sntp_text::kReceive) + "\r\n" + reason;
}

} // namespace

UtcTime SystemUtcNow() {
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    return {static_cast<std::int64_t>(ts.tv_sec) * kMicrosPerSecond + ts.tv_nsec / 1000};
}

ReplyVerdict CheckReply(const NtpPacket& reply, std::size_t length, std::uint64_t sentTransmit) {
    const auto refuse = [](std::string reason) {
        return ReplyVerdict{ReplyVerdict::Refused, std::move(reason)};
    };
    if (length < sizeof(NtpPacket)) {
        return refuse(UiFormat(UiTr("Clock", "応答が短すぎます（%1バイト、48バイト以上が必要）"),
                               {std::to_string(length)}));
    }
    if (Timestamp(reply.originateSeconds, reply.originateFraction) != sentTransmit) {
        return {ReplyVerdict::NotOurs, {}};
    }
    const int mode = Mode(reply.livnmode);
    if (mode != kNtpModeServer) {
        return refuse(
            UiFormat(UiTr("Clock", "応答がサーバの応答（モード4）ではありません（モード%1）"),
                     {std::to_string(mode)}));
    }
    const int version = Version(reply.livnmode);
    if (version < 1 || version > 4) {
        return refuse(UiFormat(UiTr("Clock", "応答のバージョンが1から4の範囲にありません（%1）"),
                               {std::to_string(version)}));
    }
    if (reply.stratum == 0) {
        // A kiss-o'-death: the server asks us to go away or slow down; asking again at once
        // would only make it worse. It usually comes with leap indicator 3 as well.
        return refuse(UiFormat(UiTr("Clock", "サーバが時刻の提供を断りました（キスオブデス %1）"),
                               {KissCode(reply.referenceId)}));
    }
    if (LeapIndicator(reply.livnmode) == 3) {
        return refuse(UiTr("Clock", "サーバの時計が同期していません（閏秒指示子3）"));
    }
    if (reply.stratum > 15) {
        return refuse(
            UiFormat(UiTr("Clock", "サーバの階層（stratum）が1から15の範囲にありません（%1）"),
                     {std::to_string(reply.stratum)}));
    }
    if (reply.receiveSeconds == 0 && reply.receiveFraction == 0) {
        return refuse(UiTr("Clock", "応答の受信時刻が0です"));
    }
    if (reply.transmitSeconds == 0 && reply.transmitFraction == 0) {
        return refuse(UiTr("Clock", "応答の送信時刻が0です"));
    }
    const UtcTime received = NtpToUtc(ntohl(reply.receiveSeconds), ntohl(reply.receiveFraction));
    const UtcTime sent = NtpToUtc(ntohl(reply.transmitSeconds), ntohl(reply.transmitFraction));
    if (sent.micros < received.micros) {
        return refuse(UiTr("Clock", "応答の送信時刻が受信時刻より前です"));
    }
    return {};
}

std::optional<std::uint32_t> SystemHostLookup(const std::string& name) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* result = nullptr;
    std::optional<std::uint32_t> address;
    if (::getaddrinfo(name.c_str(), nullptr, &hints, &result) == 0) {
        for (const addrinfo* a = result; a; a = a->ai_next) {
            if (a->ai_family == AF_INET) {
                address = reinterpret_cast<const sockaddr_in*>(a->ai_addr)->sin_addr.s_addr;
                break;
            }
        }
        ::freeaddrinfo(result);
    }
    return address;
}

std::optional<std::uint32_t> ResolveAddress(const std::string& name, int timeoutMs,
                                            HostLookup resolve) {
    in_addr dotted{};
    if (::inet_aton(name.c_str(), &dotted) != 0) {
        return dotted.s_addr;
    }
    if (name.empty()) {
        return std::nullopt;
    }
    // The resolver has no time limit of its own: it runs beside us, and a lookup that hangs is
    // left to finish on its own while the answer is given up.
    struct Lookup {
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
        std::optional<std::uint32_t> address;
    };
    auto lookup = std::make_shared<Lookup>();
    std::thread([lookup, name, resolve = std::move(resolve)] {
        const std::optional<std::uint32_t> address = resolve(name);
        const std::lock_guard lock(lookup->mutex);
        lookup->address = address;
        lookup->finished = true;
        lookup->done.notify_all();
    }).detach();
    std::unique_lock lock(lookup->mutex);
    if (!lookup->done.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [&] { return lookup->finished; })) {
        return std::nullopt;
    }
    return lookup->address;
}

DateValue SntpClient::GetDate(const std::string& server, std::string& state, int port,
                              int localPort) {
    const SntpReply reply = Query(server, port, localPort);
    state = reply.state;
    return reply.ok ? DateFromUtc(reply.serverTime) : 0.0;
}

SntpReply SntpClient::Query(const std::string& server, int port, int localPort) {
    const auto clock = now ? now : std::function<UtcTime()>(SystemUtcNow);
    SntpReply reply;
    Socket socket;
    if (socket.fd() < 0) {
        reply.state = UiTr("Clock", sntp_text::kSocket);
        return reply;
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(static_cast<std::uint16_t>(localPort));
    if (::bind(socket.fd(), reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        // Not fatal: sending picks a free port instead.
        reply.state = UiTr("Clock", sntp_text::kBind);
    }
    const std::optional<std::uint32_t> address = ResolveAddress(server, timeOut);
    if (!address) {
        reply.state = UiTr("Clock", sntp_text::kAddress);
        return reply;
    }
    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    destination.sin_addr.s_addr = *address;
    destination.sin_port = htons(static_cast<std::uint16_t>(port));

    // A random transmit timestamp, which the server echoes as the originate timestamp: a reply
    // that does not carry it answers someone else's request, or nobody's.
    const std::uint64_t sentTransmit = RandomTimestamp();
    NtpPacket request{};
    request.livnmode = kRequestLiVnMode;
    request.transmitSeconds = htonl(static_cast<std::uint32_t>(sentTransmit >> 32));
    request.transmitFraction = htonl(static_cast<std::uint32_t>(sentTransmit));

    if (!SetTimeout(socket.fd(), SO_SNDTIMEO, timeOut)) {
        reply.state = UiTr("Clock", sntp_text::kSendTimeout);
        return reply;
    }
    if (!SetTimeout(socket.fd(), SO_RCVTIMEO, timeOut)) {
        reply.state = UiTr("Clock", sntp_text::kReceiveTimeout);
        return reply;
    }
    const UtcTime t1 = clock();
    if (::sendto(socket.fd(), &request, sizeof request, 0,
                 reinterpret_cast<const sockaddr*>(&destination),
                 sizeof destination) != static_cast<ssize_t>(sizeof request)) {
        reply.state = UiTr("Clock", sntp_text::kSend);
        return reply;
    }
    // The socket listens on every address: anyone may send to it. A datagram that is not the
    // server's answer to this request is dropped, and the wait goes on until the time limit.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeOut);
    int dropped = 0;
    NtpPacket packet{};
    UtcTime t4;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{socket.fd(), POLLIN, 0};
        const int polled = left.count() > 0 ? ::poll(&ready, 1, static_cast<int>(left.count())) : 0;
        if (polled < 0 && errno == EINTR) {
            continue;
        }
        if (polled <= 0) {
            reply.state =
                dropped == 0
                    ? UiTr("Clock", sntp_text::kReceive)
                    : ReceiveFailure(UiFormat(
                          UiTr("Clock", "この問い合わせへの応答でないものを%1個捨てました"),
                          {std::to_string(dropped)}));
            return reply;
        }
        unsigned char buffer[kReceiveBuffer];
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t received = ::recvfrom(socket.fd(), buffer, sizeof buffer, MSG_DONTWAIT,
                                            reinterpret_cast<sockaddr*>(&from), &fromLength);
        t4 = clock();
        if (received < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
                continue;
            }
            reply.state = UiTr("Clock", sntp_text::kReceive);
            return reply;
        }
        if (from.sin_family != AF_INET || from.sin_addr.s_addr != destination.sin_addr.s_addr ||
            from.sin_port != destination.sin_port) {
            ++dropped;
            continue;
        }
        std::memcpy(&packet, buffer, std::min(sizeof packet, static_cast<std::size_t>(received)));
        const ReplyVerdict verdict =
            CheckReply(packet, static_cast<std::size_t>(received), sentTransmit);
        if (verdict.kind == ReplyVerdict::NotOurs) {
            ++dropped;
            continue;
        }
        if (verdict.kind == ReplyVerdict::Refused) {
            reply.state = ReceiveFailure(verdict.reason);
            return reply;
        }
        break;
    }
    const UtcTime t2 = NtpToUtc(ntohl(packet.receiveSeconds), ntohl(packet.receiveFraction));
    const UtcTime t3 = NtpToUtc(ntohl(packet.transmitSeconds), ntohl(packet.transmitFraction));
    reply.offsetMicros = ((t2.micros - t1.micros) + (t3.micros - t4.micros)) / 2;
    const std::int64_t waited = t4.micros - t1.micros;
    reply.delayMicros = waited - (t3.micros - t2.micros);
    // The server cannot have held the request longer than we waited for it. (A trip longer than
    // the wait would need a transmit before the receive, which CheckReply has refused.)
    if (reply.delayMicros < 0) {
        reply.state =
            ReceiveFailure(UiFormat(UiTr("Clock", "往復時間が負です（%1、待った時間%2）"),
                                    {SecondsText(reply.delayMicros), SecondsText(waited)}));
        return reply;
    }
    reply.localReceive = t4;
    reply.serverTime = {t4.micros + reply.offsetMicros};
    reply.stratum = packet.stratum;
    reply.ok = true;
    reply.state = UiTr("Clock", sntp_text::kSuccess);
    return reply;
}

} // namespace trumbel

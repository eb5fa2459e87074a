#pragma once

#include "base/UiLanguage.h"
#include "clock/DateValue.h"
#include "clock/NtpPacket.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace trumbel {

inline constexpr int kDefaultTimeOutMs = 3000;

// State texts of one exchange.
namespace sntp_text {
inline constexpr const char* kSuccess = QT_TRANSLATE_NOOP("Clock", "正常に終了しました。");
inline constexpr const char* kSocket = QT_TRANSLATE_NOOP("Clock", "Socket作成に失敗しました");
inline constexpr const char* kBind =
    QT_TRANSLATE_NOOP("Clock", "受信ポート番号の指定に失敗しました。");
inline constexpr const char* kAddress =
    QT_TRANSLATE_NOOP("Clock", "IPアドレスの指定が間違っている可能性があります。");
inline constexpr const char* kSendTimeout =
    QT_TRANSLATE_NOOP("Clock", "送信タイムアウトを設定に失敗しました。");
inline constexpr const char* kReceiveTimeout =
    QT_TRANSLATE_NOOP("Clock", "受信タイムアウトを設定に失敗しました。");
inline constexpr const char* kSend = QT_TRANSLATE_NOOP("Clock", "サーバへの送信に失敗しました。");
inline constexpr const char* kReceive =
    QT_TRANSLATE_NOOP("Clock", "サーバからの受信に失敗しました。");
} // namespace sntp_text

// What one exchange learnt. `serverTime` is the server's time at the moment the reply arrived
// (its transmit time plus half the round trip), `localReceive` the machine's clock at that
// moment; the difference is what the machine's clock is off by.
struct SntpReply {
    bool ok = false;
    std::string state;
    UtcTime serverTime;
    UtcTime localReceive;
    std::int64_t offsetMicros = 0; // server minus machine
    std::int64_t delayMicros = 0;  // round trip without the server's own time
    int stratum = 0;
};

// What a datagram that came from the server is to the exchange.
struct ReplyVerdict {
    enum Kind { Sound, NotOurs, Refused } kind = Sound;
    std::string reason; // the user's words, when refused
};

// A datagram from the server checked as a client must before trusting it. One that does not
// echo sentTransmit (the request's transmit timestamp) as its originate answers another
// request: it is not ours and ends nothing. A kiss-o'-death is told as such whatever its leap
// indicator says.
ReplyVerdict CheckReply(const NtpPacket& reply, std::size_t length, std::uint64_t sentTransmit);

// Looks a host name up: its first IPv4 address (network byte order), if any.
using HostLookup = std::function<std::optional<std::uint32_t>(const std::string& name)>;
std::optional<std::uint32_t> SystemHostLookup(const std::string& name);

// The IPv4 address of a dotted name without a lookup, else the first IPv4 address of the name;
// empty when there is none or the lookup takes longer than timeoutMs (it is then abandoned).
std::optional<std::uint32_t> ResolveAddress(const std::string& name, int timeoutMs,
                                            HostLookup lookup = SystemHostLookup);

// One SNTP exchange over UDP with one server.
class SntpClient { // ClsTime
public:
    void Initialize() { timeOut = kDefaultTimeOutMs; }

    // The server's time as a date value in UTC, or 0 on any failure; state receives a message
    // in every case.
    DateValue GetDate(const std::string& server, std::string& state, int port, int localPort);
    // The same exchange with what it measured.
    SntpReply Query(const std::string& server, int port, int localPort);

    int timeOut = kDefaultTimeOutMs; // milliseconds, for sending, receiving and the lookup
    // The machine's clock; the real-time clock unless a test says otherwise.
    std::function<UtcTime()> now;
};

// The real-time clock of the machine.
UtcTime SystemUtcNow();

} // namespace trumbel

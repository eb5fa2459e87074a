#include "clock/SntpClient.h"

#include "tests/clock/FakeNtpServer.h"

#include <chrono>
#include <gtest/gtest.h>
#include <utility>

namespace trumbel {
namespace {

using test::FakeNtpServer;
using test::SoundReply;
using Bytes = std::vector<unsigned char>;

Bytes Modified(const NtpPacket& request, const std::function<void(NtpPacket&)>& change) {
    Bytes bytes = SoundReply(request, 3'913'056'000u, 0);
    NtpPacket p{};
    std::memcpy(&p, bytes.data(), sizeof p);
    change(p);
    std::memcpy(bytes.data(), &p, sizeof p);
    return bytes;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A sound reply is taken at its word, corrected by half the round trip, in either NTP era.
TEST(SntpClient, SoundReplyInEitherEra) {
    struct Case {
        std::uint32_t seconds;
        UtcTime expected;
    };
    const Case cases[] = {
        {86400u * 40000u, UtcFromDate(40002.0)},                  // 2009-07-07, era 0
        {86400u * 1000u, UtcFromCivil({2038, 11, 3, 6, 28, 16})}, // era 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        FakeNtpServer server(
            [&](const NtpPacket& request) { return SoundReply(request, c.seconds, 0); });
        SntpClient time;
        time.Initialize();
        // Our clock: 1 h behind, 2 s from send to receive; the reply (receive = transmit) 1 s old.
        time.now = [t = c.expected.micros - 3'600'000'000]() mutable {
            return UtcTime{std::exchange(t, t + 2'000'000)};
        };
        const SntpReply reply = time.Query("127.0.0.1", server.port(), 0);
        EXPECT_EQ(reply.state, "正常に終了しました。");
        EXPECT_EQ(reply.serverTime.micros, c.expected.micros + 1'000'000);
        EXPECT_EQ(reply.offsetMicros, 3'599'000'000);
        ASSERT_TRUE(server.received());
        const NtpPacket& request = *server.received();
        EXPECT_EQ(request.livnmode, 0x0B); // version 1, client
        EXPECT_TRUE(request.transmitSeconds != 0 || request.transmitFraction != 0)
            << "the request's transmit timestamp must be random, not zero";
    }
}

// Through the real socket: what is not the answer to this request is dropped and the wait goes
// on; an answer that fails a check is refused with its reason.
TEST(SntpClient, DropsStrangersAndRefusesUnsoundReplies) {
    using test::Datagram;
    struct Case {
        const char* what;
        void (*change)(NtpPacket&); // made to a sound reply: the first datagram
        const char* reason;         // part of the second line; null for a success
        Datagram::Sender from = Datagram::Server;
        bool soundFollows = false; // from the server, 300 ms later
        std::size_t length = sizeof(NtpPacket);
    };
    const auto same = [](NtpPacket&) {};
    const auto otherOriginate = [](NtpPacket& p) { p.originateFraction ^= htonl(1); };
    const Case cases[] = {
        {"a stranger first", same, nullptr, Datagram::Stranger, true},
        {"another request's answer first", otherOriginate, nullptr, Datagram::Server, true},
        {"only another request's answer", otherOriginate, "1個捨てました"},
        {"client mode", [](NtpPacket& p) { p.livnmode = (4 << 3) | 3; }, "モード3"},
        {"kiss-o'-death, unsynchronised as they come",
         [](NtpPacket& p) {
             p.livnmode |= 0xC0;
             p.stratum = 0;
             std::memcpy(&p.referenceId, "RATE", 4);
         },
         "キスオブデス RATE"},
        {"40 bytes", same, "40バイト", Datagram::Server, false, 40},
        {"unsynchronised", [](NtpPacket& p) { p.livnmode |= 0xC0; }, "閏秒指示子3"},
        {"stratum 16", [](NtpPacket& p) { p.stratum = 16; }, "（16）"},
        {"version 0", [](NtpPacket& p) { p.livnmode = 4; }, "バージョン"},
        {"zero receive time", [](NtpPacket& p) { p.receiveSeconds = 0; }, "受信時刻が0"},
        {"zero transmit time", [](NtpPacket& p) { p.transmitSeconds = 0; }, "送信時刻が0"},
        {"sent before received",
         [](NtpPacket& p) { p.receiveSeconds = htonl(ntohl(p.transmitSeconds) + 1); },
         "送信時刻が受信時刻より前"},
        {"held longer than we waited",
         [](NtpPacket& p) { p.transmitSeconds = htonl(ntohl(p.receiveSeconds) + 10); },
         "往復時間が負"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeNtpServer fake([&](const NtpPacket& r) {
            std::vector<Datagram> sent{{c.from, Modified(r, c.change)}};
            sent[0].bytes.resize(c.length);
            if (c.soundFollows) {
                sent.push_back({Datagram::Server, Modified(r, same), 300});
            }
            return sent;
        });
        SntpClient time;
        time.Initialize();
        time.timeOut = 1500;
        std::string state;
        const DateValue date = time.GetDate("127.0.0.1", state, fake.port(), 0);
        EXPECT_EQ(date == 0.0, c.reason != nullptr);
        EXPECT_EQ(
            state.rfind(c.reason ? "サーバからの受信に失敗しました。\r\n" : "正常に終了しました。",
                        0),
            0u);
        EXPECT_NE(state.find(c.reason ? c.reason : ""), std::string::npos) << state;
    }
}

TEST(SntpClient, SilentServerTimesOutAfterThreeSeconds) {
    FakeNtpServer server([](const NtpPacket&) { return Bytes(); });
    SntpClient time;
    time.Initialize();
    std::string state;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(time.GetDate("127.0.0.1", state, server.port(), 0), 0.0);
    const double waited = SecondsSince(start);
    EXPECT_EQ(state, "サーバからの受信に失敗しました。");
    EXPECT_GT(waited, 2.9);
    EXPECT_LT(waited, 3.5);
}

TEST(SntpClient, LocalPortInUseIsNotFatal) {
    const int holder = test::BoundLoopbackSocket();
    ASSERT_GE(holder, 0);
    // Hold the port on every address, so that binding to it cannot succeed.
    const std::uint16_t busy = test::PortOf(holder);
    ::close(holder);
    const int any = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(busy);
    ASSERT_EQ(::bind(any, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);

    FakeNtpServer server([](const NtpPacket& r) { return SoundReply(r, 3'913'056'000u, 0); });
    SntpClient time;
    time.Initialize();
    std::string state;
    EXPECT_NE(time.GetDate("127.0.0.1", state, server.port(), busy), 0.0);
    EXPECT_EQ(state, "正常に終了しました。");
    ::close(any);
}

TEST(SntpClient, AddressesAndNames) {
    EXPECT_EQ(ResolveAddress("127.0.0.1", 3000), htonl(INADDR_LOOPBACK));
    EXPECT_EQ(ResolveAddress("192.0.2.33", 3000), inet_addr("192.0.2.33"));
    EXPECT_EQ(ResolveAddress("localhost", 3000), htonl(INADDR_LOOPBACK));
    EXPECT_FALSE(ResolveAddress("", 3000));

    SntpClient time;
    time.Initialize();
    std::string state;
    EXPECT_EQ(time.GetDate("", state, 123, 0), 0.0);
    EXPECT_EQ(state, "IPアドレスの指定が間違っている可能性があります。");

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ResolveAddress("slow.example", 300, [](const std::string&) {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        return std::optional<std::uint32_t>(htonl(INADDR_LOOPBACK));
    }));
    EXPECT_LT(SecondsSince(start), 1.0) << "a lookup taking 2 s must end at the time limit";
}

} // namespace
} // namespace trumbel

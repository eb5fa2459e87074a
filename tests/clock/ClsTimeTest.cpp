#include "ClsTime.h"

#include "FakeNtpServer.h"

#include <chrono>
#include <gtest/gtest.h>

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
TEST(ClsTime, SoundReplyInEitherEra) {
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
        ClsTime time;
        time.Initialize();
        std::string state = "unchanged";
        const DateValue date = time.GetDate("127.0.0.1", state, server.port(), 0);
        EXPECT_EQ(state, "正常に終了しました。");
        // Receive and transmit stamps are equal here, so the correction is half the whole trip.
        EXPECT_NEAR(date, DateFromUtc(c.expected), 0.05 / 86400);
        EXPECT_GE(date, DateFromUtc(c.expected));
        ASSERT_TRUE(server.received());
        const NtpPacket& request = *server.received();
        EXPECT_EQ(request.livnmode, 0x0B); // version 1, client
        EXPECT_TRUE(request.transmitSeconds != 0 || request.transmitFraction != 0)
            << "the request's transmit timestamp must be random, not zero";
    }
}

// Replies that fail a check are refused with their reason; nothing comes back as a time.
TEST(ClsTime, RefusesUnsoundReplies) {
    struct Case {
        const char* what;
        FakeNtpServer::Answer answer;
        bool fromOtherPort;
        const char* reason; // part of the second line
    };
    const Case cases[] = {
        {"wrong originate",
         [](const NtpPacket& r) {
             return Modified(r, [](NtpPacket& p) { p.originateFraction ^= htonl(1); });
         },
         false, "開始時刻が一致しません"},
        {"client mode",
         [](const NtpPacket& r) {
             return Modified(r, [](NtpPacket& p) { p.livnmode = (4 << 3) | 3; });
         },
         false, "モード3"},
        {"kiss-o'-death",
         [](const NtpPacket& r) {
             return Modified(r, [](NtpPacket& p) {
                 p.stratum = 0;
                 std::memcpy(&p.referenceId, "RATE", 4);
             });
         },
         false, "キスオブデス RATE"},
        {"40 bytes",
         [](const NtpPacket& r) {
             Bytes b = SoundReply(r, 3'913'056'000u, 0);
             b.resize(40);
             return b;
         },
         false, "40バイト"},
        {"another port", [](const NtpPacket& r) { return SoundReply(r, 3'913'056'000u, 0); }, true,
         "問い合わせ先以外"},
        {"unsynchronised",
         [](const NtpPacket& r) { return Modified(r, [](NtpPacket& p) { p.livnmode |= 0xC0; }); },
         false, "閏秒指示子3"},
        {"stratum 16",
         [](const NtpPacket& r) { return Modified(r, [](NtpPacket& p) { p.stratum = 16; }); },
         false, "（16）"},
        {"version 0",
         [](const NtpPacket& r) { return Modified(r, [](NtpPacket& p) { p.livnmode = 4; }); },
         false, "バージョン"},
        {"zero transmit time",
         [](const NtpPacket& r) {
             return Modified(r, [](NtpPacket& p) { p.transmitSeconds = p.transmitFraction = 0; });
         },
         false, "送信時刻が0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeNtpServer server(c.answer, c.fromOtherPort);
        ClsTime time;
        time.Initialize();
        std::string state;
        EXPECT_EQ(time.GetDate("127.0.0.1", state, server.port(), 0), 0.0);
        const std::string firstLine = "サーバからの受信に失敗しました。\r\n";
        EXPECT_EQ(state.substr(0, firstLine.size()), firstLine) << state;
        EXPECT_NE(state.find(c.reason), std::string::npos) << state;
    }
}

TEST(ClsTime, SilentServerTimesOutAfterThreeSeconds) {
    FakeNtpServer server([](const NtpPacket&) { return Bytes(); });
    ClsTime time;
    time.Initialize();
    std::string state;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(time.GetDate("127.0.0.1", state, server.port(), 0), 0.0);
    const double waited = SecondsSince(start);
    EXPECT_EQ(state, "サーバからの受信に失敗しました。");
    EXPECT_GT(waited, 2.9);
    EXPECT_LT(waited, 3.5);
}

TEST(ClsTime, LocalPortInUseIsNotFatal) {
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
    ClsTime time;
    time.Initialize();
    std::string state;
    EXPECT_NE(time.GetDate("127.0.0.1", state, server.port(), busy), 0.0);
    EXPECT_EQ(state, "正常に終了しました。");
    ::close(any);
}

TEST(ClsTime, AddressesAndNames) {
    EXPECT_EQ(ResolveAddress("127.0.0.1", 3000), htonl(INADDR_LOOPBACK));
    EXPECT_EQ(ResolveAddress("192.0.2.33", 3000), inet_addr("192.0.2.33"));
    EXPECT_EQ(ResolveAddress("localhost", 3000), htonl(INADDR_LOOPBACK));
    EXPECT_FALSE(ResolveAddress("", 3000));

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ResolveAddress("no-such-host.invalid", 3000));
    EXPECT_LT(SecondsSince(start), 3.5) << "a lookup must be given up after the time limit";

    ClsTime time;
    time.Initialize();
    std::string state;
    EXPECT_EQ(time.GetDate("", state, 123, 0), 0.0);
    EXPECT_EQ(state, "IPアドレスの指定が間違っている可能性があります。");
}

} // namespace
} // namespace trumbel

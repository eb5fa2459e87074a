#include "clock/SntpClient.h"
#include "tests/clock/FakeNtpServer.h"
#include "tests/support/TestFolder.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace trumbel {
namespace {

// A real NTP server: chronyd on 127.0.0.1 at a free port, serving its own clock (which is the
// system clock, since -x keeps it from ever adjusting it).
class Chronyd {
public:
    explicit Chronyd(const std::filesystem::path& folder) {
        const int probe = test::BoundLoopbackSocket();
        port_ = test::PortOf(probe);
        ::close(probe);
        const std::filesystem::path conf = folder / "chrony.conf";
        std::ofstream(conf) << "port " << port_ << "\nbindaddress 127.0.0.1\nallow 127.0.0.1\n"
                            << "local stratum 8\ncmdport 0\npidfile "
                            << (folder / "chronyd.pid").string() << "\ndriftfile "
                            << (folder / "drift").string() << "\n";
        const std::string log = (folder / "chronyd.log").string();
        const std::string confText = conf.string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        const char* argv[] = {"chronyd", "-x", "-d", "-u", "root", "-f", confText.c_str(), nullptr};
        started_ = posix_spawnp(&pid_, "chronyd", &actions, nullptr, const_cast<char**>(argv),
                                environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Chronyd() {
        if (started_) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    bool started() const { return started_; }
    std::uint16_t port() const { return port_; }

private:
    pid_t pid_ = -1;
    bool started_ = false;
    std::uint16_t port_ = 0;
};

bool OnPath(const char* program) {
    const std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

TEST(SntpClientAgainstChrony, TimeAgreesWithTheSystemClock) {
    if (!OnPath("chronyd")) {
        GTEST_SKIP() << "chronyd is not installed (scripts/setup installs chrony)";
    }
    if (::geteuid() != 0) {
        GTEST_SKIP() << "chronyd needs root to start, even with -x";
    }
    Chronyd chronyd(test::FreshTestFolder("chrony"));
    ASSERT_TRUE(chronyd.started());

    SntpReply reply;
    for (int attempt = 0; attempt < 20 && !reply.ok; ++attempt) {
        SntpClient time;
        time.Initialize();
        time.timeOut = 500; // while chronyd is still starting
        reply = time.Query("127.0.0.1", chronyd.port(), 0);
    }
    ASSERT_TRUE(reply.ok) << reply.state;
    EXPECT_EQ(reply.stratum, 8);
    const double apart = static_cast<double>(reply.serverTime.micros - SystemUtcNow().micros) / 1e6;
    EXPECT_LT(std::abs(apart), 0.05) << "server and system clock differ by " << apart << " s";
    EXPECT_LT(std::abs(reply.offsetMicros), 50'000);
    EXPECT_GE(reply.delayMicros, 0);

    SntpClient time;
    time.Initialize();
    std::string state;
    const DateValue date = time.GetDate("127.0.0.1", state, chronyd.port(), 0);
    EXPECT_EQ(state, "正常に終了しました。");
    EXPECT_NEAR(date, DateFromUtc(SystemUtcNow()), 0.05 / 86400);
}

} // namespace
} // namespace trumbel

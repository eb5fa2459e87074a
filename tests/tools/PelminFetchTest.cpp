#include "qt/EchoFetch.h"
#include "support/HttpTestServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace pelmin {
namespace {

using tooltest::HttpTestServer;

class EchoFetchTest : public ::testing::Test {
protected:
    // Runs one fetch in a live event loop; counts the loop's ticks meanwhile. Every outcome
    // arrives through the loop, after Start has returned.
    FetchOutcome Fetch(const std::string& host, int timeoutMs) {
        int argc = 0;
        QCoreApplication app(argc, nullptr);
        EchoFetch fetch;
        std::optional<FetchOutcome> outcome;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [this] { ++ticks; });
        tick.start(20);
        QTimer::singleShot(20000, &app, &QCoreApplication::quit); // never hang the suite
        bool started = false;
        fetch.Start(EchoUrl(host), timeoutMs, [&](FetchOutcome o) {
            EXPECT_TRUE(started) << "reported from within Start";
            outcome = std::move(o);
            QCoreApplication::quit();
        });
        started = true;
        QCoreApplication::exec();
        EXPECT_TRUE(outcome.has_value());
        return outcome.value_or(FetchOutcome{});
    }
    int ticks = 0;
};

TEST_F(EchoFetchTest, Success) {
    HttpTestServer server("<html><body>Your address: 198.51.100.4 (via 10.0.0.1)</body></html>");
    const FetchOutcome o = Fetch(server.Host(), 5000);
    ASSERT_TRUE(o.ok) << o.description;
    EXPECT_EQ(GlobalFromPage(o.page).addresses,
              (std::vector<std::string>{"198.51.100.4", "10.0.0.1"}));
    EXPECT_EQ(server.LastRequestLine(), "GET /cgi-bin/getip.cgi HTTP/1.1");
}

TEST_F(EchoFetchTest, EmptyBody) {
    HttpTestServer server("");
    const FetchOutcome o = Fetch(server.Host(), 5000);
    ASSERT_TRUE(o.ok) << o.description;
    EXPECT_TRUE(GlobalFromPage(o.page).failed);
}

TEST_F(EchoFetchTest, RefusedConnection) {
    const FetchOutcome o = Fetch(HttpTestServer::RefusingHost(), 5000);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.stage, FetchStage::LoadUrl);
    EXPECT_NE(o.errorNumber, 0);
    EXPECT_FALSE(o.description.empty());
}

TEST_F(EchoFetchTest, SilentServerTimesOutWhileTheLoopRuns) {
    HttpTestServer server("", HttpTestServer::Mode::Silent);
    QElapsedTimer clock;
    clock.start();
    const FetchOutcome o = Fetch(server.Host(), 600);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.stage, FetchStage::LoadUrl);
    EXPECT_EQ(o.errorNumber, 4); // time-out
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_GE(ticks, 5); // the event loop was never blocked
    EXPECT_EQ(server.Requests(), 1);
}

TEST_F(EchoFetchTest, MalformedHostFailsAtConfiguration) {
    QElapsedTimer clock;
    clock.start();
    const FetchOutcome o = Fetch("http://exa mple", 1000);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.stage, FetchStage::Configure);
    EXPECT_LT(clock.elapsed(), 1000);
}

// A restart drops what the previous fetch had still to report.
TEST_F(EchoFetchTest, RestartDropsAQueuedFailure) {
    HttpTestServer server("<body>198.51.100.4</body>");
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    EchoFetch fetch;
    std::vector<FetchOutcome> outcomes;
    fetch.Start("http://exa mple", 1000, [&](FetchOutcome o) { outcomes.push_back(o); });
    fetch.Start(EchoUrl(server.Host()), 5000, [&](FetchOutcome o) {
        outcomes.push_back(o);
        QCoreApplication::quit();
    });
    QTimer::singleShot(10000, &app, &QCoreApplication::quit);
    QCoreApplication::exec();
    ASSERT_EQ(outcomes.size(), 1U);
    EXPECT_TRUE(outcomes[0].ok) << outcomes[0].description;
}

} // namespace
} // namespace pelmin

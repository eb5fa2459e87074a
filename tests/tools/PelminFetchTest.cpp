#include "tests/tools/support/HttpTestServer.h"
#include "tools/pelmin/qt/EchoFetch.h"
#include "tools/pelmin/qt/PelminWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTimer>
#include <algorithm>
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
        QElapsedTimer clock;
        clock.start();
        QObject::connect(&tick, &QTimer::timeout, [&] {
            ++ticks;
            longestGapMs = std::max(longestGapMs, clock.restart());
        });
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
    qint64 longestGapMs = 0;
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

// A page up to the cap arrives whole; beyond it the fetch stops reading and fails, whether the
// server announces the length or just sends until it closes.
TEST_F(EchoFetchTest, RepliesBeyondTheCapAreCut) {
    constexpr std::size_t kCap = kMaxReplyBytes;
    for (const auto mode :
         {HttpTestServer::Mode::Answer, HttpTestServer::Mode::AnswerWithoutLength})
        for (const std::size_t size : {kCap, kCap + 1, std::size_t{64} << 20}) {
            SCOPED_TRACE(testing::Message()
                         << "size " << size << " mode " << static_cast<int>(mode));
            HttpTestServer server(std::string(size, 'x'), mode);
            longestGapMs = 0;
            QElapsedTimer clock;
            clock.start();
            const FetchOutcome o = Fetch(server.Host(), 10000);
            if (size == kCap) {
                ASSERT_TRUE(o.ok) << o.description;
                EXPECT_EQ(o.page.size(), kCap);
                continue;
            }
            EXPECT_FALSE(o.ok);
            EXPECT_EQ(o.stage, FetchStage::LoadUrl);
            EXPECT_EQ(o.errorNumber, 299);
            EXPECT_EQ(o.description, "応答が 1 MiB を超えたので読み込みを止めました");
            EXPECT_TRUE(o.page.empty());
            EXPECT_LT(clock.elapsed(), 5000);
            EXPECT_LT(longestGapMs, 500);
            EXPECT_LT(server.BodyBytesSent(), 16 << 20); // the rest was never asked for
        }
}

// The whole window while a 64 MiB page arrives: the GUI thread's timer keeps firing, the page
// is cut, the warning names the loading stage, and the list says the search failed.
TEST(PelminWindowFetch, HugeReplyIsCutAndTheWindowKeepsResponding) {
    std::string page = "<html><head><title>10.0.0.1</title></head><body>";
    while (page.size() < (std::size_t{64} << 20))
        page += "abc 12.34 ";
    HttpTestServer server(page, HttpTestServer::Mode::AnswerWithoutLength);
    int argc = 0;
    QApplication app(argc, nullptr);
    std::vector<std::string> warnings;
    PelminOptions options;
    options.echoUrl = EchoUrl(server.Host());
    options.timeoutMs = 10000;
    options.localAddresses = [] { return std::vector<std::string>{"192.0.2.9"}; };
    options.openUrl = [](const std::string&) {};
    options.warn = [&](QWidget*, const std::string& text) { warnings.push_back(text); };
    PelminWindow window(options);
    window.show();

    QElapsedTimer clock;
    clock.start();
    qint64 longestGapMs = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, clock.restart());
        if (!window.Busy())
            QCoreApplication::quit();
    });
    tick.start(10);
    QTimer::singleShot(20000, &app, &QCoreApplication::quit);
    window.Refetch();
    QCoreApplication::exec();

    ASSERT_FALSE(window.Busy());
    EXPECT_LT(longestGapMs, 500);
    ASSERT_EQ(warnings.size(), 1U);
    EXPECT_EQ(warnings[0], FetchErrorText(FetchStage::LoadUrl, 299,
                                          "応答が 1 MiB を超えたので読み込みを止めました"));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("AddressList"));
    std::vector<std::string> lines;
    for (int i = 0; i < list->count(); ++i)
        lines.push_back(list->item(i)->text().toStdString());
    EXPECT_EQ(lines, ListLines({true, {}}, {"192.0.2.9"}));
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

#include "tests/tools/support/Desktop.h"
#include "tests/tools/support/HttpTestServer.h"
#include "tools/dorvik/Search.h"
#include "tools/pelmin/qt/PelminWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <xcb/xcb.h>

namespace {

using namespace tooltest;
namespace fs = std::filesystem;

std::string Program(const std::string& name) {
    return std::string(TRUMBEL_BINARY_DIR) + "/tools/" + name + "/" + name;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Mapped windows with exactly this title (xdotool's own match ignores case, and the toolkit's
// hidden leader window is named after the program).
std::vector<std::string> Windows(const std::string& title) {
    std::vector<std::string> ids;
    std::istringstream lines(
        Output("xdotool search --onlyvisible --name '^" + title + "$' 2>/dev/null"));
    for (std::string id; std::getline(lines, id);)
        if (!id.empty() && Output("xdotool getwindowname " + id) == title + "\n")
            ids.push_back(id);
    return ids;
}

// Takes the clipboard at this time for the window, as another program would; true when the
// server made the window its owner.
bool TakeClipboard(QWidget& window, xcb_timestamp_t time) {
    xcb_connection_t* x = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    auto* clipboard = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, 9, "CLIPBOARD"), nullptr);
    xcb_set_selection_owner(x, window.winId(), clipboard->atom, time);
    auto* owner =
        xcb_get_selection_owner_reply(x, xcb_get_selection_owner(x, clipboard->atom), nullptr);
    const bool taken = owner->owner == window.winId();
    free(clipboard);
    free(owner);
    return taken;
}

// Programs driven from outside need xdotool to type and find windows.
#define NEED_XDOTOOL()                                                                             \
    if (!HaveTool("xdotool"))                                                                      \
    GTEST_SKIP() << "xdotool is not installed (scripts/setup installs it)"

class ToolsEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        xvfb_ = std::make_unique<XvfbDisplay>();
        if (!xvfb_->Ok())
            GTEST_SKIP() << xvfb_->whyNot;
        dir_ = fs::temp_directory_path() /
               ("tools-e2e-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        static int argc = 1;
        static char name[] = "tools_e2e";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override {
        app_.reset();
        if (!dir_.empty())
            fs::remove_all(dir_);
    }

    void Pump() { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); }
    bool Wait(const std::function<bool()>& predicate, int ms = 15000) {
        return WaitUntil(predicate, ms, [this] { Pump(); });
    }
    // Focuses a window and sends it keys as a person would type them.
    void Keys(const std::string& window, const std::string& xdotoolArgs) {
        Output("xdotool windowfocus --sync " + window + " 2>/dev/null");
        Pump();
        Output("xdotool " + xdotoolArgs);
    }

    std::unique_ptr<XvfbDisplay> xvfb_;
    std::unique_ptr<QApplication> app_;
    fs::path dir_;
};

TEST_F(ToolsEndToEnd, SumoraEvaluatesAndKeepsTheResultOnTheClipboard) {
    NEED_XDOTOOL();
    ChildProcess sumora({Program("sumora")}, dir_ / "sumora.log");
    ASSERT_TRUE(sumora.Started());
    std::vector<std::string> input;
    ASSERT_TRUE(Wait([&] { return !(input = Windows("Sumora")).empty(); })) << "no input box";
    Keys(input[0], "type --delay 30 '1+2='");
    Keys(input[0], "key Return");

    std::vector<std::string> result;
    ASSERT_TRUE(Wait([&] {
        result = Windows("Sumora");
        return !result.empty() && result[0] != input[0];
    })) << "no result box";
    Keys(result[0], "key Return"); // Yes is the default button

    QClipboard* clipboard = QGuiApplication::clipboard();
    EXPECT_TRUE(Wait([&] { return clipboard->text() == QStringLiteral("3"); }))
        << clipboard->text().toStdString();
    EXPECT_TRUE(sumora.Running()) << "the copied result died with the program";

    // Once another program owns the clipboard, Sumora has nothing left to do; also when that
    // program took it at the very time Sumora did, as a clipboard manager answering it may.
    const QByteArray time = clipboard->mimeData()->data(QStringLiteral("TIMESTAMP"));
    ASSERT_EQ(time.size(), 4) << "Sumora names no time for its clipboard";
    QWidget taker;
    ASSERT_TRUE(TakeClipboard(taker, *reinterpret_cast<const xcb_timestamp_t*>(time.data())));
    ASSERT_TRUE(Wait([&] { return !sumora.Running(); }, 10000)) << ReadFile(dir_ / "sumora.log");
    EXPECT_EQ(sumora.ExitCode(), 0);
}

TEST_F(ToolsEndToEnd, DorvikOpensTheSearchPageForTheClipboardWord) {
    NEED_XDOTOOL();
    const fs::path urls = dir_ / "urls";
    const fs::path opener = dir_ / "open";
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << urls.string() << "'\n";
    fs::permissions(opener, fs::perms::owner_all);
    setenv("DORVIK_OPEN_COMMAND", opener.c_str(), 1);

    QGuiApplication::clipboard()->setText(QStringLiteral("rock & roll"));
    {
        ChildProcess dorvik({Program("dorvik"), "/eiwa", "/searchall"}, dir_ / "dorvik.log");
        std::vector<std::string> window;
        ASSERT_TRUE(Wait([&] { return !(window = Windows("Dorvik")).empty(); })) << "no window";
        // The window reads the clipboard while it starts; let it settle before pressing Enter.
        Wait([] { return false; }, 500);
        Keys(window[0], "key Return");
        ASSERT_TRUE(Wait([&] { return !dorvik.Running(); })) << ReadFile(dir_ / "dorvik.log");
        EXPECT_EQ(dorvik.ExitCode(), 0);
    }
    ASSERT_TRUE(Wait([&] { return !ReadFile(urls).empty(); }, 5000));
    EXPECT_EQ(ReadFile(urls),
              dorvik::BuildUrl(dorvik::Target::Eiwa, "rock & roll", dorvik::FullText::On) + "\n");

    // "/direct" searches at once without a window; "/notext" drops the clipboard word.
    fs::remove(urls);
    ChildProcess direct({Program("dorvik"), "/direct", "/notext"}, dir_ / "direct.log");
    ASSERT_TRUE(Wait([&] { return !direct.Running(); })) << ReadFile(dir_ / "direct.log");
    ASSERT_TRUE(Wait([&] { return !ReadFile(urls).empty(); }, 5000));
    EXPECT_EQ(ReadFile(urls), dorvik::DirectUrl("") + "\n");
}

TEST_F(ToolsEndToEnd, PelminListsAddressesFromTheEchoPageAndCopiesAForm) {
    HttpTestServer server("<html><body>Your IP: 198.51.100.4</body></html>");
    std::vector<std::string> opened;
    pelmin::PelminOptions options;
    options.echoUrl = pelmin::EchoUrl(server.Host());
    options.timeoutMs = 5000;
    options.localAddresses = [] { return std::vector<std::string>{"127.0.1.1", "192.0.2.9"}; };
    options.openUrl = [&](const std::string& url) { opened.push_back(url); };
    options.warn = [](QWidget*, const std::string& text) { ADD_FAILURE() << text; };
    pelmin::PelminWindow window(options);
    window.show();
    window.Refetch();
    ASSERT_TRUE(Wait([&] { return !window.Busy(); }));

    auto* list = window.findChild<QListWidget*>(QStringLiteral("AddressList"));
    ASSERT_NE(list, nullptr);
    std::vector<std::string> lines;
    for (int i = 0; i < list->count(); ++i)
        lines.push_back(list->item(i)->text().toStdString());
    EXPECT_EQ(lines, pelmin::ListLines({false, {"198.51.100.4"}}, {"127.0.1.1", "192.0.2.9"}));

    auto click = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        Pump();
    };
    std::array<QPushButton*, 4> buttons{};
    for (int i = 0; i < 4; ++i)
        buttons[i] = window.findChild<QPushButton*>(QStringLiteral("CmdAddress%1").arg(i));
    QWidget* panel = buttons[0]->parentWidget();
    auto* notAddress = window.findChild<QLabel*>(QStringLiteral("NotAddressLabel"));
    ASSERT_NE(notAddress, nullptr);

    click(3); // "グローバルＩＰ？"
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(notAddress->isVisible());

    click(4);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(notAddress->isVisible());
    EXPECT_EQ(buttons[3]->text(), QStringLiteral("ftp://user@198.51.100.4/"));
    auto* user = window.findChild<QLineEdit*>(QStringLiteral("UserName"));
    user->setText(QStringLiteral("anon"));
    EXPECT_EQ(buttons[3]->text(), QStringLiteral("ftp://anon@198.51.100.4/"));

    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("CmdEchoPage")),
                      Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<std::string>{options.echoUrl});

    QTest::mouseClick(buttons[1], Qt::LeftButton);
    EXPECT_EQ(window.Copied(), std::optional<std::string>("http://198.51.100.4/"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(server.LastRequestLine(), "GET /cgi-bin/getip.cgi HTTP/1.1");
}

TEST_F(ToolsEndToEnd, PelminProgramAsksTheConfiguredEchoHostAndQuits) {
    NEED_XDOTOOL();
    HttpTestServer server("<html><body>198.51.100.4</body></html>");
    setenv("PELMIN_ECHO_HOST", server.Host().c_str(), 1);
    ChildProcess pelmin({Program("pelmin")}, dir_ / "pelmin.log");
    std::vector<std::string> window;
    ASSERT_TRUE(Wait([&] { return !(window = Windows("Pelmin")).empty(); })) << "no window";
    ASSERT_TRUE(Wait([&] { return server.Requests() == 1; }));
    EXPECT_EQ(server.LastRequestLine(), "GET /cgi-bin/getip.cgi HTTP/1.1");
    Keys(window[0], "key alt+q"); // "(&Q) 何もせず終了する"
    ASSERT_TRUE(Wait([&] { return !pelmin.Running(); }, 10000)) << ReadFile(dir_ / "pelmin.log");
    EXPECT_EQ(pelmin.ExitCode(), 0);
}

} // namespace

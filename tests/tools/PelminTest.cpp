#include "tools/pelmin/Addresses.h"
#include "tools/pelmin/LocalAddresses.h"

#include <gtest/gtest.h>

namespace pelmin {
namespace {

TEST(PelminBody, EveryDottedNumberInOrder) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"<html><body>Current IP Address: 203.0.113.7</body></html>", {"203.0.113.7"}},
        {"a 10.0.0.1 b 999.1.1.1 c 192.168.1.20", {"10.0.0.1", "999.1.1.1", "192.168.1.20"}},
        {"1234.5.6.7", {"234.5.6.7"}},
        {"1.2.3 and 4.5", {}},
        {"v1.2.3.4.5.6.7.8", {"1.2.3.4", "5.6.7.8"}},
        {"", {}},
    };
    for (const auto& [body, expected] : cases)
        EXPECT_EQ(FindAddresses(body), expected) << body;
}

// Only the body's inner HTML counts: dotted numbers in the title, the head or after the body
// are no answer of the echo page.
TEST(PelminBody, OnlyTheInnerHtmlOfTheBodyIsSearched) {
    struct Case {
        std::string page;
        std::vector<std::string> addresses;
        bool failed = false;
    };
    const std::vector<Case> cases = {
        {"<html><head><title>Current IP Check 1.1.1.1</title></head><body>Current IP Address: "
         "203.0.113.7</body></html>",
         {"203.0.113.7"}},
        {"<title>v10.0.0.1</title><body>198.51.100.4</body>", {"198.51.100.4"}},
        {"<HTML><Body class=\"a>9.9.9.9\" onload='x'>192.0.2.1</BODY><!-- 10.0.0.1 -->",
         {"192.0.2.1"}},
        {"<bodyguard>1.1.1.1</bodyguard><body\n>2.2.2.2 (cut", {"2.2.2.2"}},
        {"<body>1.2.3.4</body><body>5.6.7.8</body>", {"1.2.3.4"}},
        {"<body>   </body>", {}},
        {"<head><title>1.2.3.4</title></head><body></body>", {}, true},
        // without a body tag: everything but the head and the title
        {"203.0.113.7\n", {"203.0.113.7"}},
        {"<html><head><meta content=\"3.3.3.3\"></head>4.4.4.4</html>", {"4.4.4.4"}},
        {"<TITLE>1.1.1.1</TITLE>2.2.2.2<title>3.3.3.3", {"2.2.2.2"}},
        {"<title>1.2.3.4</title>", {}, true},
        {"", {}, true},
    };
    for (const Case& c : cases) {
        const GlobalResult r = GlobalFromPage(c.page);
        EXPECT_EQ(r.failed, c.failed) << c.page;
        EXPECT_EQ(r.addresses, c.addresses) << c.page;
    }
}

TEST(PelminBody, EmptyBodyFailsWithoutABox) {
    EXPECT_TRUE(GlobalFromPage("").failed);
    const GlobalResult none = GlobalFromPage("no address here");
    EXPECT_FALSE(none.failed);
    EXPECT_TRUE(none.addresses.empty());
}

TEST(PelminSelection, OnlyLinesWithANonZeroLeadingNumberAreAddresses) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"192.168.1.2", true},
        {"999.1.1.1", true},
        {"0.1.2.3", true},
        {"0.0.0.0", false},
        {"---------------", false},
        {"検索されたＩＰ一覧", false},
        {"グローバルＩＰ？", false},
        {"", false},
        {"検索失敗", false},
        {"ローカルＩＰ", false},
        {" 7", true},
        {"0.0.1.2", false},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(AddressSelected(line), expected) << line;
}

TEST(PelminForms, FourFormsAndTheUserName) {
    const auto forms = CopyForms("192.0.2.5", "user");
    EXPECT_EQ(forms[0], "192.0.2.5");
    EXPECT_EQ(forms[1], "http://192.0.2.5/");
    EXPECT_EQ(forms[2], "ftp://192.0.2.5/");
    EXPECT_EQ(forms[3], "ftp://user@192.0.2.5/");
    EXPECT_EQ(UserForm("192.0.2.5", "山田"), "ftp://山田@192.0.2.5/");
}

TEST(PelminList, LayoutOfTheWholeList) {
    EXPECT_EQ(ListLines({false, {"203.0.113.7"}}, {"127.0.1.1", "192.168.0.3"}),
              (std::vector<std::string>{"---------------", "検索されたＩＰ一覧", "---------------",
                                        "グローバルＩＰ？", "203.0.113.7", "", "ローカルＩＰ",
                                        "127.0.1.1", "192.168.0.3"}));
    EXPECT_EQ(ListLines({true, {}}, {}),
              (std::vector<std::string>{"---------------", "検索されたＩＰ一覧", "---------------",
                                        "グローバルＩＰ？", "検索失敗", "", "ローカルＩＰ"}));
}

TEST(PelminErrors, BoxTextNamesTheStage) {
    EXPECT_EQ(FetchErrorText(FetchStage::LoadUrl, 1, "Connection refused"),
              "IEオブジェクトURL読み込み時にエラー発生\r\nエラー名 : 1 (Connection refused)\r\n"
              "エラー発生個所 : PrintParamプロシージャ");
    EXPECT_EQ(StageText(FetchStage::CreateObject), "IEオブジェクト作成");
    EXPECT_EQ(StageText(FetchStage::Configure), "IEオブジェクト設定");
    EXPECT_EQ(StageText(FetchStage::ExtractHtml), "IEオブジェクトからHTML抽出");
    EXPECT_EQ(StageText(FetchStage::Search), "正規表現による検索");
}

TEST(PelminEcho, UrlFromTheConfiguredHost) {
    EXPECT_EQ(EchoUrl("http://127.0.0.1:8080"), "http://127.0.0.1:8080/cgi-bin/getip.cgi");
    EXPECT_EQ(EchoUrl("example.org/"), "http://example.org/cgi-bin/getip.cgi");
    EXPECT_EQ(EchoUrl(kDefaultEchoHost), std::string(kDefaultEchoHost) + kEchoPath);
}

TEST(PelminLocal, InterfacesJoinOnlyWhenTheNameIsLoopback) {
    const std::vector<std::string> up = {"192.168.0.3", "10.1.1.1"};
    EXPECT_EQ(MergeLocalAddresses({"127.0.1.1"}, up),
              (std::vector<std::string>{"127.0.1.1", "192.168.0.3", "10.1.1.1"}));
    EXPECT_EQ(MergeLocalAddresses({"192.168.0.3"}, {"10.1.1.1"}),
              std::vector<std::string>{"192.168.0.3"});
    EXPECT_EQ(MergeLocalAddresses({"127.0.1.1", "10.1.1.1"}, {"10.1.1.1"}),
              (std::vector<std::string>{"127.0.1.1", "10.1.1.1"}));
    EXPECT_TRUE(MergeLocalAddresses({}, up).empty()); // a name that does not resolve adds none
}

TEST(PelminLocal, RealListIsWellFormed) {
    for (const std::string& address : ListLocalAddresses())
        EXPECT_EQ(FindAddresses(address), std::vector<std::string>{address});
}

} // namespace
} // namespace pelmin

#include "settings/IniFile.h"

#include "base/TextEncoding.h"
#include "tests/settings/SettingsFixture.h"

#include <array>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trumbel {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

TEST(IniDocument, LookupFollowsTheProfileFunctions) {
    const IniDocument doc = IniDocument::Parse("top=before any section\n"
                                               "[Basic]\n"
                                               "  Key One  =  spaced value  \r\n"
                                               "dup=first\n"
                                               "DUP=second\n"
                                               "; comment=not a key\n"
                                               "novalue\n"
                                               "empty=\n"
                                               "a=b=c\n"
                                               "[basic]\n"
                                               "later=in the second section of that name\n"
                                               "[ 時計設定 ]\n"
                                               "使用するポート=123\n"
                                               "[broken\n"
                                               "x=still in 時計設定\n");
    struct Case {
        std::string section, key;
        std::optional<std::string> value;
    };
    const std::vector<Case> cases = {
        {"BASIC", "key one", "spaced value"},
        {" basic ", " KEY ONE ", "spaced value"},
        {"Basic", "dup", "first"},
        {"Basic", "; comment", std::nullopt},
        {"Basic", "novalue", std::nullopt},
        {"Basic", "empty", ""},
        {"Basic", "a", "b=c"},
        {"Basic", "later", std::nullopt}, // first matching section wins
        {"Basic", "top", std::nullopt},
        {"時計設定", "使用するポート", "123"},
        {"時計設定", "x", "still in 時計設定"},
        {"missing", "dup", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(doc.Get(c.section, c.key), c.value) << c.section << "/" << c.key;
    }
}

TEST(IniDocument, ValuesAreCutAtNulAndAtTheBufferSize) {
    std::string text = "[s]\nnul=abc";
    text += '\0';
    text += "def\nblank=a b ";
    text += '\0';
    text += "c\nlong=" + std::string(1500, 'x') + "\nwide=";
    for (int i = 0; i < 1100; ++i) {
        text += "あ";
    }
    text += "\n";
    const IniDocument doc = IniDocument::Parse(text);
    EXPECT_EQ(doc.Get("s", "nul"), "abc");
    // A blank the cut leaves at the end would not survive a write and a read: it goes now.
    EXPECT_EQ(doc.Get("s", "blank"), "a b");
    EXPECT_EQ(doc.Get("s", "long")->size(), kIniValueLimit);
    // Characters, not bytes, and never half a character.
    EXPECT_EQ(doc.Get("s", "wide")->size(), kIniValueLimit * 3);
}

TEST(IniDocument, WritesReplaceInPlaceAndAppendInCallOrder) {
    IniDocument doc = IniDocument::Parse("; kept\n[B]\nk1=1\n\n[A]\nx=1\n");
    doc.Set("b", "K1", "one");    // replaced where it is, original spelling of the name kept
    doc.Set("B", "k2", "2");      // appended after the section's last key
    doc.Set("C", "c1", "x\r\ny"); // new section at the end; a line break cannot split the line
    doc.Set("C", "c0", "first");
    EXPECT_EQ(doc.Serialize(),
              "; kept\n\n[B]\nk1=one\nk2=2\n\n[A]\nx=1\n\n[C]\nc1=x  y\nc0=first\n");
}

// Lookups go through an index: names that fold to the same letters must meet, names that
// differ only outside ASCII must not, and a key added to a section must not move the keys the
// index already holds.
TEST(IniDocument, IndexedLookupsAgreeWithTheLineOrder) {
    struct Case {
        std::string name;
        std::string text;
        std::vector<std::array<std::string, 3>> sets; // section, key, value
        std::vector<std::array<std::string, 3>> gets; // section, key, expected ("-" none)
        std::string serialized;                       // "" when not checked
    };
    std::string many = "[m]\n";
    for (int i = 0; i < 40; ++i) {
        many += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    }
    const std::vector<Case> cases = {
        {"ASCII letters fold, other bytes do not",
         "[Ärger]\nÄ=upper\nä=lower\nMiXeD=1\n",
         {},
         {{"Ärger", "Ä", "upper"},
          {"Ärger", "ä", "lower"},
          {"ärger", "Ä", "-"},
          {"ÄRGER", "mixed", "1"},
          {"Ärger", "MIXED", "1"}},
         ""},
        {"a new key lands after the last key, before trailing lines, and is found",
         "[s]\n; head\na=1\nb=2\n; tail\n\n[t]\nx=1\n",
         {{"S", "C", "3"}, {"s", "a", "one"}, {"s", "c", "three"}, {"T", "y", "2"}},
         {{"s", "a", "one"}, {"s", "b", "2"}, {"s", "c", "three"}, {"t", "y", "2"}},
         "[s]\n; head\na=one\nb=2\nC=three\n; tail\n\n[t]\nx=1\ny=2\n"},
        {"the first of duplicate sections and keys wins, also for writes",
         "[d]\nk=1\nK=2\n[D]\nk=3\n",
         {{"d", "k", "new"}},
         {{"D", "K", "new"}},
         "[d]\nk=new\nK=2\n\n[D]\nk=3\n"},
        {"a section without keys gets its first key at its top",
         "[e]\n; only a comment\n",
         {{"e", "k", "v"}},
         {{"e", "k", "v"}},
         "[e]\nk=v\n; only a comment\n"},
        {"many keys and sections: the index grows and every key is found",
         many,
         {{"m", "key39", "x"}, {"n1", "a", "1"}, {"n2", "a", "2"}, {"n3", "a", "3"}},
         {{"M", "KEY0", "0"},
          {"m", "key17", "17"},
          {"m", "Key39", "x"},
          {"N2", "A", "2"},
          {"n4", "a", "-"}},
         ""},
        {"names written with a line break are found as written",
         "",
         {{"a\nb", "k\r\nl", "v"}},
         {{"a b", "k  l", "v"}},
         "[a b]\nk  l=v\n"},
        {"a lone carriage return inside a line reads as the blank a write would store",
         "[s\rt]\r\nk\rl=a\r|b\r\r\nw=x\r\n",
         {},
         {{"s t", "k l", "a |b"}, {"s t", "w", "x"}},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument doc = IniDocument::Parse(c.text);
        for (const auto& [section, key, value] : c.sets) {
            doc.Set(section, key, value);
        }
        // A copy keeps its own index.
        const IniDocument copy = doc;
        for (const auto& [section, key, expected] : c.gets) {
            const std::optional<std::string> want =
                expected == "-" ? std::nullopt : std::optional(expected);
            EXPECT_EQ(doc.Get(section, key), want) << section << "/" << key;
            EXPECT_EQ(copy.Get(section, key), want) << section << "/" << key;
        }
        if (!c.serialized.empty()) {
            EXPECT_EQ(doc.Serialize(), c.serialized);
        }
    }
}

TEST(ProfileInt, LeadingDigitsRule) {
    const std::vector<std::pair<std::string, std::int64_t>> cases = {
        {"123", 123},
        {"  42  ", 42},
        {"-5", -5},
        {"+7", 7},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"1.9", 1},
        {"0x10", 0},
        {"- 3", 0},
        {"99999999999999999999999", INT64_MAX},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ProfileIntValue(text), value) << text;
    }
}

TEST(IniFileAccess, ReadsAndWritesThroughFiles) {
    const std::string path = std::string(std::getenv("TRUMBEL_HOME")) + "ini-access.ini";
    std::filesystem::create_directories(std::getenv("TRUMBEL_HOME"));
    std::remove(path.c_str());
    EXPECT_EQ(IniReadString("s", "k", "dflt", path), "dflt");
    EXPECT_EQ(IniReadInt("s", "n", -3, path), -3);
    ASSERT_TRUE(IniWriteString("s", "k", "v", path));
    ASSERT_TRUE(IniWriteBool("s", "b", true, path));
    ASSERT_TRUE(IniWriteString("s", "n", "4294967297", path));
    EXPECT_EQ(IniReadString("S", "K", "dflt", path), "v");
    EXPECT_TRUE(IniReadBool("s", "b", false, path));
    EXPECT_EQ(IniReadInt("s", "n", 0, path), 1); // the low 32 bits, as the Windows function gives
    EXPECT_EQ(ReadBytes(path), "[s]\nk=v\nb=1\nn=4294967297\n");
    EXPECT_FALSE(IniWriteString("s", "k", "v", "/nonexistent-folder/x.ini"));
}

// A file that is there but cannot be read is not replaced by a file holding one key.
TEST(IniFileAccess, UnreadableFileIsNotRewritten) {
    const std::string path = std::string(std::getenv("TRUMBEL_HOME")) + "unreadable.ini";
    std::filesystem::create_directories(std::getenv("TRUMBEL_HOME"));
    WriteBytes(path, "[s]\nkept=1\n");
    ::chmod(path.c_str(), 0200);
    if (::access(path.c_str(), R_OK) == 0) {
        ::chmod(path.c_str(), 0600);
        GTEST_SKIP() << "this user reads every file (root); run as a normal user to test this";
    }
    EXPECT_FALSE(IniWriteString("s", "k", "v", path));
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(ReadBytes(path), "[s]\nkept=1\n");
}

TEST(TextEncoding, Utf8OrShiftJis) {
    const std::string utf8 = "[基本設定]\nデスクトップ吸着=1\n";
    const std::string sjis = Utf8ToCp932(utf8);
    ASSERT_NE(sjis, utf8);
    EXPECT_FALSE(IsValidUtf8(sjis));
    EXPECT_EQ(DecodeFileText(sjis), utf8);
    EXPECT_EQ(DecodeFileText(utf8), utf8);
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF" + utf8), utf8);
    // Half-width katakana and the CP932 extensions (NEC row 13, IBM) survive.
    const std::string extras = "｡ｱ①Ⅱ㈱髙";
    EXPECT_EQ(DecodeFileText(Utf8ToCp932(extras)), extras);
    // Bytes CP932 does not map do not end the text.
    EXPECT_EQ(Cp932ToUtf8("a\xA0"
                          "b\x82"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
    for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE3\x81"}) {
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    }
}

} // namespace
} // namespace trumbel

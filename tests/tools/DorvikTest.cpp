#include "tools/dorvik/Search.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

const ServiceHosts kHosts{"https://dic", "https://digital", "https://it", "https://map",
                          "https://web"};

TEST(DorvikUrls, EveryTargetWithAndWithoutFullText) {
    struct Case {
        Target target;
        std::string headword;
        std::string fullText;
    };
    const std::string zen = "%E5%85%A8%E6%96%87%E6%A4%9C%E7%B4%A2"; // 全文検索
    const std::string midashi = "%E8%A6%8B%E5%87%BA%E3%81%97%E8%AA%9E%E6%A4%9C%E7%B4%A2";
    const std::vector<Case> cases = {
        {Target::Kokugo, "https://dic/Kokugo?qt=word&sm=1&pg=result_k.html&col=KO",
         "https://dic/Kokugo?qt=word&sm=3&pg=result_k.html&col=KO"},
        {Target::Eiwa, "https://dic/Eiwa?qt=word&sm=1&pg=result_e.html&col=EW",
         "https://dic/Eiwa?qt=word&sm=3&pg=result_e.html&col=EW"},
        {Target::Waei, "https://dic/Waei?qt=word&sm=1&pg=result_w.html&col=WE",
         "https://dic/Waei?qt=word&sm=3&pg=result_w.html&col=WE"},
        {Target::Katakana, "https://dic/Katakana?qt=word&sm=1&pg=result_kn.html&col=KN",
         "https://dic/Katakana?qt=word&sm=3&pg=result_kn.html&col=KN"},
        {Target::Kanji, "https://dic/Kanji?qt=word&qtb=&qty=&qtk=0&pg=result_kj.html&col=KJ",
         "https://dic/Kanji?qt=word&qtb=&qty=&qtk=0&pg=result_kj.html&col=KJ"},
        {Target::Digital, "https://digital/gh/search/?pattern=word",
         "https://digital/gh/search/?pattern=word"},
        {Target::It, "https://it/?w=word&headline=" + midashi,
         "https://it/?w=word&fulltext=" + zen},
        {Target::Map, "https://map/search?p=word&ken_name=&kind_name=",
         "https://map/search?p=word&ken_name=&kind_name="},
        {Target::Google,
         "https://web/"
         "search?num=100&hl=ja&inlang=ja&ie=UTF-8&q=word&btnG=Google%20%E6%A4%9C%E7%B4%A2"
         "&lr=lang_ja",
         "https://web/"
         "search?num=100&hl=ja&inlang=ja&ie=UTF-8&q=word&btnG=Google%20%E6%A4%9C%E7%B4%A2"
         "&lr=lang_ja"},
    };
    ASSERT_EQ(cases.size(), Targets().size());
    for (const Case& c : cases) {
        EXPECT_EQ(BuildUrl(c.target, "word", FullText::Off, kHosts), c.headword);
        EXPECT_EQ(BuildUrl(c.target, "word", FullText::On, kHosts), c.fullText);
        // The full-text box is offered exactly where the URL depends on it.
        EXPECT_EQ(Info(c.target).fullTextUsed, c.headword != c.fullText)
            << static_cast<int>(c.target);
    }
}

TEST(DorvikUrls, KeywordReachesTheServiceWhole) {
    EXPECT_EQ(PercentEncode("a b&c=d"), "a%20b%26c%3Dd");
    EXPECT_EQ(PercentEncode("辞書"), "%E8%BE%9E%E6%9B%B8");
    EXPECT_EQ(PercentEncode("A-z_0.9~"), "A-z_0.9~");
    EXPECT_EQ(PercentEncode("100%/#?+"), "100%25%2F%23%3F%2B");
    EXPECT_EQ(BuildUrl(Target::Eiwa, "rock & roll", FullText::Off, kHosts),
              "https://dic/Eiwa?qt=rock%20%26%20roll&sm=1&pg=result_e.html&col=EW");
}

TEST(DorvikSwitches, Table) {
    struct Case {
        std::vector<std::string> words;
        std::string clipboard;
        std::optional<Target> target;
        bool fullText;
        bool direct;
        std::string keyword;
    };
    const std::vector<Case> cases = {
        {{}, "clip", std::nullopt, false, false, "clip"},
        {{"/eiwa", "/searchall"}, "word", Target::Eiwa, true, false, "word"},
        {{"/EIWA"}, "word", std::nullopt, false, false, "word"},
        {{"/eiwa /waei"}, "", Target::Waei, false, false, ""}, // split at blanks, last wins
        {{"/kokugo", "/eiwa", "/waei", "/katakana", "/kanji", "/digital", "/it", "/map"},
         "",
         Target::Map,
         false,
         false,
         ""},
        {{"/google", "/notext"}, "clip", Target::Google, false, false, ""},
        {{"/direct", "/eiwa"}, "clip", Target::Eiwa, false, true, "clip"},
        {{"/direct", "/notext"}, "clip", std::nullopt, false, true, ""},
        {{"/notext", "other", "eiwa", "/searchall2"}, "clip", std::nullopt, false, false, ""},
    };
    for (const Case& c : cases) {
        const Startup s = ReadSwitches(c.words, c.clipboard);
        EXPECT_EQ(s.target, c.target) << c.words.size();
        EXPECT_EQ(s.fullText, c.fullText);
        EXPECT_EQ(s.direct, c.direct);
        EXPECT_EQ(s.keyword, c.keyword);
    }
}

TEST(DorvikSwitches, SearchFallsBackToTargetZeroAndDirectAlwaysUsesTheWebSearch) {
    const Startup eiwa = ReadSwitches({"/eiwa", "/searchall"}, "apple");
    EXPECT_EQ(SearchUrl(eiwa.target, eiwa.keyword, FullText::On, kHosts),
              "https://dic/Eiwa?qt=apple&sm=3&pg=result_e.html&col=EW");
    EXPECT_EQ(SearchUrl(std::nullopt, "x", FullText::Off, kHosts),
              BuildUrl(Target::Kokugo, "x", FullText::Off, kHosts));
    const Startup direct = ReadSwitches({"/map", "/direct"}, "");
    EXPECT_EQ(
        DirectUrl(direct.keyword, kHosts),
        "https://web/search?num=100&hl=ja&inlang=ja&ie=UTF-8&q=&btnG=Google%20%E6%A4%9C%E7%B4%A2"
        "&lr=lang_ja");
}

} // namespace
} // namespace dorvik

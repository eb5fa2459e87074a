#include "tools/dorvik/Search.h"

#include "base/UiLanguage.h"

#include <algorithm>

namespace dorvik {

namespace {

constexpr std::array<TargetInfo, 9> kTargets = {{
    {Target::Kokugo, QT_TRANSLATE_NOOP("Dorvik", "国語辞典(大辞林) (&2)"), "/kokugo", true},
    {Target::Eiwa, QT_TRANSLATE_NOOP("Dorvik", "英和辞典(EXCEED) (&3)"), "/eiwa", true},
    {Target::Waei, QT_TRANSLATE_NOOP("Dorvik", "和英辞典(EXCEED) (&4)"), "/waei", true},
    {Target::Katakana, QT_TRANSLATE_NOOP("Dorvik", "カタカナ語辞典(コンサイス) (&5)"), "/katakana",
     true},
    {Target::Kanji, QT_TRANSLATE_NOOP("Dorvik", "漢字辞典 (&6)"), "/kanji", false},
    {Target::Digital, QT_TRANSLATE_NOOP("Dorvik", "デジタル用語辞典 (アスキー) (&7)"), "/digital",
     false},
    {Target::It, QT_TRANSLATE_NOOP("Dorvik", "IT用語辞典 (e-Words) (&8)"), "/it", true},
    {Target::Map, QT_TRANSLATE_NOOP("Dorvik", "地図検索 (Yahoo) (&9)"), "/map", false},
    {Target::Google, QT_TRANSLATE_NOOP("Dorvik", "そのまま検索 (Google) (&0)"), "/google", false},
}};

std::vector<std::string> SplitAtBlanks(const std::vector<std::string>& words) {
    std::vector<std::string> out;
    for (const std::string& word : words) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t blank = word.find(' ', start);
            out.push_back(word.substr(start, blank - start));
            if (blank == std::string::npos)
                break;
            start = blank + 1;
        }
    }
    return out;
}

} // namespace

const std::array<TargetInfo, 9>& Targets() {
    return kTargets;
}

const TargetInfo& Info(Target target) {
    return *std::find_if(kTargets.begin(), kTargets.end(),
                         [target](const TargetInfo& t) { return t.target == target; });
}

const ServiceHosts& DefaultHosts() {
    static const ServiceHosts hosts{"https://dictionary.infoseek.ne.jp", "https://yougo.ascii.jp",
                                    "https://e-words.jp", "https://map.yahoo.co.jp",
                                    "https://www.google.co.jp"};
    return hosts;
}

std::string PercentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out;
}

std::string BuildUrl(Target target, const std::string& keyword, FullText fullText,
                     const ServiceHosts& hosts) {
    const std::string k = PercentEncode(keyword);
    const std::string s = fullText == FullText::On ? "3" : "1";
    auto dictionary = [&](const char* path, const char* page, const char* collection) {
        return hosts.dictionary + path + "?qt=" + k + "&sm=" + s + "&pg=" + page +
               "&col=" + collection;
    };
    switch (target) {
    case Target::Kokugo:
        return dictionary("/Kokugo", "result_k.html", "KO");
    case Target::Eiwa:
        return dictionary("/Eiwa", "result_e.html", "EW");
    case Target::Waei:
        return dictionary("/Waei", "result_w.html", "WE");
    case Target::Katakana:
        return dictionary("/Katakana", "result_kn.html", "KN");
    case Target::Kanji:
        return hosts.dictionary + "/Kanji?qt=" + k + "&qtb=&qty=&qtk=0&pg=result_kj.html&col=KJ";
    case Target::Digital:
        return hosts.digitalTerms + "/gh/search/?pattern=" + k;
    case Target::It:
        return hosts.itTerms + "/?w=" + k + "&" +
               (fullText == FullText::On ? "fulltext=" + PercentEncode("全文検索")
                                         : "headline=" + PercentEncode("見出し語検索"));
    case Target::Map:
        return hosts.map + "/search?p=" + k + "&ken_name=&kind_name=";
    case Target::Google:
        // The keyword is sent as UTF-8, so the page is told so.
        return hosts.webSearch + "/search?num=100&hl=ja&inlang=ja&ie=UTF-8&q=" + k +
               "&btnG=" + PercentEncode("Google 検索") + "&lr=lang_ja";
    }
    return {};
}

Startup ReadSwitches(const std::vector<std::string>& words, const std::string& clipboardText) {
    Startup start;
    start.keyword = clipboardText;
    for (const std::string& word : SplitAtBlanks(words)) {
        const auto target = std::find_if(kTargets.begin(), kTargets.end(),
                                         [&](const TargetInfo& t) { return word == t.switchWord; });
        if (target != kTargets.end())
            start.target = target->target;
        else if (word == "/searchall")
            start.fullText = true;
        else if (word == "/notext")
            start.keyword.clear();
        else if (word == "/direct")
            start.direct = true;
    }
    return start;
}

std::string SearchUrl(const std::optional<Target>& target, const std::string& keyword,
                      FullText fullText, const ServiceHosts& hosts) {
    return BuildUrl(target.value_or(Target::Kokugo), keyword, fullText, hosts);
}

std::string DirectUrl(const std::string& keyword, const ServiceHosts& hosts) {
    return BuildUrl(Target::Google, keyword, FullText::Off, hosts);
}

} // namespace dorvik

#include "tools/pelmin/Addresses.h"

#include "base/UiText.h"

#include <regex>

namespace pelmin {

using trumbel::UiFormat;
using trumbel::UiTr;

std::string EchoUrl(std::string_view host) {
    std::string base(host);
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    if (base.find("://") == std::string::npos)
        base = "http://" + base;
    return base + kEchoPath;
}

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Where the tag named `tag` ("<body", "</body", lower case) starts at or after `from`: the
// name in any case, followed by '>', '/', a blank or the end of the page.
std::size_t FindTag(std::string_view page, std::string_view tag, std::size_t from) {
    for (std::size_t at = page.find('<', from); at != kNone; at = page.find('<', at + 1)) {
        if (page.size() - at < tag.size())
            return kNone;
        bool same = true;
        for (std::size_t i = 1; i < tag.size() && same; ++i) {
            const char c = page[at + i];
            same = (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == tag[i];
        }
        const std::size_t next = at + tag.size();
        if (same && (next == page.size() ||
                     std::string_view(">/ \t\r\n\f").find(page[next]) != std::string_view::npos))
            return at;
    }
    return kNone;
}

// Just past the '>' that ends the tag starting at `at`; a quoted attribute value may hold '>'.
std::size_t TagEnd(std::string_view page, std::size_t at) {
    char quote = 0;
    for (std::size_t i = at; i < page.size(); ++i) {
        const char c = page[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if ((c == '"' || c == '\'') && page[i - 1] == '=') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return page.size();
}

} // namespace

std::string BodyInnerHtml(std::string_view page) {
    if (const std::size_t open = FindTag(page, "<body", 0); open != kNone) {
        const std::size_t start = TagEnd(page, open);
        const std::size_t end = FindTag(page, "</body", start);
        return std::string(page.substr(start, end == kNone ? kNone : end - start));
    }
    const std::size_t headEnd = FindTag(page, "</head", 0);
    std::string body;
    for (std::size_t at = headEnd == kNone ? 0 : TagEnd(page, headEnd);;) {
        const std::size_t title = FindTag(page, "<title", at);
        body.append(page.substr(at, title == kNone ? kNone : title - at));
        if (title == kNone)
            return body;
        const std::size_t close = FindTag(page, "</title", title);
        at = close == kNone ? page.size() : TagEnd(page, close);
    }
}

std::vector<std::string> FindAddresses(std::string_view text) {
    static const std::regex kPattern(R"(\d{1,3}\.\d{1,3}\.\d{1,3}\.\d{1,3})");
    std::vector<std::string> found;
    for (auto it = std::cregex_iterator(text.data(), text.data() + text.size(), kPattern);
         it != std::cregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

bool AddressSelected(std::string_view line) {
    // The leading number as a BASIC Val reads it: blanks skipped, digits with one point.
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
    };
    skipBlanks();
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
        ++i;
    bool point = false;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c >= '1' && c <= '9')
            return true;
        if (c == '0' || c == ' ' || c == '\t')
            continue;
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        break;
    }
    return false;
}

std::string UserForm(const std::string& address, const std::string& user) {
    return "ftp://" + user + "@" + address + "/";
}

std::array<std::string, 4> CopyForms(const std::string& address, const std::string& user) {
    return {address, "http://" + address + "/", "ftp://" + address + "/", UserForm(address, user)};
}

std::string StageText(FetchStage stage) {
    switch (stage) {
    case FetchStage::CreateObject:
        return UiTr("Pelmin", "IEオブジェクト作成");
    case FetchStage::Configure:
        return UiTr("Pelmin", "IEオブジェクト設定");
    case FetchStage::LoadUrl:
        return UiTr("Pelmin", "IEオブジェクトURL読み込み");
    case FetchStage::ExtractHtml:
        return UiTr("Pelmin", "IEオブジェクトからHTML抽出");
    case FetchStage::Search:
        return UiTr("Pelmin", "正規表現による検索");
    }
    return {};
}

std::string FetchErrorText(FetchStage stage, int number, const std::string& description) {
    return UiFormat(UiTr("Pelmin", "%1時にエラー発生"), {StageText(stage)}) + "\r\n" +
           UiFormat(UiTr("Pelmin", "エラー名 : %1 (%2)"), {std::to_string(number), description}) +
           "\r\n" + UiTr("Pelmin", "エラー発生個所 : PrintParamプロシージャ");
}

GlobalResult GlobalFromPage(std::string_view page) {
    GlobalResult result;
    const std::string body = BodyInnerHtml(page);
    if (body.empty()) {
        result.failed = true;
        return result;
    }
    result.addresses = FindAddresses(body);
    return result;
}

std::vector<std::string> HeaderLines() {
    return {"---------------", UiTr("Pelmin", "検索されたＩＰ一覧"), "---------------",
            UiTr("Pelmin", "グローバルＩＰ？")};
}

std::vector<std::string> ListLines(const GlobalResult& global,
                                   const std::vector<std::string>& local) {
    std::vector<std::string> lines = HeaderLines();
    if (global.failed)
        lines.push_back(UiTr("Pelmin", kSearchFailed));
    else
        lines.insert(lines.end(), global.addresses.begin(), global.addresses.end());
    lines.emplace_back();
    lines.push_back(UiTr("Pelmin", "ローカルＩＰ"));
    lines.insert(lines.end(), local.begin(), local.end());
    return lines;
}

} // namespace pelmin

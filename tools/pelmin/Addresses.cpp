#include "Addresses.h"

#include <regex>

namespace pelmin {

std::string EchoUrl(std::string_view host) {
    std::string base(host);
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    if (base.find("://") == std::string::npos)
        base = "http://" + base;
    return base + kEchoPath;
}

std::vector<std::string> FindAddresses(std::string_view body) {
    static const std::regex kPattern(R"(\d{1,3}\.\d{1,3}\.\d{1,3}\.\d{1,3})");
    std::vector<std::string> found;
    for (auto it = std::cregex_iterator(body.data(), body.data() + body.size(), kPattern);
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
        return "IEオブジェクト作成";
    case FetchStage::Configure:
        return "IEオブジェクト設定";
    case FetchStage::LoadUrl:
        return "IEオブジェクトURL読み込み";
    case FetchStage::ExtractHtml:
        return "IEオブジェクトからHTML抽出";
    case FetchStage::Search:
        return "正規表現による検索";
    }
    return {};
}

std::string FetchErrorText(FetchStage stage, int number, const std::string& description) {
    return StageText(stage) + "時にエラー発生\r\nエラー名 : " + std::to_string(number) + " (" +
           description + ")\r\nエラー発生個所 : PrintParamプロシージャ";
}

GlobalResult GlobalFromBody(std::string_view body) {
    GlobalResult result;
    if (body.empty()) {
        result.failed = true;
        return result;
    }
    result.addresses = FindAddresses(body);
    return result;
}

std::vector<std::string> HeaderLines() {
    return {"---------------", "検索されたＩＰ一覧", "---------------", "グローバルＩＰ？"};
}

std::vector<std::string> ListLines(const GlobalResult& global,
                                   const std::vector<std::string>& local) {
    std::vector<std::string> lines = HeaderLines();
    if (global.failed)
        lines.emplace_back(kSearchFailed);
    else
        lines.insert(lines.end(), global.addresses.begin(), global.addresses.end());
    lines.emplace_back();
    lines.emplace_back("ローカルＩＰ");
    lines.insert(lines.end(), local.begin(), local.end());
    return lines;
}

} // namespace pelmin

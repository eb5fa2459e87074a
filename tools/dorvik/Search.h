#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Targets, URL building and the start switches of the web-dictionary tool, free of any toolkit.
namespace dorvik {

inline constexpr const char* kTitle = "Dorvik";

// The option index of each target; there is no 8.
enum class Target : int {
    Kokugo = 0,
    Eiwa = 1,
    Waei = 2,
    Katakana = 3,
    Kanji = 4,
    Digital = 5,
    It = 6,
    Map = 7,
    Google = 9,
};

enum class FullText { Off, On };

struct TargetInfo {
    Target target;
    const char* caption;
    const char* switchWord;
    bool fullTextUsed; // whether the full-text box is enabled for it
};

const std::array<TargetInfo, 9>& Targets();
const TargetInfo& Info(Target target);

// Where each kind of service lives (scheme and host, no trailing "/"). The only place hosts
// are named.
struct ServiceHosts {
    std::string dictionary; // targets 0 to 4
    std::string digitalTerms;
    std::string itTerms;
    std::string map;
    std::string webSearch;
};
const ServiceHosts& DefaultHosts();

// Every byte outside the unreserved set becomes %XX, so blanks and "&" in a keyword reach the
// service inside its one query value. The text is taken as UTF-8.
std::string PercentEncode(std::string_view text);

std::string BuildUrl(Target target, const std::string& keyword, FullText fullText,
                     const ServiceHosts& hosts = DefaultHosts());

// What the command line makes of the start: switches are whole words compared exactly, taken
// in order; a word holding blanks is split at them.
struct Startup {
    std::string keyword;
    std::optional<Target> target;
    bool fullText = false;
    bool direct = false;
};
Startup ReadSwitches(const std::vector<std::string>& words, const std::string& clipboardText);

// The search of the window: the selected target, or target 0 when none is.
std::string SearchUrl(const std::optional<Target>& target, const std::string& keyword,
                      FullText fullText, const ServiceHosts& hosts = DefaultHosts());
// "/direct": the web search with the keyword, whatever target is selected.
std::string DirectUrl(const std::string& keyword, const ServiceHosts& hosts = DefaultHosts());

} // namespace dorvik

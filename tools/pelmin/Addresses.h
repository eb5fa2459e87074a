#pragma once

#include "base/UiLanguage.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Everything the own-address tool computes: the list's lines, the address search in a page
// body, the selection rule and the four copy forms. No toolkit, no network.
namespace pelmin {

inline constexpr const char* kTitle = "Pelmin";
inline constexpr const char* kEchoPath = "/cgi-bin/getip.cgi";
inline constexpr const char* kDefaultEchoHost = "http://checkip.dyndns.org";
inline constexpr const char* kSearchFailed = QT_TRANSLATE_NOOP("Pelmin", "検索失敗");

// The echo page's URL from a host given as "scheme://host[:port]"; a bare host gets "http://".
std::string EchoUrl(std::string_view host);

// The inner HTML of the page's body: from the end of the first <body ...> tag to the </body>
// after it, or to the end of the page when that is missing; tag names in any case. A page
// without a body tag (a bare-text answer) is all body, as a browser's implied body would hold
// it, except its head and title elements, which a browser keeps out of the body.
std::string BodyInnerHtml(std::string_view page);

// Every dotted quad of one to three digits in the text, in order, valid or not.
std::vector<std::string> FindAddresses(std::string_view text);

// The numeric value of a line's leading part is not 0: header lines, the empty line and
// "検索失敗" are no address.
bool AddressSelected(std::string_view line);

// Bare, "http://a/", "ftp://a/", "ftp://user@a/".
std::array<std::string, 4> CopyForms(const std::string& address, const std::string& user);
std::string UserForm(const std::string& address, const std::string& user);

// Where the fetch of the echo page stopped.
enum class FetchStage { CreateObject, Configure, LoadUrl, ExtractHtml, Search };
std::string StageText(FetchStage stage);

// The warning box's text for a failed fetch.
std::string FetchErrorText(FetchStage stage, int number, const std::string& description);

struct GlobalResult {
    bool failed = false;
    std::vector<std::string> addresses; // empty with failed: "検索失敗"
};

// The page turned into the global part of the list: the dotted quads of its body's inner HTML
// (an empty inner HTML fails, without a box).
GlobalResult GlobalFromPage(std::string_view page);

std::vector<std::string> HeaderLines();
// The whole list after a fetch.
std::vector<std::string> ListLines(const GlobalResult& global,
                                   const std::vector<std::string>& local);

} // namespace pelmin

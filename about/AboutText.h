#pragma once

#include "base/UiLanguage.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// "バージョン情報 - Velquor".
std::string AboutCaption();
inline constexpr const char* kAboutCaptionForm =
    QT_TRANSLATE_NOOP("AboutBox", "バージョン情報 - %1");
// "バージョン 1.32  (Revision : 0083)": the same version text as the window caption's.
std::string AboutVersionText(int major, int minor, int revision);
inline constexpr const char* kAboutVersionForm = QT_TRANSLATE_NOOP("AboutBox", "バージョン %1");
// "1.32  (Revision : 0083)".
std::string VersionNumberText(int major, int minor, int revision);

// The description box's two lines; the first begins with an ideographic space.
inline constexpr std::array<std::string_view, 2> kAboutDescription = {
    QT_TRANSLATE_NOOP("AboutBox",
                      "　このソフトは、ネットワーク通信量の他、メモリー残量・ページファイル残量・"
                      "CPU使用率・ユーザーリソース残量計測を行い、その結果を履歴グラフ形式で表示"
                      "を行うものです｡"),
    QT_TRANSLATE_NOOP(
        "AboutBox",
        "  なお､バグなどがありましたら､ホームページのサポートコーナーへご連絡ください｡")};

inline constexpr const char* kMailSubject =
    QT_TRANSLATE_NOOP("AboutBox", "Velquorについての報告および質問");
inline constexpr std::string_view kNoSystemInfo =
    QT_TRANSLATE_NOOP("AboutBox", "現時点ではｼｽﾃﾑ情報を使用できません");

// Every byte outside the unreserved characters of a URI as %XX (UTF-8 bytes one by one).
std::string PercentEncode(std::string_view text);
// "mailto:<address>?Subject=<the subject, percent-encoded>".
std::string MailLink(std::string_view address);

// A system information viewer of the desktop: its program and arguments.
struct SystemInfoTool {
    std::string program;
    std::vector<std::string> arguments;
    bool operator==(const SystemInfoTool&) const = default;
};

// The viewers tried in order.
const std::vector<SystemInfoTool>& SystemInfoTools();

// The first viewer `find` locates (it answers a program's full path, or nullopt), with that
// path as its program; nullopt when the desktop has none.
std::optional<SystemInfoTool>
FindSystemInfoTool(const std::function<std::optional<std::string>(const std::string&)>& find);

} // namespace trumbel

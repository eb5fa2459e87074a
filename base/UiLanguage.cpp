#include "base/UiLanguage.h"

#include <string_view>

namespace trumbel {

UiLanguage ChooseUiLanguage(const std::vector<std::string>& desktopLanguages,
                            const char* override) {
    const std::string_view forced = override ? override : "";
    if (forced == "ja") {
        return UiLanguage::Japanese;
    }
    if (forced == "en") {
        return UiLanguage::English;
    }
    const std::string_view first = desktopLanguages.empty() ? "" : desktopLanguages.front();
    const bool neutral = first.empty() || first == "C" || first == "POSIX";
    const bool japanese = first == "ja" || first.starts_with("ja-") || first.starts_with("ja_");
    return neutral || japanese ? UiLanguage::Japanese : UiLanguage::English;
}

} // namespace trumbel

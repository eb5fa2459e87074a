#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace trumbel {

// Our texts in the program's language, for the toolkit-free libraries that compose a text
// before anything shows it (message boxes, tooltips, balloons, reasons). They write it where it
// is composed, Japanese as the source: `UiTr("Skin", "対象ファイルは%1です。")`.
// scripts/update-translations tells lupdate that UiTr is `translate`, so the text is collected
// under its context; the Qt side installs the lookup. Without one (tests, headless runs, a
// Japanese desktop) the text comes back as written.
using UiTranslator = std::string (*)(const char* context, const char* text);
void SetUiTranslator(UiTranslator translator);
std::string UiTr(const char* context, const char* text);
// For the tables that keep their marked texts as string_view.
inline std::string UiTr(const char* context, std::string_view text) {
    return UiTr(context, std::string(text).c_str());
}

// `form` with %1 … %9 replaced by `arguments` in one pass, so an argument that holds "%2" (a
// file name, a host's answer) is never replaced again. A number without an argument stays.
std::string UiFormat(std::string_view form, std::initializer_list<std::string_view> arguments);

} // namespace trumbel

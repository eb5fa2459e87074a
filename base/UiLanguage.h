#pragma once

#include <string>
#include <vector>

// Marks a text the user sees where it is written, so lupdate collects it under `scope`; the
// text stays as written and the Qt side translates it where it is shown. The same definition
// as Qt's own, so either header may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace trumbel {

enum class UiLanguage { Japanese, English };

// The language of every text the program shows. `desktopLanguages` are the desktop's UI
// languages, most preferred first ("ja-JP", "en-US"); `override` is TRUMBEL_LANG's value, or
// null when it is unset. Japanese for a Japanese desktop and for the C/POSIX locale (scripts
// and tests see what they always saw), English for every other.
UiLanguage ChooseUiLanguage(const std::vector<std::string>& desktopLanguages, const char* override);

} // namespace trumbel

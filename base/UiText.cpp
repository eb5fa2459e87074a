#include "base/UiText.h"

#include <atomic>

namespace trumbel {

namespace {
std::atomic<UiTranslator> g_translator{nullptr};
} // namespace

void SetUiTranslator(UiTranslator translator) {
    g_translator.store(translator);
}

std::string UiTr(const char* context, const char* text) {
    const UiTranslator translator = g_translator.load(std::memory_order_relaxed);
    return translator ? translator(context, text) : std::string(text);
}

std::string UiFormat(std::string_view form, std::initializer_list<std::string_view> arguments) {
    std::string out;
    out.reserve(form.size());
    for (size_t i = 0; i < form.size(); ++i) {
        const char next = i + 1 < form.size() ? form[i + 1] : '\0';
        const auto number = static_cast<size_t>(next - '0');
        if (form[i] == '%' && next >= '1' && next <= '9' && number <= arguments.size()) {
            out += arguments.begin()[number - 1];
            ++i;
        } else {
            out += form[i];
        }
    }
    return out;
}

} // namespace trumbel

// Fuzz target for the INI reader: decoding (UTF-8 or CP932), parsing, lookups, rewriting and
// the settings conversions. Built into a seeded random-input test here; with clang it also
// links as a libFuzzer target (clang++ -fsanitize=fuzzer,address,undefined).
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "settings/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trumbel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = DecodeFileText(bytes);
    if (!IsValidUtf8(text)) {
        std::abort();
    }
    IniDocument doc = IniDocument::Parse(text);
    for (const char* section : {"基本設定", "Skin設定", "s", "", "["}) {
        for (const char* key : {"デスクトップ吸着", "コンテナ0の設定", "k", "", "="}) {
            if (const auto v = doc.Get(section, key)) {
                if (v->find('\0') != std::string::npos) {
                    std::abort();
                }
                ProfileIntValue(*v);
                ParseFloat(*v);
                ParseInt16(*v);
                PadList(SplitList(*v, ','), 13);
            }
        }
    }
    doc.Set("s", "k", text.substr(0, 64));
    const IniDocument again = IniDocument::Parse(doc.Serialize());
    if (again.Get("s", "k") != doc.Get("s", "k")) {
        std::abort();
    }
    return 0;
}

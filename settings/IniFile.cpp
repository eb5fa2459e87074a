#include "IniFile.h"

#include "base/AtomicFile.h"
#include "base/TextEncoding.h"

#include <cstdio>
#include <limits>
#include <utility>

namespace trumbel {

std::string_view TrimBlanks(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

namespace {

// Cuts at the first NUL and after kIniValueLimit code points (never inside a character). Blanks
// the cut leaves at the end go too: the file could not keep them, so a value written back would
// read differently.
std::string LimitValue(std::string_view v) {
    if (const auto nul = v.find('\0'); nul != std::string_view::npos) {
        v = v.substr(0, nul);
    }
    std::size_t chars = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if ((static_cast<unsigned char>(v[i]) & 0xC0u) != 0x80u) {
            if (chars == kIniValueLimit) {
                v = v.substr(0, i);
                break;
            }
            ++chars;
        }
    }
    return std::string(TrimBlanks(v));
}

// A line break inside a value would start a new line of the file.
std::string OneLine(std::string_view v) {
    std::string out(v);
    for (char& c : out) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return out;
}

} // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    doc.sections_.push_back(Section{{}, false, {}});
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view raw = text.substr(pos, end - pos);
        pos = end + 1;
        const std::string_view line = TrimBlanks(raw);
        if (!line.empty() && line.front() == '[') {
            if (const auto close = line.rfind(']'); close != std::string_view::npos) {
                doc.sections_.push_back(
                    Section{std::string(TrimBlanks(line.substr(1, close - 1))), true, {}});
                continue;
            }
        }
        Line entry;
        const auto eq = line.find('=');
        if (!line.empty() && line.front() != ';' && eq != std::string_view::npos) {
            entry.isKey = true;
            entry.text = std::string(TrimBlanks(line.substr(0, eq)));
            entry.value = std::string(TrimBlanks(line.substr(eq + 1)));
        } else {
            entry.text = std::string(TrimBlanks(raw));
        }
        doc.sections_.back().lines.push_back(std::move(entry));
    }
    return doc;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    const std::string_view wanted = TrimBlanks(name);
    for (const Section& s : sections_) {
        if (s.hasHeader && EqualsNoCase(s.name, wanted)) {
            return &s;
        }
    }
    return nullptr;
}

IniDocument::Section* IniDocument::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

bool IniDocument::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) {
        return std::nullopt;
    }
    const std::string_view wanted = TrimBlanks(key);
    for (const Line& l : s->lines) {
        if (l.isKey && EqualsNoCase(l.text, wanted)) {
            return LimitValue(l.value);
        }
    }
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string k(TrimBlanks(OneLine(key)));
    const std::string v(TrimBlanks(OneLine(value)));
    Section* s = FindSection(section);
    if (!s) {
        sections_.push_back(Section{std::string(TrimBlanks(OneLine(section))), true, {}});
        s = &sections_.back();
    }
    std::size_t lastKey = 0;
    bool anyKey = false;
    for (std::size_t i = 0; i < s->lines.size(); ++i) {
        Line& l = s->lines[i];
        if (!l.isKey) {
            continue;
        }
        if (EqualsNoCase(l.text, k)) {
            l.value = v;
            return;
        }
        lastKey = i;
        anyKey = true;
    }
    const auto at =
        anyKey ? s->lines.begin() + static_cast<std::ptrdiff_t>(lastKey + 1) : s->lines.begin();
    s->lines.insert(at, Line{k, v, true});
}

std::string IniDocument::Serialize() const {
    std::string out;
    bool first = true;
    for (const Section& s : sections_) {
        if (!s.hasHeader && s.lines.empty()) {
            continue;
        }
        if (s.hasHeader) {
            if (!first && !out.ends_with("\n\n")) {
                out += '\n';
            }
            out += '[';
            out += s.name;
            out += "]\n";
        }
        first = false;
        for (const Line& l : s.lines) {
            if (l.isKey) {
                out += l.text;
                out += '=';
                out += l.value;
            } else {
                out += l.text;
            }
            out += '\n';
        }
    }
    return out;
}

std::int64_t ProfileIntValue(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        const int digit = c - '0';
        value = value > (kLimit - digit) / 10 ? kLimit : value * 10 + digit;
    }
    return negative ? -value : value;
}

std::optional<std::string> ReadRawFile(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[16384];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        bytes.append(buffer, n);
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> ReadTextFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadRawFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return DecodeFileText(*bytes);
}

std::optional<IniDocument> LoadIniFile(const std::string& path) {
    auto text = ReadTextFile(path);
    if (!text) {
        return std::nullopt;
    }
    return IniDocument::Parse(*text);
}

std::string IniReadString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, const std::string& path) {
    if (const auto doc = LoadIniFile(path)) {
        if (auto v = doc->Get(section, key)) {
            return *v;
        }
    }
    return std::string(defaultValue);
}

std::int32_t IniReadInt(std::string_view section, std::string_view key, std::int32_t defaultValue,
                        const std::string& path) {
    if (const auto doc = LoadIniFile(path)) {
        if (auto v = doc->Get(section, key)) {
            // Like the Windows function, the result is the low 32 bits.
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(ProfileIntValue(*v)));
        }
    }
    return defaultValue;
}

bool IniReadBool(std::string_view section, std::string_view key, bool defaultValue,
                 const std::string& path) {
    return IniReadInt(section, key, defaultValue ? 1 : 0, path) != 0;
}

bool IniWriteString(std::string_view section, std::string_view key, std::string_view value,
                    const std::string& path) {
    IniDocument doc;
    if (auto existing = LoadIniFile(path)) {
        doc = std::move(*existing);
    } else if (FileExists(path)) {
        return false; // rewriting a file that cannot be read would drop every other key
    }
    doc.Set(section, key, value);
    return WriteFileAtomically(path, doc.Serialize()).ok;
}

bool IniWriteBool(std::string_view section, std::string_view key, bool value,
                  const std::string& path) {
    return IniWriteString(section, key, value ? "1" : "0", path);
}

} // namespace trumbel

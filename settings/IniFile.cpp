#include "settings/IniFile.h"

#include "base/AtomicFile.h"
#include "base/TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
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
std::string_view LimitValue(std::string_view v) {
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
    return TrimBlanks(v);
}

// A line break inside a name or value would start a new line of the file: it becomes a blank,
// and blanks at the ends go. storage holds the text only when a break had to be replaced.
std::string_view OneLineTrimmed(std::string_view v, std::string& storage) {
    if (std::none_of(v.begin(), v.end(), [](char c) { return c == '\r' || c == '\n'; })) {
        return TrimBlanks(v);
    }
    storage.assign(v);
    for (char& c : storage) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return TrimBlanks(storage);
}

// Eight bytes at a time. Setting bit 5 of every byte makes the two cases of an ASCII letter
// hash alike, as EqualsNoCase has them equal; the other pairs it joins only cost a compare.
std::uint32_t NoCaseHash(std::string_view name) {
    constexpr std::uint64_t kFold = 0x2020202020202020u;
    constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15u;
    std::uint64_t h = (name.size() + 1) * kMix;
    for (std::size_t i = 0; i < name.size(); i += 8) {
        std::uint64_t w = 0;
        std::memcpy(&w, name.data() + i, std::min<std::size_t>(8, name.size() - i));
        h = (h ^ (w | kFold)) * kMix;
        h ^= h >> 29;
    }
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

} // namespace

template <typename NameOf>
std::optional<std::uint32_t> IniDocument::NameIndex::Find(std::string_view name,
                                                          const NameOf& nameOf) const {
    return FindHashed(name, NoCaseHash(name), nameOf);
}

template <typename NameOf>
std::optional<std::uint32_t> IniDocument::NameIndex::FindHashed(std::string_view name,
                                                                std::uint32_t hash,
                                                                const NameOf& nameOf) const {
    if (slots_.empty()) {
        return std::nullopt;
    }
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.id == kEmpty) {
            return std::nullopt;
        }
        if (slot.hash == hash && EqualsNoCase(nameOf(slot.id), name)) {
            return slot.id;
        }
    }
}

template <typename NameOf>
void IniDocument::NameIndex::Add(std::string_view name, std::uint32_t id, const NameOf& nameOf) {
    const std::uint32_t hash = NoCaseHash(name);
    if (!FindHashed(name, hash, nameOf)) { // the first of a name is the one lookups find
        Insert(hash, id);
    }
}

void IniDocument::NameIndex::AddNew(std::string_view name, std::uint32_t id) {
    Insert(NoCaseHash(name), id);
}

void IniDocument::NameIndex::Insert(std::uint32_t hash, std::uint32_t id) {
    if ((used_ + 1) * 2 > slots_.size()) {
        Grow();
    }
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (slots_[i].id != kEmpty) {
        i = (i + 1) & mask;
    }
    slots_[i] = Slot{hash, id};
    ++used_;
}

void IniDocument::NameIndex::Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.id == kEmpty) {
            continue;
        }
        std::size_t i = slot.hash & mask;
        while (slots_[i].id != kEmpty) {
            i = (i + 1) & mask;
        }
        slots_[i] = slot;
    }
}

std::optional<std::size_t> IniDocument::Section::FindKey(std::string_view key) const {
    return keys.Find(key, [this](std::uint32_t id) -> std::string_view { return lines[id].text; });
}

void IniDocument::Section::AddKey(Line line, std::size_t at, KeyIs key) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    const auto id = static_cast<std::uint32_t>(at);
    if (key == KeyIs::New) {
        keys.AddNew(lines[at].text, id);
    } else {
        keys.Add(lines[at].text, id,
                 [this](std::uint32_t i) -> std::string_view { return lines[i].text; });
    }
    lastKey = at;
}

IniDocument::Section& IniDocument::AddSection(std::string name) {
    sections_.push_back(Section{std::move(name), true, {}, {}, {}});
    const auto id = static_cast<std::uint32_t>(sections_.size() - 1);
    sectionIndex_.Add(sections_.back().name, id,
                      [this](std::uint32_t i) -> std::string_view { return sections_[i].name; });
    return sections_.back();
}

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    doc.sections_.push_back(Section{{}, false, {}, {}, {}});
    std::string storage;
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
                doc.AddSection(std::string(OneLineTrimmed(line.substr(1, close - 1), storage)));
                continue;
            }
        }
        Section& section = doc.sections_.back();
        const auto eq = line.find('=');
        if (!line.empty() && line.front() != ';' && eq != std::string_view::npos) {
            // A lone carriage return inside a line reads as the blank a write would store, so
            // a value read back from what the program wrote is the value it read.
            std::string key(OneLineTrimmed(line.substr(0, eq), storage));
            std::string value(OneLineTrimmed(line.substr(eq + 1), storage));
            section.AddKey(Line{std::move(key), std::move(value), true}, section.lines.size(),
                           Section::KeyIs::MaybeSeen);
        } else {
            section.lines.push_back(Line{std::string(TrimBlanks(raw)), {}, false});
        }
    }
    return doc;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    const auto id =
        sectionIndex_.Find(TrimBlanks(name), [this](std::uint32_t i) -> std::string_view {
            return sections_[i].name;
        });
    return id ? &sections_[*id] : nullptr;
}

IniDocument::Section* IniDocument::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

bool IniDocument::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) {
        return std::nullopt;
    }
    if (const auto at = s->FindKey(TrimBlanks(key))) {
        return LimitValue(s->lines[*at].value);
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    if (const auto v = Find(section, key)) {
        return std::string(*v);
    }
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string keyStorage;
    std::string valueStorage;
    const std::string_view k = OneLineTrimmed(key, keyStorage);
    const std::string_view v = OneLineTrimmed(value, valueStorage);
    Section* s = FindSection(section);
    if (!s) {
        std::string nameStorage;
        s = &AddSection(std::string(OneLineTrimmed(section, nameStorage)));
    }
    if (const auto at = s->FindKey(k)) {
        s->lines[*at].value.assign(v);
        return;
    }
    s->AddKey(Line{std::string(k), std::string(v), true}, s->lastKey ? *s->lastKey + 1 : 0,
              Section::KeyIs::New);
}

std::string IniDocument::Serialize() const {
    std::size_t size = 0;
    for (const Section& s : sections_) {
        size += s.name.size() + 4;
        for (const Line& l : s.lines) {
            size += l.text.size() + l.value.size() + 2;
        }
    }
    std::string out;
    out.reserve(size);
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
            out += l.text;
            if (l.isKey) {
                out += '=';
                out += l.value;
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

#include "remote/Exposition.h"

#include <array>
#include <charconv>

namespace trumbel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsNameStart(char c, bool colonAllowed) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
           (colonAllowed && c == ':');
}

bool IsNameChar(char c, bool colonAllowed) {
    return IsNameStart(c, colonAllowed) || (c >= '0' && c <= '9');
}

void SkipBlanks(std::string_view& s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) {
        ++i;
    }
    s.remove_prefix(i);
}

// A metric name (colons allowed) or a label name at the start of s; empty when there is none.
std::string_view TakeName(std::string_view& s, bool colonAllowed) {
    if (s.empty() || !IsNameStart(s[0], colonAllowed)) {
        return {};
    }
    std::size_t i = 1;
    while (i < s.size() && IsNameChar(s[i], colonAllowed)) {
        ++i;
    }
    const std::string_view name = s.substr(0, i);
    s.remove_prefix(i);
    return name;
}

std::string_view TakeToken(std::string_view& s) {
    std::size_t i = 0;
    while (i < s.size() && !IsBlank(s[i])) {
        ++i;
    }
    const std::string_view token = s.substr(0, i);
    s.remove_prefix(i);
    return token;
}

// The next name="value" pair of a label block, s just after "{" or a ","; closed is set when the
// block ends instead (a trailing comma is allowed). False when the block breaks the format.
bool NextLabel(std::string_view& s, std::string_view& name, std::string_view& raw, bool& closed) {
    SkipBlanks(s);
    closed = !s.empty() && s[0] == '}';
    if (closed) {
        s.remove_prefix(1);
        return true;
    }
    name = TakeName(s, false);
    if (name.empty()) {
        return false;
    }
    SkipBlanks(s);
    if (s.empty() || s[0] != '=') {
        return false;
    }
    s.remove_prefix(1);
    SkipBlanks(s);
    if (s.empty() || s[0] != '"') {
        return false;
    }
    std::size_t i = 1;
    for (; i < s.size() && s[i] != '"'; ++i) {
        if (s[i] == '\\') {
            if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"' && s[i + 1] != 'n')) {
                return false;
            }
            ++i;
        }
    }
    if (i >= s.size()) {
        return false; // unclosed
    }
    raw = s.substr(1, i - 1);
    s.remove_prefix(i + 1);
    SkipBlanks(s);
    if (!s.empty() && s[0] == ',') {
        s.remove_prefix(1);
        return true;
    }
    // The next call closes; a sample's stored labels end here without their brace.
    return s.empty() || s[0] == '}';
}

// A sample value as Go's ParseFloat reads it for this format: decimal with an optional
// exponent, NaN, Inf and Infinity in any case, with a sign.
bool ParseValue(std::string_view token, double& value) {
    if (token.empty()) {
        return false;
    }
    const bool plus = token[0] == '+';
    if (plus) {
        token.remove_prefix(1);
        if (token.empty() || token[0] == '-' || token[0] == '+') {
            return false;
        }
    }
    const char* end = token.data() + token.size();
    const auto r = std::from_chars(token.data(), end, value, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != end) {
        return false;
    }
    // from_chars also takes "nan(...)", which the format does not.
    return token.find('(') == std::string_view::npos;
}

bool ParseTimestamp(std::string_view token, std::int64_t& ms) {
    if (!token.empty() && token[0] == '+') {
        token.remove_prefix(1);
        if (token.empty() || token[0] == '-') {
            return false;
        }
    }
    const char* end = token.data() + token.size();
    const auto r = std::from_chars(token.data(), end, ms);
    return r.ec == std::errc() && r.ptr == end && !token.empty();
}

std::optional<MetricType> TypeNamed(std::string_view word) {
    static constexpr std::array<std::pair<std::string_view, MetricType>, 5> kTypes{{
        {"counter", MetricType::Counter},
        {"gauge", MetricType::Gauge},
        {"histogram", MetricType::Histogram},
        {"summary", MetricType::Summary},
        {"untyped", MetricType::Untyped},
    }};
    for (const auto& [text, type] : kTypes) {
        if (word == text) {
            return type;
        }
    }
    return std::nullopt;
}

bool HelpEscapesValid(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            if (i + 1 >= text.size() || (text[i + 1] != '\\' && text[i + 1] != 'n')) {
                return false;
            }
            ++i;
        }
    }
    return true;
}

} // namespace

bool UnescapeLabelValue(std::string_view raw, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (c == '\\') {
            if (i + 1 >= raw.size()) {
                return false;
            }
            c = raw[++i];
            if (c == 'n') {
                c = '\n';
            } else if (c != '\\' && c != '"') {
                return false;
            }
        }
        out += c;
    }
    return true;
}

std::optional<std::string_view> ExpositionSample::RawLabel(std::string_view label) const {
    std::string_view cursor = labels;
    std::string_view name;
    std::string_view raw;
    bool closed = false;
    // labels was checked when the line was read, without its closing brace.
    while (!cursor.empty() && NextLabel(cursor, name, raw, closed) && !closed) {
        if (name == label) {
            return raw;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> ExpositionSample::Label(std::string_view label,
                                                        std::string& scratch) const {
    const std::optional<std::string_view> raw = RawLabel(label);
    if (!raw || raw->find('\\') == std::string_view::npos) {
        return raw;
    }
    UnescapeLabelValue(*raw, scratch);
    return std::string_view(scratch);
}

bool ExpositionReader::ReadComment(std::string_view line) {
    SkipBlanks(line);
    const std::string_view keyword = TakeToken(line);
    if (keyword != "HELP" && keyword != "TYPE") {
        return true; // a plain comment
    }
    SkipBlanks(line);
    std::string_view rest = line;
    const std::string_view name = TakeName(rest, true);
    if (name.empty() || (!rest.empty() && !IsBlank(rest[0]))) {
        return false;
    }
    SkipBlanks(rest);
    if (keyword == "HELP") {
        return HelpEscapesValid(rest);
    }
    const std::optional<MetricType> type = TypeNamed(TakeToken(rest));
    SkipBlanks(rest);
    if (!type || !rest.empty()) {
        return false;
    }
    typedFamily_ = name;
    familyType_ = *type;
    return true;
}

bool ExpositionReader::Next(ExpositionSample& sample) {
    while (!rest_.empty()) {
        const std::size_t newline = rest_.find('\n');
        std::string_view line = rest_.substr(0, newline);
        rest_.remove_prefix(newline == std::string_view::npos ? rest_.size() : newline + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        SkipBlanks(line);
        while (!line.empty() && IsBlank(line.back())) {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        if (line[0] == '#') {
            if (!ReadComment(line.substr(1))) {
                ++malformed_;
            }
            continue;
        }

        ExpositionSample s;
        s.name = TakeName(line, true);
        bool ok = !s.name.empty();
        SkipBlanks(line);
        if (ok && !line.empty() && line[0] == '{') {
            line.remove_prefix(1);
            const std::string_view block = line;
            std::array<std::string_view, kMaxLabels> seen;
            int count = 0;
            bool closed = false;
            std::string_view name;
            std::string_view raw;
            while (ok && !closed) {
                ok = NextLabel(line, name, raw, closed);
                if (ok && !closed) {
                    for (int i = 0; i < count && ok; ++i) {
                        ok = seen[static_cast<std::size_t>(i)] != name;
                    }
                    ok = ok && count < kMaxLabels;
                    if (ok) {
                        seen[static_cast<std::size_t>(count++)] = name;
                    }
                }
            }
            // Without the closing brace, which the line goes on after.
            s.labels = block.substr(0, block.size() - line.size() - (ok ? 1 : 0));
            SkipBlanks(line);
        } else if (ok && line.data() == s.name.data() + s.name.size()) {
            ok = false; // nothing after the name
        }
        ok = ok && ParseValue(TakeToken(line), s.value);
        SkipBlanks(line);
        if (ok && !line.empty()) {
            std::int64_t ms = 0;
            ok = ParseTimestamp(TakeToken(line), ms);
            s.timestampMs = ms;
            SkipBlanks(line);
            ok = ok && line.empty();
        }
        if (!ok) {
            ++malformed_;
            continue;
        }
        if (!typedFamily_.empty() && s.name.starts_with(typedFamily_)) {
            const std::string_view suffix = s.name.substr(typedFamily_.size());
            const bool aggregate =
                familyType_ == MetricType::Histogram || familyType_ == MetricType::Summary;
            if (suffix.empty() ||
                (aggregate && (suffix == "_bucket" || suffix == "_sum" || suffix == "_count"))) {
                s.type = familyType_;
            }
        }
        sample = s;
        return true;
    }
    return false;
}

} // namespace trumbel

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// An INI document with the semantics of the Windows profile-string functions: section and key
// names compare case-insensitively (ASCII letters), blanks around names and values are trimmed,
// the first matching section and the first matching key in it win, a value is cut at its first
// NUL and at kIniValueLimit characters. Writing a key replaces the first match in place or
// appends it to its section, and a new section to the end, so keys land in call order.
// Lines that are neither sections nor keys (comments, blank lines) are kept as they are.
class IniDocument {
public:
    static IniDocument Parse(std::string_view utf8Text);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // The same value without a copy; valid until the document changes.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    bool HasSection(std::string_view section) const;

    // UTF-8, "\n" line ends, a blank line between sections.
    std::string Serialize() const;

private:
    // Ids (positions) by name, compared case-insensitively, the first id of a name kept. The
    // names stay with the owner, which hands them in as nameOf(id): the index holds no pointer
    // into the document, so it moves and copies with it.
    class NameIndex {
    public:
        template <typename NameOf>
        std::optional<std::uint32_t> Find(std::string_view name, const NameOf& nameOf) const;
        template <typename NameOf>
        void Add(std::string_view name, std::uint32_t id, const NameOf& nameOf);
        // For a name the index does not hold yet.
        void AddNew(std::string_view name, std::uint32_t id);

    private:
        template <typename NameOf>
        std::optional<std::uint32_t> FindHashed(std::string_view name, std::uint32_t hash,
                                                const NameOf& nameOf) const;
        void Insert(std::uint32_t hash, std::uint32_t id);
        struct Slot {
            std::uint32_t hash = 0;
            std::uint32_t id = kEmpty;
        };
        static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
        void Grow();
        std::vector<Slot> slots_;
        std::size_t used_ = 0;
    };
    struct Line {
        std::string text; // the raw line, or the key for key lines
        std::string value;
        bool isKey = false;
    };
    struct Section {
        std::string name;
        bool hasHeader = true; // false for lines before the first section
        std::vector<Line> lines;
        NameIndex keys;
        // New keys go after the last one, so no indexed line ever moves.
        std::optional<std::size_t> lastKey;
        enum class KeyIs { MaybeSeen, New };
        void AddKey(Line line, std::size_t at, KeyIs key);
        std::optional<std::size_t> FindKey(std::string_view key) const;
    };
    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);
    Section& AddSection(std::string name);

    std::vector<Section> sections_;
    NameIndex sectionIndex_;
};

// A value read through the Windows functions comes from a buffer of 1024 characters that also
// holds the terminating NUL.
inline constexpr std::size_t kIniValueLimit = 1023;

// GetPrivateProfileIntA's conversion: blanks, an optional sign, then the leading decimal digits;
// text without digits is 0. Saturates instead of wrapping so callers can see an overflow.
std::int64_t ProfileIntValue(std::string_view text);

// The file's bytes as they are; nullopt when it cannot be opened or read.
std::optional<std::string> ReadRawFile(const std::string& path);
// Reads a file as text (UTF-8, or CP932 when not valid UTF-8). nullopt when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);
// nullopt when the file does not exist or cannot be read.
std::optional<IniDocument> LoadIniFile(const std::string& path);

// One-shot accessors on a file, each reading it anew like the Windows functions.
std::string IniReadString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, const std::string& path);
std::int32_t IniReadInt(std::string_view section, std::string_view key, std::int32_t defaultValue,
                        const std::string& path);
bool IniReadBool(std::string_view section, std::string_view key, bool defaultValue,
                 const std::string& path);
// Rewrites the file crash-safe; false when it could not be written, or when it exists but
// cannot be read (it is then left as it is).
bool IniWriteString(std::string_view section, std::string_view key, std::string_view value,
                    const std::string& path);
bool IniWriteBool(std::string_view section, std::string_view key, bool value,
                  const std::string& path);

std::string_view TrimBlanks(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace trumbel

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// The language's wildcard comparison: "*" any run, "?" one character, "#" one digit,
// "[abc]", "[a-z]" and "[!abc]" one character of (or not of) a list. Case-sensitive;
// characters are UTF-8 code points.
bool WildcardMatch(std::string_view text, std::string_view pattern);

// The search-progress window, shown when a search runs long.
class SearchProgressView {
public:
    virtual ~SearchProgressView() = default;
    virtual void SetCurrentDir(const std::string& firstCharacters) = 0;
};

struct SearchProgress {
    // Opens the window (loaded, shown modeless and topmost); closing is destroying it.
    std::function<std::unique_ptr<SearchProgressView>()> open;
    std::function<std::int64_t()> nowMs;
    std::int64_t delayMs = 300;
};

inline constexpr int kFolderNotFound = -1;
inline constexpr std::size_t kProgressDirChars = 60;

// Every file under `folder` (an existing absolute directory) whose name matches `pattern`,
// depth first in the file system's order; returns their number, or -1 when the folder is not
// an existing absolute directory. Folders reached twice through links are searched once.
int FindFiles(const std::string& folder, const std::string& pattern,
              std::vector<std::string>& results, const SearchProgress& progress = {});

// The first n UTF-8 characters of s.
std::string FirstCharacters(std::string_view s, std::size_t n);

} // namespace trumbel

#include "skin/FindFiles.h"

#include "base/FolderListing.h"

#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace trumbel {

namespace {

// Decodes one UTF-8 code point at s[i] (a stray byte stands for itself).
std::uint32_t NextChar(std::string_view s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i++]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    std::uint32_t cp = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
    while (extra-- > 0 && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) {
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return cp;
}

std::vector<std::uint32_t> Chars(std::string_view s) {
    std::vector<std::uint32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        out.push_back(NextChar(s, i));
    }
    return out;
}

bool Match(const std::vector<std::uint32_t>& t, std::size_t ti, const std::vector<std::uint32_t>& p,
           std::size_t pi) {
    // Iterative with one backtrack point for "*", so long names cannot blow up.
    std::size_t starP = std::string::npos;
    std::size_t starT = 0;
    while (ti < t.size()) {
        bool step = false;
        if (pi < p.size()) {
            const std::uint32_t pc = p[pi];
            if (pc == '*') {
                starP = pi++;
                starT = ti;
                continue;
            }
            if (pc == '[') {
                std::size_t k = pi + 1;
                bool negate = false;
                if (k < p.size() && p[k] == '!') {
                    negate = true;
                    ++k;
                }
                bool found = false;
                bool closed = false;
                while (k < p.size()) {
                    if (p[k] == ']') {
                        closed = true;
                        break;
                    }
                    if (k + 2 < p.size() && p[k + 1] == '-' && p[k + 2] != ']') {
                        found = found || (t[ti] >= p[k] && t[ti] <= p[k + 2]);
                        k += 3;
                    } else {
                        found = found || t[ti] == p[k];
                        ++k;
                    }
                }
                if (closed && found != negate) {
                    pi = k + 1;
                    ++ti;
                    step = true;
                } else if (!closed) {
                    return false; // an unclosed list matches nothing
                }
            } else if (pc == '?' || (pc == '#' && t[ti] >= '0' && t[ti] <= '9') ||
                       (pc != '#' && pc == t[ti])) {
                ++pi;
                ++ti;
                step = true;
            }
        }
        if (!step) {
            if (starP == std::string::npos) {
                return false;
            }
            pi = starP + 1;
            ti = ++starT;
        }
    }
    while (pi < p.size() && p[pi] == '*') {
        ++pi;
    }
    return pi == p.size();
}

struct Search {
    const std::string& pattern;
    std::vector<std::string>& results;
    const SearchProgress& progress;
    std::int64_t start = 0;
    std::unique_ptr<SearchProgressView> window;
    std::set<std::pair<dev_t, ino_t>> visited;

    void EnterFolder(const std::string& folder) {
        if (!window && progress.open && progress.nowMs &&
            progress.nowMs() - start > progress.delayMs) {
            window = progress.open();
        }
        if (window) {
            window->SetCurrentDir(FirstCharacters(folder, kProgressDirChars));
        }
    }

    void Walk(const std::string& folder) {
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0 || !visited.insert({st.st_dev, st.st_ino}).second) {
            return;
        }
        EnterFolder(folder);
        // By name, as a file manager shows the folder, so the skin lists never follow the
        // disk's hash order.
        std::vector<std::pair<std::string, bool>> entries; // name, is a folder
        std::error_code ec;
        std::filesystem::directory_iterator it(folder, ec);
        for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
            std::error_code typeEc;
            entries.emplace_back(it->path().filename().string(), it->is_directory(typeEc));
        }
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return FileManagerLess(a.first, b.first); });
        for (const auto& [name, isFolder] : entries) {
            if (isFolder) {
                Walk(folder + name + "/");
            } else if (WildcardMatch(name, pattern)) {
                results.push_back(folder + name);
            }
        }
    }
};

} // namespace

bool WildcardMatch(std::string_view text, std::string_view pattern) {
    return Match(Chars(text), 0, Chars(pattern), 0);
}

std::string FirstCharacters(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t count = 0; i < s.size() && count < n; ++count) {
        NextChar(s, i);
    }
    return std::string(s.substr(0, i));
}

int FindFiles(const std::string& folder, const std::string& pattern,
              std::vector<std::string>& results, const SearchProgress& progress) {
    results.clear();
    std::error_code ec;
    if (folder.empty() || folder[0] != '/' || !std::filesystem::is_directory(folder, ec)) {
        return kFolderNotFound;
    }
    Search search{pattern, results, progress, progress.nowMs ? progress.nowMs() : 0, {}, {}};
    search.Walk(folder.back() == '/' ? folder : folder + "/");
    return static_cast<int>(results.size());
}

} // namespace trumbel

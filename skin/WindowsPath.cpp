#include "skin/WindowsPath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace trumbel {

namespace {

namespace fs = std::filesystem;

char32_t FoldCodePoint(char32_t c) {
    const auto in = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    if (in(U'A', U'Z') || (in(0xC0, 0xDE) && c != 0xD7) || (in(0x391, 0x3A9) && c != 0x3A2) ||
        in(0x410, 0x42F) || in(0xFF21, 0xFF3A)) {
        return c + 0x20;
    }
    if (in(0x400, 0x40F)) {
        return c + 0x50;
    }
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsRegularFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

bool IsDirectory(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

// The entries of `dir` that `name` may stand for: the exact name first, then every other
// spelling of it in name order, so that the same folder always gives the same answer.
std::vector<std::string> Spellings(const fs::path& dir, const std::string& name) {
    std::vector<std::string> found;
    std::error_code ec;
    if (fs::exists(dir / name, ec)) {
        found.push_back(name);
    }
    const std::string folded = FoldNameCase(name);
    std::vector<std::string> others;
    fs::directory_iterator it(dir, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (entry != name && FoldNameCase(entry) == folded) {
            others.push_back(std::move(entry));
        }
    }
    std::sort(others.begin(), others.end());
    found.insert(found.end(), others.begin(), others.end());
    return found;
}

// Depth first: a folder spelled one way may lack what another spelling of it holds.
std::string Search(const fs::path& dir, const std::vector<std::string>& parts, std::size_t i) {
    const bool last = i + 1 == parts.size();
    for (const std::string& spelling : Spellings(dir, parts[i])) {
        const fs::path next = dir / spelling;
        if (last) {
            if (IsRegularFile(next)) {
                return next.lexically_normal().string();
            }
        } else if (IsDirectory(next)) {
            std::string found = Search(next, parts, i + 1);
            if (!found.empty()) {
                return found;
            }
        }
    }
    return {};
}

} // namespace

std::string FoldNameCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const auto continuation = [&](std::size_t i) {
        return i < utf8.size() && (byte(i) & 0xC0) == 0x80;
    };
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char b = byte(i);
        char32_t c = 0;
        std::size_t length = 1;
        if (b < 0x80) {
            c = b;
        } else if (b >= 0xC2 && b <= 0xDF && continuation(i + 1)) {
            c = (static_cast<char32_t>(b & 0x1F) << 6) | (byte(i + 1) & 0x3F);
            length = 2;
        } else if ((b & 0xF0) == 0xE0 && continuation(i + 1) && continuation(i + 2)) {
            c = (static_cast<char32_t>(b & 0x0F) << 12) |
                (static_cast<char32_t>(byte(i + 1) & 0x3F) << 6) | (byte(i + 2) & 0x3F);
            length = 3;
            if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF)) {
                c = 0;
                length = 1;
            }
        }
        if (c == 0 && b != 0) {
            out += static_cast<char>(b); // not UTF-8, or beyond what folding touches
        } else {
            AppendUtf8(out, FoldCodePoint(c));
        }
        i += length;
    }
    return out;
}

std::string FindWindowsPath(const std::string& folder, std::string_view relative) {
    std::vector<std::string> parts;
    int ups = 0; // ".." beyond the start folder
    bool namesFolder = false;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find_first_of("\\/", start);
        if (end == std::string_view::npos) {
            end = relative.size();
        }
        std::string part(relative.substr(start, end - start));
        const bool last = end == relative.size();
        if (last && part != "." && part != "..") {
            part.erase(part.find_last_not_of(". ") + 1);
        }
        if (last) {
            namesFolder = part.empty() || part == "." || part == "..";
        }
        // Windows resolves "." and ".." in the name before it looks at the disk.
        if (part == "..") {
            if (parts.empty()) {
                ++ups;
            } else {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(std::move(part));
        }
        start = end + 1;
    }
    if (parts.empty() || namesFolder) {
        return {};
    }
    fs::path dir = fs::path(folder.empty() ? "." : folder).lexically_normal();
    if (!dir.has_filename() && dir.has_relative_path()) {
        dir = dir.parent_path(); // "a/b/" names the folder b
    }
    for (; ups > 0; --ups) {
        if (dir == "." || dir.filename() == "..") {
            dir /= ".."; // a relative start folder climbs as the name says
        } else if (dir.has_relative_path()) {
            dir = dir.parent_path();
            if (dir.empty()) {
                dir = ".";
            }
        } // the root stays where it is
    }
    return Search(dir, parts, 0);
}

} // namespace trumbel

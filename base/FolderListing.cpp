#include "base/FolderListing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace trumbel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The numeric comparison of two digit runs: longer (without leading zeros) is larger.
int CompareNumbers(std::string_view a, std::string_view b) {
    const auto significant = [](std::string_view s) {
        const std::size_t first = s.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view() : s.substr(first);
    };
    const std::string_view x = significant(a);
    const std::string_view y = significant(b);
    if (x.size() != y.size()) {
        return x.size() < y.size() ? -1 : 1;
    }
    const int order = x.compare(y);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int CompareNatural(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t ie = i;
            std::size_t je = j;
            while (ie < a.size() && IsDigit(a[ie])) {
                ++ie;
            }
            while (je < b.size() && IsDigit(b[je])) {
                ++je;
            }
            if (const int order = CompareNumbers(a.substr(i, ie - i), b.substr(j, je - j))) {
                return order;
            }
            i = ie;
            j = je;
            continue;
        }
        const auto x = static_cast<unsigned char>(Folded(a[i]));
        const auto y = static_cast<unsigned char>(Folded(b[j]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) {
        return i < a.size() ? 1 : -1;
    }
    return 0;
}

std::size_t ExtensionDot(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == 0 ? std::string_view::npos : dot;
}

} // namespace

bool FileManagerLess(std::string_view a, std::string_view b) {
    const int order = CompareNatural(a, b);
    return order != 0 ? order < 0 : a < b;
}

std::vector<std::string> ListFilesByName(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError)) {
            names.push_back(it->path().filename().string());
        }
    }
    std::sort(names.begin(), names.end(), FileManagerLess);
    return names;
}

std::string RemoveExtension(std::string_view name) {
    const std::size_t dot = ExtensionDot(name);
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string GetExtension(std::string_view name) {
    const std::size_t dot = ExtensionDot(name);
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

} // namespace trumbel

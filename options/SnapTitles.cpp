#include "options/SnapTitles.h"

#include "base/UiLanguage.h"

#include <utility>

namespace trumbel {

namespace {

constexpr char kPlaceholder[] = "Dammy";

// The element of `entry`, or 0 when the list has no such entry.
std::size_t ElementOf(const std::vector<std::string>& titles, int entry) {
    if (entry < 0 || static_cast<std::size_t>(entry) + 1 >= titles.size()) {
        return 0;
    }
    return static_cast<std::size_t>(entry) + 1;
}

void EnsurePlaceholder(std::vector<std::string>& titles) {
    if (titles.empty()) {
        titles.emplace_back(kPlaceholder);
    }
}

} // namespace

std::string_view SnapTitleRefusal(const std::string& title) {
    if (title.find('|') != std::string::npos) {
        return QT_TRANSLATE_NOOP(
            "SnapTitles", "タイトルに「|」は使えません（設定ファイルで区切りに使われます）。");
    }
    if (title.find_first_of("\r\n") != std::string::npos) {
        return QT_TRANSLATE_NOOP("SnapTitles", "タイトルに改行は使えません。");
    }
    return {};
}

std::vector<std::string> SnapTitleEntries(const std::vector<std::string>& titles) {
    if (titles.size() <= 1) {
        return {};
    }
    return {titles.begin() + 1, titles.end()};
}

std::optional<int> AddSnapTitle(std::vector<std::string>& titles, const std::string& title) {
    if (title.empty() || !SnapTitleRefusal(title).empty()) {
        return std::nullopt;
    }
    EnsurePlaceholder(titles);
    titles.push_back(title);
    return static_cast<int>(titles.size()) - 2;
}

std::optional<int> EditSnapTitle(std::vector<std::string>& titles, int entry,
                                 const std::string& title) {
    const std::size_t element = ElementOf(titles, entry);
    if (element == 0 || title.empty() || !SnapTitleRefusal(title).empty()) {
        return std::nullopt;
    }
    titles[element] = title;
    return entry;
}

std::optional<int> RemoveSnapTitle(std::vector<std::string>& titles, int entry) {
    const std::size_t element = ElementOf(titles, entry);
    if (element == 0) {
        return std::nullopt;
    }
    titles.erase(titles.begin() + static_cast<std::ptrdiff_t>(element));
    const int left = static_cast<int>(titles.size()) - 1;
    if (left == 0) {
        return std::nullopt;
    }
    return entry < left ? entry : left - 1;
}

std::optional<int> MoveSnapTitle(std::vector<std::string>& titles, int entry, MoveDirection to) {
    const std::size_t element = ElementOf(titles, entry);
    if (element == 0) {
        return std::nullopt;
    }
    const std::size_t other = to == MoveDirection::Up ? element - 1 : element + 1;
    if (other == 0 || other >= titles.size()) {
        return entry; // already at that end
    }
    std::swap(titles[element], titles[other]);
    return static_cast<int>(other) - 1;
}

} // namespace trumbel

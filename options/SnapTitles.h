#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// The title list of the position page edits snapTitles, whose first element is a placeholder
// the list never shows: list entry i is element i + 1. Each edit returns the entry to select
// afterwards (nullopt: none), and leaves the list unchanged where the edit does not apply.
// Why the list cannot keep `title` ("" when it can), in Japanese for the "SnapTitles" lookup:
// the stored list joins its elements with "|", and keeps one line per title.
std::string_view SnapTitleRefusal(const std::string& title);
std::vector<std::string> SnapTitleEntries(const std::vector<std::string>& titles);
std::optional<int> AddSnapTitle(std::vector<std::string>& titles, const std::string& title);
std::optional<int> EditSnapTitle(std::vector<std::string>& titles, int entry,
                                 const std::string& title);
std::optional<int> RemoveSnapTitle(std::vector<std::string>& titles, int entry);
enum class MoveDirection { Up, Down };
std::optional<int> MoveSnapTitle(std::vector<std::string>& titles, int entry, MoveDirection to);

} // namespace trumbel

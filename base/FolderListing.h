#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// Orders names as a file manager lists them: letters without regard to case, a run of digits
// by its value ("2" before "10"), everything else by its bytes (UTF-8 sorts by code point).
// Names that differ only in case keep a fixed order, so the listing never depends on the disk.
bool FileManagerLess(std::string_view a, std::string_view b);

// The regular files of a folder, names only, in the order above; nothing for a missing folder.
std::vector<std::string> ListFilesByName(const std::string& folder);

} // namespace trumbel

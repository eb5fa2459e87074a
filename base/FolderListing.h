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

// The text before the last "." (the whole name without a dot) and the text after it ("").
// A leading dot starts a hidden file's name, not its extension: ".directory" is all name.
std::string RemoveExtension(std::string_view name);
std::string GetExtension(std::string_view name);

} // namespace trumbel

#pragma once

#include <string>
#include <string_view>

namespace trumbel {

// Finds a file that a skin made on Windows names relative to its own folder, as Windows would:
// "\" and "/" both separate, every component matches without regard to case (an exact match
// wins where one exists), "." stays where it is and ".." goes up one folder from the folder
// the name has reached, never above the root. Trailing blanks and dots of the file name are
// dropped, as Windows drops them. The path found, or empty when no file matches.
std::string FindWindowsPath(const std::string& folder, std::string_view relative);

// A UTF-8 file name in the case Windows compares names in: upper-case letters of ASCII,
// Latin-1, Greek, Cyrillic and the full-width forms become lower-case; anything else (and any
// byte that is not UTF-8) stays as it is.
std::string FoldNameCase(std::string_view utf8);

} // namespace trumbel

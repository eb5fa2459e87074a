#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// Where the desktop keeps what finding an application needs: the XDG base folders and the
// program search path.
struct AppSearchPaths {
    std::string path;                    // $PATH
    std::vector<std::string> configDirs; // $XDG_CONFIG_HOME first, then $XDG_CONFIG_DIRS
    std::vector<std::string> dataDirs;   // $XDG_DATA_HOME first, then $XDG_DATA_DIRS
    std::vector<std::string> ownFolders; // the program's own folders, for its companions
    std::string terminal;                // $TERMINAL, the user's choice of terminal

    // From the process environment, with the XDG defaults where a variable is unset.
    static AppSearchPaths FromEnvironment(const std::vector<std::string>& ownFolders);
};

// The first executable file called `name` in `folders` (":"-separated); a name with a "/" is
// taken as it is.
std::optional<std::string> FindProgram(std::string_view name, std::string_view folders);

// The first of `names` found on the path.
std::optional<std::string> FindFirstProgram(const std::vector<std::string>& names,
                                            const AppSearchPaths& paths);

// A desktop entry's Exec line split into words by its quoting rules, with the field codes
// (%f, %U, %i, ...) dropped and "%%" kept as "%".
std::vector<std::string> SplitExec(std::string_view exec);

struct DesktopEntry {
    std::vector<std::string> command;
    bool terminal = false;
};

// The [Desktop Entry] group of a .desktop file; nullopt when it cannot be read or has no Exec.
std::optional<DesktopEntry> ReadDesktopEntry(const std::string& path);

// The application the desktop opens a MIME type with: the default of the mimeapps.list files
// (and the older defaults.list), else the first entry in the applications folders that names
// the type; nullopt when none exists.
std::optional<DesktopEntry> DefaultApplicationFor(std::string_view mimeType,
                                                  const AppSearchPaths& paths);

} // namespace trumbel

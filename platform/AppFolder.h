#pragma once

#include <string>

namespace trumbel {

// The program's folder, always ending in "/": TRUMBEL_HOME when set; else the executable's
// folder when it is writable and not an installed copy (portable use); else
// $XDG_CONFIG_HOME/velquor/ (created).
std::string ResolveAppFolder();

// An installed copy has its data folder beside its bin/ folder; its own folder is never the
// user's, even when writable (root running /usr/bin/trumbel, a prefix in the user's home).
enum class ExecutableLayout { Portable, Installed };

// The same rule with every input given, for tests.
struct AppFolderInputs {
    std::string trumbelHome;   // $TRUMBEL_HOME, empty when unset
    std::string executableDir; // folder of the running executable
    bool executableDirWritable = false;
    ExecutableLayout layout = ExecutableLayout::Portable;
    std::string xdgConfigHome; // $XDG_CONFIG_HOME, empty when unset
    std::string home;          // $HOME
};
std::string ChooseAppFolder(const AppFolderInputs& in);

std::string ExecutableDirectory();
std::string EnsureTrailingSlash(std::string path);

// <executable folder>/../share/trumbel/, written without the "..", whether it exists or not:
// the help page and the other data of an installed copy, for any installation prefix.
std::string InstalledDataFolder(const std::string& executableDir);
ExecutableLayout DetectLayout(const std::string& executableDir);

// The login name of the user running the program ("setting_" + name + ".ini").
std::string CurrentUserName();

} // namespace trumbel

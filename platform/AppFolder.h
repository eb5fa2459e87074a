#pragma once

#include <string>

namespace trumbel {

// The program's folder, always ending in "/": TRUMBEL_HOME when set; else the executable's
// folder when it is writable (portable use); else $XDG_CONFIG_HOME/velquor/ (created).
std::string ResolveAppFolder();

// The same rule with every input given, for tests.
struct AppFolderInputs {
    std::string trumbelHome;    // $TRUMBEL_HOME, empty when unset
    std::string executableDir;  // folder of the running executable
    bool executableDirWritable = false;
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME, empty when unset
    std::string home;           // $HOME
};
std::string ChooseAppFolder(const AppFolderInputs& in);

std::string ExecutableDirectory();
std::string EnsureTrailingSlash(std::string path);

// The login name of the user running the program ("setting_" + name + ".ini").
std::string CurrentUserName();

} // namespace trumbel

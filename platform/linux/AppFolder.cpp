#include "platform/AppFolder.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace trumbel {

namespace fs = std::filesystem;

std::string EnsureTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path;
}

std::string ChooseAppFolder(const AppFolderInputs& in) {
    if (!in.trumbelHome.empty()) {
        return EnsureTrailingSlash(in.trumbelHome);
    }
    if (!in.executableDir.empty() && in.executableDirWritable &&
        in.layout == ExecutableLayout::Portable) {
        return EnsureTrailingSlash(in.executableDir);
    }
    std::string config = in.xdgConfigHome;
    if (config.empty() || config.front() != '/') { // a relative value is invalid by the XDG rules
        config = EnsureTrailingSlash(in.home) + ".config";
    }
    return EnsureTrailingSlash(config) + "velquor/";
}

std::string ExecutableDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return {};
    }
    return exe.parent_path().string();
}

std::string InstalledDataFolder(const std::string& executableDir) {
    if (executableDir.empty()) {
        return {};
    }
    const fs::path data = (fs::path(executableDir) / ".." / "share" / "trumbel").lexically_normal();
    return EnsureTrailingSlash(data.string());
}

ExecutableLayout DetectLayout(const std::string& executableDir) {
    std::error_code ec;
    const std::string data = InstalledDataFolder(executableDir);
    return !data.empty() && fs::is_directory(data, ec) ? ExecutableLayout::Installed
                                                       : ExecutableLayout::Portable;
}

static std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string ResolveAppFolder() {
    AppFolderInputs in;
    in.trumbelHome = Env("TRUMBEL_HOME");
    in.executableDir = ExecutableDirectory();
    in.executableDirWritable =
        !in.executableDir.empty() && ::access(in.executableDir.c_str(), W_OK) == 0;
    in.layout = DetectLayout(in.executableDir);
    in.xdgConfigHome = Env("XDG_CONFIG_HOME");
    in.home = Env("HOME");
    if (in.home.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid())) {
            in.home = pw->pw_dir;
        }
    }
    std::string folder = ChooseAppFolder(in);
    std::error_code ec;
    fs::create_directories(folder, ec); // a failure shows up later as a settings write error
    return folder;
}

std::string CurrentUserName() {
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name && *pw->pw_name) {
        return pw->pw_name;
    }
    std::string user = Env("USER");
    return user.empty() ? std::string("user") : user;
}

} // namespace trumbel

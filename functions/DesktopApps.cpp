#include "functions/DesktopApps.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace trumbel {

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (end > start) {
            parts.emplace_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(" \t\r");
    return std::string(s.substr(first, last - first + 1));
}

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

bool IsExecutableFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

// The key=value lines of one group of an INI-like file, in order.
std::vector<std::pair<std::string, std::string>> ReadGroup(const std::string& path,
                                                           std::string_view group) {
    std::vector<std::pair<std::string, std::string>> lines;
    std::ifstream in(path);
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        const std::string t = Trim(line);
        if (t.empty() || t[0] == '#') {
            continue;
        }
        if (t.front() == '[') {
            inGroup = t == "[" + std::string(group) + "]";
            continue;
        }
        const std::size_t eq = t.find('=');
        if (inGroup && eq != std::string::npos) {
            lines.emplace_back(Trim(std::string_view(t).substr(0, eq)),
                               Trim(std::string_view(t).substr(eq + 1)));
        }
    }
    return lines;
}

// A desktop id ("org.example.App.desktop") in the applications folders; "-" may stand for a
// subfolder ("kde-kate.desktop" is "kde/kate.desktop").
std::optional<std::string> LocateDesktopId(const std::string& id, const AppSearchPaths& paths) {
    for (const std::string& dir : paths.dataDirs) {
        std::error_code ec;
        const std::string direct = dir + "/applications/" + id;
        if (fs::is_regular_file(direct, ec)) {
            return direct;
        }
        std::string nested = id;
        std::replace(nested.begin(), nested.end(), '-', '/');
        if (fs::is_regular_file(dir + "/applications/" + nested, ec)) {
            return dir + "/applications/" + nested;
        }
    }
    return std::nullopt;
}

} // namespace

AppSearchPaths AppSearchPaths::FromEnvironment(const std::vector<std::string>& ownFolders) {
    AppSearchPaths p;
    p.path = Env("PATH");
    const std::string home = Env("HOME");
    const std::string configHome = Env("XDG_CONFIG_HOME");
    p.configDirs.push_back(!configHome.empty() ? configHome : home + "/.config");
    const std::string configDirs = Env("XDG_CONFIG_DIRS");
    for (const std::string& d : Split(configDirs.empty() ? "/etc/xdg" : configDirs, ':')) {
        p.configDirs.push_back(d);
    }
    const std::string dataHome = Env("XDG_DATA_HOME");
    p.dataDirs.push_back(!dataHome.empty() ? dataHome : home + "/.local/share");
    const std::string dataDirs = Env("XDG_DATA_DIRS");
    for (const std::string& d :
         Split(dataDirs.empty() ? "/usr/local/share:/usr/share" : dataDirs, ':')) {
        p.dataDirs.push_back(d);
    }
    p.ownFolders = ownFolders;
    p.terminal = Env("TERMINAL");
    return p;
}

std::optional<std::string> FindProgram(std::string_view name, std::string_view folders) {
    if (name.empty()) {
        return std::nullopt;
    }
    if (name.find('/') != std::string_view::npos) {
        const std::string path(name);
        return IsExecutableFile(path) ? std::optional(path) : std::nullopt;
    }
    for (const std::string& folder : Split(folders, ':')) {
        const std::string path = folder + "/" + std::string(name);
        if (IsExecutableFile(path)) {
            return path;
        }
    }
    return std::nullopt;
}

std::optional<std::string> FindFirstProgram(const std::vector<std::string>& names,
                                            const AppSearchPaths& paths) {
    for (const std::string& name : names) {
        if (auto found = FindProgram(name, paths.path)) {
            return found;
        }
    }
    return std::nullopt;
}

std::vector<std::string> SplitExec(std::string_view exec) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < exec.size()) {
                word += exec[++i];
            } else {
                word += c;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord) {
                words.push_back(word);
                word.clear();
                inWord = false;
            }
        } else if (c == '%' && i + 1 < exec.size()) {
            // Field codes stand for files, URLs and icons this start does not pass.
            if (exec[++i] == '%') {
                word += '%';
                inWord = true;
            }
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

std::optional<DesktopEntry> ReadDesktopEntry(const std::string& path) {
    DesktopEntry entry;
    for (const auto& [key, value] : ReadGroup(path, "Desktop Entry")) {
        if (key == "Exec" && entry.command.empty()) {
            entry.command = SplitExec(value);
        } else if (key == "Terminal") {
            entry.terminal = value == "true";
        }
    }
    if (entry.command.empty()) {
        return std::nullopt;
    }
    return entry;
}

std::optional<DesktopEntry> DefaultApplicationFor(std::string_view mimeType,
                                                  const AppSearchPaths& paths) {
    std::vector<std::string> lists;
    for (const std::string& dir : paths.configDirs) {
        lists.push_back(dir + "/mimeapps.list");
    }
    for (const std::string& dir : paths.dataDirs) {
        lists.push_back(dir + "/applications/mimeapps.list");
        lists.push_back(dir + "/applications/defaults.list");
    }
    for (const std::string& list : lists) {
        for (const auto& [key, value] : ReadGroup(list, "Default Applications")) {
            if (key != mimeType) {
                continue;
            }
            for (const std::string& id : Split(value, ';')) {
                if (auto path = LocateDesktopId(id, paths)) {
                    if (auto entry = ReadDesktopEntry(*path)) {
                        return entry;
                    }
                }
            }
        }
    }
    // No default: any application that says it handles the type, by file name.
    for (const std::string& dir : paths.dataDirs) {
        std::vector<std::string> files;
        std::error_code ec;
        for (fs::directory_iterator it(dir + "/applications", ec), end; !ec && it != end;
             it.increment(ec)) {
            if (it->path().extension() == ".desktop") {
                files.push_back(it->path().string());
            }
        }
        std::sort(files.begin(), files.end());
        for (const std::string& file : files) {
            for (const auto& [key, value] : ReadGroup(file, "Desktop Entry")) {
                if (key == "MimeType") {
                    const std::vector<std::string> types = Split(value, ';');
                    if (std::find(types.begin(), types.end(), mimeType) != types.end()) {
                        if (auto entry = ReadDesktopEntry(file)) {
                            return entry;
                        }
                    }
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace trumbel

#pragma once

#include "base/Ui.h"

#include <string>
#include <string_view>

namespace trumbel {

// The desktop's autostart folder: $XDG_CONFIG_HOME/autostart, with ~/.config when the
// variable is unset, empty or not absolute.
std::string AutostartFolder(const char* xdgConfigHome, const char* home);
// The entry that starts the program when the user logs in: <folder>/Velquor.desktop.
std::string StartupEntryPath(std::string_view autostartFolder);

// The desktop entry's text: the executable as its command, the program's folder as its
// working folder.
std::string StartupEntryText(std::string_view executable, std::string_view workingFolder);
// One command-line word as a desktop entry's Exec value holds it: quoted, with the quoting
// and the value's own escapes.
std::string ExecArgument(std::string_view word);

enum class StartupChange { None, Created, Removed, Failed };

// "スタートアップに登録する" as the dialog applies it: the entry is written when checked and
// missing, deleted when unchecked and present, and each change is announced in a box.
class StartupEntry {
public:
    StartupEntry(std::string path, Ui& ui) : path_(std::move(path)), ui_(ui) {}

    bool Exists() const;
    StartupChange Apply(bool checked, std::string_view executable, std::string_view workingFolder);
    const std::string& path() const { return path_; }

private:
    // A write or delete that failed: the path and the reason, so nothing fails unseen.
    void Failed(const std::string& reason);

    std::string path_;
    Ui& ui_;
};

} // namespace trumbel

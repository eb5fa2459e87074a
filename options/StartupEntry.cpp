#include "options/StartupEntry.h"

#include "base/AppInfo.h"
#include "base/AtomicFile.h"
#include "base/UiText.h"

#include <filesystem>
#include <system_error>

namespace trumbel {

namespace fs = std::filesystem;

std::string AutostartFolder(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome && xdgConfigHome[0] == '/') {
        return std::string(xdgConfigHome) + "/autostart";
    }
    return std::string(home ? home : "") + "/.config/autostart";
}

std::string StartupEntryPath(std::string_view autostartFolder) {
    return std::string(autostartFolder) + "/" + std::string(kProductName) + ".desktop";
}

namespace {

// A string value of a desktop entry: backslash, newline, tab and return escaped.
std::string EscapeValue(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::string ExecArgument(std::string_view word) {
    // Inside the quotes ", `, $ and \ take a backslash; the value's own escape then doubles
    // every backslash, and % stands for a field code unless doubled.
    std::string quoted = "\"";
    for (char c : word) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    quoted += '"';
    std::string out;
    for (char c : EscapeValue(quoted)) {
        out += c;
        if (c == '%') {
            out += '%';
        }
    }
    return out;
}

std::string StartupEntryText(std::string_view executable, std::string_view workingFolder) {
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Name=" + std::string(kProductName) + "\n";
    text += "Comment=Network, memory, CPU and disk monitor\n";
    text += "Exec=" + ExecArgument(executable) + "\n";
    text += "Path=" + EscapeValue(workingFolder) + "\n";
    text += "Terminal=false\n";
    text += "X-GNOME-Autostart-enabled=true\n";
    return text;
}

namespace {

std::string RegisterTitle() {
    return UiFormat(UiTr("StartupEntry", "スタートアップに登録 - %1"), {kProductName});
}

} // namespace

void StartupEntry::Failed(const std::string& reason) {
    ui_.MessageBox(
        {RegisterTitle(), path_ + "\r\n" + reason, MsgIcon::Exclamation, MsgButtons::Ok});
}

bool StartupEntry::Exists() const {
    std::error_code ec;
    return fs::exists(path_, ec);
}

StartupChange StartupEntry::Apply(bool checked, std::string_view executable,
                                  std::string_view workingFolder) {
    const bool exists = Exists();
    if (checked && !exists) {
        std::error_code ec;
        fs::create_directories(fs::path(path_).parent_path(), ec);
        const WriteResult written =
            WriteFileAtomically(path_, StartupEntryText(executable, workingFolder));
        if (!written.ok) {
            Failed(written.error);
            return StartupChange::Failed;
        }
        ui_.MessageBox({RegisterTitle(),
                        UiTr("StartupEntry",
                             "スタートアップにショートカットを作成しました｡\r\n"
                             "オプションでチェックを外すかスタートアップから削除することによって"
                             "「スタートアップに登録」を解除することが出来ます｡"),
                        MsgIcon::Information, MsgButtons::Ok});
        return StartupChange::Created;
    }
    if (!checked && exists) {
        std::error_code ec;
        if (!fs::remove(path_, ec)) {
            Failed(ec.message());
            return StartupChange::Failed;
        }
        ui_.MessageBox(
            {UiFormat(UiTr("StartupEntry", "スタートアップに登録を解除 - %1"), {kProductName}),
             UiTr("StartupEntry", "スタートアップからショートカットを削除しました｡"),
             MsgIcon::Information, MsgButtons::Ok});
        return StartupChange::Removed;
    }
    return StartupChange::None;
}

} // namespace trumbel

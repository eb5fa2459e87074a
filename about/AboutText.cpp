#include "about/AboutText.h"

#include "base/AppInfo.h"
#include "base/UiText.h"

#include <cstdio>

namespace trumbel {

namespace {

std::string Fill(std::string_view form, std::string_view argument) {
    std::string text(form);
    if (const std::size_t at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, argument);
    }
    return text;
}

} // namespace

std::string AboutCaption() {
    return Fill(kAboutCaptionForm, kProductName);
}

std::string VersionNumberText(int major, int minor, int revision) {
    char version[64];
    std::snprintf(version, sizeof version, "%d.%02d  (Revision : %04d)", major + minor / 100,
                  minor % 100, revision);
    return version;
}

std::string AboutVersionText(int major, int minor, int revision) {
    return Fill(kAboutVersionForm, VersionNumberText(major, minor, revision));
}

std::string PercentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                                byte == '_' || byte == '~';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

std::string MailLink(std::string_view address) {
    return "mailto:" + std::string(address) +
           "?Subject=" + PercentEncode(UiTr("AboutBox", kMailSubject));
}

const std::vector<SystemInfoTool>& SystemInfoTools() {
    // Viewers of the hardware and system first, the desktops' own next, a process monitor last.
    static const std::vector<SystemInfoTool> tools = {
        {"hardinfo2", {}},           {"hardinfo", {}},
        {"kinfocenter", {}},         {"lshw-gtk", {}},
        {"xfce4-about", {}},         {"gnome-system-monitor", {}},
        {"mate-system-monitor", {}}, {"ksysguard", {}}};
    return tools;
}

std::optional<SystemInfoTool>
FindSystemInfoTool(const std::function<std::optional<std::string>(const std::string&)>& find) {
    for (const SystemInfoTool& tool : SystemInfoTools()) {
        if (const std::optional<std::string> path = find(tool.program)) {
            return SystemInfoTool{*path, tool.arguments};
        }
    }
    return std::nullopt;
}

} // namespace trumbel

#include "base/AppInfo.h"

#include <cstdio>

namespace trumbel {

std::string WindowCaption(int major, int minor, int revision) {
    // major + minor / 100 formatted "0.00": minor 5 is ".05", minor 32 is ".32".
    char version[32];
    std::snprintf(version, sizeof version, "%d.%02d", major + minor / 100, minor % 100);
    char rev[16];
    std::snprintf(rev, sizeof rev, "%04d", revision);
    return std::string(kProductName) + " ver." + version + "  (Revision : " + rev + ")";
}

std::string BoxTitle(std::string_view subject) {
    return std::string(subject) + " - " + std::string(kProductName);
}

} // namespace trumbel

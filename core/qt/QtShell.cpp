#include "core/qt/QtShell.h"

#include <filesystem>
#include <system_error>

namespace trumbel {

bool QtShell::FileExists(const std::string& path) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// The opener logs how each request ended; nothing here waits for it.
bool QtShell::Open(const std::string& target) {
    opener_.Open(target, [](const std::string&) {});
    return true;
}

bool QtShell::Explore(const std::string& folder) {
    return Open(folder);
}

} // namespace trumbel

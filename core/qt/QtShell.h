#pragma once

#include "core/Ports.h"
#include "functions/qt/QtLaunchDesktop.h"

#include <string>

namespace trumbel {

// Files, folders and links handed to the desktop: its default application for a file or URL,
// its file manager for a folder (xdg-open on X11 desktops).
class QtShell final : public ShellPort {
public:
    explicit QtShell(QtLaunchDesktop& opener) : opener_(opener) {}
    bool FileExists(const std::string& path) const override;
    bool Open(const std::string& target) override;
    bool Explore(const std::string& folder) override;
    void SetHelpFile(const std::string& path) override { helpFile_ = path; }
    const std::string& HelpFile() const { return helpFile_; }

private:
    QtLaunchDesktop& opener_;
    std::string helpFile_;
};

} // namespace trumbel

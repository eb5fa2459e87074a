#pragma once

#include "functions/FunctionLauncher.h"

namespace trumbel {

// Programs start with QProcess, detached and without a shell; files, folders and addresses go
// to the desktop's default application (xdg-open).
class QtLaunchDesktop final : public LaunchDesktop {
public:
    std::string Open(const std::string& target) override;
    std::string Start(const std::vector<std::string>& command,
                      const std::string& workingFolder) override;
};

} // namespace trumbel

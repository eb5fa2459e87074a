#pragma once

#include "functions/FunctionLauncher.h"

#include <functional>

namespace trumbel {

// Programs start with QProcess, detached and without a shell; files, folders and addresses go
// to the desktop's default application through `open` (true when something started).
class QtLaunchDesktop final : public LaunchDesktop {
public:
    explicit QtLaunchDesktop(std::function<bool(const std::string&)> open)
        : open_(std::move(open)) {}

    std::string Open(const std::string& target) override;
    std::string Start(const std::vector<std::string>& command,
                      const std::string& workingFolder) override;

private:
    std::function<bool(const std::string&)> open_;
};

} // namespace trumbel

#pragma once

#include "functions/FunctionLauncher.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

namespace trumbel {

// Programs start detached and without a shell; files, folders and addresses go to the
// desktop's opener (xdg-open), whose exit says whether an application took them. Paths travel
// as bytes throughout.
class QtLaunchDesktop final : public QObject, public LaunchDesktop {
public:
    QtLaunchDesktop();

    void Open(const std::string& target,
              std::function<void(const std::string& why)> failed) override;
    std::string Start(const std::vector<std::string>& command,
                      const std::string& workingFolder) override;

private:
    struct Opening {
        int pid;
        std::string target;
        std::function<void(const std::string&)> failed;
    };
    void CollectOpeners();

    std::vector<Opening> openings_;
    QTimer poll_;
};

// What the opener is handed: a local path as a file URL with its bytes percent-encoded, so
// a name that is not UTF-8 arrives unchanged; anything else as it is.
std::string OpenerArgument(const std::string& target);

} // namespace trumbel

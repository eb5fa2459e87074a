#include "QtLaunchDesktop.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QStringList>

namespace trumbel {

namespace {

Q_LOGGING_CATEGORY(lcLaunch, "trumbel.functions", QtInfoMsg)

QString Text(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

std::string QtLaunchDesktop::Open(const std::string& target) {
    if (open_ && open_(target)) {
        return {};
    }
    return "既定のアプリケーションで開けませんでした (xdg-open)";
}

std::string QtLaunchDesktop::Start(const std::vector<std::string>& command,
                                   const std::string& workingFolder) {
    if (command.empty()) {
        return "no command";
    }
    QStringList arguments;
    for (std::size_t i = 1; i < command.size(); ++i) {
        arguments << Text(command[i]);
    }
    QProcess process;
    process.setProgram(Text(command.front()));
    process.setArguments(arguments);
    if (!workingFolder.empty()) {
        process.setWorkingDirectory(Text(workingFolder));
    }
    qint64 pid = 0;
    if (process.startDetached(&pid)) {
        qCInfo(lcLaunch, "started %s (pid %lld)", command.front().c_str(),
               static_cast<long long>(pid));
        return {};
    }
    const std::string why = process.errorString().toStdString();
    qCWarning(lcLaunch, "could not start %s: %s", command.front().c_str(), why.c_str());
    return why;
}

} // namespace trumbel

#include "functions/qt/QtLaunchDesktop.h"

#include "platform/Processes.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace trumbel {

namespace {

Q_LOGGING_CATEGORY(lcLaunch, "trumbel.functions", QtInfoMsg)

constexpr int kOpenerPollMs = 200;
const std::string kOpener = "xdg-open";

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

std::string OpenerFailure(const std::string& detail) {
    return QCoreApplication::translate("Functions",
                                       "既定のアプリケーションで開けませんでした (%1: %2)")
        .arg(QString::fromStdString(kOpener), QString::fromStdString(detail))
        .toStdString();
}

} // namespace

std::string OpenerArgument(const std::string& target) {
    if (!target.starts_with('/')) {
        return target;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char ch : target) {
        const auto c = static_cast<unsigned char>(ch);
        if (Unreserved(c)) {
            url += ch;
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        }
    }
    return url;
}

QtLaunchDesktop::QtLaunchDesktop() {
    poll_.setInterval(kOpenerPollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { CollectOpeners(); });
}

void QtLaunchDesktop::Open(const std::string& target,
                           std::function<void(const std::string& why)> failed) {
    std::string why;
    const int pid = StartChild({kOpener, OpenerArgument(target)}, why);
    if (pid < 0) {
        qCWarning(lcLaunch, "could not open %s: %s", target.c_str(), why.c_str());
        failed(OpenerFailure(why));
        return;
    }
    qCInfo(lcLaunch, "opening %s (%s pid %d)", target.c_str(), kOpener.c_str(), pid);
    openings_.push_back({pid, target, std::move(failed)});
    poll_.start();
}

void QtLaunchDesktop::CollectOpeners() {
    // Taken out before anyone hears of them: a box shown for one runs this timer again.
    std::vector<std::pair<Opening, int>> ended;
    std::erase_if(openings_, [&](Opening& o) {
        const std::optional<int> code = ChildExit(o.pid);
        if (code) {
            ended.emplace_back(std::move(o), *code);
        }
        return code.has_value();
    });
    if (openings_.empty()) {
        poll_.stop();
    }
    for (auto& [opening, code] : ended) {
        if (code == 0) {
            qCInfo(lcLaunch, "opened %s", opening.target.c_str());
        } else {
            qCWarning(lcLaunch, "could not open %s: %s ended with %d", opening.target.c_str(),
                      kOpener.c_str(), code);
            opening.failed(OpenerFailure(
                QCoreApplication::translate("Functions", "終了コード %1").arg(code).toStdString()));
        }
    }
}

std::string QtLaunchDesktop::Start(const std::vector<std::string>& command,
                                   const std::string& workingFolder) {
    if (command.empty()) {
        return "no command";
    }
    const std::string why = StartDetached(command, workingFolder);
    if (why.empty()) {
        qCInfo(lcLaunch, "started %s", command.front().c_str());
    } else {
        qCWarning(lcLaunch, "could not start %s: %s", command.front().c_str(), why.c_str());
    }
    return why;
}

} // namespace trumbel

#include "QtShell.h"

#include <QDesktopServices>
#include <QLoggingCategory>
#include <QUrl>
#include <filesystem>
#include <system_error>

namespace trumbel {

namespace {

Q_LOGGING_CATEGORY(lcShell, "trumbel.shell", QtInfoMsg)

// A local path becomes a file URL; anything with a scheme ("https://…", "mailto:…") stays.
QUrl UrlOf(const std::string& target) {
    const QString text = QString::fromStdString(target);
    if (text.startsWith(QLatin1Char('/'))) {
        return QUrl::fromLocalFile(text);
    }
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.scheme().isEmpty() ? url : QUrl::fromLocalFile(text);
}

bool Hand(const std::string& target, const char* what) {
    if (QDesktopServices::openUrl(UrlOf(target))) {
        qCInfo(lcShell, "%s %s", what, target.c_str());
        return true;
    }
    qCWarning(lcShell, "the desktop could not open %s (is xdg-open installed?)", target.c_str());
    return false;
}

} // namespace

bool QtShell::FileExists(const std::string& path) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool QtShell::Open(const std::string& target) {
    return Hand(target, "opened");
}

bool QtShell::Explore(const std::string& folder) {
    return Hand(folder, "explored");
}

} // namespace trumbel

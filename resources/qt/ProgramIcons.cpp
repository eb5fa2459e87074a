#include "resources/qt/ProgramIcons.h"

#include <QDir>
#include <QFile>
#include <QString>

namespace trumbel {

namespace {

// Icons live in the Qt resource tree as :/icons/<name>.png, the program icon as
// :/icons/symbol-<size>.png for each drawn size.
QString ResourcePath(std::string_view name) {
    return QStringLiteral(":/icons/") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(".png");
}

} // namespace

QIcon ProgramIcon(std::string_view name) {
    if (name == "symbol") {
        QIcon icon;
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QString path = QStringLiteral(":/icons/symbol-%1.png").arg(size);
            if (QFile::exists(path)) {
                icon.addFile(path, QSize(size, size));
            }
        }
        return icon;
    }
    const QString path = ResourcePath(name);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QPixmap ProgramPixmap(std::string_view name, int size) {
    const QIcon icon = ProgramIcon(name);
    return icon.isNull() ? QPixmap() : icon.pixmap(size, size);
}

} // namespace trumbel

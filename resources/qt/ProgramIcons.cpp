#include "resources/qt/ProgramIcons.h"

#include <QFile>
#include <QImage>
#include <QString>
#include <algorithm>

namespace trumbel {

namespace {

constexpr int kSymbolSizes[] = {16, 32, 48, 64, 128, 256};
// A drawn picture is also offered at these multiples, so that screens with two or three device
// pixels per point get whole pixels rather than a blurred copy.
constexpr int kMultiples[] = {2, 3, 4};

// Names are resource names, never paths: "a/../b" must not reach another resource.
bool IsIconName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

// Icons live in the Qt resource tree as :/icons/<name>.png, the program icon as
// :/icons/symbol-<size>.png for each drawn size.
QString ResourcePath(std::string_view name) {
    return QStringLiteral(":/icons/") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(".png");
}

QPixmap Enlarged(const QImage& drawn, int factor) {
    return QPixmap::fromImage(
        drawn.scaled(drawn.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

} // namespace

QIcon ProgramIcon(std::string_view name) {
    if (name == "symbol") {
        QIcon icon;
        for (int size : kSymbolSizes) {
            const QString path = QStringLiteral(":/icons/symbol-%1.png").arg(size);
            if (QFile::exists(path)) {
                icon.addFile(path, QSize(size, size));
            }
        }
        return icon;
    }
    if (!IsIconName(name)) {
        return {};
    }
    const QImage drawn(ResourcePath(name));
    if (drawn.isNull()) {
        return {};
    }
    QIcon icon(QPixmap::fromImage(drawn));
    for (int factor : kMultiples) {
        icon.addPixmap(Enlarged(drawn, factor));
    }
    return icon;
}

QPixmap ProgramPixmap(std::string_view name, int size) {
    const QIcon icon = ProgramIcon(name);
    if (icon.isNull() || size <= 0) {
        return {};
    }
    // In pixels, whatever the screens' device pixel ratio.
    QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
    if (pixmap.width() != size || pixmap.height() != size) {
        // Between drawn sizes: nearest pixels upwards keep the pixel art crisp, a smooth
        // reduction keeps thin lines from vanishing.
        const bool larger = pixmap.width() < size;
        pixmap = pixmap.scaled(size, size, Qt::IgnoreAspectRatio,
                               larger ? Qt::FastTransformation : Qt::SmoothTransformation);
    }
    return pixmap;
}

} // namespace trumbel

// Writes a contact sheet of the program's icons as the program looks them up: each 16 and
// 32 px icon at 4× and at 1× on a light and a dark ground with its name, and the program icon
// at every size. Usage: IconSheet OUTPUT.png

#include "resources/qt/ProgramIcons.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cstdio>

using namespace trumbel;

namespace {

const QColor kLight(0xF0, 0xF0, 0xF0);
const QColor kDark(0x2B, 0x2F, 0x36);
const QColor kInk(0x20, 0x20, 0x20);
constexpr int kMargin = 16;
constexpr int kTitle = 28;

QImage Pixels(const QString& name, int size) {
    return ProgramPixmap(name.toStdString(), size).toImage();
}

void DrawName(QPainter& p, const QRect& r, const QString& name) {
    p.setPen(kInk);
    p.drawText(r, Qt::AlignHCenter | Qt::AlignTop, name);
}

// One cell: the icon at 4× on the light ground, then 1× on light and on dark, the name below.
int DrawCell(QPainter& p, int x, int y, const QString& name, int size, int cellWidth) {
    const QImage one = Pixels(name, size);
    const QImage four =
        one.scaled(size * 4, size * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const int small = size + 8;
    const int width = size * 4 + 8 + small;
    const int left = x + (cellWidth - width) / 2;
    p.fillRect(QRect(left - 4, y - 4, size * 4 + 8, size * 4 + 8), kLight);
    p.drawImage(left, y, four);
    const int sx = left + size * 4 + 8;
    p.fillRect(QRect(sx, y - 4, small, small), kLight);
    p.drawImage(sx + 4, y, one);
    p.fillRect(QRect(sx, y - 4 + small, small, small), kDark);
    p.drawImage(sx + 4, y + small, one);
    DrawName(p, QRect(x, y + size * 4 + 8, cellWidth, 20), name);
    return size * 4 + 8 + 24;
}

int DrawSection(QPainter& p, int y, const QString& title, const QStringList& names, int size,
                int columns, int cellWidth, int width) {
    QFont bold = p.font();
    bold.setBold(true);
    p.save();
    p.setFont(bold);
    p.setPen(kInk);
    p.drawText(QRect(kMargin, y, width - 2 * kMargin, kTitle), Qt::AlignLeft | Qt::AlignVCenter,
               title);
    p.restore();
    y += kTitle + 8;
    int rowHeight = 0;
    for (int i = 0; i < names.size(); ++i) {
        const int col = i % columns;
        if (col == 0 && i > 0) {
            y += rowHeight + 12;
        }
        rowHeight = DrawCell(p, kMargin + col * cellWidth, y, names[i], size, cellWidth);
    }
    return y + rowHeight + 16;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: IconSheet OUTPUT.png\n");
        return 2;
    }
    QStringList menuIcons;
    QStringList largeIcons;
    for (const QString& file : QDir(QStringLiteral(":/icons")).entryList(QDir::Files, QDir::Name)) {
        const QString name = file.chopped(4); // ".png"
        if (name.startsWith(QLatin1String("icon_"))) {
            menuIcons << name;
        } else if (!name.startsWith(QLatin1String("symbol-"))) {
            largeIcons << name;
        }
    }
    const int small = 150;
    const int smallColumns = 8;
    const int large = 200;
    const int largeColumns = 6;
    const int width = 2 * kMargin + largeColumns * large;
    const int symbolSizes[] = {16, 32, 48, 64, 128, 256};
    const int height =
        2 * kMargin + 3 * (kTitle + 8) +
        ((menuIcons.size() + smallColumns - 1) / smallColumns) * (16 * 4 + 8 + 24 + 12) +
        ((largeIcons.size() + largeColumns - 1) / largeColumns) * (32 * 4 + 8 + 24 + 12) + 256 +
        24 + 64;
    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int y = kMargin;
    y = DrawSection(p, y, QStringLiteral("Menu and tree icons, 16 px (4×, 1× on light and dark)"),
                    menuIcons, 16, smallColumns, small, width);
    y = DrawSection(p, y, QStringLiteral("Options pages and clock status, 32 px"), largeIcons, 32,
                    largeColumns, large, width);
    p.save();
    QFont bold = p.font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(kInk);
    p.drawText(QRect(kMargin, y, width, kTitle), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Program icon \"symbol\" at 16, 32, 48, 64, 128, 256 px"));
    p.restore();
    y += kTitle + 8;
    int x = kMargin;
    for (int size : symbolSizes) {
        p.drawImage(x, y + 256 - size, Pixels(QStringLiteral("symbol"), size));
        DrawName(p, QRect(x - 10, y + 260, size + 20, 20), QString::number(size));
        x += size + 24;
    }
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "IconSheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

#pragma once

#include "menus/OwnMenu.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QProxyStyle>
#include <memory>
#include <vector>

namespace trumbel {

// Draws the items of OwnMenuWidget menus the program's own way: an icon column, the caption, a
// right-aligned shortcut column, in the palette's menu, highlight and disabled colours. Other
// widgets keep the base style's look.
class OwnMenuStyle final : public QProxyStyle {
public:
    explicit OwnMenuStyle(EdgeSize edge = {});

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

    static constexpr Size kIconSize{16, 16};
    // Room the menu keeps at the right of a submenu item for its arrow.
    static constexpr int kArrowRoom = 12;

private:
    EdgeSize edge_;
};

// A popup drawn from the records of one submenu: its band in a left margin, its items through
// OwnMenuStyle. Each action carries its record's position.
class OwnMenuWidget final : public QMenu {
public:
    OwnMenuWidget(OwnMenu& records, int window, int top, std::vector<int> path,
                  QWidget* parent = nullptr);

    const OwnSubmenu* Records() const;
    int BandWidth() const { return bandWidth_; }
    // The band as last painted; null before the first paint or without a band.
    const QImage& BandPicture() const { return band_; }
    QFont BandQFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Remeasure();
    void RebuildBand(int height);

    OwnMenu& records_;
    int window_;
    int top_;
    std::vector<int> path_;
    int bandWidth_ = 0;
    QImage band_;
};

// The desktop's title-bar font made bold, as every band asks for.
BandFont TitleBandFont();
QFont ToQFont(const BandFont& font);

// The icon a file entry shows: the file's own (its type's theme icon, else the file icon
// provider's), "icon_nofile" for a missing file or one without any, "icon_filewarn" for one
// the program may not read.
enum class FileIconKind { Own, NoFile, FileWarn };
struct FileIcon {
    FileIconKind kind;
    QIcon icon;
};
FileIcon FileIconFor(const std::string& path);

} // namespace trumbel

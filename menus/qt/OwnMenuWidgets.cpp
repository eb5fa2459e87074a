#include "menus/qt/OwnMenuWidgets.h"

#include "resources/qt/ProgramIcons.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMimeDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyleOptionMenuItem>
#include <algorithm>
#include <cstring>
#include <qdrawutil.h>

namespace trumbel {

namespace {

constexpr const char* kPositionProperty = "ownPosition";

bool Ours(const QWidget* widget) {
    return dynamic_cast<const OwnMenuWidget*>(widget) != nullptr;
}

QFont ItemFont(const QStyleOptionMenuItem& item) {
    QFont font = item.font;
    if (item.menuItemType == QStyleOptionMenuItem::DefaultItem) {
        font.setWeight(static_cast<QFont::Weight>(DefaultItemWeight(font.weight())));
    }
    return font;
}

struct SplitText {
    QString caption;
    QString shortcut;
};

SplitText Split(const QString& text) {
    const ItemText parts = SplitItemText(text.toStdString());
    return {QString::fromStdString(parts.caption), QString::fromStdString(parts.shortcut)};
}

// The icon's silhouette in one colour, as a disabled item shows it.
QPixmap Greyed(const QPixmap& icon, const QColor& colour) {
    QPixmap out(icon.size());
    out.setDevicePixelRatio(icon.devicePixelRatio());
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawPixmap(0, 0, icon);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), colour);
    return out;
}

// White and the highlight colour in a two-by-two checkerboard.
QBrush Dither(const QColor& highlight) {
    QImage cell(2, 2, QImage::Format_RGB32);
    cell.setPixelColor(0, 0, Qt::white);
    cell.setPixelColor(1, 1, Qt::white);
    cell.setPixelColor(1, 0, highlight);
    cell.setPixelColor(0, 1, highlight);
    return QBrush(cell);
}

void DrawCheck(QPainter& p, const QRect& box, const QColor& colour, bool radio) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    if (radio) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QRect(box.center() - QPoint(2, 2), QSize(6, 6)));
    } else {
        p.setPen(QPen(colour, 2));
        const QPoint c = box.center();
        p.drawPolyline(QPolygon({c + QPoint(-4, 0), c + QPoint(-1, 3), c + QPoint(4, -3)}));
    }
    p.restore();
}

} // namespace

OwnMenuStyle::OwnMenuStyle(EdgeSize edge) : edge_(edge) {}

int OwnMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    // Items fill the menu from frame to frame; the band takes the left margin.
    if (Ours(widget) && (metric == PM_MenuHMargin || metric == PM_MenuVMargin)) {
        return 0;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize OwnMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || !item || !Ours(widget)) {
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        return {1, SeparatorHeight(edge_)};
    }
    const QFontMetrics fm(ItemFont(*item));
    const SplitText text = Split(item->text);
    int width = fm.horizontalAdvance(text.caption + text.shortcut);
    // The menu adds its widest shortcut as a column of its own.
    if (!text.shortcut.isEmpty()) {
        width -= widget->fontMetrics().horizontalAdvance(text.shortcut);
    }
    Size measured = MeasureItem({width, fm.height()}, kIconSize, edge_, 0);
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        measured.width += kArrowRoom;
    }
    return {measured.width, measured.height};
}

void OwnMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || !item || !Ours(widget)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QPalette& pal = item->palette;
    const QRect r = item->rect;
    const QColor menu = pal.color(QPalette::Active, QPalette::Window);
    painter->save();
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        painter->fillRect(r, menu);
        const int y = r.top() + r.height() / 2 - 1;
        painter->setPen(pal.color(QPalette::Active, QPalette::Dark));
        painter->drawLine(r.left(), y, r.right(), y);
        painter->setPen(pal.color(QPalette::Active, QPalette::Light));
        painter->drawLine(r.left(), y + 1, r.right(), y + 1);
        painter->restore();
        return;
    }
    const bool enabled = item->state & State_Enabled;
    const bool selected = item->state & State_Selected;
    const QColor highlight = pal.color(QPalette::Active, QPalette::Highlight);
    const QColor grey = pal.color(QPalette::Disabled, QPalette::WindowText);
    QColor text = pal.color(QPalette::Active, QPalette::WindowText);
    if (!enabled) {
        text = grey;
    } else if (selected) {
        text = pal.color(QPalette::Active, QPalette::HighlightedText);
    }
    painter->fillRect(r, selected && enabled ? highlight : menu);

    const ItemColumns columns = LayoutItem(r.width(), kIconSize, edge_);
    const QRect iconBox(r.left() + columns.iconLeft, r.top() + (r.height() - kIconSize.height) / 2,
                        kIconSize.width, kIconSize.height);
    const bool hasIcon = !item->icon.isNull();
    const bool checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;
    if (checked && hasIcon) {
        const QRect behind = iconBox.adjusted(-1, -1, 1, 1);
        painter->setBrushOrigin(behind.topLeft());
        painter->fillRect(behind, Dither(highlight));
        qDrawShadePanel(painter, behind.adjusted(-1, -1, 1, 1), pal, true, 1, nullptr);
    }
    if (hasIcon) {
        QPixmap icon = item->icon.pixmap(QSize(kIconSize.width, kIconSize.height));
        if (!enabled) {
            icon = Greyed(icon, grey);
        }
        painter->drawPixmap(iconBox.topLeft(), icon);
    } else if (checked) {
        DrawCheck(*painter, iconBox, text, item->checkType == QStyleOptionMenuItem::Exclusive);
    }

    const SplitText parts = Split(item->text);
    int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (!proxy()->styleHint(SH_UnderlineShortcut, item, widget)) {
        flags |= Qt::TextHideMnemonic;
    }
    painter->setFont(ItemFont(*item));
    painter->setPen(text);
    const QRect textBox(r.left() + columns.captionLeft, r.top(),
                        columns.shortcutRight - columns.captionLeft, r.height());
    painter->drawText(textBox, flags | Qt::AlignLeft, parts.caption);
    if (!parts.shortcut.isEmpty()) {
        painter->drawText(textBox, flags | Qt::AlignRight, parts.shortcut);
    }
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        const int x = r.right() - kArrowRoom / 2 - 1;
        const int y = r.center().y();
        painter->setPen(Qt::NoPen);
        painter->setBrush(text);
        painter->drawPolygon(
            QPolygon({QPoint(x - 2, y - 4), QPoint(x + 2, y), QPoint(x - 2, y + 4)}));
    }
    painter->restore();
}

OwnMenuWidget::OwnMenuWidget(OwnMenu& records, int window, int top, std::vector<int> path,
                             QWidget* parent)
    : QMenu(parent), records_(records), window_(window), top_(top), path_(std::move(path)) {
    const OwnSubmenu* sub = Records();
    if (sub && sub->band.shown) {
        bandWidth_ = trumbel::BandWidth(QFontMetrics(BandQFont()).height(), records_.Edge());
        setContentsMargins(bandWidth_, 0, 0, 0);
    }
}

const OwnSubmenu* OwnMenuWidget::Records() const {
    return records_.Submenu(window_, top_, path_);
}

QFont OwnMenuWidget::BandQFont() const {
    const OwnSubmenu* sub = Records();
    return sub ? ToQFont(sub->band.font) : QFont();
}

void OwnMenuWidget::paintEvent(QPaintEvent* event) {
    QMenu::paintEvent(event);
    const OwnSubmenu* sub = Records();
    if (!sub || !sub->band.shown || bandWidth_ <= 0) {
        return;
    }
    if (sub->bandDirty || band_.isNull()) {
        Remeasure();
        RebuildBand(Records()->totalHeight);
    }
    const int frame = style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, this);
    QPainter p(this);
    p.drawImage(frame, frame, band_);
}

// The records learn each item's height as the menu laid it out; the band spans their sum.
void OwnMenuWidget::Remeasure() {
    if (!records_.Select(window_, top_, path_)) {
        return;
    }
    for (QAction* action : actions()) {
        const QVariant position = action->property(kPositionProperty);
        if (position.isValid() && action->isVisible()) {
            records_.Measured(position.toInt(), actionGeometry(action).height());
        }
    }
}

void OwnMenuWidget::RebuildBand(int height) {
    const OwnSubmenu* sub = Records();
    if (!sub || height <= 0) {
        band_ = QImage();
        return;
    }
    const OwnBand& band = sub->band;
    // In device pixels, so a scaled screen gets a smooth gradient and sharp text.
    const qreal scale = devicePixelRatioF();
    const Bitmap gradient = BandGradient(qRound(bandWidth_ * scale), qRound(height * scale),
                                         band.colours.first, band.colours.second);
    QImage picture(gradient.width, gradient.height, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    for (int y = 0; y < gradient.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(picture.scanLine(y));
        for (int x = 0; x < gradient.width; ++x) {
            row[x] = 0xFF000000u | gradient.At(x, y);
        }
    }
    const QFont font = BandQFont();
    const QFontMetrics fm(font);
    const QString text = QString::fromStdString(band.text);
    const BandTextBox box =
        PlaceBandText(bandWidth_, height, fm.horizontalAdvance(text), fm.height());
    QPainter p(&picture);
    p.setFont(font);
    p.setPen(QColor::fromRgb(band.colours.text));
    p.translate(box.left, box.bottom);
    p.rotate(-90); // reads upwards
    p.drawText(0, fm.ascent(), text);
    p.end();
    band_ = picture;
    records_.Select(window_, top_, path_);
    records_.BandBuilt();
}

BandFont TitleBandFont() {
    const QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    BandFont font;
    font.family = title.family().toStdString();
    // A size given in pixels is taken at 96 dots per inch.
    const auto points = [](const QFont& f) {
        return f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 72.0 / 96.0;
    };
    // Desktops without a theme report a title font larger than their menu font; at that size the
    // main menu's band text runs off the top of the menu, so the band never grows past the
    // menu's own text.
    const double menu = points(QApplication::font("QMenu"));
    font.pointSize = menu > 0 ? std::min(points(title), menu) : points(title);
    font.weight = 700;
    font.italic = title.italic();
    font.underline = title.underline();
    font.strikeOut = title.strikeOut();
    return font;
}

QFont ToQFont(const BandFont& font) {
    QFont f(QString::fromStdString(font.family));
    f.setPointSizeF(font.pointSize > 0 ? font.pointSize : 9);
    f.setWeight(static_cast<QFont::Weight>(font.weight));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

FileIcon FileIconFor(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists()) {
        return {FileIconKind::NoFile, ProgramIcon("icon_nofile")};
    }
    if (!info.isReadable()) {
        return {FileIconKind::FileWarn, ProgramIcon("icon_filewarn")};
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull()) {
        icon = QIcon::fromTheme(type.genericIconName());
    }
    if (icon.isNull()) {
        icon = QFileIconProvider().icon(info);
    }
    if (icon.isNull()) {
        return {FileIconKind::NoFile, ProgramIcon("icon_nofile")};
    }
    return {FileIconKind::Own, icon};
}

} // namespace trumbel

#include "menus/qt/OwnMenuWidgets.h"

#include "menus/qt/QtMenuPresenter.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <unistd.h>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

MenuItem Entry(std::string caption, std::string name = "MnuTest") {
    MenuItem m;
    m.name = std::move(name);
    m.caption = std::move(caption);
    return m;
}

MenuItem Separator() {
    MenuItem m = Entry("-");
    m.separator = true;
    return m;
}

MenuItem Menu(std::vector<MenuItem> items, std::string band = {}) {
    MenuItem m;
    m.name = "MnuRoot";
    m.caption = "root";
    m.submenu = true;
    m.items = std::move(items);
    m.band = std::move(band);
    m.bandShown = !m.band.empty();
    return m;
}

// A menu built the way the presenter builds it, kept with its records and style.
struct Built {
    OwnMenu records;
    OwnMenuStyle style;
    std::unique_ptr<OwnMenuWidget> menu;

    explicit Built(const MenuItem& model) {
        records.Init({});
        RegisterOwnMenu(records, 1, model);
        menu = BuildOwnMenu(model, records, 1, style, nullptr);
    }
    QAction* At(int i) const { return menu->actions().at(i); }
    int Frame() const {
        return menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu.get());
    }
    // What the menu paints, band included.
    QImage Picture() const {
        menu->adjustSize();
        return menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

QIcon RedSquare() {
    QPixmap red(16, 16);
    red.fill(QColor(255, 0, 0));
    return QIcon(red);
}

Size TextSize(const QFont& font, const QString& text) {
    const QFontMetrics fm(font);
    return {fm.horizontalAdvance(text), fm.height()};
}

TEST(OwnMenuWidgets, ItemsAreMeasuredByTheRules) {
    const EdgeSize edge;
    struct Case {
        const char* what;
        const char* caption;
        bool icon;
        bool defaultItem;
    };
    for (const Case& c : {Case{"plain", "オプション(&O)", false, false},
                          Case{"with icon", "オプション(&O)", true, false},
                          Case{"default item, bold", "オプション(&O)", false, true},
                          Case{"long caption", "サポートページを開く(&H) and more", true, false}}) {
        SCOPED_TRACE(c.what);
        Built b(Menu({Entry(c.caption)}));
        if (c.icon) {
            b.At(0)->setIcon(RedSquare());
        }
        QFont font = b.menu->font();
        if (c.defaultItem) {
            b.menu->setDefaultAction(b.At(0));
            font.setWeight(static_cast<QFont::Weight>(DefaultItemWeight(b.menu->font().weight())));
        }
        const Size expected =
            MeasureItem(TextSize(font, QString::fromUtf8(c.caption)), {16, 16}, edge, 0);
        const QRect item = b.menu->actionGeometry(b.At(0));
        EXPECT_EQ(item.width(), expected.width);
        EXPECT_EQ(item.height(), expected.height);
        EXPECT_EQ(item.left(), b.Frame()) << "no band: the item starts inside the frame";
    }
}

TEST(OwnMenuWidgets, SeparatorsAndBandsTakeTheirMeasuredRoom) {
    const EdgeSize edge;
    const QString caption = QStringLiteral("終了(&X)");
    Built plain(Menu({Entry("終了(&X)"), Separator(), Entry("終了(&X)")}));
    Built banded(Menu({Entry("終了(&X)"), Separator(), Entry("終了(&X)")}, " Function (一覧)"));
    const Size item = MeasureItem(TextSize(plain.menu->font(), caption), {16, 16}, edge, 0);

    EXPECT_EQ(plain.menu->actionGeometry(plain.At(1)).height(), SeparatorHeight(edge));
    EXPECT_EQ(plain.menu->BandWidth(), 0);
    const int band = BandWidth(QFontMetrics(banded.menu->BandQFont()).height(), edge);
    EXPECT_EQ(banded.menu->BandWidth(), band);
    for (Built* b : {&plain, &banded}) {
        const QRect first = b->menu->actionGeometry(b->At(0));
        EXPECT_EQ(first.width(), item.width);
        EXPECT_EQ(first.left(), b->Frame() + b->menu->BandWidth());
    }
    EXPECT_EQ(banded.menu->sizeHint().width() - plain.menu->sizeHint().width(), band)
        << "the band is added to the width";
    EXPECT_EQ(banded.menu->sizeHint().height(), plain.menu->sizeHint().height());
}

// The rightmost pixel of an item row that is not its background.
int RightmostInk(const QImage& picture, const QRect& row) {
    const QRgb background = picture.pixel(row.left() + 1, row.top() + 1);
    int right = -1;
    for (int y = row.top(); y <= row.bottom(); ++y) {
        for (int x = row.left(); x <= row.right(); ++x) {
            if (picture.pixel(x, y) != background) {
                right = std::max(right, x);
            }
        }
    }
    return right;
}

TEST(OwnMenuWidgets, OnlyATabMakesAShortcutColumn) {
    const std::string pause = "最前面表示" + std::string(16, ' ') + "Pause";
    const EdgeSize edge;
    struct Case {
        std::string caption;
        bool rightAligned;
    };
    for (const Case& c : {Case{pause, false}, Case{"開く\tCtrl+O", true}}) {
        SCOPED_TRACE(c.caption);
        // A wider neighbour leaves room on the right of the row.
        Built b(Menu({Entry(c.caption), Entry(std::string(30, 'W'))}));
        const OwnItemRecord& record = b.records.Submenu(1, 0)->items[0];
        EXPECT_EQ(record.text.shortcut.empty(), !c.rightAligned);
        const QImage picture = b.Picture();
        const QRect row = b.menu->actionGeometry(b.At(0));
        const ItemColumns columns = LayoutItem(row.width(), {16, 16}, edge);
        ASSERT_TRUE(picture.rect().contains(row)) << picture.width() << " " << row.right();
        const int right = RightmostInk(picture, row);
        const QFontMetrics fm(b.menu->font());
        if (c.rightAligned) {
            EXPECT_NEAR(right, row.left() + columns.shortcutRight - 1, 2);
        } else {
            EXPECT_NEAR(right,
                        row.left() + columns.captionLeft +
                            fm.horizontalAdvance(QString::fromStdString(pause)) - 1,
                        3);
            EXPECT_LT(right, row.left() + columns.shortcutRight - 100);
        }
    }
}

TEST(OwnMenuWidgets, TheBandPictureIsTheGradientWithUpwardTextAtTheBottom) {
    std::vector<MenuItem> items;
    for (int i = 0; i < 12; ++i) {
        items.push_back(Entry("entry " + std::to_string(i)));
    }
    items.insert(items.begin() + 4, Separator());
    Built b(Menu(items, "  Velquor ver.1.32  (Revision : 0083)"));
    const QImage picture = b.Picture();
    const QImage& band = b.menu->BandPicture();
    const OwnSubmenu& records = *b.records.Submenu(1, 0);
    ASSERT_FALSE(band.isNull());
    EXPECT_FALSE(records.bandDirty);
    int itemsHeight = 0;
    for (QAction* action : b.menu->actions()) {
        itemsHeight += b.menu->actionGeometry(action).height();
    }
    EXPECT_EQ(records.totalHeight, itemsHeight);
    ASSERT_EQ(band.height(), itemsHeight);
    ASSERT_EQ(band.width(), b.menu->BandWidth());

    const QFontMetrics fm(b.menu->BandQFont());
    const BandTextBox box =
        PlaceBandText(band.width(), band.height(),
                      fm.horizontalAdvance(QString::fromStdString(records.band.text)), fm.height());
    int white = 0;
    for (int y = 0; y < band.height(); ++y) {
        const std::uint32_t gradient =
            BandRowColour(Rgb(0, 0, 255), Rgb(0, 0, 64), y, band.height());
        for (int x = 0; x < band.width(); ++x) {
            const std::uint32_t pixel = RgbOf(band.pixel(x, y));
            const bool inBox = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            if (!inBox) {
                ASSERT_EQ(pixel, gradient) << x << "," << y << ": outside the text only gradient";
            }
            white += pixel == Rgb(255, 255, 255);
            // The menu shows the band as painted, inside its frame.
            ASSERT_EQ(RgbOf(picture.pixel(b.Frame() + x, b.Frame() + y)), pixel) << x << "," << y;
        }
    }
    EXPECT_GT(white, 50) << "white text";
    // Upwards from the bottom: after the two leading blanks the first glyph ("V") is inked,
    // while the top rows, past the text's end or not, stay gradient at the band's edges.
    bool inkedNearBottom = false;
    for (int y = band.height() - 1 - fm.horizontalAdvance(QStringLiteral("  V"));
         y < band.height() - fm.horizontalAdvance(QStringLiteral("  ")); ++y) {
        for (int x = box.left; x < box.right; ++x) {
            inkedNearBottom |= RgbOf(band.pixel(x, y)) !=
                               BandRowColour(Rgb(0, 0, 255), Rgb(0, 0, 64), y, band.height());
        }
    }
    EXPECT_TRUE(inkedNearBottom);
    for (int y = band.height() - fm.horizontalAdvance(QStringLiteral("  ")) + 1; y < band.height();
         ++y) {
        EXPECT_EQ(RgbOf(band.pixel(band.width() / 2, y)),
                  BandRowColour(Rgb(0, 0, 255), Rgb(0, 0, 64), y, band.height()))
            << "the blanks at the start leave row " << y;
    }
}

struct Colours {
    QColor menu{240, 240, 240};
    QColor text{0, 0, 0};
    QColor highlight{0, 100, 0};
    QColor highlightedText{255, 255, 0};
    QColor grey{160, 0, 160};
};

QPalette PaletteOf(const Colours& c) {
    QPalette pal;
    pal.setColor(QPalette::Window, c.menu);
    pal.setColor(QPalette::WindowText, c.text);
    pal.setColor(QPalette::Highlight, c.highlight);
    pal.setColor(QPalette::HighlightedText, c.highlightedText);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, c.grey);
    return pal;
}

// The colours found in a rectangle of the picture.
std::set<QRgb> ColoursIn(const QImage& picture, const QRect& r) {
    std::set<QRgb> found;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            found.insert(picture.pixel(x, y) | 0xFF000000u);
        }
    }
    return found;
}

TEST(OwnMenuWidgets, StyleOneColoursIconsAndChecks) {
    const Colours c;
    const EdgeSize edge;
    enum class Icon { None, Red };
    struct Case {
        const char* what;
        bool enabled, selected, checked;
        Icon icon;
        QColor background, ink;
    };
    for (const Case& k : {
             Case{"normal", true, false, false, Icon::Red, c.menu, c.text},
             Case{"selected", true, true, false, Icon::Red, c.highlight, c.highlightedText},
             Case{"disabled", false, false, false, Icon::Red, c.menu, c.grey},
             Case{"disabled and selected", false, true, false, Icon::None, c.menu, c.grey},
             Case{"checked with icon", true, false, true, Icon::Red, c.menu, c.text},
             Case{"checked without icon", true, false, true, Icon::None, c.menu, c.text},
         }) {
        SCOPED_TRACE(k.what);
        Built b(Menu({Entry("Wide caption for ink"), Entry("other")}));
        b.menu->setPalette(PaletteOf(c));
        QAction* a = b.At(0);
        a->setEnabled(k.enabled);
        a->setCheckable(true);
        a->setChecked(k.checked);
        if (k.icon == Icon::Red) {
            a->setIcon(RedSquare());
        }
        if (k.selected) {
            b.menu->setActiveAction(a);
        }
        const QImage picture = b.Picture();
        const QRect row = b.menu->actionGeometry(a);
        const ItemColumns columns = LayoutItem(row.width(), {16, 16}, edge);
        EXPECT_EQ(QColor(picture.pixel(row.right() - 1, row.top() + 1)), k.background);
        const QRect textArea(row.left() + columns.captionLeft, row.top(),
                             columns.shortcutRight - columns.captionLeft, row.height());
        EXPECT_TRUE(ColoursIn(picture, textArea).contains(k.ink.rgb())) << "ink in its colour";

        const QRect iconBox(row.left() + columns.iconLeft, row.top() + (row.height() - 16) / 2, 16,
                            16);
        const std::set<QRgb> inIcon = ColoursIn(picture, iconBox);
        if (k.icon == Icon::Red && k.enabled) {
            EXPECT_TRUE(inIcon.contains(qRgb(255, 0, 0)));
        }
        if (k.icon == Icon::Red && !k.enabled) {
            EXPECT_FALSE(inIcon.contains(qRgb(255, 0, 0))) << "greyed";
            EXPECT_TRUE(inIcon.contains(c.grey.rgb())) << "in the grey text colour";
        }
        if (k.checked && k.icon == Icon::Red) {
            // The ring around the icon is dithered white and highlight.
            const int x = iconBox.left() - 1;
            for (int y = iconBox.top(); y < iconBox.bottom(); ++y) {
                const QColor a1(picture.pixel(x, y));
                const QColor a2(picture.pixel(x, y + 1));
                EXPECT_NE(a1, a2) << y;
                EXPECT_TRUE(a1 == QColor(Qt::white) || a1 == c.highlight) << y;
            }
        }
        if (k.checked && k.icon == Icon::None) {
            EXPECT_TRUE(inIcon.contains(c.text.rgb())) << "a check mark";
        }
        if (!k.checked && k.icon == Icon::None) {
            EXPECT_EQ(inIcon.size(), 1u) << "an empty icon column";
        }
    }
}

TEST(OwnMenuWidgets, FileEntriesShowTheFilesOwnIconOrAStandIn) {
    const fs::path folder =
        fs::temp_directory_path() / ("ownmenu-icons-" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "notes.txt") << "notes";
    std::ofstream(folder / "locked.txt") << "locked";
    fs::permissions(folder / "locked.txt", fs::perms::none);
    struct Case {
        fs::path path;
        FileIconKind kind;
    };
    for (const Case& c : {Case{folder / "notes.txt", FileIconKind::Own},
                          Case{folder / "gone.txt", FileIconKind::NoFile},
                          Case{folder / "locked.txt", FileIconKind::FileWarn}}) {
        if (c.kind == FileIconKind::FileWarn && geteuid() == 0) {
            continue; // root reads every file
        }
        const FileIcon icon = FileIconFor(c.path.string());
        EXPECT_EQ(icon.kind, c.kind) << c.path;
        if (c.kind == FileIconKind::Own) {
            EXPECT_FALSE(icon.icon.isNull());
        }
    }
    fs::remove_all(folder);
}

// The presenter draws its own menus only with icon menus in force.
TEST(OwnMenuWidgets, ThePresenterFollowsIconMenus) {
    MenuItem file = Entry("notes");
    file.iconFile = "/nonexistent/notes.txt";
    const MenuItem model = Menu({Entry("オプション(&O)"), file}, " 設定切り替え");
    struct Case {
        IconMenus iconMenus;
        bool own;
    };
    for (const Case& c : {Case{IconMenus::On, true}, Case{IconMenus::Off, false}}) {
        QtMenuPresenter presenter([] { return nullptr; });
        bool own = false;
        int band = -1;
        presenter.onShown = [&](QMenu& menu) {
            const auto* drawn = dynamic_cast<OwnMenuWidget*>(&menu);
            own = drawn != nullptr;
            band = drawn ? drawn->BandWidth() : 0;
            menu.close();
        };
        EXPECT_EQ(presenter.Show(model, c.iconMenus), std::nullopt);
        EXPECT_EQ(own, c.own);
        EXPECT_EQ(band > 0, c.own) << "the band only on a drawn menu";
    }
}

TEST(OwnMenuWidgets, TheBandFontIsTheTitleFontButNeverLargerThanTheMenus) {
    const QFont saved = QApplication::font("QMenu");
    const double title = QFontDatabase::systemFont(QFontDatabase::TitleFont).pointSizeF();
    ASSERT_GT(title, 1);
    struct Case {
        double menuPoints;
        double expected;
    };
    for (const Case c : {Case{title / 2, title / 2}, Case{title * 2, title}}) {
        QFont menu = saved;
        menu.setPointSizeF(c.menuPoints);
        QApplication::setFont(menu, "QMenu");
        const BandFont band = TitleBandFont();
        EXPECT_DOUBLE_EQ(band.pointSize, c.expected) << "menu font " << c.menuPoints;
        EXPECT_EQ(band.weight, 700);
    }
    QApplication::setFont(saved, "QMenu");
}

} // namespace
} // namespace trumbel

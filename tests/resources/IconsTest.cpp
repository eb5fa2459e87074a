#include "measure/ItemKinds.h"
#include "menus/MenuTree.h"
#include "resources/qt/ProgramIcons.h"
#include "tests/support/TestFolder.h"

#include <QDir>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <png.h>
#include <set>
#include <string>
#include <vector>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

void CollectIcons(const MenuItem& item, std::set<std::string>& names) {
    if (!item.icon.empty()) {
        names.insert(item.icon);
    }
    for (const MenuItem& child : item.items) {
        CollectIcons(child, names);
    }
}

// Every 16 px name the program shows: the menus' design-time icons, the drive types, and the
// names given to entries made while a list or the options tree is filled.
std::set<std::string> SmallIconNames() {
    std::set<std::string> names;
    for (const MenuItem& top : DesignTimeMenus()) {
        CollectIcons(top, names);
    }
    for (int type = 0; type < 7; ++type) {
        names.insert(std::string(DriveTypeIcon(type)));
    }
    for (const char* name :
         {"icon_function", "icon_file", "icon_nofile", "icon_filewarn", "icon_skinuse",
          "icon_skinfile", "icon_ini", "icon_tool2", "icon_cpu", "icon_device", "icon_nodevice",
          "icon_netdw", "icon_netnodw", "icon_netup", "icon_netnoup", "icon_me", "icon_tray"}) {
        names.insert(name);
    }
    return names;
}

QImage Argb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

int Transparent(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += qAlpha(image.pixel(x, y)) == 0;
        }
    }
    return n;
}

TEST(ProgramIcons, EveryMenuAndTreeNameHasASixteenPixelPictureWithTransparency) {
    const std::set<std::string> names = SmallIconNames();
    std::set<std::string> designTime;
    for (const MenuItem& top : DesignTimeMenus()) {
        CollectIcons(top, designTime);
    }
    ASSERT_GE(designTime.size(), 30u) << "the menu tree lost its icon names";
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const QImage image = Argb(ProgramPixmap(name, 16));
        ASSERT_EQ(image.size(), QSize(16, 16));
        const int clear = Transparent(image);
        EXPECT_GT(clear, 0) << "no transparent pixel: the icon would show a square";
        EXPECT_LT(clear, 16 * 16 - 20) << "hardly anything drawn";
        EXPECT_TRUE(ProgramIcon(name).availableSizes().contains(QSize(16, 16)));
    }
}

TEST(ProgramIcons, LargerPicturesComeInTheSizeTheyAreShownAt) {
    struct Case {
        const char* name;
        int size;
    };
    const Case cases[] = {
        {"OPT_110", 32},  {"OPT_111", 32},  {"OPT_112", 32},  {"OPT_113", 32}, {"OPT_114", 32},
        {"OPT_115", 32},  {"OPT_116", 32},  {"OPT_117", 32},  {"OPT_118", 32}, {"clock_10", 32},
        {"clock_11", 32}, {"clock_12", 32}, {"clock_13", 32}, {"symbol", 16},  {"symbol", 32},
        {"symbol", 48},   {"symbol", 64},   {"symbol", 128},  {"symbol", 256},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(c.size));
        const QImage image = Argb(ProgramPixmap(c.name, c.size));
        ASSERT_EQ(image.size(), QSize(c.size, c.size));
        EXPECT_TRUE(ProgramIcon(c.name).availableSizes().contains(QSize(c.size, c.size)));
        EXPECT_GT(Transparent(image), 0);
        EXPECT_LT(Transparent(image), c.size * c.size * 3 / 4);
    }
    // The desktop picks among exactly the drawn sizes of the program icon.
    const QList<QSize> sizes = ProgramIcon("symbol").availableSizes();
    EXPECT_EQ(sizes.size(), 6);
}

// Pixel art is enlarged by whole pixels: every 2 × 2 (3 × 3) block of a doubled (tripled) icon
// is one colour, on every path a larger picture is asked for.
TEST(ProgramIcons, EnlargedPicturesKeepWholePixels) {
    struct Case {
        const char* name;
        int size;
        int factor;
    };
    for (const Case& c : {Case{"icon_hdd", 32, 2}, Case{"icon_cddvd", 48, 3},
                          Case{"OPT_112", 64, 2}, Case{"symbol", 48, 3}}) {
        SCOPED_TRACE(c.name);
        const QImage big = Argb(ProgramPixmap(c.name, c.size));
        const QImage one = Argb(ProgramPixmap(c.name, c.size / c.factor));
        ASSERT_EQ(big.size(), QSize(c.size, c.size));
        int wrong = 0;
        for (int y = 0; y < c.size; ++y) {
            for (int x = 0; x < c.size; ++x) {
                wrong += big.pixel(x, y) != one.pixel(x / c.factor, y / c.factor);
            }
        }
        EXPECT_EQ(wrong, 0);
    }
    // Screens with two device pixels per point get the doubled drawing, not a blurred one.
    const QIcon hdd = ProgramIcon("icon_hdd");
    EXPECT_TRUE(hdd.availableSizes().contains(QSize(32, 32)));
    // Sizes between drawn ones still come out in the size asked for.
    EXPECT_EQ(ProgramPixmap("icon_hdd", 24).size(), QSize(24, 24));
    EXPECT_EQ(ProgramPixmap("symbol", 22).size(), QSize(22, 22));
}

TEST(ProgramIcons, UnknownAndPathLikeNamesGiveNoPicture) {
    for (const char* name :
         {"", "icon_nosuchthing", "ICON_HDD", "icon_hdd.png", "../icons/icon_hdd", "icons/icon_hdd",
          ":/icons/icon_hdd", "symbol-16", "icon_hdd "}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(ProgramIcon(name).isNull());
        EXPECT_TRUE(ProgramPixmap(name, 16).isNull());
    }
    EXPECT_TRUE(ProgramPixmap("icon_hdd", 0).isNull());
}

// The lists of drives show these side by side: each pair must differ in enough pixels that a
// person tells them apart at 16 px, in shape or brightness, not in hue alone.
TEST(DriveIcons, DifferPairwiseInShapeOrBrightness) {
    const char* names[] = {"icon_hdd", "icon_cddvd", "icon_removable", "icon_netres",
                           "icon_ramdisk"};
    auto luma = [](QRgb p) { return (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p)) / 1000; };
    constexpr int kEnough = 64; // of 256: a quarter of the square
    for (std::size_t i = 0; i < std::size(names); ++i) {
        for (std::size_t j = i + 1; j < std::size(names); ++j) {
            const QImage a = Argb(ProgramPixmap(names[i], 16));
            const QImage b = Argb(ProgramPixmap(names[j], 16));
            int differing = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const QRgb p = a.pixel(x, y);
                    const QRgb q = b.pixel(x, y);
                    const bool shape = (qAlpha(p) == 0) != (qAlpha(q) == 0);
                    const bool light = qAlpha(p) && qAlpha(q) && std::abs(luma(p) - luma(q)) >= 40;
                    differing += shape || light;
                }
            }
            EXPECT_GE(differing, kEnough) << names[i] << " / " << names[j];
        }
    }
}

std::vector<std::string> EmbeddedNames(const QString& prefix) {
    std::vector<std::string> names;
    for (const QString& file : QDir(QStringLiteral(":/icons")).entryList(QDir::Files)) {
        if (file.startsWith(prefix)) {
            names.push_back(file.chopped(4).toStdString()); // ".png"
        }
    }
    return names;
}

// No two names share a picture (a slip in the generator's table), at either size.
TEST(ProgramIcons, EveryNameHasAPictureOfItsOwn) {
    struct Case {
        const char* prefix;
        int size;
        std::size_t atLeast;
    };
    for (const Case& c : {Case{"icon_", 16, 53}, Case{"OPT_", 32, 9}, Case{"clock_", 32, 4}}) {
        const std::vector<std::string> names = EmbeddedNames(QString::fromLatin1(c.prefix));
        EXPECT_GE(names.size(), c.atLeast) << c.prefix;
        std::vector<QImage> images;
        for (const std::string& name : names) {
            images.push_back(Argb(ProgramPixmap(name, c.size)));
        }
        for (std::size_t i = 0; i < names.size(); ++i) {
            for (std::size_t j = i + 1; j < names.size(); ++j) {
                EXPECT_NE(images[i], images[j]) << names[i] << " / " << names[j];
            }
        }
    }
}

// Menus come light or dark with the desktop's theme: every icon keeps enough pixels that stand
// off either ground, so none vanishes on one of them.
TEST(ProgramIcons, EveryIconShowsOnLightAndDarkMenus) {
    auto luma = [](QRgb p) { return (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p)) / 1000; };
    struct Ground {
        const char* what;
        int luma;
    };
    const Ground grounds[] = {{"light", 240}, {"dark", 48}};
    for (const std::string& name : EmbeddedNames(QStringLiteral("icon_"))) {
        const QImage image = Argb(ProgramPixmap(name, 16));
        for (const Ground& ground : grounds) {
            int standing = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const QRgb p = image.pixel(x, y);
                    standing += qAlpha(p) == 255 && std::abs(luma(p) - ground.luma) >= 64;
                }
            }
            EXPECT_GE(standing, 14) << name << " on a " << ground.what << " menu";
        }
    }
}

struct Decoded {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> rgba;
    bool operator==(const Decoded&) const = default;
};

Decoded ReadPng(const fs::path& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    Decoded d;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return d;
    }
    image.format = PNG_FORMAT_RGBA;
    d.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, d.rgba.data(), 0, nullptr)) {
        return {};
    }
    d.width = image.width;
    d.height = image.height;
    return d;
}

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// The committed pictures are what the generator draws (pixels compared, so a different zlib
// does not matter), none is left over, and every one of them is embedded.
TEST(IconFiles, CommittedPicturesAreTheGeneratorsAndAllEmbedded) {
    const fs::path out = test::FreshTestFolder();
    const std::string cmd = std::string(TRUMBEL_MAKE_ICONS) + " " + out.string();
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const fs::path committed = fs::path(TRUMBEL_SOURCE_DIR) / "resources" / "icons";
    const std::set<std::string> drawn = FilesIn(out);
    ASSERT_EQ(drawn, FilesIn(committed)) << "run `ninja update_art` and commit resources/icons";
    for (const std::string& file : drawn) {
        SCOPED_TRACE(file);
        const Decoded fresh = ReadPng(out / file);
        ASSERT_GT(fresh.width, 0u);
        EXPECT_TRUE(fresh == ReadPng(committed / file)) << "run `ninja update_art`";
    }
    QStringList embedded = QDir(QStringLiteral(":/icons")).entryList(QDir::Files);
    std::set<std::string> embeddedNames;
    for (const QString& name : embedded) {
        embeddedNames.insert(name.toStdString());
    }
    EXPECT_EQ(embeddedNames, drawn) << "re-run cmake after adding an icon";
}

} // namespace
} // namespace trumbel

#include "tray/qt/QtTaskIcon.h"

#include "resources/qt/ProgramIcons.h"
#include "tray/qt/QtTrayHost.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "tray_qt_tests";
        static char* argv[] = {name, nullptr};
        // No test here may reach a real display or tray.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};
[[maybe_unused]] const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

TrayIconHandle Image(std::uint32_t colour) {
    auto image = std::make_shared<TrayImage>();
    image->argb.fill(colour);
    return image;
}

TEST(QtTaskIcon, CreatedFlagSemantics) {
    QtTaskIcon icon([](TrayClick) {}, 400);
    // Nothing happens before the icon is added.
    EXPECT_FALSE(icon.ChangeTrayIcon(Image(0xFF0000FF), "x"));
    EXPECT_FALSE(icon.ShowBalloonToolTip("t", 1, "T", 5000, EraseBeforeBalloon::No));
    EXPECT_FALSE(icon.DeleteBalloonToolTip());
    EXPECT_FALSE(icon.DeleteTrayIcon());
    EXPECT_FALSE(icon.IconShown());
    EXPECT_FALSE(icon.Visible());

    // No tray here (offscreen): the add fails, and the icon still counts as created.
    EXPECT_FALSE(icon.CreateTrayIcon(3, Image(0xFF00FF00), "Velquor\r\nCPU使用量\r\n5％"));
    EXPECT_TRUE(icon.IconShown());
    EXPECT_TRUE(icon.Visible());
    EXPECT_EQ(icon.IconNumber(), 3);
    EXPECT_EQ(icon.ToolTip(), QString::fromUtf8("Velquor\nCPU使用量\n5％"));

    // A second add does nothing; a modify replaces the tip.
    icon.CreateTrayIcon(4, Image(0), "other");
    EXPECT_EQ(icon.IconNumber(), 3);
    icon.ChangeTrayIcon(Image(0), "Velquor\r\n9％");
    EXPECT_EQ(icon.ToolTip(), QStringLiteral("Velquor\n9％"));

    EXPECT_TRUE(icon.DeleteTrayIcon());
    EXPECT_FALSE(icon.IconShown());
    EXPECT_FALSE(icon.Visible());
    EXPECT_FALSE(icon.ChangeTrayIcon(Image(0), "gone"));
    EXPECT_EQ(icon.ToolTip(), QStringLiteral("Velquor\n9％"));
}

TEST(ToQIcon, KeepsPixelsAndTransparency) {
    TrayImage image;
    image.argb[0] = 0xFF123456u;
    image.argb[17] = 0u;
    const QImage q = ToQIcon(image).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(q.size(), QSize(16, 16));
    EXPECT_EQ(q.pixel(0, 0), 0xFF123456u);
    EXPECT_EQ(qAlpha(q.pixel(1, 1)), 0);
}

TEST(QtTrayHost, MakesIconsAndTitlesTooltipWindows) {
    std::vector<TrayClick> clicks;
    QtTrayHost host([&](TrayClick c) { clicks.push_back(c); });
    auto icon = host.MakeIcon();
    ASSERT_TRUE(icon);
    EXPECT_FALSE(icon->IconShown());
    const TrayIconHandle symbol = host.Symbol();
    ASSERT_TRUE(symbol);
    EXPECT_EQ(symbol, host.Symbol()); // drawn once
    EXPECT_EQ(qAlpha(symbol->At(8, 8)), 255);
    EXPECT_EQ(qAlpha(symbol->At(0, 0)) < 255, true); // rounded corner
    // The notice icon is the program icon, pixel for pixel.
    const QImage program =
        ProgramPixmap("symbol", 16).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(program.size(), QSize(16, 16));
    int differing = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            differing += symbol->At(x, y) != program.pixel(x, y);
        }
    }
    EXPECT_EQ(differing, 0);

    QLabel label(QStringLiteral("Velquor\nCPU使用量\n5％"));
    label.setObjectName(QStringLiteral("plain"));
    label.show();
    EXPECT_TRUE(label.windowTitle().isEmpty()); // only tooltip windows get titled
}

} // namespace
} // namespace trumbel

#include "about/qt/AboutBox.h"

#include "tests/support/TestFolder.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

void Click(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

TEST(AboutBox, ShowsTheProgramAndOpensTheMakersLinks) {
    RecordingUi ui;
    std::vector<std::string> opened;
    AboutDesktop desktop;
    desktop.open = [&](const std::string& target) { opened.push_back(target); };
    AboutBox box(ui, desktop);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("バージョン情報 - Velquor"));
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(box.LabelName->text(), QStringLiteral("Velquor"));
    EXPECT_EQ(box.LabelVersion->text(), QStringLiteral("バージョン 1.32  (Revision : 0083)"));
    const QStringList lines = box.TextDescription->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].at(0), QChar(0x3000));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("  なお､")));
    EXPECT_TRUE(box.TextDescription->isReadOnly());
    EXPECT_EQ(box.font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    for (QLabel* link : {box.LabelHomePage, box.LabelMail}) {
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        Click(link);
    }
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], "https://velquor.example.org/");
    EXPECT_TRUE(
        opened[1].starts_with("mailto:support@velquor.example.org?Subject=Velquor%E3%81%AB"))
        << opened[1];
    box.show();
    QApplication::processEvents();
    EXPECT_TRUE(box.CmdOk->hasFocus() || QApplication::focusWidget() == nullptr);
    Click(box.CmdOk);
    EXPECT_FALSE(box.isVisible());
}

// The system information button on this machine's search path: a viewer placed there is
// started for real; without one the message is shown.
TEST(AboutBox, SystemInformationStartsTheFirstViewerFoundElseSaysSo) {
    const fs::path folder = test::FreshTestFolder("sysinfo");
    const fs::path marker = folder / "started";
    const QByteArray oldPath = qgetenv("PATH");
    struct Case {
        std::vector<const char*> viewers;
        const char* started; // "" when the message is expected
    };
    for (const Case& c :
         {Case{{}, ""}, Case{{"gnome-system-monitor", "kinfocenter"}, "kinfocenter"}}) {
        fs::remove_all(folder / "bin");
        fs::create_directories(folder / "bin");
        fs::remove(marker);
        for (const char* viewer : c.viewers) {
            const fs::path script = folder / "bin" / viewer;
            std::ofstream(script) << "#!/bin/sh\necho " << viewer << " > '" << marker.string()
                                  << "'\n";
            fs::permissions(script, fs::perms::owner_all);
        }
        qputenv("PATH", QByteArray::fromStdString((folder / "bin").string()));
        RecordingUi ui;
        AboutBox box(ui, LiveAboutDesktop([](const std::string&) {}));
        Click(box.CmdSysInfo);
        qputenv("PATH", oldPath);
        if (*c.started) {
            EXPECT_TRUE(ui.shown.empty());
            for (int i = 0; i < 100 && !fs::exists(marker); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            std::string name;
            std::ifstream(marker) >> name;
            EXPECT_EQ(name, c.started);
        } else {
            ASSERT_EQ(ui.shown.size(), 1u);
            EXPECT_EQ(ui.shown[0].text, "現時点ではｼｽﾃﾑ情報を使用できません");
            EXPECT_EQ(ui.shown[0].buttons, MsgButtons::Ok);
        }
    }
}

} // namespace
} // namespace trumbel

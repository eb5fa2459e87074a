#include "resources/qt/ProgramLook.h"
#include "tests/core/LiveStart.h"
#include "tests/support/TestFolder.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTranslator>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

// The main menu's first item opens the real about box, modally, with the program's flag set
// for as long as it is open.
TEST(LiveAbout, TheMenuItemOpensTheBoxAndFlagsItWhileOpen) {
    const auto folder = test::FreshTestFolder("about");
    RecordingUi ui;
    LiveProgram live(ui, folder.string() + "/", LiveRole::Window);
    test::StartGuarded(live);
    int shown = 0;
    bool flaggedWhileOpen = false;
    QString title;
    live.aboutDialog.onShown = [&](AboutBox& box) {
        ++shown;
        flaggedWhileOpen = live.program.aboutBoxOpen;
        title = box.windowTitle();
        // A tray click's menu can ask for it again while it is open: one box, still flagged.
        live.menuActions.ShowAbout();
        flaggedWhileOpen = flaggedWhileOpen && live.program.aboutBoxOpen;
        box.CmdOk->click();
    };
    live.formMenu.Run({"MnuAbout", kSingleItem}, live.menuActions);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(flaggedWhileOpen);
    EXPECT_EQ(title, QStringLiteral("バージョン情報 - Velquor"));
    EXPECT_FALSE(live.program.aboutBoxOpen);
    EXPECT_TRUE(live.window.isVisible());
    live.program.EndApplication();
}

bool HasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
               (u >= 0xFF00 && u <= 0xFFEF);
    });
}

void CollectTexts(const QMenu& menu, QStringList& texts) {
    texts << menu.title();
    for (const QAction* action : menu.actions()) {
        texts << action->text();
        if (action->menu()) {
            CollectTexts(*action->menu(), texts);
        }
    }
}

// Under English the whole main menu, every list filled, and the about box read in English:
// the embedded translation is installed and every text reaches the screen through it.
TEST(LiveAbout, InEnglishTheMainMenuAndTheBoxHoldNoJapanese) {
    const auto folder = test::FreshTestFolder("english");
    std::filesystem::create_directories(folder / "Function");
    std::ofstream(folder / "Function" / "tool.sh") << "x";
    setenv("TRUMBEL_LANG", "en", 1);
    InstallProgramLanguage(*QCoreApplication::instance());
    unsetenv("TRUMBEL_LANG");
    RecordingUi ui;
    LiveProgram live(ui, folder.string() + "/", LiveRole::Window);
    test::StartGuarded(live);
    QStringList texts;
    live.menuPresenter.onShown = [&](QMenu& menu) {
        CollectTexts(menu, texts);
        menu.close();
    };
    live.program.DoTrayAction(1);
    live.aboutDialog.onShown = [&](AboutBox& box) {
        texts << box.windowTitle() << box.TextDescription->toPlainText()
              << box.TextDescription->accessibleName();
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            texts << label->text();
        }
        for (const QPushButton* button : box.findChildren<QPushButton*>()) {
            texts << button->text();
        }
        box.CmdOk->click();
    };
    live.formMenu.Run({"MnuAbout", kSingleItem}, live.menuActions);
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    EXPECT_GT(texts.size(), 40);
    EXPECT_TRUE(texts.contains(QStringLiteral("E&xit")));
    for (const QString& text : texts) {
        EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
    }
    live.program.EndApplication();
}

} // namespace
} // namespace trumbel

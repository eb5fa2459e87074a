#include "tests/core/LiveStart.h"
#include "tests/support/TestFolder.h"

#include <QApplication>
#include <QPushButton>
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

} // namespace
} // namespace trumbel

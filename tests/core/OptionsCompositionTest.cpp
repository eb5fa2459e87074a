#include "core/qt/Application.h"
#include "core/qt/LiveProgram.h"
#include "options/qt/OptionsDialog.h"
#include "tests/core/LiveStart.h"
#include "tests/support/TestFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

struct LiveRig {
    fs::path folder = test::FreshTestFolder();
    RecordingUi ui;
    LiveProgram live{ui, folder.string() + "/", LiveRole::Window};
    LiveRig() {
        live.program.settings.adjustClockAtStart = 0;
        test::StartGuarded(live);
    }
    ~LiveRig() { live.program.EndApplication(); }
};

// Qt's own buttons and dialogs speak the program's language once trumbel has prepared its
// application.
TEST(LiveOptions, QtOwnTextsAreInTheProgramsLanguage) {
    PrepareApplication(*qApp);
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    for (const QAbstractButton* b : box.buttons()) {
        EXPECT_FALSE(b->text().contains(QRegularExpression("[A-Za-z]{2}")))
            << qPrintable(b->text());
    }
}

// Every road into the dialog reaches the one dialog, on the page it names; the z-order rules
// see it open until it closes.
TEST(LiveOptions, EveryRoadOpensTheOneDialogOnItsPage) {
    LiveRig rig;
    LiveProgram& live = rig.live;
    live.program.settings.openLastOptionsPage = false;
    EXPECT_EQ(live.options.Dialog(), nullptr);
    EXPECT_EQ(live.behaviour.optionsDialog, OptionsDialogStatus::Closed);

    live.behaviour.OnSkinButton(kOptionsButton, MouseButton::Left);
    OptionsDialog* dialog = live.options.Dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Velquorのオプション"));
    EXPECT_EQ(dialog->CurrentPage(), OptionsPageId::Basic);
    EXPECT_EQ(live.behaviour.optionsDialog, OptionsDialogStatus::Open);

    struct Road {
        int trayAction;
        OptionsPageId page;
    };
    using P = OptionsPageId;
    for (const Road& r :
         {Road{8, P::Window}, Road{9, P::Position}, Road{10, P::Skin}, Road{11, P::Layout},
          Road{12, P::Tray}, Road{13, P::Function}, Road{14, P::Network}, Road{7, P::Basic}}) {
        SCOPED_TRACE(r.trayAction);
        live.program.DoTrayAction(r.trayAction);
        EXPECT_EQ(live.options.Dialog(), dialog);
        EXPECT_EQ(dialog->CurrentPage(), r.page);
    }
    // The modeless open keeps the page it is on.
    dialog->ShowPage(P::Clock);
    live.program.DoTrayAction(6);
    EXPECT_EQ(dialog->CurrentPage(), P::Clock);
    live.menuActions.OpenOptions(std::nullopt);
    EXPECT_EQ(dialog->CurrentPage(), P::Clock);
    live.menuActions.OpenOptions(P::Tray);
    EXPECT_EQ(dialog->CurrentPage(), P::Tray);

    dialog->Cancel();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(live.behaviour.optionsDialog, OptionsDialogStatus::Closed);
    EXPECT_FALSE(live.program.settingsBusy);
}

// A menu opened while the dialog is the active window (the layout tree's) belongs to the
// dialog; otherwise to the strip.
TEST(LiveOptions, MenusOpenedFromTheDialogBelongToIt) {
    LiveRig rig;
    LiveProgram& live = rig.live;
    QWidget* owner = nullptr;
    live.menuPresenter.onShown = [&](QMenu& menu) {
        owner = menu.parentWidget();
        menu.close();
    };
    live.program.DoTrayAction(1);
    EXPECT_EQ(owner, &live.window);
    live.program.DoTrayAction(6);
    OptionsDialog* dialog = live.options.Dialog();
    ASSERT_NE(dialog, nullptr);
    QApplication::setActiveWindow(dialog);
    if (!dialog->isActiveWindow()) {
        GTEST_SKIP() << "this platform does not activate windows";
    }
    live.program.DoTrayAction(1);
    EXPECT_EQ(owner, dialog);
    dialog->Cancel();
    live.program.DoTrayAction(1);
    EXPECT_EQ(owner, &live.window);
}

} // namespace
} // namespace trumbel

#include "core/qt/LiveProgram.h"
#include "menus/qt/OwnMenuWidgets.h"
#include "platform/AppFolder.h"
#include "tests/core/LiveStart.h"
#include "tests/support/TestFolder.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

QAction* ActionNamed(QMenu& menu, const char* name) {
    for (QAction* action : menu.actions()) {
        if (action->property("trumbelItem").toString() == QLatin1String(name)) {
            return action;
        }
    }
    return nullptr;
}

// Every caller of a file-list menu, two hundred times over, closing the menu or acting on it:
// afterwards no menu, action or list entry is left, and each popup ran its command once.
TEST(LiveMenus, PopupsLeaveNoMenuActionOrListEntryBehind) {
    const fs::path folder = test::FreshTestFolder("menus");
    for (const char* file : {"Function/a.sh", "Function/PickUp/a.sh", "Option/A.ini"}) {
        fs::create_directories((folder / file).parent_path());
        std::ofstream(folder / file) << "x";
    }
    RecordingUi ui;
    LiveProgram live(ui, folder.string() + "/", LiveRole::Window);
    test::StartGuarded(live);
    live.program.settings.trayClickActions = {1, 3, 4, 5};

    int shown = 0;
    int mains = 0;
    int acted = 0;
    live.menuPresenter.onShown = [&](QMenu& menu) {
        ++shown;
        QAction* bigger = ActionNamed(menu, "mnuShowBigger");
        // Every other main menu doubles or halves the window; the rest are dismissed.
        if (bigger && ++mains % 2 == 1) {
            ++acted;
            menu.setActiveAction(bigger);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(&menu, &enter);
        } else {
            menu.close();
        }
    };
    const auto menusBefore = live.window.findChildren<QMenu*>().size();
    const auto actionsBefore = live.window.findChildren<QAction*>().size();
    const auto widgetsBefore = QApplication::allWidgets().size();
    const bool doubleBefore = live.program.settings.doubleSize;

    const int callers[] = {1, 3, 4, 5, 15};
    for (int i = 0; i < 200; ++i) {
        live.program.DoTrayAction(callers[i % 5]);
        QApplication::processEvents();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(shown, 200);
    EXPECT_EQ(mains, 40);
    EXPECT_EQ(acted, 20);
    EXPECT_EQ(live.program.settings.doubleSize, doubleBefore) << "an even number of toggles";
    EXPECT_EQ(live.formMenu.Find("mnuShowBigger")->checked, doubleBefore);
    EXPECT_EQ(live.window.findChildren<QMenu*>().size(), menusBefore);
    EXPECT_EQ(live.window.findChildren<QAction*>().size(), actionsBefore);
    EXPECT_EQ(QApplication::allWidgets().size(), widgetsBefore);
    EXPECT_FALSE(live.formMenu.ListsBuilt());
    for (PopupMenu list :
         {PopupMenu::FunctionAll, PopupMenu::FunctionPickUp, PopupMenu::SkinList}) {
        EXPECT_EQ(live.formMenu.Root(list).items.size(), 1u) << "only the placeholder is left";
    }
    EXPECT_EQ(live.formMenu.Root(PopupMenu::ChangeOption).items.size(), 3u);
    live.program.EndApplication();
}

// The live program draws its menus with the bands the lists ask for, and leaves them to the
// toolkit when icon menus are not in force (settings, or a start without subclassing).
TEST(LiveMenus, IconMenusDrawBandsWhereTheListsAskForThem) {
    struct Case {
        const char* what;
        std::vector<std::string> commandLine;
        bool iconMenuSetting;
        int trayAction;
        bool own;
        std::string band;
    };
    const std::string mainBand = "  Velquor ver.1.32  (Revision : 0083)";
    for (const Case& c : {
             Case{"main menu", {}, true, 1, true, mainBand},
             Case{"function list alone", {}, true, 3, true, ""},
             Case{"favourites alone", {}, true, 4, true, " Function (お気に入り)"},
             Case{"skin list alone", {}, true, 5, true, " スキンファイル一覧"},
             Case{"settings switch alone", {}, true, 15, true, " 設定切り替え"},
             Case{"icon menus off", {}, false, 1, false, ""},
             Case{"no subclassing", {"/nosubclass"}, true, 1, false, ""},
         }) {
        SCOPED_TRACE(c.what);
        const fs::path folder = test::FreshTestFolder("bands");
        // Read at start, as the menu window loads.
        std::ofstream(folder / ("setting_" + CurrentUserName() + ".ini"))
            << "[バージョン情報]\nVelquorVer=1320083\n[基本設定]\nアイコンメニュー使用="
            << (c.iconMenuSetting ? 1 : 0) << "\n";
        RecordingUi ui;
        LiveProgram live(ui, folder.string() + "/", LiveRole::Window);
        test::StartGuarded(live, c.commandLine);
        bool own = false;
        std::string band;
        int bandWidth = 0;
        live.menuPresenter.onShown = [&](QMenu& menu) {
            if (auto* drawn = dynamic_cast<OwnMenuWidget*>(&menu)) {
                own = true;
                bandWidth = drawn->BandWidth();
                if (drawn->Records() && drawn->Records()->band.shown) {
                    band = drawn->Records()->band.text;
                }
            }
            menu.close();
        };
        live.program.DoTrayAction(c.trayAction);
        EXPECT_EQ(own, c.own);
        EXPECT_EQ(band, c.band);
        EXPECT_EQ(bandWidth > 0, !c.band.empty());
        live.program.EndApplication();
    }
}

// The slot menu's device lists from this machine's measurement: drive C is "/", every
// processor and interface is listed.
TEST(LiveMenus, DeviceListsComeFromTheMeasurement) {
    const fs::path folder = test::FreshTestFolder("devices");
    RecordingUi ui;
    LiveProgram live(ui, folder.string() + "/", LiveRole::Window);
    test::StartGuarded(live);
    live.program.RefreshTick();
    live.formMenu.SetNetWorkDevice(live.menuDevices);
    const SystemInfo& info = *live.measure.Info();
    const MenuItem& cpu = *live.formMenu.Find("MnuSlotInfo", 2);
    EXPECT_EQ(cpu.items.size(), info.CPUNum() > 1 ? 1u + info.CPUNum() : 1u);
    EXPECT_EQ(live.formMenu.NetworkDeviceCount(), info.GetNetWorkNum());
    const MenuItem* c = live.formMenu.Find("MnuDiskDriveList", 1);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->caption.rfind("C: /(", 0), 0u) << c->caption;
    live.formMenu.DeleteNetworkDevice();
    EXPECT_EQ(cpu.items.size(), 1u);
    live.program.EndApplication();
}

// Hostile names in the function folder, each a script that records the path it was started
// under: the list shows every name as it reads (no mnemonic, separator, blank or shortcut
// column, a long one shortened), in a file manager's order, and each entry starts its own file.
TEST(LiveMenus, EveryFileNameIsListedAsItReadsAndStartsItsOwnFile) {
    struct Case {
        std::string file;
        QString shown;
    };
    const std::string longName(200, 'w');
    const std::vector<Case> cases = {
        {"-", "-"},
        {"-.txt", "-"},
        {".directory", ".directory"},
        {"2 items.sh", "2 items"},
        {"10 items.sh", "10 items"},
        {"[内蔵] not built in.sh", "[内蔵] not built in"},
        {"a&b.sh", "a&&b"},
        {"B\ttab.sh", "B tab"},
        {longName + ".sh", ""},
        {"\x83\x65\x83\x58\x83\x67.sh", "テスト"}, // Shift_JIS, from a Windows archive
    };
    const fs::path folder = test::FreshTestFolder("names");
    const fs::path started = folder / "started.txt";
    fs::create_directories(folder / "Function");
    for (auto c = cases.rbegin(); c != cases.rend(); ++c) {
        const fs::path script = folder / "Function" / c->file;
        std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$0\" >>'" << started.string()
                              << "'\n";
        fs::permissions(script, fs::perms::owner_all);
    }
    RecordingUi ui;
    LiveProgram live(ui, folder.string() + "/", LiveRole::Window);
    test::StartGuarded(live);
    const auto boxesAtStart = ui.shown.size();
    auto lines = [&] {
        std::vector<std::string> out;
        std::ifstream in(started);
        for (std::string line; std::getline(in, line);) {
            out.push_back(fs::path(line).filename().string());
        }
        return out;
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        live.menuPresenter.onShown = [&](QMenu& menu) {
            const QList<QAction*> actions = menu.actions();
            EXPECT_EQ(actions.size(), static_cast<qsizetype>(kBuiltinFunctionCount + cases.size()));
            EXPECT_LT(menu.sizeHint().width(), 600);
            for (std::size_t k = 0; k < cases.size() && actions.size() > 5; ++k) {
                const QAction* entry = actions[static_cast<qsizetype>(kBuiltinFunctionCount + k)];
                EXPECT_FALSE(entry->isSeparator()) << k;
                if (!cases[k].shown.isEmpty()) {
                    EXPECT_EQ(entry->text(), cases[k].shown) << k;
                }
            }
            menu.setActiveAction(actions.value(static_cast<qsizetype>(kBuiltinFunctionCount + i)));
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(&menu, &enter);
        };
        live.program.DoTrayAction(3);
        for (int wait = 0; wait < 100 && lines().size() <= i; ++wait) {
            QApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ASSERT_EQ(lines().size(), i + 1) << "nothing started";
        EXPECT_EQ(lines()[i], cases[i].file);
    }
    EXPECT_EQ(ui.shown.size(), boxesAtStart);
    const FunctionPage page = live.launcher.FillFunctionPage();
    ASSERT_EQ(page.entries.size(), kBuiltinFunctionCount + cases.size());
    for (std::size_t k = 0; k < cases.size(); ++k) {
        EXPECT_EQ(page.entries[kBuiltinFunctionCount + k].fileName, cases[k].file) << k;
    }
    live.program.EndApplication();
}

// A file dropped on the skin window is offered for the function folder and copied on Yes; a drop
// that carries no file is refused.
TEST(LiveMenus, AFileDroppedOnTheWindowIsRegistered) {
    const fs::path folder = test::FreshTestFolder("drop");
    const fs::path outside = folder / "outside" / "tool.sh";
    fs::create_directories(outside.parent_path());
    std::ofstream(outside) << "x";
    RecordingUi ui;
    LiveProgram live(ui, (folder / "app").string() + "/", LiveRole::Window);
    test::StartGuarded(live);
    const auto boxesAtStart = ui.shown.size();

    QMimeData text;
    text.setText(QStringLiteral("no file here"));
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&live.window, &enter);
    EXPECT_FALSE(enter.isAccepted());

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QString::fromStdString(outside.string())),
                   QUrl::fromLocalFile(QStringLiteral("/etc/hostname"))});
    ui.answers = {MsgAnswer::Yes};
    // As the toolkit delivers a drop: to the widget that accepted the drag.
    QDragEnterEvent offer(QPoint(1, 1), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&live.window, &offer);
    EXPECT_TRUE(offer.isAccepted());
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&live.window, &drop);
    QApplication::processEvents();
    ASSERT_EQ(ui.shown.size(), boxesAtStart + 1);
    EXPECT_EQ(ui.shown.back().title, "ファンクション登録の確認Velquor");
    EXPECT_TRUE(fs::exists(folder / "app" / "Function" / "tool.sh"));
    EXPECT_FALSE(fs::exists(folder / "app" / "Function" / "hostname")) << "only the first file";
    live.program.EndApplication();
}

} // namespace
} // namespace trumbel

#include "options/qt/LayoutPage.h"

#include "core/qt/LiveProgram.h"
#include "options/qt/OldLayoutPage.h"
#include "options/qt/OptionsDialog.h"
#include "platform/AppFolder.h"
#include "tests/options/RecordingOptionsHost.h"
#include "tests/support/TestFolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

// The running program on its built-in skin, its options dialog open on the layout tree, and a
// layout of `count` bar-graph containers whose slots show physical memory.
struct Rig {
    fs::path folder = test::FreshTestFolder("layout-page");
    RecordingUi ui;
    std::unique_ptr<LiveProgram> live;
    OptionsDialog* dialog = nullptr;

    Rig() {
        ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
        std::ofstream(folder / ("setting_" + CurrentUserName() + ".ini"))
            << "[バージョン情報]\nVelquorVer=1320083\n[時計設定]\n起動時に時計を合わせる=0\n";
        live = std::make_unique<LiveProgram>(ui, folder.string() + "/", LiveRole::Window);
        live->program.FormLoad({});
        live->behaviour.OnSkinButton(kOptionsButton, MouseButton::Left);
        dialog = live->options.Dialog();
        dialog->ShowPage(OptionsPageId::Layout);
    }
    ~Rig() { live->program.EndApplication(); }

    void Layout(int count) {
        Settings& s = settings();
        s.containerCount = static_cast<std::int16_t>(count);
        s.historyContainer.fill(0);
        s.clockContainer.fill(0);
        for (auto& row : s.kind) {
            row.fill(0);
        }
        for (auto& row : s.device) {
            row.fill(0);
        }
        // Every slot alike in the standard style, so containers differ by their marks only.
        for (int u = 0; u < kContainerCount; ++u) {
            for (int slot = 0; slot < kSlotCount; ++slot) {
                SetSlotStyle(s, live->skin.CurrentStandardStyles(), u, slot, 0, StyleSet::Force);
            }
        }
        live->skin.Relayout();
        dialog->Refill();
    }
    Settings& settings() { return live->program.settings; }
    LayoutPage& tree() { return *static_cast<LayoutPage*>(dialog->Page(OptionsPageId::Layout)); }
    OldLayoutPage& old() {
        return *static_cast<OldLayoutPage*>(dialog->Page(OptionsPageId::OldLayout));
    }
    // The strip's length along its direction, and one graph unit's.
    bool Vertical() const { return live->skin.skin().skinType == 2; }
    int Length() const {
        return Vertical() ? live->skin.layout().layoutHeight : live->skin.layout().layoutWidth;
    }
    int Advance() const {
        return Vertical() ? live->skin.skin().graphUnit.advanceY
                          : live->skin.skin().graphUnit.advanceX;
    }
};

QAction* FindAction(QMenu& menu, const QString& name, int index) {
    for (QAction* action : menu.actions()) {
        if (action->property("trumbelItem").toString() == name &&
            (index < 0 || action->property("trumbelIndex").toInt() == index)) {
            return action;
        }
        if (action->menu()) {
            if (QAction* inner = FindAction(*action->menu(), name, index)) {
                return inner;
            }
        }
    }
    return nullptr;
}

enum class Choose { No, Yes };

// A clock unit has its own length.
constexpr int kAnyLength = -100;

struct Offer {
    bool found = false;
    bool enabled = false;
    QString caption;
};

// A right click on the line of `key` as a person makes it; notes how the popup offers item
// `name` and chooses it (the item made active, Return) when asked and enabled.
Offer RightClick(LayoutPage& page, const std::string& key, const QString& name, int index,
                 Choose choose) {
    Offer offer;
    QTreeWidgetItem* line = page.Item(key);
    EXPECT_NE(line, nullptr) << key;
    if (!line) {
        return offer;
    }
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            return;
        }
        if (QAction* action = FindAction(*menu, name, index)) {
            offer = {true, action->isEnabled(), action->text()};
            if (choose == Choose::Yes && action->isEnabled() && menu->actions().contains(action)) {
                menu->setActiveAction(action);
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(menu, &enter);
            }
        }
        if (menu->isVisible()) {
            menu->close();
        }
    });
    QWidget* viewport = page.tree()->viewport();
    const QPoint at = page.tree()->visualItemRect(line).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    QApplication::processEvents();
    return offer;
}

int UnitLines(LayoutPage& page) {
    int units = 0;
    for (QTreeWidgetItemIterator it(page.tree()); *it; ++it) {
        units += (*it)->data(0, Qt::UserRole).toString().startsWith(QStringLiteral("unit"));
    }
    return units;
}

// The moves, inserts and deletes the layout cannot take are offered disabled.
TEST(LayoutPage, RightClickOffersOnlyWhatTheLayoutAllows) {
    Rig rig;
    struct Case {
        const char* what;
        int count;
        int history; // container made a history graph, -1 none
        const char* key;
        const char* item;
        bool enabled;
    };
    for (const Case& c : {
             Case{"history slot down", 5, 0, "slot11", "MnuSlotMoveDw", false},
             Case{"history slot up", 5, 0, "slot11", "MnuSlotMoveUp", false},
             Case{"bar slot down", 5, 0, "slot21", "MnuSlotMoveDw", true},
             Case{"ten: insert above", 10, -1, "unit3", "MnuUnitAddUp", false},
             Case{"ten: insert below", 10, -1, "unit3", "MnuUnitAddDw", false},
             Case{"ten: delete", 10, -1, "unit3", "MnuDeleteConteiner", true},
             Case{"one: delete", 1, -1, "unit1", "MnuDeleteConteiner", false},
             Case{"one: insert", 1, -1, "unit1", "MnuUnitAddDw", true},
             Case{"one: up", 1, -1, "unit1", "MnuUnitMoveUp", false},
             Case{"one: down", 1, -1, "unit1", "MnuUnitMoveDw", false},
             Case{"last down", 4, -1, "unit4", "MnuUnitMoveDw", false},
         }) {
        SCOPED_TRACE(c.what);
        rig.Layout(c.count);
        if (c.history >= 0) {
            rig.settings().historyContainer[static_cast<std::size_t>(c.history)] = 1;
            rig.dialog->Refill();
        }
        const Settings before = rig.settings();
        const Offer offer = RightClick(rig.tree(), c.key, c.item, -1, Choose::No);
        EXPECT_TRUE(offer.found);
        EXPECT_EQ(offer.enabled, c.enabled);
        // The right click selected the line.
        EXPECT_EQ(rig.tree().SelectedKey(), c.key);
        EXPECT_EQ(rig.settings(), before);
    }
    // A history graph has one slot line; the skin's slot count gives a bar graph its lines.
    rig.Layout(2);
    rig.settings().historyContainer[0] = 1;
    rig.dialog->Refill();
    EXPECT_NE(rig.tree().Item("slot11"), nullptr);
    EXPECT_EQ(rig.tree().Item("slot12"), nullptr);
    EXPECT_NE(rig.tree().Item("slot2" + std::to_string(rig.live->skin.skin().slotCount)), nullptr);
    EXPECT_EQ(rig.tree().Item("slot2" + std::to_string(rig.live->skin.skin().slotCount + 1)),
              nullptr);
    const Offer caption = RightClick(rig.tree(), "slot11", "MnuSlotMoveDw", -1, Choose::No);
    EXPECT_EQ(caption.caption, QStringLiteral("下に移動"));
    // Nor below the skin's last slot.
    const std::string last = "slot2" + std::to_string(rig.live->skin.skin().slotCount);
    EXPECT_FALSE(RightClick(rig.tree(), last, "MnuSlotMoveDw", -1, Choose::No).enabled);
    EXPECT_TRUE(RightClick(rig.tree(), last, "MnuSlotMoveUp", -1, Choose::No).enabled);
}

// Each command edits the running record, the strip is laid out again at once and the tree
// shows the node the command answers, with as many container lines as are shown.
TEST(LayoutPage, TreeSelectsTheAnsweredNodeAfterEachCommand) {
    Rig rig;
    rig.Layout(5);
    rig.settings().device[2][0] = 33; // marks container 3
    rig.dialog->Refill();
    struct Case {
        const char* key;
        const char* item;
        int index;
        const char* selected;
        int count;
    };
    for (const Case& c : {
             Case{"unit1", "MnuUnitAddUp", -1, "unit2", 6},
             Case{"unit6", "MnuUnitAddDw", -1, "unit6", 7},
             Case{"unit7", "MnuDeleteConteiner", -1, "unit6", 6},
             Case{"unit2", "MnuDeleteConteiner", -1, "unit2", 5},
             Case{"slot11", "MnuSlotMoveDw", -1, "slot12", 5},
             Case{"slot12", "MnuSlotMoveUp", -1, "slot11", 5},
             Case{"unit3", "MnuUnitMoveUp", -1, "unit2", 5},
             Case{"unit2", "MnuUnitMoveDw", -1, "unit3", 5},
             Case{"firstunit", "MnuShowStartUnit", 1, "skinroot", 5},
             Case{"endunit", "MnuShowEndUnit", 1, "skinroot", 5},
             Case{"firstunit", "MnuShowStartUnit", 0, "skinroot", 5},
         }) {
        SCOPED_TRACE(std::string(c.key) + " " + c.item);
        const int before = rig.Length();
        const int countBefore = rig.settings().containerCount;
        const Offer offer = RightClick(rig.tree(), c.key, c.item, c.index, Choose::Yes);
        ASSERT_TRUE(offer.enabled);
        EXPECT_EQ(rig.settings().containerCount, c.count);
        EXPECT_EQ(rig.tree().SelectedKey(), c.selected);
        EXPECT_EQ(UnitLines(rig.tree()), c.count);
        if (c.count != countBefore) {
            EXPECT_EQ(rig.Length() - before, (c.count - countBefore) * rig.Advance());
        }
        EXPECT_EQ(rig.live->window.width(), rig.live->skin.layout().layoutWidth);
        EXPECT_EQ(rig.live->window.height(), rig.live->skin.layout().layoutHeight);
    }
    // The marked container moved with the inserts, deletes and moves: back at index 2.
    EXPECT_EQ(rig.settings().device[2][0], 33);
    EXPECT_EQ(rig.settings().showEndUnit, 0);
    EXPECT_EQ(rig.tree().Item("endunit")->text(0), QStringLiteral("[非表示]終端ユニット"));
    EXPECT_EQ(rig.tree().Item("firstunit")->text(0), QStringLiteral("[表示]始端ユニット"));
}

// "このページをリセット" on the tree's page puts the layout back, and the tree and the strip
// show it.
TEST(LayoutPage, PageResetRedrawsTreeAndStrip) {
    Rig rig;
    rig.Layout(1);
    rig.settings().showStartUnit = 0;
    rig.dialog->Refill();
    ASSERT_EQ(UnitLines(rig.tree()), 1);
    const int before = rig.Length();
    rig.dialog->ResetPage();
    const int count = rig.settings().containerCount;
    EXPECT_GT(count, 1);
    EXPECT_EQ(rig.settings().showStartUnit, 1);
    EXPECT_EQ(UnitLines(rig.tree()), count);
    EXPECT_EQ(rig.tree().Item("firstunit")->text(0), QStringLiteral("[表示]始端ユニット"));
    EXPECT_GT(rig.Length(), before);
    EXPECT_EQ(rig.live->window.width(), rig.live->skin.layout().layoutWidth);
    EXPECT_EQ(rig.live->window.height(), rig.live->skin.layout().layoutHeight);
}

// The slot menu's device lists hold the machine's devices while the dialog is open, and a
// device chosen from them reaches the slot and its line.
TEST(LayoutPage, SlotMenuListsTheMeasuredDevices) {
    Rig rig;
    rig.Layout(2);
    const MenuItem* root = rig.live->formMenu.Find("MnuDiskDriveList", 1);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->caption.rfind("C: /", 0), 0u) << root->caption;
    ASSERT_NE(rig.live->formMenu.Find("MnuNetWorkDeviceList1", 1), nullptr);
    const Offer disk = RightClick(rig.tree(), "slot21", "MnuDiskDriveList", 1, Choose::No);
    EXPECT_TRUE(disk.enabled);
    // Submenu items are chosen by the program's own path once the menu has closed.
    rig.tree().tree()->setCurrentItem(rig.tree().Item("slot21"));
    rig.live->layoutMenu.Run("slot21", {"MnuDiskDriveList", 1}, rig.tree());
    EXPECT_EQ(rig.settings().kind[1][0], 8);
    EXPECT_EQ(rig.settings().device[1][0], 0);
    EXPECT_TRUE(
        rig.tree().Item("slot21")->text(0).startsWith(QStringLiteral("ディスク容量情報 : C: /")));
    EXPECT_EQ(rig.tree().SelectedKey(), "slot21");
    rig.dialog->Cancel();
    EXPECT_EQ(rig.live->formMenu.Find("MnuDiskDriveList", 1), nullptr);
}

// The older editor writes the same fields through the same commands, and the strip follows.
TEST(LayoutPage, OlderEditorEditsReachTheRecord) {
    Rig rig;
    rig.dialog->ShowPage(OptionsPageId::OldLayout);
    OldLayoutPage& page = rig.old();
    const StandardStyles standard = rig.live->skin.CurrentStandardStyles();
    struct Case {
        const char* what;
        int container;
        std::function<void()> act;
        std::function<void(Settings&)> expect;
        int lengthChange; // in graph units
    };
    const auto choose = [](QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    };
    for (const Case& c : {
             Case{"insert above", 1, [&] { page.insertButton()->click(); },
                  [](Settings& s) {
                      s.containerCount = 4;
                      s.device[3][0] = 20;
                      s.device[2][0] = 10;
                      s.device[1][0] = 0;
                  },
                  1},
             Case{"add below", 2, [&] { page.addButton()->click(); },
                  [](Settings& s) {
                      s.containerCount = 4;
                      s.device[3][0] = 0;
                  },
                  1},
             Case{"delete", 0, [&] { page.deleteButton()->click(); },
                  [](Settings& s) {
                      s.containerCount = 2;
                      s.device[0][0] = 10;
                      s.device[1][0] = 20;
                  },
                  -1},
             Case{"move up", 2, [&] { page.upButton()->click(); },
                  [](Settings& s) {
                      s.device[1][0] = 20;
                      s.device[2][0] = 10;
                  },
                  0},
             Case{"clock", 1, [&] { page.clockButton()->click(); },
                  [](Settings& s) { s.clockContainer[1] = 1; }, kAnyLength},
             Case{"history", 1, [&] { page.historyBox()->click(); },
                  [](Settings& s) { s.historyContainer[1] = 1; }, 0},
             Case{"hide from 2", 1, [&] { page.shownBox()->click(); },
                  [](Settings& s) { s.containerCount = 1; }, -2},
             Case{"show up to 5", 4, [&] { page.shownBox()->click(); },
                  [](Settings& s) { s.containerCount = 5; }, 2},
             Case{"kind CPU", 1, [&] { choose(page.kindList(1), 2); },
                  [&](Settings& s) {
                      s.kind[1][1] = 2;
                      s.device[1][1] = 0;
                      SetSlotStyle(s, standard, 1, 1, 3, StyleSet::IfChosen);
                  },
                  0},
             Case{"drive E", 2,
                  [&] {
                      choose(page.kindList(0), 8);
                      choose(page.deviceList(0), 2);
                  },
                  [&](Settings& s) {
                      s.kind[2][0] = 8;
                      s.device[2][0] = 2;
                      SetSlotStyle(s, standard, 2, 0, 0, StyleSet::IfChosen);
                  },
                  0},
         }) {
        SCOPED_TRACE(c.what);
        rig.Layout(3);
        for (int u = 0; u < kContainerCount; ++u) {
            rig.settings().device[static_cast<std::size_t>(u)][0] =
                static_cast<std::int16_t>(u * 10);
        }
        rig.dialog->Refill();
        page.containerList()->setCurrentRow(c.container);
        Settings expected = rig.settings();
        const int before = rig.Length();
        c.act();
        c.expect(expected);
        EXPECT_EQ(rig.settings(), expected);
        if (c.lengthChange != kAnyLength) {
            EXPECT_EQ(rig.Length() - before, c.lengthChange * rig.Advance());
        }
    }
    // A kind without devices cannot choose one.
    rig.Layout(1);
    page.containerList()->setCurrentRow(0);
    EXPECT_FALSE(page.deviceList(0)->isEnabled());
    EXPECT_EQ(page.deviceList(0)->currentText(), QStringLiteral("この項目は設定できません"));
    EXPECT_FALSE(page.deleteButton()->isEnabled());
    EXPECT_FALSE(page.fixedSkinNote()->isVisibleTo(&page));
}

// A skin drawn as one fixed picture has no layout to edit.
TEST(LayoutPage, FixedSkinDisablesTheOlderEditor) {
    for (const auto& [type, fixed] : std::vector<std::pair<int, bool>>{{1, false}, {-1, true}}) {
        test::RecordingOptionsHost host;
        host.skinType = type;
        OptionsDialog dialog(host);
        dialog.Open(OptionsPageId::OldLayout);
        auto& page = *static_cast<OldLayoutPage*>(dialog.Page(OptionsPageId::OldLayout));
        EXPECT_EQ(page.fixedSkinNote()->isVisibleTo(&page), fixed) << type;
        EXPECT_EQ(page.containerList()->isEnabled(), !fixed) << type;
        dialog.Cancel();
    }
}

// An update after the layout lost containers elsewhere (the older editor) drops their lines,
// slots and all.
TEST(LayoutPage, UpdateDropsLinesTheLayoutNoLongerHas) {
    test::RecordingOptionsHost host;
    host.record.containerCount = 6;
    host.record.historyContainer.fill(0);
    host.record.clockContainer.fill(0);
    OptionsDialog dialog(host);
    dialog.Open(OptionsPageId::Layout);
    auto& page = *static_cast<LayoutPage*>(dialog.Page(OptionsPageId::Layout));
    ASSERT_NE(page.Item("slot64"), nullptr);
    for (const int count : {2, 4, 1}) {
        host.record.containerCount = static_cast<std::int16_t>(count);
        page.ShowTree("slot11", TreeRebuild::Update);
        EXPECT_EQ(UnitLines(page), count);
        EXPECT_EQ(page.Item("slot" + std::to_string(count + 1) + "1"), nullptr);
        EXPECT_NE(page.Item("slot" + std::to_string(count) + "4"), nullptr);
        EXPECT_EQ(page.tree()->topLevelItem(0)->child(2)->text(0),
                  QStringLiteral("[表示]終端ユニット"));
        EXPECT_EQ(page.SelectedKey(), "slot11");
    }
    dialog.Cancel();
}

// A rebuild comes back scrolled as it was: the same line first, whichever node it selects.
TEST(LayoutPage, RebuildKeepsTheFirstVisibleLine) {
    test::RecordingOptionsHost host;
    host.record.containerCount = 10;
    host.record.historyContainer.fill(0);
    host.record.clockContainer.fill(0);
    OptionsDialog dialog(host);
    dialog.Open(OptionsPageId::Layout);
    dialog.resize(500, 400);
    QApplication::processEvents();
    auto& page = *static_cast<LayoutPage*>(dialog.Page(OptionsPageId::Layout));
    QTreeWidget& tree = *page.tree();
    const auto first = [&] {
        return tree.itemAt(QPoint(1, 1))
                   ? tree.itemAt(QPoint(1, 1))->data(0, Qt::UserRole).toString().toStdString()
                   : std::string();
    };
    for (const char* top : {"unit4", "slot52", "unit7"}) {
        SCOPED_TRACE(top);
        tree.scrollToItem(page.Item(top), QAbstractItemView::PositionAtTop);
        ASSERT_EQ(first(), top);
        page.ShowTree(top == std::string("unit4") ? "slot43" : top, TreeRebuild::Rebuild);
        EXPECT_EQ(first(), top);
    }
    dialog.Cancel();
}

// The ten-second tick shows the adapters as they are now and keeps the selected line.
TEST(LayoutPage, TickRenamesAdaptersAndKeepsTheSelection) {
    test::RecordingOptionsHost host;
    host.networks = {"eth0"};
    host.networkStates = {5};
    host.record.containerCount = 1;
    host.record.historyContainer[0] = 0;
    host.record.clockContainer[0] = 0;
    host.record.kind[0][1] = 5;
    host.record.device[0][1] = 0;
    OptionsDialog dialog(host);
    dialog.Open(OptionsPageId::Layout);
    auto& tree = *static_cast<LayoutPage*>(dialog.Page(OptionsPageId::Layout));
    auto& old = *static_cast<OldLayoutPage*>(dialog.Page(OptionsPageId::OldLayout));
    tree.tree()->setCurrentItem(tree.Item("slot12"));
    EXPECT_EQ(tree.Item("slot12")->text(0), QStringLiteral("ネットワーク送信量(bps) : eth0"));
    host.networks = {"enp1s0"};
    host.networkStates = {2};
    tree.Tick();
    old.Tick();
    EXPECT_EQ(tree.Item("slot12")->text(0), QStringLiteral("ネットワーク送信量(bps) : enp1s0"));
    EXPECT_EQ(tree.SelectedKey(), "slot12");
    EXPECT_EQ(old.deviceList(1)->itemText(0), QStringLiteral("enp1s0"));
    // The refresh button does the same at once.
    host.networks = {"wlan0"};
    tree.refreshButton()->click();
    EXPECT_EQ(tree.Item("slot12")->text(0), QStringLiteral("ネットワーク送信量(bps) : wlan0"));
    EXPECT_EQ(tree.SelectedKey(), "slot12");
    dialog.Cancel();
}

} // namespace
} // namespace trumbel

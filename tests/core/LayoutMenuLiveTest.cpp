#include "menus/qt/LayoutMenuPopup.h"
#include "tests/core/LiveStart.h"
#include "tests/support/TestFolder.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace trumbel {
namespace {

struct NotedTree final : LayoutTree {
    std::vector<std::string> selected;
    bool NoEvents() const override { return false; }
    void ShowTree(const std::string& key, TreeRebuild) override { selected.push_back(key); }
};

// Chooses the named item of the popup that opens next as a person would (the item made
// active, then Return), or closes it when the item is not there; notes whether it was offered
// enabled.
void ChooseWhenShown(const QString& item, bool& offeredEnabled) {
    QTimer::singleShot(50, [item, &offeredEnabled] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            return;
        }
        for (QAction* action : menu->actions()) {
            if (action->property("trumbelItem").toString() == item) {
                offeredEnabled = action->isEnabled();
                menu->setActiveAction(action);
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(menu, &enter);
                break;
            }
        }
        if (menu->isVisible()) {
            menu->close();
        }
    });
}

// The live program's layout menus through the real Qt menu: each choice edits the running
// settings and the strip is laid out again at once, one graph unit longer or shorter.
TEST(LiveLayoutMenu, ChoicesEditTheLayoutAndTheStripFollows) {
    const auto folder = test::FreshTestFolder("layout");
    RecordingUi ui;
    LiveProgram live(ui, folder.string() + "/", LiveRole::Window);
    test::StartGuarded(live);
    QWidget owner;
    NotedTree tree;
    // The strip grows along its direction: down for a fixed-width (vertical) skin.
    const bool vertical = live.skin.skin().skinType == 2;
    const auto length = [&] {
        return vertical ? live.skin.layout().layoutHeight : live.skin.layout().layoutWidth;
    };
    const int advance =
        vertical ? live.skin.skin().graphUnit.advanceY : live.skin.skin().graphUnit.advanceX;
    ASSERT_GT(advance, 0);

    struct Case {
        const char* key;
        const char* item;
        int containers; // afterwards
        int lengthChange;
        const char* selected;
    };
    int count = live.program.settings.containerCount;
    for (const Case& c : {
             Case{"unit1", "MnuUnitAddUp", count + 1, advance, "unit2"},
             Case{"unit2", "MnuDeleteConteiner", count, -advance, "unit2"},
             Case{"slot11", "MnuSlotMoveDw", count, 0, "slot12"},
             Case{"rootunit", "MnuUnitAddUp", count, 0, ""},
         }) {
        SCOPED_TRACE(std::string(c.key) + " " + c.item);
        const int before = length();
        tree.selected.clear();
        bool offered = false;
        ChooseWhenShown(QString::fromLatin1(c.item), offered);
        OpenLayoutMenu(live.layoutMenu, c.key, &owner, tree);
        QApplication::processEvents();
        EXPECT_EQ(live.program.settings.containerCount, c.containers);
        EXPECT_EQ(length() - before, c.lengthChange);
        EXPECT_EQ(live.window.width(), live.skin.layout().layoutWidth);
        EXPECT_EQ(live.window.height(), live.skin.layout().layoutHeight);
        // Drawn again at the new size.
        EXPECT_EQ(live.renderer.WindowPicture().width, live.skin.layout().layoutWidth);
        EXPECT_EQ(live.renderer.WindowPicture().height, live.skin.layout().layoutHeight);
        if (*c.selected) {
            EXPECT_TRUE(offered);
            EXPECT_EQ(tree.selected, std::vector<std::string>{c.selected});
        } else {
            EXPECT_TRUE(tree.selected.empty());
        }
    }
    EXPECT_FALSE(live.formMenu.PopupOpen());
    live.program.EndApplication();
}

} // namespace
} // namespace trumbel

#include "options/qt/OptionsDialog.h"

#include "core/qt/LiveProgram.h"
#include "options/qt/BasicPage.h"
#include "options/qt/DigitField.h"
#include "options/qt/FunctionPage.h"
#include "options/qt/PopupHelp.h"
#include "options/qt/SkinPage.h"
#include "options/qt/TrayPage.h"
#include "platform/AppFolder.h"
#include "tests/support/TestFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTextLayout>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

// The running program, started from a settings file that uses a file skin, with the options
// dialog opened through its button. The autostart folder is the test's own.
struct Rig {
    fs::path folder = test::FreshTestFolder("dialog");
    RecordingUi ui;
    std::unique_ptr<LiveProgram> live;
    OptionsDialog* dialog = nullptr;

    explicit Rig(std::int16_t lastPage = 0, bool openLast = false) {
        ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
        fs::create_directories(folder / "Skin");
        fs::copy_file(fs::path(TRUMBEL_SOURCE_DIR) / "tests/skin/fuzz/seed/english.skn",
                      folder / "Skin/english.skn");
        fs::copy_file(fs::path(TRUMBEL_SOURCE_DIR) / "resources/skin101.bmp",
                      folder / "Skin/art.bmp");
        std::ofstream(folder / ("setting_" + CurrentUserName() + ".ini"))
            << "[バージョン情報]\nVelquorVer=1320083\n[基本設定]\n最後に使用したページを開く="
            << (openLast ? 1 : 0) << "\n最後に使用したページ=" << lastPage
            << "\n[Skin設定]\nSkinフォルダー=" << (folder / "Skin").string()
            << "\nSkin名=english.skn\nデフォルトSkin使用=0\n[時計設定]\n起動時に時計を合わせる=0\n";
        live = std::make_unique<LiveProgram>(ui, folder.string() + "/", LiveRole::Window);
        live->program.FormLoad({});
        live->behaviour.OnSkinButton(kOptionsButton, MouseButton::Left);
        dialog = live->options.Dialog();
    }
    ~Rig() { live->program.EndApplication(); }

    Settings& settings() { return live->program.settings; }
    template <typename P> P& page(OptionsPageId id) { return *static_cast<P*>(dialog->Page(id)); }
    QSize strip() const { return live->window.size(); }
};

TEST(OptionsDialog, StartsFromTheFileSkin) {
    Rig rig;
    ASSERT_NE(rig.dialog, nullptr);
    EXPECT_EQ(rig.settings().useBuiltInSkin, 0);
    EXPECT_EQ(rig.live->skin.skin().skinName, "Test Skin");
    auto& skin = rig.page<SkinPage>(OptionsPageId::Skin);
    EXPECT_FALSE(skin.builtInBox()->isChecked());
    ASSERT_EQ(skin.skinList()->count(), 1);
    EXPECT_EQ(skin.skinList()->currentItem()->text(), QStringLiteral("english.skn"));
}

// The built-in skin follows the box at once; cancelling brings back the skin of the start.
TEST(OptionsDialog, BuiltInSkinThenCancelReturnsTheSkin) {
    Rig rig;
    const QSize before = rig.strip();
    auto& skin = rig.page<SkinPage>(OptionsPageId::Skin);
    skin.builtInBox()->click();
    EXPECT_EQ(rig.settings().useBuiltInSkin, 1);
    EXPECT_NE(rig.live->skin.skin().skinName, "Test Skin");
    EXPECT_NE(rig.strip(), before);
    skin.horizontalButton()->click();
    EXPECT_EQ(rig.settings().builtInSkinType, 0);
    rig.dialog->Cancel();
    EXPECT_FALSE(rig.dialog->isVisible());
    EXPECT_EQ(rig.settings().useBuiltInSkin, 0);
    EXPECT_EQ(rig.settings().builtInSkinType, 1);
    EXPECT_EQ(rig.live->skin.skin().skinName, "Test Skin");
    EXPECT_EQ(rig.strip(), before);
}

// One long file name neither widens the dialog past the screen nor loses its whole name.
TEST(OptionsDialog, ALongFileNameKeepsTheDialogOnTheScreen) {
    Rig rig;
    const std::string name = std::string(200, 'w') + ".txt";
    std::ofstream(rig.folder / "Function" / name) << "x";
    auto& fn = rig.page<FunctionButtonPage>(OptionsPageId::Function);
    fn.Fill();
    // The widest entry is what the box, and the dialog with it, grows to when first shown.
    QComboBox& box = *fn.functionCombo();
    EXPECT_LT(box.fontMetrics().horizontalAdvance(box.itemText(kBuiltinFunctionCount)), 640);
    box.setCurrentIndex(kBuiltinFunctionCount);
    EXPECT_EQ(rig.settings().functionName, name);
}

// Cancel compares the whole record: edits on every page of this dialog come back.
TEST(OptionsDialog, CancelRestoresTheWholeRecord) {
    Rig rig;
    const Settings before = rig.settings();
    auto& basic = rig.page<BasicPage>(OptionsPageId::Basic);
    auto& fn = rig.page<FunctionButtonPage>(OptionsPageId::Function);
    auto& tray = rig.page<TrayPage>(OptionsPageId::Tray);
    basic.strengthSlider()->setValue(33);
    fn.hotKeyBox()->click();
    fn.keyList()->setCurrentIndex(0);
    tray.addButton()->click();
    tray.kindList()->setCurrentIndex(8);
    tray.clickList(0)->setCurrentIndex(0);
    EXPECT_NE(rig.settings(), before);
    rig.dialog->Cancel();
    EXPECT_EQ(rig.settings(), before);
}

// Each control writes its own field and only it.
TEST(OptionsDialog, EachControlWritesOnlyItsField) {
    Rig rig;
    auto& basic = rig.page<BasicPage>(OptionsPageId::Basic);
    auto& fn = rig.page<FunctionButtonPage>(OptionsPageId::Function);
    auto& tray = rig.page<TrayPage>(OptionsPageId::Tray);
    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<void(Settings&)> expect; // applied to the record before: must equal after
    };
    const Case cases[] = {
        {"strength", [&] { basic.strengthSlider()->setValue(21); },
         [](Settings& s) { s.snapStrength = 21; }},
        {"hot key off", [&] { fn.hotKeyBox()->click(); }, [](Settings& s) { s.hotKeyEnabled = 0; }},
        {"hot key key", [&] { fn.keyList()->setCurrentIndex(0); },
         [](Settings& s) { s.hotKeyCode = 0x41; }},
        {"tray off", [&] { tray.showBox()->click(); }, [](Settings& s) { s.trayIconCount = 0; }},
        {"tray on", [&] { tray.showBox()->click(); }, [](Settings& s) { s.trayIconCount = 1; }},
        {"tray item", [&] { tray.kindList()->setCurrentIndex(0); },
         [](Settings& s) {
             s.trayIcons[1] = {0, 0};
         }},
        {"right double click", [&] { tray.clickList(3)->setCurrentIndex(18); },
         [](Settings& s) { s.trayClickActions[3] = 18; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings expected = rig.settings();
        c.expect(expected);
        c.act();
        EXPECT_EQ(rig.settings(), expected);
    }
}

TEST(OptionsDialog, ApplyThenCancelKeepsTheAppliedSettings) {
    Rig rig;
    auto& basic = rig.page<BasicPage>(OptionsPageId::Basic);
    basic.strengthSlider()->setValue(27);
    rig.dialog->ApplySettings();
    const Settings applied = rig.settings();
    basic.strengthSlider()->setValue(3);
    rig.dialog->Cancel();
    EXPECT_EQ(rig.settings(), applied);
    EXPECT_EQ(rig.settings().snapStrength, 27);
    // The file holds it too.
    std::ifstream file(rig.folder / ("setting_" + CurrentUserName() + ".ini"));
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("吸着強度=27"), std::string::npos);
}

// Resetting the skin page sets back only the skin group; the record of other pages stays.
TEST(OptionsDialog, ResetOfTheSkinPageLeavesTheOtherGroups) {
    Rig rig;
    auto& basic = rig.page<BasicPage>(OptionsPageId::Basic);
    basic.strengthSlider()->setValue(31);
    rig.settings().builtInSkinType = 0;
    rig.dialog->ShowPage(OptionsPageId::Skin);
    Settings expected = rig.settings();
    rig.dialog->ResetPage();
    const Settings defaults;
    EXPECT_EQ(rig.settings().useBuiltInSkin, defaults.useBuiltInSkin);
    EXPECT_EQ(rig.settings().builtInSkinType, defaults.builtInSkinType);
    EXPECT_EQ(rig.settings().skinFileName, defaults.skinFileName);
    EXPECT_EQ(rig.settings().snapStrength, 31);
    expected.useBuiltInSkin = rig.settings().useBuiltInSkin;
    expected.builtInSkinType = rig.settings().builtInSkinType;
    expected.skinFileName = rig.settings().skinFileName;
    expected.skinFolder = rig.settings().skinFolder;
    EXPECT_EQ(rig.settings(), expected);
    // The controls show the reset record.
    EXPECT_TRUE(rig.page<SkinPage>(OptionsPageId::Skin).builtInBox()->isChecked());
    EXPECT_EQ(rig.live->skin.skin().skinName, "Default_MiniV");
}

TEST(OptionsDialog, ResetAllAsksFirst) {
    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        Rig rig;
        rig.page<BasicPage>(OptionsPageId::Basic).strengthSlider()->setValue(31);
        rig.ui.shown.clear();
        rig.ui.answers = {answer};
        rig.dialog->execResetMenu = [](QMenu& menu, const QPoint&) {
            EXPECT_EQ(menu.title(), QStringLiteral("リセット"));
            return menu.actions().value(0);
        };
        for (QPushButton* b : rig.dialog->findChildren<QPushButton*>()) {
            if (b->text() == QStringLiteral("このページをリセット")) {
                emit b->customContextMenuRequested({});
            }
        }
        ASSERT_EQ(rig.ui.shown.size(), 1u);
        EXPECT_EQ(rig.ui.shown[0].title, "確認");
        EXPECT_EQ(rig.ui.shown[0].text, "すべてのデータをリセットします｡\r\nよろしいですか？");
        EXPECT_EQ(rig.ui.shown[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(rig.settings().snapStrength, answer == MsgAnswer::Yes ? 10 : 31);
    }
}

TEST(OptionsDialog, OpensOnTheLastPageOnlyForAPage) {
    struct Case {
        std::int16_t last;
        bool openLast;
        int page;
    };
    for (const Case& c : {Case{7, true, 7}, Case{12, true, 0}, Case{7, false, 0}}) {
        SCOPED_TRACE(c.last);
        Rig rig(c.last, c.openLast);
        EXPECT_EQ(static_cast<int>(rig.dialog->CurrentPage()), c.page);
    }
}

TEST(OptionsDialog, DigitFieldsIgnoreLettersAndTakeBackspace) {
    QLineEdit field;
    MakeDigitOnly(&field);
    struct Case {
        const char* typed;
        const char* text;
    };
    for (const Case& c :
         {Case{"12a3", "123"}, Case{"abc", ""}, Case{"-4.5", "45"}, Case{"0x10", "010"}}) {
        field.clear();
        QTest::keyClicks(&field, QString::fromUtf8(c.typed));
        EXPECT_EQ(field.text(), QString::fromUtf8(c.text)) << c.typed;
    }
    field.setText(QStringLiteral("123"));
    field.setCursorPosition(3);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), QStringLiteral("12"));
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), QStringLiteral("2"));
}

// A label is drawn in one face: the face asked for is missing here, and resolved per script
// the digits would come from a Latin face and the kana from a Japanese one.
TEST(OptionsDialog, EachLabelIsDrawnInOneFace) {
    Rig rig;
    for (const char* text : {"10ピクセル内は吸着", "現在：123", "バージョン 1.32"}) {
        QTextLayout layout(QString::fromUtf8(text), rig.dialog->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        std::set<std::string> faces;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            faces.insert(run.rawFont().familyName().toStdString());
        }
        EXPECT_EQ(faces.size(), 1u) << text << ": " << ::testing::PrintToString(faces);
    }
}

// The startup box follows the entry on disk; applying writes or deletes it with its box, and
// an entry already there is left alone without a box.
TEST(OptionsDialog, StartupEntryIsCreatedAndRemovedWithItsBoxes) {
    Rig rig;
    auto& basic = rig.page<BasicPage>(OptionsPageId::Basic);
    const fs::path entry = rig.folder / "config/autostart/Velquor.desktop";
    EXPECT_FALSE(basic.startupBox()->isChecked());
    rig.ui.shown.clear();
    basic.startupBox()->click();
    rig.dialog->ApplySettings();
    ASSERT_TRUE(fs::exists(entry));
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    EXPECT_EQ(rig.ui.shown[0].title, "スタートアップに登録 - Velquor");
    // Reopened, the box shows the entry; applying again says nothing.
    rig.dialog->Cancel();
    rig.live->behaviour.OnSkinButton(kOptionsButton, MouseButton::Left);
    EXPECT_TRUE(basic.startupBox()->isChecked());
    rig.ui.shown.clear();
    rig.dialog->ApplySettings();
    EXPECT_TRUE(rig.ui.shown.empty());
    basic.startupBox()->click();
    rig.dialog->ApplySettings();
    EXPECT_FALSE(fs::exists(entry));
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    EXPECT_EQ(rig.ui.shown[0].title, "スタートアップに登録を解除 - Velquor");
}

// A right click on a control with a setting offers its help; the choice shows the text.
TEST(OptionsDialog, PopupHelpExplainsEveryControlWithASetting) {
    Rig rig;
    QString shown;
    rig.dialog->popupHelp().exec = [](QMenu& menu, const QPoint&) {
        EXPECT_EQ(menu.title(), QStringLiteral("ポップアップヘルプ"));
        EXPECT_EQ(menu.actions().value(0)->text(), QStringLiteral("ヘルプ(&W)"));
        return menu.actions().value(0);
    };
    rig.dialog->popupHelp().show = [&](const QPoint&, const QString& text, QWidget*) {
        shown = text;
    };
    int controls = 0;
    for (OptionsPageId id : {OptionsPageId::Basic, OptionsPageId::Skin, OptionsPageId::Function,
                             OptionsPageId::Tray}) {
        QWidget* page = rig.dialog->Page(id);
        for (QWidget* w : page->findChildren<QWidget*>()) {
            const bool setting =
                qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) ||
                qobject_cast<QComboBox*>(w) || qobject_cast<QSlider*>(w) ||
                qobject_cast<QListWidget*>(w) ||
                (qobject_cast<QLineEdit*>(w) && !w->parentWidget()->inherits("QComboBox"));
            if (!setting) {
                continue;
            }
            SCOPED_TRACE((w->accessibleName().isEmpty() ? w->property("text").toString()
                                                        : w->accessibleName())
                             .toStdString());
            ++controls;
            shown.clear();
            QContextMenuEvent event(QContextMenuEvent::Mouse, {1, 1}, w->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(w, &event);
            EXPECT_FALSE(shown.isEmpty());
        }
    }
    EXPECT_GT(controls, 30);
}

// The skin list follows the folder field: a folder with skins lists them, one without says
// so, a missing one says so and keeps the folder in use.
TEST(OptionsDialog, SkinListFollowsTheFolderField) {
    Rig rig;
    auto& skin = rig.page<SkinPage>(OptionsPageId::Skin);
    fs::create_directories(rig.folder / "Empty");
    const std::string inUse = rig.settings().skinFolder;
    struct Case {
        std::string typed;
        const char* entry; // the single entry shown
        bool enabled;
        std::string stored; // "" keeps the folder in use
    };
    const std::string base = rig.folder.string() + "/";
    const Case cases[] = {
        {base + "Empty", "Skinファイルが見つかりません！", false, base + "Empty/"},
        {base + "Missing", "フォルダーが見つかりません！", false, ""},
        {"Empty", "Skinファイルが見つかりません！", false, base + "Empty/"}, // in AppFolder
        {"Missing", "フォルダーが見つかりません！", false, ""},
        {base + "Skin", "english.skn", true, base + "Skin/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string before = rig.settings().skinFolder;
        skin.folderField()->setText(QString::fromStdString(c.typed));
        emit skin.folderField()->editingFinished();
        ASSERT_EQ(skin.skinList()->count(), 1);
        EXPECT_EQ(skin.skinList()->item(0)->text(), QString::fromUtf8(c.entry));
        EXPECT_EQ(skin.skinList()->isEnabled(), c.enabled);
        EXPECT_EQ(rig.settings().skinFolder, c.stored.empty() ? before : c.stored);
    }
    EXPECT_EQ(rig.settings().skinFolder, inUse.back() == '/' ? inUse : inUse + "/");
    // Nothing was loaded by looking: the file skin is still in use.
    EXPECT_EQ(rig.live->skin.skin().skinName, "Test Skin");
}

// "保存" writes the record into the chosen option file (".ini" added) in the Option folder;
// "読込" reads it back and the controls follow.
TEST(OptionsDialog, OptionFilesAreSavedAndReadBack) {
    Rig rig;
    auto& basic = rig.page<BasicPage>(OptionsPageId::Basic);
    QString title;
    QString folder;
    QString filter;
    const QString target = QString::fromStdString((rig.folder / "Option" / "mine").string());
    rig.dialog->fileDialogs.save = [&](QWidget*, const QString& t, const QString& f,
                                       const QString& fl) {
        title = t;
        folder = f;
        filter = fl;
        return target;
    };
    basic.strengthSlider()->setValue(37);
    rig.dialog->SaveOptionFile();
    EXPECT_EQ(title, QStringLiteral("設定ファイルの保存"));
    EXPECT_EQ(folder, QString::fromStdString(rig.folder.string() + "/Option/"));
    EXPECT_EQ(filter, QStringLiteral("設定ファイル (*.ini)"));
    ASSERT_TRUE(fs::exists(rig.folder / "Option" / "mine.ini"));

    basic.strengthSlider()->setValue(5);
    rig.dialog->fileDialogs.open = [&](QWidget*, const QString& t, const QString&, const QString&) {
        title = t;
        return target + ".ini";
    };
    rig.dialog->OpenOptionFile();
    EXPECT_EQ(title, QStringLiteral("設定ファイルを開く"));
    EXPECT_EQ(rig.settings().snapStrength, 37);
    EXPECT_EQ(basic.strengthSlider()->value(), 37);
    // A cancelled dialog changes nothing.
    rig.dialog->fileDialogs.open = [](QWidget*, const QString&, const QString&, const QString&) {
        return QString();
    };
    basic.strengthSlider()->setValue(6);
    rig.dialog->OpenOptionFile();
    EXPECT_EQ(rig.settings().snapStrength, 6);
}

// Icons are added up to eight and removed down to one; removing moves the later icons up.
TEST(OptionsDialog, TrayIconsAreAddedAndRemovedInOrder) {
    Rig rig;
    auto& tray = rig.page<TrayPage>(OptionsPageId::Tray);
    ASSERT_EQ(rig.settings().trayIconCount, 1);
    for (int n = 2; n <= kTrayIconMax; ++n) {
        tray.addButton()->click();
        tray.kindList()->setCurrentIndex(n % 9);
    }
    EXPECT_EQ(rig.settings().trayIconCount, kTrayIconMax);
    EXPECT_EQ(tray.iconList()->count(), kTrayIconMax);
    EXPECT_FALSE(tray.addButton()->isEnabled());
    tray.iconList()->setCurrentRow(2); // icon 3
    tray.removeButton()->click();
    EXPECT_EQ(rig.settings().trayIconCount, kTrayIconMax - 1);
    EXPECT_EQ(rig.settings().trayIcons[3].kind, 4); // icon 4 moved up
    EXPECT_EQ(rig.settings().trayIcons[7].kind, 8);
    while (tray.removeButton()->isEnabled()) {
        tray.removeButton()->click();
    }
    EXPECT_EQ(rig.settings().trayIconCount, 1);
    EXPECT_EQ(tray.iconList()->count(), 1);
}

} // namespace
} // namespace trumbel

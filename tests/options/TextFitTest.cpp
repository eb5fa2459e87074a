#include "core/qt/LiveProgram.h"
#include "options/qt/OptionsDialog.h"
#include "resources/qt/ProgramLook.h"
#include "tests/core/LiveStart.h"
#include "tests/support/TestFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

// Every text of the options pages, the about box and the clock window has the room it needs,
// in the language and at the font DPI ctest gives (TRUMBEL_LANG, QT_FONT_DPI).
namespace trumbel {
namespace {

QString Plain(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x1f"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x1f'), QLatin1Char('&'));
}

int Widest(const QFontMetrics& fm, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, fm.horizontalAdvance(line));
    }
    return widest;
}

// The width a button's text is drawn in: beside the indicator, or inside the bevel.
int TextRoom(const QAbstractButton& b) {
    QStyleOptionButton opt;
    opt.initFrom(&b);
    opt.text = b.text();
    opt.icon = b.icon();
    opt.iconSize = b.iconSize();
    QStyle::SubElement area = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&b)) {
        area = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(&b)) {
        area = QStyle::SE_RadioButtonContents;
    } else if (const auto* push = qobject_cast<const QPushButton*>(&b)) {
        opt.features |=
            push->autoDefault() ? QStyleOptionButton::AutoDefaultButton : QStyleOptionButton::None;
    }
    int room = b.style()->subElementRect(area, &opt, &b).width();
    if (!b.icon().isNull()) {
        room -= b.iconSize().width() + 4;
    }
    return room;
}

// "what: needs N px, has M" for each shown text under `top` that does not fit.
QStringList CutTexts(const QWidget& top, const QString& where) {
    QStringList cut;
    const auto report = [&](const QWidget& w, const QString& text, int need, int has) {
        if (need > has) {
            cut << QStringLiteral("%1 | %2 | %3 | needs %4 px, has %5")
                       .arg(where, QString::fromLatin1(w.metaObject()->className()),
                            text.simplified())
                       .arg(need)
                       .arg(has);
        }
    };
    for (const QWidget* w : top.findChildren<QWidget*>()) {
        if (!w->isVisible()) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty()) {
                continue;
            }
            if (label->wordWrap()) {
                report(*w, label->text(), label->heightForWidth(label->width()), label->height());
            } else {
                report(*w, label->text(), label->minimumSizeHint().width(), label->width());
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            if (!button->text().isEmpty()) {
                report(*w, button->text(), Widest(button->fontMetrics(), Plain(button->text())),
                       TextRoom(*button));
            }
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            report(*w, box->title(), box->minimumSizeHint().width(), box->width());
        }
    }
    return cut;
}

struct Rig {
    std::filesystem::path folder = test::FreshTestFolder("fit");
    RecordingUi ui;
    LiveProgram live{ui, folder.string() + "/", LiveRole::Window};

    Rig() {
        std::ofstream(live.settings.SettingsFilePath())
            << "[バージョン情報]\nVelquorVer=1320083\n[時計設定]\n起動時に時計を合わせる=0\n";
        test::StartGuarded(live);
    }
    ~Rig() { live.program.EndApplication(); }
};

void ExpectNoneCut(const QStringList& cut) {
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
}

class TextFit : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallProgramLanguage(*QCoreApplication::instance()); }
};

TEST_F(TextFit, EveryOptionsPage) {
    Rig rig;
    rig.live.options.OpenOptions(OptionsPageId::Basic);
    OptionsDialog& dialog = *rig.live.options.Dialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QStringList cut;
    for (int i = 0; i < kOptionsPageCount; ++i) {
        const auto id = static_cast<OptionsPageId>(i);
        dialog.ShowPage(id);
        QApplication::processEvents();
        cut << CutTexts(dialog, QStringLiteral("options page %1").arg(i));
        // Popup help reaches no screen reader, so the accessibility walk never reads it.
        for (const QWidget* w : dialog.Page(id)->findChildren<QWidget*>()) {
            const QString help = w->whatsThis();
            if (ProgramLanguage() == UiLanguage::English &&
                std::any_of(help.begin(), help.end(), [](QChar c) { return c >= QChar(0x3000); })) {
                cut << QStringLiteral("options page %1 | popup help | %2").arg(i).arg(help);
            }
        }
    }
    cut.removeDuplicates();
    ExpectNoneCut(cut);
}

TEST_F(TextFit, AboutBox) {
    Rig rig;
    QStringList cut;
    bool shown = false;
    rig.live.aboutDialog.onShown = [&](AboutBox& box) {
        shown = QTest::qWaitForWindowExposed(&box);
        cut = CutTexts(box, QStringLiteral("about box"));
        box.CmdOk->click();
    };
    rig.live.formMenu.Run({"MnuAbout", kSingleItem}, rig.live.menuActions);
    EXPECT_TRUE(shown);
    ExpectNoneCut(cut);
}

TEST_F(TextFit, ClockWindow) {
    Rig rig;
    rig.live.program.settings.timeServer.clear(); // the outcome is at hand, nothing is sent
    rig.live.clock.LoadAdjustWindow();
    QWidget* window = rig.live.clock.Window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ExpectNoneCut(CutTexts(*window, QStringLiteral("clock window")));
}

} // namespace
} // namespace trumbel

#include "core/qt/LiveProgram.h"
#include "options/qt/LayoutPage.h"
#include "options/qt/OptionsDialog.h"
#include "platform/AppFolder.h"
#include "resources/qt/ProgramLook.h"
#include "tests/support/TestFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

bool HasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c >= QChar(0x3000) && c <= QChar(0x9fff)) || c >= QChar(0xff00);
    });
}

QString Caption(const QWidget& w) {
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        return button->text();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&w)) {
        return box->title();
    }
    return {};
}

// Under English, every caption, name and explanation of these pages is English, and the
// dialog's own size gives every caption its whole width: a width fitted to the Japanese cuts
// the longer English off. The dialog's own buttons and list too.
TEST(OptionsInEnglish, CaptionsAreEnglishAndWhole) {
    const auto folder = test::FreshTestFolder("english-pages");
    std::ofstream(folder / ("setting_" + CurrentUserName() + ".ini"))
        << "[バージョン情報]\nVelquorVer=1320083\n[時計設定]\n起動時に時計を合わせる=0\n";
    setenv("TRUMBEL_LANG", "en", 1);
    InstallProgramLanguage(*QCoreApplication::instance());
    unsetenv("TRUMBEL_LANG");
    RecordingUi ui;
    LiveProgram live(ui, folder.string() + "/", LiveRole::Window);
    live.program.FormLoad({});
    live.options.OpenOptions(OptionsPageId::Basic);
    OptionsDialog& dialog = *live.options.Dialog();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Velquor Options"));

    const auto check = [](const QWidget* w) {
        const QString caption = Caption(*w);
        const std::string where = w->metaObject()->className() + (" " + caption.toStdString());
        for (const QString& text : {caption, w->accessibleName(), w->whatsThis()}) {
            EXPECT_FALSE(HasJapanese(text)) << where << ": " << text.toStdString();
        }
        if (!caption.isEmpty() && w->isVisible()) {
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << where;
        }
    };
    for (const QWidget* w : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        check(w);
    }
    for (OptionsPageId id :
         {OptionsPageId::Basic, OptionsPageId::Skin, OptionsPageId::Layout, OptionsPageId::Position,
          OptionsPageId::Window, OptionsPageId::OldLayout}) {
        dialog.ShowPage(id);
        QApplication::processEvents();
        for (const QWidget* w : dialog.Page(id)->findChildren<QWidget*>()) {
            check(w);
        }
    }
    // The tree's own lines (its slot lines name item kinds and devices, measured elsewhere).
    const QTreeWidget* tree = static_cast<LayoutPage*>(dialog.Page(OptionsPageId::Layout))->tree();
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) {
        if ((*it)->childCount() > 0 || !(*it)->parent() || !(*it)->parent()->parent()) {
            EXPECT_FALSE(HasJapanese((*it)->text(0))) << (*it)->text(0).toStdString();
        }
    }
    dialog.Cancel();
    live.program.EndApplication();
}

} // namespace
} // namespace trumbel

#include "skin/qt/SearchProgressWindow.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

TEST(SearchProgressWindow, TitleAndCurrentFolder) {
    // No display is needed: the window only has to exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int argc = 1;
    char name[] = "skin_qt_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    auto view = OpenSearchWindow();
    auto* window = dynamic_cast<SearchProgressWindow*>(view.get());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(window->font().pointSize(), 9);
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("只今検索中 - Velquor")));
    view->SetCurrentDir(FirstCharacters("/home/user/スキン/deep", 60));
    texts.clear();
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("/home/user/スキン/deep")));
}

} // namespace
} // namespace trumbel

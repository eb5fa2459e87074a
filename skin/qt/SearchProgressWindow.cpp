#include "skin/qt/SearchProgressWindow.h"

#include "base/AppInfo.h"
#include "resources/qt/ProgramLook.h"

#include <QApplication>
#include <QVBoxLayout>

namespace trumbel {

SearchProgressWindow::SearchProgressWindow()
    : LabelTitle(new QLabel(this)), LabelCurrentDir(new QLabel(this)) {
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    setFont(DialogFont());
    const QString title =
        QCoreApplication::translate("Skin", "只今検索中 - %1")
            .arg(QString::fromUtf8(kProductName.data(), static_cast<int>(kProductName.size())));
    setWindowTitle(title);
    LabelTitle->setText(title);
    LabelCurrentDir->setMinimumWidth(360);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelTitle);
    layout->addWidget(LabelCurrentDir);
    show();
    raise();
    QApplication::processEvents();
}

void SearchProgressWindow::SetCurrentDir(const std::string& firstCharacters) {
    LabelCurrentDir->setText(QString::fromStdString(firstCharacters));
    // The search runs on the interface thread: let the window paint its new text.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::unique_ptr<SearchProgressView> OpenSearchWindow() {
    return std::make_unique<SearchProgressWindow>();
}

} // namespace trumbel

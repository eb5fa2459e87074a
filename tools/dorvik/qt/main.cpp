#include "resources/qt/ProgramLook.h"
#include "tools/dorvik/qt/DorvikWindow.h"

#include <QApplication>
#include <QClipboard>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The menu entry this window belongs to, for desktops that match windows by it (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.velquor.dorvik"));
    trumbel::InstallProgramLanguage(app);
    QApplication::setFont(trumbel::DialogFont());
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        words.emplace_back(argv[i]);
    const dorvik::Startup start =
        dorvik::ReadSwitches(words, QGuiApplication::clipboard()->text().toStdString());
    const dorvik::UrlOpener opener = dorvik::DefaultOpener();
    if (start.direct) {
        opener(dorvik::DirectUrl(start.keyword));
        return 0;
    }
    dorvik::DorvikWindow window(start, opener);
    window.show();
    window.exec();
    return 0;
}

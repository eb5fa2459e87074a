#include "resources/qt/ProgramLook.h"
#include "tools/clipboard/KeepClipboard.h"
#include "tools/pelmin/qt/PelminWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The menu entry this window belongs to, for desktops that match windows by it (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.velquor.pelmin"));
    trumbel::InstallProgramLanguage(app); // network error descriptions too
    QApplication::setFont(trumbel::DialogFont());

    pelmin::PelminWindow window(pelmin::DefaultOptions());
    window.show();
    window.Refetch();
    QApplication::exec();
    if (!window.Copied())
        return 0;
    // The copied form must outlive the window.
    return tools::CopyAndKeepServing(QString::fromStdString(*window.Copied()));
}

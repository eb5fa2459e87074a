#include "PelminWindow.h"
#include "resources/qt/ProgramLook.h"

#include <QApplication>
#include <QClipboard>

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

    // On X11 the clipboard lives as long as its owner: keep serving the copied form, windowless,
    // until another program takes the clipboard.
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(*window.Copied()));
    if (!clipboard->ownsClipboard())
        return 0;
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard())
            QCoreApplication::quit();
    });
    return QApplication::exec();
}

#include "resources/qt/ProgramLook.h"
#include "tools/clipboard/KeepClipboard.h"
#include "tools/sumora/qt/QtCalculatorUi.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The menu entry this window belongs to, for desktops that match windows by it (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.velquor.sumora"));
    trumbel::InstallProgramLanguage(app);
    QApplication::setQuitOnLastWindowClosed(false);
    sumora::QtCalculatorUi ui;
    sumora::RunCalculator(ui);
    // The result must outlive the boxes.
    return ui.copied ? tools::CopyAndKeepServing(QString::fromStdString(*ui.copied)) : 0;
}

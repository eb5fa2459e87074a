#include "QtCalculatorUi.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The menu entry this window belongs to, for desktops that match windows by it (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.velquor.sumora"));
    QApplication::setQuitOnLastWindowClosed(false);
    sumora::QtCalculatorUi ui;
    sumora::RunCalculator(ui);
    if (ui.copied)
        sumora::CopyAndKeepServing(*ui.copied);
    return 0;
}

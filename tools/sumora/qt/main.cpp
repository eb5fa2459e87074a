#include "QtCalculatorUi.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    sumora::QtCalculatorUi ui;
    sumora::RunCalculator(ui);
    if (ui.copied)
        sumora::CopyAndKeepServing(*ui.copied);
    return 0;
}

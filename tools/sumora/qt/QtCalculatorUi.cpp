#include "tools/sumora/qt/QtCalculatorUi.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace sumora {

namespace {

QString Shown(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

std::optional<std::string> QtCalculatorUi::InputBox(const std::string& prompt,
                                                    const std::string& defaultText) {
    QInputDialog dialog;
    dialog.setWindowTitle(QString::fromUtf8(kTitle));
    dialog.setLabelText(Shown(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("Sumora", "キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

BoxAnswer QtCalculatorUi::MessageBox(BoxIcon icon, BoxButtons buttons, const std::string& text) {
    QMessageBox box(icon == BoxIcon::Information ? QMessageBox::Information : QMessageBox::Critical,
                    QString::fromUtf8(kTitle), Shown(text));
    struct Choice {
        QMessageBox::StandardButton button;
        const char* caption;
        BoxAnswer answer;
    };
    std::vector<Choice> choices;
    if (buttons == BoxButtons::YesNoCancel)
        choices = {
            {QMessageBox::Yes, QT_TRANSLATE_NOOP("Sumora", "はい(&Y)"), BoxAnswer::Yes},
            {QMessageBox::No, QT_TRANSLATE_NOOP("Sumora", "いいえ(&N)"), BoxAnswer::No},
            {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Sumora", "キャンセル"), BoxAnswer::Cancel}};
    else
        choices = {
            {QMessageBox::Retry, QT_TRANSLATE_NOOP("Sumora", "再試行(&R)"), BoxAnswer::Retry},
            {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Sumora", "キャンセル"), BoxAnswer::Cancel}};
    for (const Choice& c : choices)
        box.addButton(c.button)->setText(QCoreApplication::translate("Sumora", c.caption));
    box.setDefaultButton(choices.front().button);
    box.setEscapeButton(QMessageBox::Cancel);
    const int clicked = box.exec();
    for (const Choice& c : choices)
        if (clicked == c.button)
            return c.answer;
    return BoxAnswer::Cancel;
}

} // namespace sumora

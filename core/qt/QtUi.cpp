#include "core/qt/QtUi.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QString>

namespace trumbel {

namespace {

Q_LOGGING_CATEGORY(lcBoxes, "trumbel.boxes", QtInfoMsg)

} // namespace

std::string BoxLogLine(const MessageBoxRequest& request) {
    std::string line = "box [" + request.title + "] ";
    for (std::size_t i = 0; i < request.text.size(); ++i) {
        const char c = request.text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < request.text.size() && request.text[i + 1] == '\n') {
                ++i;
            }
            line += " / ";
        } else {
            line += c;
        }
    }
    return line;
}

void QtUi::SetBusyCursor(bool busy) {
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

MsgAnswer QtUi::MessageBox(const MessageBoxRequest& request) {
    // Before the box runs: a person at a terminal sees what waits for an answer.
    qCInfo(lcBoxes, "%s", BoxLogLine(request).c_str());
    QMessageBox box(parent_);
    box.setWindowTitle(QString::fromStdString(request.title));
    box.setText(QString::fromStdString(request.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (request.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (request.buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MsgButtons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok
                                                      : (request.buttons == MsgButtons::OkCancel
                                                             ? MsgAnswer::Ok
                                                             : MsgAnswer::Cancel);
    }
}

} // namespace trumbel

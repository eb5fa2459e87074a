#include "options/qt/OptionsPage.h"

#include "options/qt/PopupHelp.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace trumbel {

namespace {

QString TitleOf(OptionsPageId id) {
    const PageCaption c = OptionsPageCaption(id);
    QString title = QString::fromUtf8(c.first.data(), static_cast<qsizetype>(c.first.size()));
    title += QString::fromUtf8(c.second.data(), static_cast<qsizetype>(c.second.size()));
    return title;
}

} // namespace

OptionsPage::OptionsPage(OptionsDialogState& state, PopupHelp& help, OptionsPageId id,
                         QWidget* parent)
    : QWidget(parent), state_(state), help_(help), id_(id) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel(TitleOf(id), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    outer->addWidget(title);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    outer->addWidget(line);
    body_ = new QVBoxLayout();
    outer->addLayout(body_);
    outer->addStretch(1);
}

void OptionsPage::Help(QWidget* control, const QString& explanation) {
    help_.Attach(control, explanation);
}

} // namespace trumbel

#include "options/qt/OptionsPage.h"

#include "options/qt/PopupHelp.h"
#include "options/qt/QtText.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace trumbel {

namespace {

QString TitleOf(OptionsPageId id) {
    const PageCaption c = OptionsPageCaption(id);
    if (c.second.empty()) {
        return Tr("OptionsPages", c.first);
    }
    // The list's two lines make one title: run together in Japanese, apart in English.
    return QCoreApplication::translate("OptionsPages", "%1%2")
        .arg(Tr("OptionsPages", c.first), Tr("OptionsPages", c.second));
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

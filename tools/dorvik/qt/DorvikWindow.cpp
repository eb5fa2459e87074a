#include "tools/dorvik/qt/DorvikWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

namespace dorvik {

UrlOpener DefaultOpener() {
    const QString command = qEnvironmentVariable("DORVIK_OPEN_COMMAND");
    if (!command.isEmpty())
        return [command](const std::string& url) {
            QProcess::startDetached(command, {QString::fromStdString(url)});
        };
    return [](const std::string& url) {
        QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url)));
    };
}

DorvikWindow::DorvikWindow(const Startup& start, UrlOpener opener)
    : opener_(std::move(opener)), keyword_(new QLineEdit(this)),
      targetGroup_(new QButtonGroup(this)),
      fullText_(new QCheckBox(QCoreApplication::translate("Dorvik", "全文検索を行う(&A)"), this)) {
    setWindowTitle(QString::fromUtf8(kTitle));

    auto* keywordRow = new QHBoxLayout;
    keywordRow->addWidget(new QLabel(QCoreApplication::translate("Dorvik", "キーワード"), this));
    keywordRow->addWidget(keyword_, 1);
    auto* cmdClear = new QPushButton(QStringLiteral("&CL"), this); // Command3
    cmdClear->setAutoDefault(false);
    keywordRow->addWidget(cmdClear);

    auto* targetBox =
        new QGroupBox(QCoreApplication::translate("Dorvik", "検索場所"), this); // Frame1
    auto* options = new QVBoxLayout(targetBox);
    for (const TargetInfo& t : Targets()) {
        auto* option =
            new QRadioButton(QCoreApplication::translate("Dorvik", t.caption), targetBox);
        targetGroup_->addButton(option, static_cast<int>(t.target));
        options->addWidget(option);
    }
    options->addWidget(fullText_);

    auto* cmdSearch =
        new QPushButton(QCoreApplication::translate("Dorvik", "検索"), this); // Command1
    auto* cmdCancel =
        new QPushButton(QCoreApplication::translate("Dorvik", "やっぱりやめる"), this); // Command2
    cmdSearch->setDefault(true);
    cmdCancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSearch);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(keywordRow);
    layout->addWidget(targetBox);
    layout->addLayout(buttons);

    connect(cmdClear, &QPushButton::clicked, this, [this] {
        keyword_->clear();
        keyword_->setFocus();
    });
    connect(targetGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { SelectTarget(static_cast<Target>(id)); });
    connect(cmdSearch, &QPushButton::clicked, this, &DorvikWindow::Search);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    keyword_->setText(QString::fromStdString(start.keyword));
    fullText_->setChecked(start.fullText);
    if (start.target)
        SelectTarget(*start.target);
    keyword_->setFocus();
}

void DorvikWindow::SelectTarget(Target target) {
    targetGroup_->button(static_cast<int>(target))->setChecked(true);
    fullText_->setEnabled(Info(target).fullTextUsed);
}

void DorvikWindow::Search() {
    std::optional<Target> target;
    if (targetGroup_->checkedId() >= 0)
        target = static_cast<Target>(targetGroup_->checkedId());
    opener_(SearchUrl(target, keyword_->text().toStdString(),
                      fullText_->isChecked() ? FullText::On : FullText::Off));
    accept();
}

} // namespace dorvik

#include "tools/dorvik/qt/DorvikWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
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
    : opener_(std::move(opener)), text1_(new QLineEdit(this)), option1_(new QButtonGroup(this)),
      check1_(new QCheckBox(QStringLiteral("全文検索を行う(&A)"), this)) {
    setWindowTitle(QString::fromUtf8(kTitle));

    auto* keywordRow = new QHBoxLayout;
    keywordRow->addWidget(new QLabel(QStringLiteral("キーワード"), this));
    keywordRow->addWidget(text1_, 1);
    auto* command3 = new QPushButton(QStringLiteral("&CL"), this);
    command3->setAutoDefault(false);
    keywordRow->addWidget(command3);

    auto* frame1 = new QGroupBox(QStringLiteral("検索場所"), this);
    auto* options = new QVBoxLayout(frame1);
    for (const TargetInfo& t : Targets()) {
        auto* option = new QRadioButton(QString::fromUtf8(t.caption), frame1);
        option1_->addButton(option, static_cast<int>(t.target));
        options->addWidget(option);
    }
    options->addWidget(check1_);

    auto* command1 = new QPushButton(QStringLiteral("検索"), this);
    auto* command2 = new QPushButton(QStringLiteral("やっぱりやめる"), this);
    command1->setDefault(true);
    command2->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(command2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(keywordRow);
    layout->addWidget(frame1);
    layout->addLayout(buttons);

    connect(command3, &QPushButton::clicked, this, [this] {
        text1_->clear();
        text1_->setFocus();
    });
    connect(option1_, &QButtonGroup::idClicked, this,
            [this](int id) { SelectTarget(static_cast<Target>(id)); });
    connect(command1, &QPushButton::clicked, this, &DorvikWindow::Search);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);

    text1_->setText(QString::fromStdString(start.keyword));
    check1_->setChecked(start.fullText);
    if (start.target)
        SelectTarget(*start.target);
    text1_->setFocus();
}

void DorvikWindow::SelectTarget(Target target) {
    option1_->button(static_cast<int>(target))->setChecked(true);
    check1_->setEnabled(Info(target).fullTextUsed);
}

void DorvikWindow::Search() {
    std::optional<Target> target;
    if (option1_->checkedId() >= 0)
        target = static_cast<Target>(option1_->checkedId());
    opener_(SearchUrl(target, text1_->text().toStdString(),
                      check1_->isChecked() ? FullText::On : FullText::Off));
    accept();
}

} // namespace dorvik

#include "tools/pelmin/qt/PelminWindow.h"

#include "tools/pelmin/LocalAddresses.h"
#include "tools/pelmin/qt/EchoFetch.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace pelmin {

PelminOptions DefaultOptions() {
    PelminOptions options;
    const QString host = qEnvironmentVariable("PELMIN_ECHO_HOST");
    options.echoUrl = EchoUrl(host.isEmpty() ? kDefaultEchoHost : host.toStdString());
    options.localAddresses = [] { return ListLocalAddresses(); };
    options.openUrl = [](const std::string& url) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
    };
    options.warn = [](QWidget* window, const std::string& text) {
        QMessageBox::warning(
            window,
            QCoreApplication::translate("Pelmin", "エラー - %1").arg(QString::fromUtf8(kTitle)),
            QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    };
    return options;
}

PelminWindow::PelminWindow(PelminOptions options, QWidget* parent)
    : QWidget(parent), options_(std::move(options)), addressList_(new QListWidget(this)),
      userName_(new QLineEdit(QStringLiteral("user"), this)), copyPanel_(new QWidget(this)),
      notAddressLabel_(new QLabel(
          QCoreApplication::translate("Pelmin", "それ･･････ＩＰアドレスじゃないし･･････"), this)),
      fetch_(new EchoFetch(this)) {
    setWindowTitle(QString::fromUtf8(kTitle));

    static constexpr std::array<const char*, 4> kCaptions = {
        QT_TRANSLATE_NOOP("Pelmin", "(&1) すっぴんアドレス"),
        QT_TRANSLATE_NOOP("Pelmin", "(&2) ＨＴＴＰ用"),
        QT_TRANSLATE_NOOP("Pelmin", "(&3) ＦＴＰ用"),
        QT_TRANSLATE_NOOP("Pelmin", "(&4) ＦＴＰ用（ユーザー名付き）")};
    auto* panel = new QVBoxLayout(copyPanel_);
    panel->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        cmdAddress_[i] =
            new QPushButton(QCoreApplication::translate("Pelmin", kCaptions[i]), copyPanel_);
        cmdAddress_[i]->setObjectName(QStringLiteral("CmdAddress%1").arg(i));
        panel->addWidget(cmdAddress_[i]);
        connect(cmdAddress_[i], &QPushButton::clicked, this, [this, i] { Copy(i); });
    }
    // The panel and the "no address" label share one place, so the window never jumps.
    place_ = new QStackedWidget(this);
    place_->addWidget(new QWidget(place_));
    place_->addWidget(copyPanel_);
    place_->addWidget(notAddressLabel_);
    notAddressLabel_->setWordWrap(true);
    notAddressLabel_->setAlignment(Qt::AlignCenter);
    notAddressLabel_->setObjectName(QStringLiteral("NotAddressLabel"));
    copyPanel_->setObjectName(QStringLiteral("CopyPanel"));
    addressList_->setObjectName(QStringLiteral("AddressList"));
    userName_->setObjectName(QStringLiteral("UserName"));
    userName_->installEventFilter(this);

    auto* cmdRefetch =
        new QPushButton(QCoreApplication::translate("Pelmin", "再取得 (&R)"), this); // Command4
    auto* cmdEchoPage =
        new QPushButton(QCoreApplication::translate("Pelmin", "IP取得元ページ"), this); // Command2
    auto* cmdQuit = new QPushButton(QCoreApplication::translate("Pelmin", "(&Q) 何もせず終了する"),
                                    this); // Command3
    cmdRefetch->setObjectName(QStringLiteral("CmdRefetch"));
    cmdEchoPage->setObjectName(QStringLiteral("CmdEchoPage"));
    cmdQuit->setObjectName(QStringLiteral("CmdQuit"));

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(
        QCoreApplication::translate("Pelmin", "選択したアドレスをクリップボードにコピーします"),
        this));
    right->addWidget(place_);
    right->addWidget(new QLabel(QCoreApplication::translate("Pelmin", "ユーザー名(FTP用)"), this));
    right->addWidget(userName_);
    right->addStretch();
    right->addWidget(cmdRefetch);
    right->addWidget(cmdEchoPage);
    right->addWidget(cmdQuit);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(addressList_, 1);
    layout->addLayout(right);
    resize(480, 320);

    connect(addressList_, &QListWidget::currentRowChanged, this, [this] { SelectionChanged(); });
    connect(userName_, &QLineEdit::textChanged, this, [this] {
        if (addressSelected_)
            cmdAddress_[3]->setText(QString::fromStdString(
                UserForm(cmdAddress_[0]->text().toStdString(), userName_->text().toStdString())));
    });
    connect(cmdRefetch, &QPushButton::clicked, this, &PelminWindow::Refetch);
    connect(cmdEchoPage, &QPushButton::clicked, this, [this] {
        options_.openUrl(options_.echoUrl);
        addressList_->setFocus();
    });
    connect(cmdQuit, &QPushButton::clicked, this, &QWidget::close);
}

PelminWindow::~PelminWindow() = default;

void PelminWindow::Refetch() {
    const int generation = ++generation_;
    addressList_->clear();
    for (const std::string& line : HeaderLines())
        addressList_->addItem(QString::fromStdString(line));
    pendingParts_ = 2;
    global_ = {};
    local_.clear();

    fetch_->Start(options_.echoUrl, options_.timeoutMs, [this, generation](FetchOutcome outcome) {
        if (generation != generation_)
            return;
        if (outcome.ok) {
            GlobalDone(GlobalFromPage(outcome.page));
            return;
        }
        options_.warn(this,
                      FetchErrorText(outcome.stage, outcome.errorNumber, outcome.description));
        if (generation == generation_)
            GlobalDone(GlobalResult{true, {}});
    });

    // Resolving the host name may wait on DNS, so it runs on a pool thread.
    auto* watcher = new QFutureWatcher<std::vector<std::string>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation == generation_)
            LocalDone(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(options_.localAddresses));
    addressList_->setFocus();
}

void PelminWindow::GlobalDone(const GlobalResult& global) {
    global_ = global;
    PartDone();
}

void PelminWindow::LocalDone(std::vector<std::string> local) {
    local_ = std::move(local);
    PartDone();
}

void PelminWindow::PartDone() {
    if (--pendingParts_ > 0)
        return;
    addressList_->clear();
    for (const std::string& line : ListLines(global_, local_))
        addressList_->addItem(QString::fromStdString(line));
    addressList_->setFocus();
}

void PelminWindow::SelectionChanged() {
    const QListWidgetItem* item = addressList_->currentItem();
    if (item == nullptr) {
        addressSelected_ = false;
        place_->setCurrentIndex(0);
        return;
    }
    const std::string line = item->text().toStdString();
    const auto forms = CopyForms(line, userName_->text().toStdString());
    for (int i = 0; i < 4; ++i)
        cmdAddress_[i]->setText(QString::fromStdString(forms[i]));
    addressSelected_ = AddressSelected(line);
    place_->setCurrentWidget(addressSelected_ ? copyPanel_
                                              : static_cast<QWidget*>(notAddressLabel_));
}

void PelminWindow::Copy(int index) {
    if (!addressSelected_) {
        QApplication::beep();
        return;
    }
    copied_ = cmdAddress_[index]->text().toStdString();
    close();
}

bool PelminWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == userName_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonDblClick)) {
        // After the click has placed the cursor, so the selection stays.
        QTimer::singleShot(0, userName_, [this] { userName_->selectAll(); });
        if (event->type() == QEvent::MouseButtonDblClick)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pelmin

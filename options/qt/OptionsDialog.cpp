#include "options/qt/OptionsDialog.h"

#include "base/AppInfo.h"
#include "options/qt/BasicPage.h"
#include "options/qt/ClockPage.h"
#include "options/qt/FunctionPage.h"
#include "options/qt/LayoutPage.h"
#include "options/qt/NetworkPage.h"
#include "options/qt/OldLayoutPage.h"
#include "options/qt/PositionPage.h"
#include "options/qt/QtText.h"
#include "options/qt/RemoteHostsPage.h"
#include "options/qt/SkinPage.h"
#include "options/qt/TrayPage.h"
#include "options/qt/WindowPage.h"
#include "resources/qt/ProgramIcons.h"
#include "resources/qt/ProgramLook.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace trumbel {

namespace {

constexpr int kTimerIntervalMs = 10000;
constexpr int kPageIconSize = 32;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FileFilter() {
    return QCoreApplication::translate("OptionsDialog", "設定ファイル (*.ini)");
}

} // namespace

OptionsDialog::OptionsDialog(OptionsHost& host, QWidget* parent)
    : QDialog(parent), state_(host), help_(this) {
    setWindowTitle(
        QCoreApplication::translate("OptionsDialog", "%1のオプション").arg(Utf8(kProductName)));
    setModal(false);
    setFont(DialogFont());

    list_ = new QListWidget(this);
    list_->setAccessibleName(QCoreApplication::translate("OptionsDialog", "ページ"));
    list_->setIconSize(QSize(kPageIconSize, kPageIconSize));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stack_ = new QStackedWidget(this);

    pages_ = {new BasicPage(state_, help_),      new SkinPage(state_, help_),
              new LayoutPage(state_, help_),     new FunctionButtonPage(state_, help_),
              new TrayPage(state_, help_),       new ClockPage(state_, help_),
              new PositionPage(state_, help_),   new WindowPage(state_, help_),
              new NetworkPage(state_, help_),    new OldLayoutPage(state_, help_),
              new RemoteHostsPage(state_, help_)};
    int listWidth = 0;
    for (int i = 0; i < kOptionsPageCount; ++i) {
        const auto page = static_cast<OptionsPageId>(i);
        const PageCaption c = OptionsPageCaption(page);
        const QString first = Tr("OptionsPages", c.first);
        const QString second = c.second.empty() ? QString() : Tr("OptionsPages", c.second);
        const QString caption = second.isEmpty() ? first : first + QLatin1Char('\n') + second;
        auto* item = new QListWidgetItem(ProgramIcon(OptionsPageIcon(page)), caption, list_);
        item->setSizeHint(QSize(0, kPageIconSize + 16));
        for (const QString& line : {first, second}) {
            listWidth = std::max(listWidth, list_->fontMetrics().horizontalAdvance(line));
        }
        stack_->addWidget(pages_[static_cast<std::size_t>(i)]);
    }
    list_->setFixedWidth(listWidth + kPageIconSize + 40);

    auto* ok = new QPushButton(QCoreApplication::translate("OptionsDialog", "決定"), this);
    auto* cancel = new QPushButton(QCoreApplication::translate("OptionsDialog", "取消"), this);
    auto* apply = new QPushButton(QCoreApplication::translate("OptionsDialog", "適用"), this);
    resetButton_ =
        new QPushButton(QCoreApplication::translate("OptionsDialog", "このページをリセット"), this);
    auto* save = new QPushButton(QCoreApplication::translate("OptionsDialog", "保存"), this);
    auto* open = new QPushButton(QCoreApplication::translate("OptionsDialog", "読込"), this);
    // Return anywhere in the dialog is "決定".
    ok->setDefault(true);
    for (QPushButton* b : {cancel, apply, resetButton_, save, open}) {
        b->setAutoDefault(false);
    }
    resetButton_->setContextMenuPolicy(Qt::CustomContextMenu);

    auto* top = new QHBoxLayout();
    top->addWidget(list_);
    top->addWidget(stack_, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(apply);
    buttons->addStretch(1);
    buttons->addWidget(resetButton_);
    buttons->addWidget(save);
    buttons->addWidget(open);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top, 1);
    outer->addLayout(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            ShowPage(static_cast<OptionsPageId>(row)); // the list holds the pages in order
        }
    });
    connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
    connect(cancel, &QPushButton::clicked, this, [this] { Cancel(); });
    connect(apply, &QPushButton::clicked, this, [this] { ApplySettings(); });
    connect(resetButton_, &QPushButton::clicked, this, [this] { ResetPage(); });
    connect(resetButton_, &QPushButton::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupResetMenu(resetButton_->mapToGlobal(pos)); });
    connect(save, &QPushButton::clicked, this, [this] { SaveOptionFile(); });
    connect(open, &QPushButton::clicked, this, [this] { OpenOptionFile(); });

    timer_ = new QTimer(this);
    timer_->setInterval(kTimerIntervalMs);
    connect(timer_, &QTimer::timeout, this, [this] { Tick(); });
}

OptionsDialog::~OptionsDialog() {
    Unload();
}

void OptionsDialog::Tick() {
    state_.noEvents = true;
    for (OptionsPage* page : pages_) {
        page->Tick();
    }
    state_.noEvents = false;
    for (OptionsPage* page : pages_) {
        page->AfterTick();
    }
}

void OptionsDialog::Load() {
    state_.BeginLoad();
    state_.RestoreBeforeFill();
    for (OptionsPage* page : pages_) {
        page->Fill();
    }
    state_.EndLoad();
    ShowPage(InitialOptionsPage(state_.settings()));
    // Each opening starts from the page list, wherever the last one ended.
    list_->setFocus();
    timer_->start();
    state_.host().SetDeviceMenus(DeviceMenus::Fill);
}

void OptionsDialog::Unload() {
    if (!state_.Loaded()) {
        return;
    }
    timer_->stop();
    state_.Unload();
}

void OptionsDialog::Open(std::optional<OptionsPageId> page) {
    if (!state_.Loaded()) {
        Load();
    }
    if (page) {
        ShowPage(*page);
    }
    show();
    raise();
    activateWindow();
}

void OptionsDialog::ShowPage(OptionsPageId page) {
    if (!IsOptionsPage(page)) {
        return;
    }
    state_.ChangePage(page);
    Page(page)->Shown();
    const int row = static_cast<int>(page);
    stack_->setCurrentIndex(row);
    if (list_->currentRow() != row) {
        list_->setCurrentRow(row);
    }
}

void OptionsDialog::Refill() {
    state_.Filling([this] {
        for (OptionsPage* page : pages_) {
            page->Fill();
        }
    });
}

void OptionsDialog::ApplySettings() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    for (OptionsPage* page : pages_) {
        page->Apply();
    }
    state_.Apply();
    QGuiApplication::restoreOverrideCursor();
}

void OptionsDialog::Ok() {
    ApplySettings();
    close();
}

void OptionsDialog::Cancel() {
    close();
}

void OptionsDialog::reject() {
    close();
}

void OptionsDialog::closeEvent(QCloseEvent* event) {
    Unload();
    event->accept();
}

void OptionsDialog::ResetPage() {
    state_.ResetPage(CurrentPage());
    Refill();
}

void OptionsDialog::ResetAll() {
    const MsgAnswer answer = state_.host().ui().MessageBox(
        {QCoreApplication::translate("OptionsDialog", "確認").toStdString(),
         QCoreApplication::translate("OptionsDialog",
                                     "すべてのデータをリセットします｡\r\nよろしいですか？")
             .toStdString(),
         MsgIcon::Question, MsgButtons::YesNo});
    if (answer != MsgAnswer::Yes) {
        return;
    }
    state_.ResetAll();
    Refill();
}

void OptionsDialog::PopupResetMenu(const QPoint& globalPos) {
    QMenu menu(this);
    menu.setTitle(QCoreApplication::translate("OptionsDialog", "リセット"));
    QAction* all = menu.addAction(QCoreApplication::translate("OptionsDialog", "全設定をリセット"));
    QAction* chosen = execResetMenu ? execResetMenu(menu, globalPos) : menu.exec(globalPos);
    if (chosen == all) {
        ResetAll();
    }
}

QString OptionsDialog::OptionFolder() {
    const QString folder = QString::fromStdString(state_.host().AppFolder()) + "Option/";
    QDir().mkpath(folder);
    return folder;
}

void OptionsDialog::SaveOptionFile() {
    const QString title = QCoreApplication::translate("OptionsDialog", "設定ファイルの保存");
    QString path;
    if (fileDialogs.save) {
        path = fileDialogs.save(this, title, OptionFolder(), FileFilter());
    } else {
        QFileDialog dialog(this, title, OptionFolder(), FileFilter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("ini"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            path = dialog.selectedFiles().first();
        }
    }
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".ini");
    }
    for (OptionsPage* page : pages_) {
        page->StoreForSave();
    }
    state_.host().SaveOptionFile(path.toStdString());
}

void OptionsDialog::OpenOptionFile() {
    const QString title = QCoreApplication::translate("OptionsDialog", "設定ファイルを開く");
    const QString path =
        fileDialogs.open ? fileDialogs.open(this, title, OptionFolder(), FileFilter())
                         : QFileDialog::getOpenFileName(this, title, OptionFolder(), FileFilter());
    if (path.isEmpty()) {
        return;
    }
    state_.host().OpenOptionFile(path.toStdString());
    Refill();
}

} // namespace trumbel

#include "options/qt/SkinPage.h"

#include "options/qt/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>

namespace trumbel {

namespace {

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// How long typing in the folder field may pause before the folder is taken.
constexpr int kFolderPauseMs = 500;

} // namespace

SkinPage::SkinPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Skin, parent) {
    body()->addWidget(
        new QLabel(QCoreApplication::translate("SkinPage", "スキンフォルダー"), this));
    auto* folderRow = new QHBoxLayout();
    folder_ = new QLineEdit(this);
    folder_->setAccessibleName(QCoreApplication::translate("SkinPage", "スキンフォルダー"));
    browse_ = new QPushButton(QStringLiteral("..."), this);
    browse_->setAccessibleName(QCoreApplication::translate("SkinPage", "フォルダを選択"));
    browse_->setAutoDefault(false);
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse_);
    body()->addLayout(folderRow);

    body()->addWidget(new QLabel(QCoreApplication::translate("SkinPage", "使用するSkin"), this));
    list_ = new QListWidget(this);
    list_->setAccessibleName(QCoreApplication::translate("SkinPage", "使用するSkin"));
    body()->addWidget(list_, 1);

    body()->addWidget(new QLabel(QCoreApplication::translate("SkinPage", "Skin情報"), this));
    log_ = new QPlainTextEdit(this);
    log_->setAccessibleName(QCoreApplication::translate("SkinPage", "Skin情報"));
    log_->setReadOnly(true);
    log_->setTabChangesFocus(true);
    log_->setMaximumHeight(log_->fontMetrics().lineSpacing() * 6);
    body()->addWidget(log_);

    auto* builtInGroup = new QGroupBox(this);
    auto* builtInLayout = new QHBoxLayout(builtInGroup);
    builtIn_ = new QCheckBox(QCoreApplication::translate("SkinPage", "内蔵のスキンを使用する"),
                             builtInGroup);
    horizontal_ = new QRadioButton(QCoreApplication::translate("SkinPage", "横型"), builtInGroup);
    vertical_ = new QRadioButton(QCoreApplication::translate("SkinPage", "たて型"), builtInGroup);
    auto* types = new QButtonGroup(builtInGroup);
    types->addButton(horizontal_, 0);
    types->addButton(vertical_, 1);
    builtInLayout->addWidget(builtIn_);
    builtInLayout->addStretch(1);
    builtInLayout->addWidget(horizontal_);
    builtInLayout->addWidget(vertical_);
    body()->addWidget(builtInGroup);

    Help(folder_, QCoreApplication::translate(
                      "SkinPage", "スキンファイル（*.skn）を探すフォルダーです。サブフォルダーの"
                                  "スキンも一覧に出ます。"));
    Help(browse_,
         QCoreApplication::translate("SkinPage", "スキンフォルダーをダイアログで選びます。"));
    Help(list_, QCoreApplication::translate(
                    "SkinPage", "使うスキンを選ぶと、すぐにメイン画面が切り替わります。"));
    Help(log_, QCoreApplication::translate("SkinPage",
                                           "最後に読み込んだスキンファイルの読み込み結果です。"));
    Help(builtIn_, QCoreApplication::translate(
                       "SkinPage", "プログラムに組み込まれたスキンを使います。外すと一覧で"
                                   "選んだスキンファイルに戻ります。"));
    Help(horizontal_,
         QCoreApplication::translate("SkinPage", "組み込みスキンを横長の形で表示します。"));
    Help(vertical_,
         QCoreApplication::translate("SkinPage", "組み込みスキンを縦長の形で表示します。"));

    // A folder is taken when editing ends, never per keystroke: each take searches the whole
    // tree below it, and "/" is on the way to every absolute path.
    folderPause_ = new QTimer(this);
    folderPause_->setSingleShot(true);
    folderPause_->setInterval(kFolderPauseMs);
    connect(folderPause_, &QTimer::timeout, this, [this] { TakeFolder(); });
    connect(folder_, &QLineEdit::textEdited, folderPause_, qOverload<>(&QTimer::start));
    connect(folder_, &QLineEdit::editingFinished, this, [this] { TakeFolder(); });
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString prompt =
            QCoreApplication::translate("SkinPage", "フォルダを選択してください。");
        const QString chosen =
            chooseFolder ? chooseFolder(this, prompt, folder_->text())
                         : QFileDialog::getExistingDirectory(this, prompt, folder_->text());
        if (!chosen.isEmpty()) {
            folder_->setText(chosen);
            TakeFolder();
        }
    });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { SkinChosen(row); });
    connect(builtIn_, &QCheckBox::toggled, this, [this](bool on) { BuiltInToggled(on); });
    connect(types, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) {
            TypeChosen(id);
        }
    });
}

void SkinPage::Fill() {
    const Settings& s = settings();
    folderPause_->stop();
    folder_->setText(Qs(s.skinFolder));
    listedFolder_ = ResolvedFolder();
    FillSkinList();
    builtIn_->setChecked(s.useBuiltInSkin);
    (s.builtInSkinType == 1 ? vertical_ : horizontal_)->setChecked(true);
    log_->setPlainText(Qs(host().SkinLoadLog()));
}

void SkinPage::Apply() {
    if (folderPause_->isActive()) {
        TakeFolder();
    }
}

std::string SkinPage::ResolvedFolder() {
    const std::string typed = Std(folder_->text());
    if (typed.empty() || typed.front() == '/') {
        return typed;
    }
    return host().AppFolder() + typed;
}

void SkinPage::TakeFolder() {
    folderPause_->stop();
    if (searching_) {
        // The search window's event loop delivered this: the running search looks at the field
        // again when it ends, so an earlier search can never finish last.
        searchAgain_ = true;
        return;
    }
    // Closing the dialog ends the editing too, after the record was put back.
    if (!state().Loaded() || Filling() || ResolvedFolder() == listedFolder_) {
        return;
    }
    const std::string before = settings().skinFolder;
    searching_ = true;
    std::error_code ec;
    bool found = false;
    do {
        searchAgain_ = false;
        listedFolder_ = ResolvedFolder();
        found = !listedFolder_.empty() && std::filesystem::is_directory(listedFolder_, ec);
        if (found) {
            settings().skinFolder = WithSlash(listedFolder_);
        }
        state().Filling([this, found] {
            if (found) {
                FillSkinList();
            } else {
                ShowNoFolder();
            }
        });
    } while (searchAgain_ && ResolvedFolder() != listedFolder_);
    searching_ = false;
    if (!found) {
        settings().skinFolder = before; // the folder in use stays
    }
}

void SkinPage::ShowNoFolder() {
    list_->clear();
    list_->addItem(QCoreApplication::translate("SkinPage", "フォルダーが見つかりません！"));
    list_->setEnabled(false);
}

void SkinPage::FillSkinList() {
    list_->clear();
    std::vector<std::string> paths;
    const int n = host().FindSkinFiles(paths);
    if (n < 0) {
        ShowNoFolder();
        return;
    }
    if (n == 0) {
        list_->addItem(QCoreApplication::translate("SkinPage", "Skinファイルが見つかりません！"));
        list_->setEnabled(false);
        return;
    }
    list_->setEnabled(true);
    const std::string folder = WithSlash(settings().skinFolder);
    for (const std::string& path : paths) {
        const std::string relative = path.starts_with(folder) ? path.substr(folder.size()) : path;
        auto* item = new QListWidgetItem(Qs(relative), list_);
        if (relative == settings().skinFileName) {
            list_->setCurrentItem(item);
        }
    }
}

void SkinPage::SkinChosen(int row) {
    if (Filling() || row < 0 || !list_->isEnabled()) {
        return;
    }
    settings().skinFileName = Std(list_->item(row)->text());
    settings().useBuiltInSkin = false;
    std::string log;
    host().LoadSkinFile(log);
    ShowLoadResult();
}

void SkinPage::BuiltInToggled(bool on) {
    if (Filling()) {
        return;
    }
    settings().useBuiltInSkin = on;
    if (on) {
        host().LoadBuiltInSkin(settings().builtInSkinType + 1);
    } else {
        if (list_->isEnabled() && list_->currentItem()) {
            settings().skinFileName = Std(list_->currentItem()->text());
        }
        std::string log;
        host().LoadSkinFile(log);
    }
    ShowLoadResult();
}

void SkinPage::TypeChosen(int type) {
    if (Filling()) {
        return;
    }
    settings().builtInSkinType = static_cast<std::int16_t>(type);
    if (settings().useBuiltInSkin) {
        host().LoadBuiltInSkin(type + 1);
    }
}

void SkinPage::ShowLoadResult() {
    state().Filling([this] {
        builtIn_->setChecked(settings().useBuiltInSkin);
        log_->setPlainText(Qs(host().SkinLoadLog()));
    });
}

} // namespace trumbel

#include "SkinPage.h"

#include "QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace trumbel {

namespace {

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

} // namespace

SkinPage::SkinPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Skin, parent) {
    body()->addWidget(new QLabel(QStringLiteral("スキンフォルダー"), this));
    auto* folderRow = new QHBoxLayout();
    folder_ = new QLineEdit(this);
    folder_->setAccessibleName(QStringLiteral("スキンフォルダー"));
    browse_ = new QPushButton(QStringLiteral("..."), this);
    browse_->setAccessibleName(QStringLiteral("フォルダを選択"));
    browse_->setAutoDefault(false);
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse_);
    body()->addLayout(folderRow);

    body()->addWidget(new QLabel(QStringLiteral("使用するSkin"), this));
    list_ = new QListWidget(this);
    list_->setAccessibleName(QStringLiteral("使用するSkin"));
    body()->addWidget(list_, 1);

    body()->addWidget(new QLabel(QStringLiteral("Skin情報"), this));
    log_ = new QPlainTextEdit(this);
    log_->setAccessibleName(QStringLiteral("Skin情報"));
    log_->setReadOnly(true);
    log_->setTabChangesFocus(true);
    log_->setMaximumHeight(log_->fontMetrics().lineSpacing() * 6);
    body()->addWidget(log_);

    auto* builtInGroup = new QGroupBox(this);
    auto* builtInLayout = new QHBoxLayout(builtInGroup);
    builtIn_ = new QCheckBox(QStringLiteral("内蔵のスキンを使用する"), builtInGroup);
    horizontal_ = new QRadioButton(QStringLiteral("横型"), builtInGroup);
    vertical_ = new QRadioButton(QStringLiteral("たて型"), builtInGroup);
    auto* types = new QButtonGroup(builtInGroup);
    types->addButton(horizontal_, 0);
    types->addButton(vertical_, 1);
    builtInLayout->addWidget(builtIn_);
    builtInLayout->addStretch(1);
    builtInLayout->addWidget(horizontal_);
    builtInLayout->addWidget(vertical_);
    body()->addWidget(builtInGroup);

    Help(folder_, QStringLiteral("スキンファイル（*.skn）を探すフォルダーです。サブフォルダーの"
                                 "スキンも一覧に出ます。"));
    Help(browse_, QStringLiteral("スキンフォルダーをダイアログで選びます。"));
    Help(list_, QStringLiteral("使うスキンを選ぶと、すぐにメイン画面が切り替わります。"));
    Help(log_, QStringLiteral("最後に読み込んだスキンファイルの読み込み結果です。"));
    Help(builtIn_, QStringLiteral("プログラムに組み込まれたスキンを使います。外すと一覧で"
                                  "選んだスキンファイルに戻ります。"));
    Help(horizontal_, QStringLiteral("組み込みスキンを横長の形で表示します。"));
    Help(vertical_, QStringLiteral("組み込みスキンを縦長の形で表示します。"));

    connect(folder_, &QLineEdit::textChanged, this,
            [this](const QString& text) { FolderEdited(text); });
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString prompt = QStringLiteral("フォルダを選択してください。");
        const QString chosen =
            chooseFolder ? chooseFolder(this, prompt, folder_->text())
                         : QFileDialog::getExistingDirectory(this, prompt, folder_->text());
        if (!chosen.isEmpty()) {
            folder_->setText(chosen);
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
    folder_->setText(Qs(s.skinFolder));
    FillSkinList();
    builtIn_->setChecked(s.useBuiltInSkin == 1);
    (s.builtInSkinType == 1 ? vertical_ : horizontal_)->setChecked(true);
    log_->setPlainText(Qs(host().SkinLoadLog()));
}

void SkinPage::FolderEdited(const QString& text) {
    if (Filling()) {
        return;
    }
    const std::string folder = Std(text);
    if (folder.empty() || !QDir(text).exists()) {
        // The folder in use stays: the list only says the typed one is not there.
        state().Filling([this] {
            list_->clear();
            list_->addItem(QStringLiteral("フォルダーが見つかりません！"));
            list_->setEnabled(false);
        });
        return;
    }
    settings().skinFolder = WithSlash(folder);
    state().Filling([this] { FillSkinList(); });
}

void SkinPage::FillSkinList() {
    list_->clear();
    std::vector<std::string> paths;
    const int n = host().FindSkinFiles(paths);
    if (n < 0) {
        list_->addItem(QStringLiteral("フォルダーが見つかりません！"));
        list_->setEnabled(false);
        return;
    }
    if (n == 0) {
        list_->addItem(QStringLiteral("Skinファイルが見つかりません！"));
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
    settings().useBuiltInSkin = 0;
    std::string log;
    host().LoadSkinFile(log);
    ShowLoadResult();
}

void SkinPage::BuiltInToggled(bool on) {
    if (Filling()) {
        return;
    }
    settings().useBuiltInSkin = on ? 1 : 0;
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
    if (settings().useBuiltInSkin == 1) {
        host().LoadBuiltInSkin(type + 1);
    }
}

void SkinPage::ShowLoadResult() {
    state().Filling([this] {
        builtIn_->setChecked(settings().useBuiltInSkin == 1);
        log_->setPlainText(Qs(host().SkinLoadLog()));
    });
}

} // namespace trumbel

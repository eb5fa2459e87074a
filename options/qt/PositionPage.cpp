#include "options/qt/PositionPage.h"

#include "options/OptionsLists.h"
#include "options/PortField.h"
#include "options/SnapTitles.h"
#include "options/qt/DigitField.h"
#include "options/qt/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trumbel {

namespace {

QLineEdit* NumberField(QWidget* parent, const QString& name) {
    auto* field = new QLineEdit(parent);
    field->setAccessibleName(name);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    MakeDigitOnly(field);
    return field;
}

// The title box stays open on a title the list cannot keep, and says why.
class TitleDialog final : public QInputDialog {
public:
    using QInputDialog::QInputDialog;

    void done(int result) override {
        const std::string_view refusal = SnapTitleRefusal(textValue().toStdString());
        if (result == Accepted && !refusal.empty()) {
            setLabelText(kTitlePrompt + QLatin1Char('\n') + Qs(refusal));
            return;
        }
        QInputDialog::done(result);
    }

    inline static const QString kTitlePrompt =
        QStringLiteral("タイトルに含まれる文字列を入力してください。");
};

template <std::size_t N>
QComboBox* FixedList(QWidget* parent, const std::array<std::string_view, N>& entries,
                     const QString& name) {
    auto* list = new QComboBox(parent);
    list->setAccessibleName(name);
    for (std::string_view e : entries) {
        list->addItem(Qs(e));
    }
    return list;
}

} // namespace

PositionPage::PositionPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Position, parent) {
    // Where the strip starts.
    auto* startBox = new QGroupBox(QStringLiteral("起動時の位置設定"), this);
    auto* startRow = new QHBoxLayout(startBox);
    mode_ = new QButtonGroup(this);
    auto* atExit = new QRadioButton(QStringLiteral("終了時の位置"), startBox);
    auto* fixed = new QRadioButton(QStringLiteral("位置指定"), startBox);
    mode_->addButton(atExit, 0);
    mode_->addButton(fixed, 1);
    startX_ = NumberField(startBox, QStringLiteral("X"));
    startY_ = NumberField(startBox, QStringLiteral("Y"));
    takePosition_ = new QPushButton(QStringLiteral("位置取得"), startBox);
    takePosition_->setAutoDefault(false);
    startRow->addWidget(atExit);
    startRow->addWidget(fixed);
    startRow->addWidget(new QLabel(QStringLiteral("X"), startBox));
    startRow->addWidget(startX_);
    startRow->addWidget(new QLabel(QStringLiteral("Y"), startBox));
    startRow->addWidget(startY_);
    startRow->addWidget(takePosition_);
    startRow->addStretch(1);
    body()->addWidget(startBox);

    // Auto-snap.
    auto* snapBox = new QGroupBox(QStringLiteral("自動吸着設定"), this);
    auto* snapGrid = new QGridLayout(snapBox);
    autoSnap_ = FixedList(snapBox, kAutoSnapList, QStringLiteral("自動吸着設定"));
    snapGrid->addWidget(autoSnap_, 0, 0, 1, 6);
    anchor1_ = FixedList(snapBox, kAnchorList, QStringLiteral("吸着先ウィンドウの基準位置"));
    anchor2_ = FixedList(snapBox, kAnchorList, QStringLiteral("このウィンドウの基準位置"));
    snapGrid->addWidget(new QLabel(QStringLiteral("吸着先ウィンドウの"), snapBox), 1, 0);
    snapGrid->addWidget(anchor1_, 1, 1);
    snapGrid->addWidget(new QLabel(QStringLiteral("に、このウィンドウの"), snapBox), 1, 2);
    snapGrid->addWidget(anchor2_, 1, 3);
    snapGrid->addWidget(new QLabel(QStringLiteral("を合わせる"), snapBox), 1, 4);
    offsetX_ = NumberField(snapBox, QStringLiteral("吸着位置X"));
    offsetY_ = NumberField(snapBox, QStringLiteral("吸着位置Y"));
    auto* offsetRow = new QHBoxLayout();
    offsetRow->addWidget(new QLabel(QStringLiteral("ずらす量 X"), snapBox));
    offsetRow->addWidget(offsetX_);
    offsetRow->addWidget(new QLabel(QStringLiteral("Y"), snapBox));
    offsetRow->addWidget(offsetY_);
    offsetRow->addStretch(1);
    snapGrid->addLayout(offsetRow, 2, 0, 1, 6);
    exclusion_ = new QCheckBox(QStringLiteral("ある程度以上小さな"), snapBox);
    exclusionWidth_ = NumberField(snapBox, QStringLiteral("幅"));
    exclusionHeight_ = NumberField(snapBox, QStringLiteral("高さ"));
    auto* exclusionRow = new QHBoxLayout();
    exclusionRow->addWidget(exclusion_);
    exclusionRow->addWidget(new QLabel(QStringLiteral("幅"), snapBox));
    exclusionRow->addWidget(exclusionWidth_);
    exclusionRow->addWidget(new QLabel(QStringLiteral("×高さ"), snapBox));
    exclusionRow->addWidget(exclusionHeight_);
    exclusionRow->addWidget(new QLabel(QStringLiteral("ウインドウには吸着しない"), snapBox));
    exclusionRow->addStretch(1);
    snapGrid->addLayout(exclusionRow, 3, 0, 1, 6);
    snapGrid->setColumnStretch(5, 1);
    body()->addWidget(snapBox);

    // The title patterns of "指定したウィンドウにのみ吸着".
    auto* titleBox = new QGroupBox(QStringLiteral("吸着させるウィンドウのタイトル"), this);
    auto* titleRow = new QHBoxLayout(titleBox);
    titles_ = new QListWidget(titleBox);
    titles_->setAccessibleName(titleBox->title());
    titles_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* titleButtons = new QVBoxLayout();
    add_ = new QPushButton(QStringLiteral("追加"), titleBox);
    edit_ = new QPushButton(QStringLiteral("編集"), titleBox);
    remove_ = new QPushButton(QStringLiteral("削除"), titleBox);
    up_ = new QPushButton(QStringLiteral("↑"), titleBox);
    down_ = new QPushButton(QStringLiteral("↓"), titleBox);
    up_->setAccessibleName(QStringLiteral("上へ"));
    down_->setAccessibleName(QStringLiteral("下へ"));
    for (QPushButton* b : {add_, edit_, remove_, up_, down_}) {
        b->setAutoDefault(false);
        titleButtons->addWidget(b);
    }
    titleButtons->addStretch(1);
    titleRow->addWidget(titles_, 1);
    titleRow->addLayout(titleButtons);
    body()->addWidget(titleBox);

    connect(mode_, &QButtonGroup::idClicked, this, [this](int mode) {
        if (!Filling()) {
            settings().startPositionMode = static_cast<std::int16_t>(mode);
        }
        EnableParts();
    });
    auto whole = [this](QLineEdit* field, std::int32_t Settings::*target) {
        connect(field, &QLineEdit::textChanged, this, [this, target](const QString& text) {
            if (!Filling()) {
                settings().*target = WholeFromField(text.toStdString());
            }
        });
    };
    whole(startX_, &Settings::startX);
    whole(startY_, &Settings::startY);
    whole(offsetX_, &Settings::snapOffsetX);
    whole(offsetY_, &Settings::snapOffsetY);
    whole(exclusionWidth_, &Settings::snapExclusionWidth);
    whole(exclusionHeight_, &Settings::snapExclusionHeight);
    connect(takePosition_, &QPushButton::clicked, this, [this] {
        const WindowPosition p = host().CurrentWindowPosition();
        startX_->setText(QString::number(p.x));
        startY_->setText(QString::number(p.y));
    });
    connect(autoSnap_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (Filling() || index < 0) {
            return;
        }
        settings().autoSnapMode = static_cast<std::int16_t>(index);
        host().UpdatePolls(); // the auto-snap poll runs only while a mode asks for it
    });
    auto anchor = [this](QComboBox* list, std::int16_t Settings::*target) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, target](int index) {
            if (!Filling() && index >= 0) {
                settings().*target = static_cast<std::int16_t>(index);
            }
        });
    };
    anchor(anchor1_, &Settings::snapAnchor1);
    anchor(anchor2_, &Settings::snapAnchor2);
    connect(exclusion_, &QCheckBox::toggled, this, [this](bool on) {
        if (!Filling()) {
            settings().snapExclusionMode = on ? 1 : 0;
        }
        EnableParts();
    });

    connect(titles_, &QListWidget::currentRowChanged, this, [this] { UpdateTitleButtons(); });
    connect(titles_, &QListWidget::itemSelectionChanged, this, [this] { UpdateTitleButtons(); });
    connect(add_, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> title = AskTitle(QString())) {
            if (const std::optional<int> at =
                    AddSnapTitle(settings().snapTitles, title->toStdString())) {
                FillTitles(at);
            }
        }
    });
    connect(edit_, &QPushButton::clicked, this, [this] {
        const int entry = titles_->currentRow();
        QListWidgetItem* item = titles_->currentItem();
        if (entry < 0 || !item) {
            return;
        }
        if (const std::optional<QString> title = AskTitle(item->text())) {
            if (EditSnapTitle(settings().snapTitles, entry, title->toStdString())) {
                FillTitles(entry);
            }
        }
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        const int entry = titles_->currentRow();
        if (entry >= 0) {
            FillTitles(RemoveSnapTitle(settings().snapTitles, entry));
        }
    });
    auto move = [this](MoveDirection to) {
        const int entry = titles_->currentRow();
        if (entry >= 0) {
            FillTitles(MoveSnapTitle(settings().snapTitles, entry, to));
        }
    };
    connect(up_, &QPushButton::clicked, this, [move] { move(MoveDirection::Up); });
    connect(down_, &QPushButton::clicked, this, [move] { move(MoveDirection::Down); });

    Help(atExit, QStringLiteral("終了したときの位置に次回も表示します。"));
    Help(fixed, QStringLiteral("右の X・Y で指定した位置に起動します。"));
    Help(startX_, QStringLiteral("起動時の左端の位置(ピクセル)です。"));
    Help(startY_, QStringLiteral("起動時の上端の位置(ピクセル)です。"));
    Help(takePosition_, QStringLiteral("いまのウィンドウの位置を X・Y に入れます。"));
    Help(autoSnap_, QStringLiteral("ほかのウィンドウに自動でくっつくかどうかと、くっつく"
                                   "相手の選び方です。"));
    Help(anchor1_, QStringLiteral("吸着先のウィンドウのどの角を基準にするかです。"));
    Help(anchor2_, QStringLiteral("このウィンドウのどの角を基準の角に合わせるかです。"));
    Help(offsetX_, QStringLiteral("基準の角から横にずらす量(ピクセル)です。"));
    Help(offsetY_, QStringLiteral("基準の角から縦にずらす量(ピクセル)です。"));
    Help(exclusion_, QStringLiteral("指定した大きさより小さなウィンドウには吸着しません。"));
    Help(exclusionWidth_, QStringLiteral("吸着の対象にするウィンドウの最小の幅です。"));
    Help(exclusionHeight_, QStringLiteral("吸着の対象にするウィンドウの最小の高さです。"));
    Help(titles_, QStringLiteral("「指定したウィンドウにのみ吸着」で、タイトルにこの文字列を"
                                 "含むウィンドウに上から順に探して吸着します。"));
    Help(add_, QStringLiteral("タイトルを一覧に加えます。"));
    Help(edit_, QStringLiteral("選んだタイトルを書き換えます。"));
    Help(remove_, QStringLiteral("選んだタイトルを一覧から消します。"));
    Help(up_, QStringLiteral("選んだタイトルを一つ上へ移し、先に探すようにします。"));
    Help(down_, QStringLiteral("選んだタイトルを一つ下へ移します。"));
}

QRadioButton* PositionPage::modeButton(int mode) {
    return static_cast<QRadioButton*>(mode_->button(mode));
}

void PositionPage::Fill() {
    const Settings& s = settings();
    mode_->button(s.startPositionMode == 0 ? 0 : 1)->setChecked(true);
    startX_->setText(QString::number(s.startX));
    startY_->setText(QString::number(s.startY));
    autoSnap_->setCurrentIndex(
        s.autoSnapMode >= 0 && s.autoSnapMode < autoSnap_->count() ? s.autoSnapMode : -1);
    anchor1_->setCurrentIndex(s.snapAnchor1 >= 0 && s.snapAnchor1 < 4 ? s.snapAnchor1 : -1);
    anchor2_->setCurrentIndex(s.snapAnchor2 >= 0 && s.snapAnchor2 < 4 ? s.snapAnchor2 : -1);
    offsetX_->setText(QString::number(s.snapOffsetX));
    offsetY_->setText(QString::number(s.snapOffsetY));
    exclusion_->setChecked(s.snapExclusionMode == 1);
    exclusionWidth_->setText(QString::number(s.snapExclusionWidth));
    exclusionHeight_->setText(QString::number(s.snapExclusionHeight));
    FillTitles(std::nullopt);
    EnableParts();
}

void PositionPage::Shown() {
    UpdateTitleButtons();
}

void PositionPage::FillTitles(std::optional<int> select) {
    titles_->clear();
    for (const std::string& title : SnapTitleEntries(settings().snapTitles)) {
        titles_->addItem(QString::fromStdString(title));
    }
    if (select && *select < titles_->count()) {
        titles_->setCurrentRow(*select);
    }
    UpdateTitleButtons();
}

void PositionPage::UpdateTitleButtons() {
    const int row = titles_->currentRow();
    const bool selected =
        row >= 0 && titles_->currentItem() && titles_->currentItem()->isSelected();
    edit_->setEnabled(selected);
    remove_->setEnabled(selected);
    up_->setEnabled(selected);
    down_->setEnabled(selected);
}

void PositionPage::EnableParts() {
    const bool fixed = mode_->checkedId() == 1;
    startX_->setEnabled(fixed);
    startY_->setEnabled(fixed);
    takePosition_->setEnabled(fixed);
    exclusionWidth_->setEnabled(exclusion_->isChecked());
    exclusionHeight_->setEnabled(exclusion_->isChecked());
}

std::optional<QString> PositionPage::AskTitle(const QString& current) {
    if (askTitle) {
        return askTitle(this, current);
    }
    TitleDialog box(this);
    box.setWindowTitle(QStringLiteral("吸着させるウィンドウのタイトル"));
    box.setLabelText(TitleDialog::kTitlePrompt);
    box.setTextValue(current);
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue();
}

} // namespace trumbel

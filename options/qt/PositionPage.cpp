#include "options/qt/PositionPage.h"

#include "options/OptionsLists.h"
#include "options/PortField.h"
#include "options/SnapTitles.h"
#include "options/qt/DigitField.h"
#include "options/qt/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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
            setLabelText(Prompt() + QLatin1Char('\n') + Tr("SnapTitles", refusal));
            return;
        }
        QInputDialog::done(result);
    }

    static QString Prompt() {
        return QCoreApplication::translate("PositionPage",
                                           "タイトルに含まれる文字列を入力してください。");
    }
};

template <std::size_t N>
QComboBox* FixedList(QWidget* parent, const std::array<std::string_view, N>& entries,
                     const QString& name) {
    auto* list = new QComboBox(parent);
    list->setAccessibleName(name);
    for (std::string_view e : entries) {
        list->addItem(Tr("OptionsLists", e));
    }
    return list;
}

} // namespace

PositionPage::PositionPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Position, parent) {
    // Where the strip starts.
    auto* startBox =
        new QGroupBox(QCoreApplication::translate("PositionPage", "起動時の位置設定"), this);
    auto* startRow = new QHBoxLayout(startBox);
    mode_ = new QButtonGroup(this);
    auto* atExit =
        new QRadioButton(QCoreApplication::translate("PositionPage", "終了時の位置"), startBox);
    auto* fixed =
        new QRadioButton(QCoreApplication::translate("PositionPage", "位置指定"), startBox);
    mode_->addButton(atExit, 0);
    mode_->addButton(fixed, 1);
    startX_ = NumberField(startBox, QStringLiteral("X"));
    startY_ = NumberField(startBox, QStringLiteral("Y"));
    takePosition_ =
        new QPushButton(QCoreApplication::translate("PositionPage", "位置取得"), startBox);
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
    auto* snapBox =
        new QGroupBox(QCoreApplication::translate("PositionPage", "自動吸着設定"), this);
    auto* snapGrid = new QGridLayout(snapBox);
    autoSnap_ = FixedList(snapBox, kAutoSnapList,
                          QCoreApplication::translate("PositionPage", "自動吸着設定"));
    snapGrid->addWidget(autoSnap_, 0, 0, 1, 6);
    anchor1_ = FixedList(snapBox, kAnchorList,
                         QCoreApplication::translate("PositionPage", "吸着先ウィンドウの基準位置"));
    anchor2_ = FixedList(snapBox, kAnchorList,
                         QCoreApplication::translate("PositionPage", "このウィンドウの基準位置"));
    snapGrid->addWidget(
        new QLabel(QCoreApplication::translate("PositionPage", "吸着先ウィンドウの"), snapBox), 1,
        0);
    snapGrid->addWidget(anchor1_, 1, 1);
    snapGrid->addWidget(
        new QLabel(QCoreApplication::translate("PositionPage", "に、このウィンドウの"), snapBox), 1,
        2);
    snapGrid->addWidget(anchor2_, 1, 3);
    snapGrid->addWidget(
        new QLabel(QCoreApplication::translate("PositionPage", "を合わせる"), snapBox), 1, 4);
    offsetX_ = NumberField(snapBox, QCoreApplication::translate("PositionPage", "吸着位置X"));
    offsetY_ = NumberField(snapBox, QCoreApplication::translate("PositionPage", "吸着位置Y"));
    auto* offsetRow = new QHBoxLayout();
    offsetRow->addWidget(
        new QLabel(QCoreApplication::translate("PositionPage", "ずらす量 X"), snapBox));
    offsetRow->addWidget(offsetX_);
    offsetRow->addWidget(new QLabel(QStringLiteral("Y"), snapBox));
    offsetRow->addWidget(offsetY_);
    offsetRow->addStretch(1);
    snapGrid->addLayout(offsetRow, 2, 0, 1, 6);
    exclusion_ =
        new QCheckBox(QCoreApplication::translate("PositionPage", "ある程度以上小さな"), snapBox);
    exclusionWidth_ = NumberField(snapBox, QCoreApplication::translate("PositionPage", "幅"));
    exclusionHeight_ = NumberField(snapBox, QCoreApplication::translate("PositionPage", "高さ"));
    auto* exclusionRow = new QHBoxLayout();
    exclusionRow->addWidget(exclusion_);
    exclusionRow->addWidget(new QLabel(QCoreApplication::translate("PositionPage", "幅"), snapBox));
    exclusionRow->addWidget(exclusionWidth_);
    exclusionRow->addWidget(
        new QLabel(QCoreApplication::translate("PositionPage", "×高さ"), snapBox));
    exclusionRow->addWidget(exclusionHeight_);
    exclusionRow->addWidget(new QLabel(
        QCoreApplication::translate("PositionPage", "ウインドウには吸着しない"), snapBox));
    exclusionRow->addStretch(1);
    snapGrid->addLayout(exclusionRow, 3, 0, 1, 6);
    snapGrid->setColumnStretch(5, 1);
    body()->addWidget(snapBox);

    // The title patterns of "指定したウィンドウにのみ吸着".
    auto* titleBox = new QGroupBox(
        QCoreApplication::translate("PositionPage", "吸着させるウィンドウのタイトル"), this);
    auto* titleRow = new QHBoxLayout(titleBox);
    titles_ = new QListWidget(titleBox);
    titles_->setAccessibleName(titleBox->title());
    titles_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* titleButtons = new QVBoxLayout();
    add_ = new QPushButton(QCoreApplication::translate("PositionPage", "追加"), titleBox);
    edit_ = new QPushButton(QCoreApplication::translate("PositionPage", "編集"), titleBox);
    remove_ = new QPushButton(QCoreApplication::translate("PositionPage", "削除"), titleBox);
    up_ = new QPushButton(QStringLiteral("↑"), titleBox);
    down_ = new QPushButton(QStringLiteral("↓"), titleBox);
    up_->setAccessibleName(QCoreApplication::translate("PositionPage", "上へ"));
    down_->setAccessibleName(QCoreApplication::translate("PositionPage", "下へ"));
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

    Help(atExit,
         QCoreApplication::translate("PositionPage", "終了したときの位置に次回も表示します。"));
    Help(fixed,
         QCoreApplication::translate("PositionPage", "右の X・Y で指定した位置に起動します。"));
    Help(startX_,
         QCoreApplication::translate("PositionPage", "起動時の左端の位置(ピクセル)です。"));
    Help(startY_,
         QCoreApplication::translate("PositionPage", "起動時の上端の位置(ピクセル)です。"));
    Help(takePosition_,
         QCoreApplication::translate("PositionPage", "いまのウィンドウの位置を X・Y に入れます。"));
    Help(autoSnap_, QCoreApplication::translate(
                        "PositionPage", "ほかのウィンドウに自動でくっつくかどうかと、くっつく"
                                        "相手の選び方です。"));
    Help(anchor1_, QCoreApplication::translate("PositionPage",
                                               "吸着先のウィンドウのどの角を基準にするかです。"));
    Help(anchor2_, QCoreApplication::translate(
                       "PositionPage", "このウィンドウのどの角を基準の角に合わせるかです。"));
    Help(offsetX_,
         QCoreApplication::translate("PositionPage", "基準の角から横にずらす量(ピクセル)です。"));
    Help(offsetY_,
         QCoreApplication::translate("PositionPage", "基準の角から縦にずらす量(ピクセル)です。"));
    Help(exclusion_, QCoreApplication::translate(
                         "PositionPage", "指定した大きさより小さなウィンドウには吸着しません。"));
    Help(exclusionWidth_,
         QCoreApplication::translate("PositionPage", "吸着の対象にするウィンドウの最小の幅です。"));
    Help(exclusionHeight_, QCoreApplication::translate(
                               "PositionPage", "吸着の対象にするウィンドウの最小の高さです。"));
    Help(titles_, QCoreApplication::translate(
                      "PositionPage", "「指定したウィンドウにのみ吸着」で、タイトルにこの文字列を"
                                      "含むウィンドウに上から順に探して吸着します。"));
    Help(add_, QCoreApplication::translate("PositionPage", "タイトルを一覧に加えます。"));
    Help(edit_, QCoreApplication::translate("PositionPage", "選んだタイトルを書き換えます。"));
    Help(remove_,
         QCoreApplication::translate("PositionPage", "選んだタイトルを一覧から消します。"));
    Help(up_, QCoreApplication::translate("PositionPage",
                                          "選んだタイトルを一つ上へ移し、先に探すようにします。"));
    Help(down_, QCoreApplication::translate("PositionPage", "選んだタイトルを一つ下へ移します。"));
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
    box.setWindowTitle(
        QCoreApplication::translate("PositionPage", "吸着させるウィンドウのタイトル"));
    box.setLabelText(TitleDialog::Prompt());
    box.setTextValue(current);
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue();
}

} // namespace trumbel

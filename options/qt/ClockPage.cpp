#include "options/qt/ClockPage.h"

#include "base/AppInfo.h"
#include "clock/DateValue.h"
#include "options/ClockFields.h"
#include "options/PortField.h"
#include "options/qt/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace trumbel {

namespace {

// Days, hours, minutes, seconds of the offset, with the words that follow each field.
struct OffsetPart {
    const char* word;
    int max;
};
constexpr std::array<OffsetPart, 4> kOffsetParts{{{QT_TRANSLATE_NOOP("ClockPage", "日と"), 365},
                                                  {QT_TRANSLATE_NOOP("ClockPage", "時間"), 23},
                                                  {QT_TRANSLATE_NOOP("ClockPage", "分"), 59},
                                                  {QT_TRANSLATE_NOOP("ClockPage", "秒"), 59}}};

} // namespace

ClockPage::ClockPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Clock, parent) {
    auto* serverBox = new QGroupBox(tr("タイムサーバーの指定 (IPアドレス指定可)"), this);
    auto* serverRow = new QHBoxLayout(serverBox);
    server_ = new QComboBox(serverBox);
    server_->setEditable(true);
    server_->setAccessibleName(tr("タイムサーバー"));
    for (const TimeServerEntry& entry : kPublicTimeServers) {
        server_->addItem(QString::fromStdString(TimeServerCaption(entry)));
    }
    server_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    adjustNow_ = new QPushButton(tr("時計を合わせる"), serverBox);
    adjustNow_->setAutoDefault(false);
    serverRow->addWidget(server_, 1);
    serverRow->addWidget(adjustNow_);
    body()->addWidget(serverBox);

    atStart_ = new QCheckBox(tr("「%1」起動時に時計を合わせる").arg(Qs(kProductName)), this);
    body()->addWidget(atStart_);

    auto* portRow = new QHBoxLayout();
    auto* portCaption = new QLabel(tr("使用するポート(標準：123)"), this);
    port_ = new QLineEdit(this);
    port_->setAccessibleName(portCaption->text());
    port_->setMaximumWidth(port_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    portNow_ = new QLabel(this);
    portRow->addWidget(portCaption);
    portRow->addWidget(port_);
    portRow->addWidget(portNow_);
    portRow->addStretch(1);
    body()->addLayout(portRow);

    auto* everyRow = new QHBoxLayout();
    every_ = new QCheckBox(tr("一定時間ごとに時計を合わせる( 1-72時間 )"), this);
    everyHours_ = new QSpinBox(this);
    everyHours_->setRange(kEveryHoursMin, kEveryHoursMax);
    everyHours_->setAccessibleName(tr("時間ごと", "the field's name"));
    everyRow->addWidget(every_);
    everyRow->addWidget(everyHours_);
    everyRow->addWidget(new QLabel(tr("時間ごと"), this));
    everyRow->addStretch(1);
    body()->addLayout(everyRow);

    offset_ = new QCheckBox(tr("指定した時間だけ時間をずらして合わせる"), this);
    body()->addWidget(offset_);
    auto* directionRow = new QHBoxLayout();
    direction_ = new QButtonGroup(this);
    int id = 0;
    for (const char* caption :
         {QT_TRANSLATE_NOOP("ClockPage", "何もしない"), QT_TRANSLATE_NOOP("ClockPage", "進ませる"),
          QT_TRANSLATE_NOOP("ClockPage", "遅らせる")}) {
        auto* b = new QRadioButton(tr(caption), this);
        direction_->addButton(b, id++);
        directionRow->addWidget(b);
    }
    directionRow->addStretch(1);
    body()->addLayout(directionRow);
    auto* partsRow = new QHBoxLayout();
    for (std::size_t i = 0; i < kOffsetParts.size(); ++i) {
        auto* field = new QSpinBox(this);
        field->setRange(0, kOffsetParts[i].max);
        field->setAccessibleName(tr(kOffsetParts[i].word));
        offsetParts_[i] = field;
        partsRow->addWidget(field);
        partsRow->addWidget(new QLabel(tr(kOffsetParts[i].word), this));
    }
    partsRow->addStretch(1);
    body()->addLayout(partsRow);

    connect(server_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!Filling()) {
            settings().timeServer = text.toStdString();
        }
    });
    connect(adjustNow_, &QPushButton::clicked, this, [this] { host().OpenClockWindow(); });
    connect(atStart_, &QCheckBox::toggled, this, [this](bool on) {
        if (!Filling()) {
            settings().adjustClockAtStart = on;
        }
    });
    connect(port_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (Filling()) {
            return;
        }
        settings().timeServerPort = PortFromField(text.toStdString());
        portNow_->setText(QString::fromStdString(PortLabel(settings().timeServerPort)));
    });
    auto everyChanged = [this] {
        if (!Filling()) {
            settings().adjustEveryHours =
                EveryHoursSetting(every_->isChecked(), everyHours_->value());
        }
        EnableParts();
    };
    connect(every_, &QCheckBox::toggled, this, everyChanged);
    connect(everyHours_, &QSpinBox::valueChanged, this, everyChanged);
    auto offsetChanged = [this] {
        if (!Filling()) {
            settings().adjustWithOffset =
                OffsetSetting(offset_->isChecked() ? OffsetSwitch::On : OffsetSwitch::Off,
                              std::max(0, direction_->checkedId()));
        }
        EnableParts();
    };
    connect(offset_, &QCheckBox::toggled, this, offsetChanged);
    connect(direction_, &QButtonGroup::idClicked, this, offsetChanged);
    for (std::size_t i = 0; i < offsetParts_.size(); ++i) {
        connect(offsetParts_[i], &QSpinBox::valueChanged, this, [this, i](int value) {
            if (!Filling()) {
                settings().clockOffset[i] = static_cast<std::int16_t>(value);
            }
        });
    }

    Help(server_, tr("時刻を問い合わせるタイムサーバーです。一覧から選ぶか、"
                     "ホスト名やIPアドレスを直接入力します。"));
    Help(adjustNow_, tr("いま指定のタイムサーバーに問い合わせて、パソコンの時計を"
                        "合わせます。"));
    Help(atStart_, tr("起動するたびに一度、時計を合わせます。"));
    Help(port_, tr("タイムサーバーに問い合わせるポート番号です。空欄や0以下は"
                   "標準の123になります。"));
    Help(every_, tr("起動している間、指定した時間おきに時計を合わせ直します。"));
    Help(everyHours_, tr("時計を合わせ直す間隔です(1～72時間)。"));
    Help(offset_, tr("タイムサーバーの時刻から、下で指定した時間だけずらした時刻に"
                     "合わせます。"));
    for (QAbstractButton* b : direction_->buttons()) {
        Help(b, tr("ずらす向きです。「進ませる」は指定した時間だけ先に、"
                   "「遅らせる」は後に合わせます。"));
    }
    for (QSpinBox* field : offsetParts_) {
        Help(field, tr("ずらす時間を日・時間・分・秒で指定します。"));
    }
}

QAbstractButton* ClockPage::directionButton(int direction) {
    return direction_->button(direction);
}

void ClockPage::Fill() {
    const Settings& s = settings();
    server_->setCurrentText(QString::fromStdString(s.timeServer));
    atStart_->setChecked(s.adjustClockAtStart);
    port_->setText(QString::number(s.timeServerPort));
    portNow_->setText(QString::fromStdString(PortLabel(s.timeServerPort)));
    every_->setChecked(s.adjustEveryHours > 0);
    everyHours_->setValue(s.adjustEveryHours > 0 ? s.adjustEveryHours : kEveryHoursMin);
    offset_->setChecked(OffsetOn(s.adjustWithOffset));
    direction_->button(OffsetDirection(s.adjustWithOffset))->setChecked(true);
    for (std::size_t i = 0; i < offsetParts_.size(); ++i) {
        offsetParts_[i]->setValue(s.clockOffset[i]);
    }
    EnableParts();
}

void ClockPage::EnableParts() {
    everyHours_->setEnabled(every_->isChecked());
    const bool offset = offset_->isChecked();
    for (QAbstractButton* b : direction_->buttons()) {
        b->setEnabled(offset);
    }
    for (QSpinBox* field : offsetParts_) {
        field->setEnabled(offset);
    }
}

} // namespace trumbel

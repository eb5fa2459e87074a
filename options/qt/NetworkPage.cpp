#include "options/qt/NetworkPage.h"

#include "measure/ItemKinds.h"
#include "measure/SystemInfo.h"
#include "options/PortField.h"
#include "options/qt/DigitField.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace trumbel {

namespace {

struct ScaleText {
    const char* caption;
    const char* help;
};
constexpr std::array<ScaleText, 2> kScaleTexts{{
    {QT_TRANSLATE_NOOP("NetworkPage", "数字表示の最大値"),
     QT_TRANSLATE_NOOP("NetworkPage", "数字で表示するときの最大値(満量)の決め方です。")},
    {QT_TRANSLATE_NOOP("NetworkPage", "グラフの１００％に相当する値"),
     QT_TRANSLATE_NOOP("NetworkPage", "グラフがいっぱいになる値の決め方です。")},
}};

// Writes while `flag` is set are the page's own.
class Guard {
public:
    explicit Guard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~Guard() { flag_ = old_; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

private:
    bool& flag_;
    bool old_;
};

} // namespace

NetworkPage::NetworkPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Network, parent) {
    auto* adapterBox = new QGroupBox(tr("検出されたネットワークアダプタとディスク"), this);
    auto* adapterColumn = new QVBoxLayout(adapterBox);
    adapter_ = new QComboBox(adapterBox);
    adapter_->setAccessibleName(adapterBox->title());
    adapter_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    adapter_->setMinimumContentsLength(24);
    adapterColumn->addWidget(adapter_);
    auto* halfRow = new QHBoxLayout();
    half_ = new QButtonGroup(this);
    auto* receive = new QRadioButton(tr("受信量"), adapterBox);
    auto* send = new QRadioButton(tr("送信量"), adapterBox);
    half_->addButton(receive, static_cast<int>(LimitHalf::Receive));
    half_->addButton(send, static_cast<int>(LimitHalf::Send));
    receive->setChecked(true);
    halfRow->addWidget(receive);
    halfRow->addWidget(send);
    halfRow->addStretch(1);
    adapterColumn->addLayout(halfRow);
    peak_ = new QLabel(adapterBox);
    adapterColumn->addWidget(peak_);

    for (std::size_t i = 0; i < scales_.size(); ++i) {
        auto* box = new QGroupBox(tr(kScaleTexts[i].caption), adapterBox);
        auto* row = new QHBoxLayout(box);
        ScaleControls& c = scales_[i];
        c.mode = new QComboBox(box);
        c.mode->setAccessibleName(tr("%1 値の指定").arg(box->title()));
        c.mode->addItem(tr("過去%1サンプルの最大値").arg(kLogSize - 1));
        c.mode->addItem(tr("今までに記録した最大値"));
        c.mode->addItem(tr("数値を指定"));
        c.value = new QLineEdit(box);
        c.value->setAccessibleName(box->title());
        c.value->setMaximumWidth(
            c.value->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 12);
        MakeDigitOnly(c.value);
        c.unit = new QComboBox(box);
        c.unit->setAccessibleName(tr("%1 単位").arg(box->title()));
        for (const char* unit : {"Kbps", "Mbps", "Gbps"}) {
            c.unit->addItem(QString::fromUtf8(unit));
        }
        row->addWidget(new QLabel(tr("値の指定"), box));
        row->addWidget(c.mode);
        row->addWidget(c.value);
        row->addWidget(c.unit);
        row->addStretch(1);
        adapterColumn->addWidget(box);
        const int scale = static_cast<int>(i);
        connect(c.mode, &QComboBox::currentIndexChanged, this,
                [this, scale](int mode) { ModeChosen(scale, mode); });
        connect(c.value, &QLineEdit::textChanged, this, [this, scale] { ValueTyped(scale); });
        connect(c.unit, &QComboBox::currentIndexChanged, this,
                [this, scale] { ValueTyped(scale); });
        Help(c.mode, tr("%1「過去…サンプル」は履歴に残っている値の最大、"
                        "「今までに記録した最大値」は過去最高記録、"
                        "「数値を指定」は右の欄の値を使います。")
                         .arg(tr(kScaleTexts[i].help)));
        Help(c.value, tr("「数値を指定」のときの最大値です。"));
        Help(c.unit, tr("指定した最大値の単位です(1K = 1024)。"));
    }
    body()->addWidget(adapterBox);

    auto* fixedBox =
        new QGroupBox(tr("固定スキンの場合は以下のネットワークアダプタの状態を調べます"), this);
    auto* fixedColumn = new QVBoxLayout(fixedBox);
    fixedSkin_ = new QComboBox(fixedBox);
    fixedSkin_->setAccessibleName(fixedBox->title());
    fixedSkin_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    fixedSkin_->setMinimumContentsLength(24);
    fixedColumn->addWidget(fixedSkin_);
    body()->addWidget(fixedBox);

    connect(adapter_, &QComboBox::currentIndexChanged, this, [this] { ShowLimits(); });
    connect(half_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            ShowLimits();
        }
    });
    connect(fixedSkin_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!Filling() && !this->state().noEvents && !showing_ && index >= 0) {
            settings().fixedSkinDevice = static_cast<std::int16_t>(index);
        }
    });

    Help(adapter_, tr("設定するネットワークアダプタまたはディスクを選びます。"));
    Help(receive, tr("受信量(ディスクでは読込量)の最大値を設定します。"));
    Help(send, tr("送信量(ディスクでは書込量)の最大値を設定します。"));
    Help(peak_, tr("このアダプタでこれまでに記録した一番大きな転送量です。"));
    Help(fixedSkin_, tr("項目を選べない固定タイプのスキンで、状態を表示する"
                        "ネットワークアダプタです。"));
}

QRadioButton* NetworkPage::halfButton(LimitHalf half) {
    return static_cast<QRadioButton*>(half_->button(static_cast<int>(half)));
}

LimitHalf NetworkPage::Half() const {
    return half_->checkedId() == static_cast<int>(LimitHalf::Send) ? LimitHalf::Send
                                                                   : LimitHalf::Receive;
}

int NetworkPage::AdapterCount() {
    // The measurement sizes the limits; an adapter it has not sized yet cannot be edited.
    return std::min(host().NetworkDeviceCount(), static_cast<int>(settings().deviceLimits.size()));
}

int NetworkPage::DiskIndex() {
    const int d = adapter_->currentIndex() - AdapterCount();
    return adapter_->currentIndex() >= 0 && d >= 0 && d < static_cast<int>(disks_.size()) ? d : -1;
}

LimitPair* NetworkPage::Pair() {
    if (const int d = DiskIndex(); d >= 0) {
        // The measurement adds a disk it reads; one it has not read yet is added here.
        const std::string& name = disks_[static_cast<std::size_t>(d)];
        std::vector<DiskLimits>& disks = settings().diskLimits;
        auto it = std::find_if(disks.begin(), disks.end(),
                               [&](const DiskLimits& l) { return l.device == name; });
        if (it == disks.end()) {
            disks.push_back({name, {}, {}});
            it = disks.end() - 1;
        }
        return &HalfOf(*it, Half());
    }
    const int n = adapter_->currentIndex();
    if (n < 0 || n >= AdapterCount()) {
        return nullptr;
    }
    return &HalfOf(settings().deviceLimits[static_cast<std::size_t>(n)], Half());
}

void NetworkPage::FillAdapterNames() {
    const Guard guard(showing_);
    const int adapters = AdapterCount();
    for (QComboBox* list : {adapter_, fixedSkin_}) {
        const int count = adapters + (list == adapter_ ? static_cast<int>(disks_.size()) : 0);
        const int chosen = list->currentIndex();
        while (list->count() > count) {
            list->removeItem(list->count() - 1);
        }
        for (int i = 0; i < count; ++i) {
            const QString name = i < adapters
                                     ? QString::fromStdString(host().NetworkDeviceName(i))
                                     : tr("ディスク %1")
                                           .arg(QString::fromStdString(
                                               disks_[static_cast<std::size_t>(i - adapters)]));
            if (i < list->count()) {
                list->setItemText(i, name);
            } else {
                list->addItem(name);
            }
        }
        list->setCurrentIndex(chosen < count ? chosen : -1);
    }
}

void NetworkPage::Fill() {
    {
        const Guard guard(showing_);
        adapter_->clear();
        fixedSkin_->clear();
    }
    disks_ = host().SensorNames(static_cast<int>(ItemKind::DiskReadBytes));
    FillAdapterNames();
    const Guard guard(showing_);
    if (adapter_->count() > 0) {
        adapter_->setCurrentIndex(0);
    }
    const int fixed = settings().fixedSkinDevice;
    fixedSkin_->setCurrentIndex(fixed >= 0 && fixed < fixedSkin_->count() ? fixed : -1);
    ShowLimits();
}

void NetworkPage::Tick() {
    // Adapters may have been renamed (or come and gone) since the page was filled.
    state().noEvents = true;
    FillAdapterNames();
    state().noEvents = false;
}

void NetworkPage::ShowLimits() {
    const Guard guard(showing_);
    const LimitPair* pair = Pair();
    const RateUnit rate = Rate();
    const bool disk = rate == RateUnit::Bytes;
    halfButton(LimitHalf::Receive)->setText(disk ? tr("読込量") : tr("受信量"));
    halfButton(LimitHalf::Send)->setText(disk ? tr("書込量") : tr("送信量"));
    peak_->setText(QString::fromStdString(PeakLabel(pair ? pair->pastMax : 0.0f, rate)));
    for (std::size_t i = 0; i < scales_.size(); ++i) {
        ScaleControls& c = scales_[i];
        const int mode = pair ? pair->maxMode[i] : kScaleModeHistory;
        c.mode->setCurrentIndex(mode >= 0 && mode <= kScaleModeFixed ? mode : -1);
        const LimitField field = FieldOfLimit(pair ? pair->maxValue[i] : 0.0f, rate);
        c.value->setText(QString::fromStdString(TwoDecimalText(field.value)));
        static constexpr std::array<const char*, 3> kBits{"Kbps", "Mbps", "Gbps"};
        static constexpr std::array<const char*, 3> kBytes{"KB/s", "MB/s", "GB/s"};
        for (int u = 0; u < c.unit->count() && u < 3; ++u) {
            c.unit->setItemText(
                u, QString::fromUtf8((disk ? kBytes : kBits)[static_cast<std::size_t>(u)]));
        }
        c.unit->setCurrentIndex(field.unit);
        c.mode->setEnabled(pair != nullptr);
        c.value->setEnabled(pair && mode == kScaleModeFixed);
        c.unit->setEnabled(pair && mode == kScaleModeFixed);
    }
}

void NetworkPage::ModeChosen(int scale, int mode) {
    ScaleControls& c = scales_[static_cast<std::size_t>(scale)];
    c.value->setEnabled(mode == kScaleModeFixed);
    c.unit->setEnabled(mode == kScaleModeFixed);
    LimitPair* pair = Pair();
    const int disk = DiskIndex();
    if (Filling() || showing_ || mode < 0 || !pair) {
        return;
    }
    if (const std::optional<ScaleWrite> write = ChooseScaleMode(
            *pair, Half(), disk >= 0 ? disk : adapter_->currentIndex(), scale, mode, disk >= 0)) {
        host().SetSystemValue(write->paramId, write->deviceId, write->showParamInfo, write->value);
    }
}

void NetworkPage::ValueTyped(int scale) {
    LimitPair* pair = Pair();
    if (Filling() || showing_ || !pair) {
        return;
    }
    const ScaleControls& c = scales_[static_cast<std::size_t>(scale)];
    pair->maxValue[static_cast<std::size_t>(scale)] = LimitFromField(
        LeadingNumber(c.value->text().toStdString()), std::max(0, c.unit->currentIndex()), Rate());
}

} // namespace trumbel

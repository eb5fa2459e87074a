#include "options/qt/BasicPage.h"

#include "options/OptionsLists.h"
#include "options/StartupEntry.h"
#include "options/qt/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

namespace trumbel {

namespace {

constexpr int kStrengthMax = 50;
constexpr int kOpacitySteps = 10; // the slider counts tenths

QString SnapDistanceText(int pixels) {
    return QCoreApplication::translate("BasicPage", "%1ピクセル内は吸着").arg(pixels);
}

} // namespace

BasicPage::BasicPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Basic, parent) {
    auto* snap = new QGroupBox(QCoreApplication::translate("BasicPage", "吸着"), this);
    auto* snapLayout = new QGridLayout(snap);
    edges_ = new QCheckBox(QCoreApplication::translate("BasicPage", "デスクトップ端に吸着"), snap);
    taskbar_ = new QCheckBox(QCoreApplication::translate("BasicPage", "タスクバーにも吸着"), snap);
    snapLayout->addWidget(edges_, 0, 0, 1, 3);
    snapLayout->addWidget(taskbar_, 1, 0, 1, 3);
    snapLayout->addWidget(new QLabel(QCoreApplication::translate("BasicPage", "強さ調節"), snap), 2,
                          0, 1, 3);
    strength_ = new QSlider(Qt::Horizontal, snap);
    strength_->setAccessibleName(QCoreApplication::translate("BasicPage", "強さ調節"));
    strength_->setRange(0, kStrengthMax);
    strength_->setTickPosition(QSlider::TicksBelow);
    strength_->setTickInterval(5);
    strength_->setPageStep(5);
    snapLayout->addWidget(new QLabel(QCoreApplication::translate("BasicPage", "弱"), snap), 3, 0);
    snapLayout->addWidget(strength_, 3, 1);
    snapLayout->addWidget(new QLabel(QCoreApplication::translate("BasicPage", "強"), snap), 3, 2);
    strengthLabel_ = new QLabel(snap);
    snapLayout->addWidget(strengthLabel_, 4, 0, 1, 3);
    body()->addWidget(snap);

    startup_ =
        new QCheckBox(QCoreApplication::translate("BasicPage", "スタートアップに登録する"), this);
    body()->addWidget(startup_);

    auto* history = new QGroupBox(QCoreApplication::translate("BasicPage", "履歴グラフ"), this);
    auto* historyLayout = new QGridLayout(history);
    right_ = new QRadioButton(QCoreApplication::translate("BasicPage", "右へ"), history);
    left_ = new QRadioButton(QCoreApplication::translate("BasicPage", "左へ"), history);
    auto* direction = new QButtonGroup(history);
    direction->addButton(right_);
    direction->addButton(left_);
    speed_ = new QComboBox(history);
    speed_->setAccessibleName(QCoreApplication::translate("BasicPage", "サンプル時間"));
    for (std::string_view s : kHistorySpeedList) {
        speed_->addItem(Tr("OptionsLists", s));
    }
    average_ = new QRadioButton(QCoreApplication::translate("BasicPage", "全部の値の平均を求める"),
                                history);
    largest_ = new QRadioButton(
        QCoreApplication::translate("BasicPage", "最も値の大きいものを選択"), history);
    auto* method = new QButtonGroup(history);
    method->addButton(average_);
    method->addButton(largest_);
    historyLayout->addWidget(right_, 0, 0);
    historyLayout->addWidget(left_, 0, 1);
    historyLayout->addWidget(speed_, 1, 0, 1, 2);
    historyLayout->addWidget(average_, 2, 0, 1, 2);
    historyLayout->addWidget(largest_, 3, 0, 1, 2);
    body()->addWidget(history);

    lastPage_ = new QCheckBox(QCoreApplication::translate(
                                  "BasicPage", "オプションを開いた時に最後に使用したページを開く"),
                              this);
    iconMenu_ = new QCheckBox(
        QCoreApplication::translate("BasicPage",
                                    "アイコン付きメニューを使用する (Velquorの再起動が必要です)"),
        this);
    body()->addWidget(lastPage_);
    body()->addWidget(iconMenu_);

    auto* extended = new QGroupBox(
        QCoreApplication::translate("BasicPage", "Windows2000・XP専用拡張設定"), this);
    auto* extendedLayout = new QGridLayout(extended);
    translucent_ = new QCheckBox(
        QCoreApplication::translate("BasicPage", "メイン画面を半透明にする"), extended);
    colourKey_ = new QCheckBox(
        QCoreApplication::translate("BasicPage", "ウィンドウの一部を透明にする"), extended);
    opacity_ = new QSlider(Qt::Horizontal, extended);
    opacity_->setAccessibleName(QCoreApplication::translate("BasicPage", "半透明度"));
    opacity_->setRange(1, kOpacitySteps);
    opacity_->setValue(kOpacitySteps);
    opacity_->setTickPosition(QSlider::TicksBelow);
    opacity_->setPageStep(1);
    opacityLabel_ = new QLabel(extended);
    extendedLayout->addWidget(translucent_, 0, 0, 1, 3);
    extendedLayout->addWidget(colourKey_, 1, 0, 1, 3);
    extendedLayout->addWidget(
        new QLabel(QCoreApplication::translate("BasicPage", "半透明度"), extended), 2, 0);
    extendedLayout->addWidget(opacity_, 2, 1);
    extendedLayout->addWidget(opacityLabel_, 2, 2);
    body()->addWidget(extended);

    Help(edges_, QCoreApplication::translate(
                     "BasicPage", "ドラッグ中のウィンドウが画面の端に近づくと、端にぴったり"
                                  "くっつけます。"));
    Help(taskbar_,
         QCoreApplication::translate(
             "BasicPage", "画面の端だけでなく、パネル（タスクバー）の縁にもくっつけます。"));
    Help(strength_, QCoreApplication::translate(
                        "BasicPage", "何ピクセル以内に近づいたらくっつけるかを決めます。右へ動かす"
                                     "ほど遠くから吸い寄せられます。"));
    Help(startup_, QCoreApplication::translate(
                       "BasicPage", "ログインしたときに自動で起動するよう、デスクトップの自動起動"
                                    "フォルダーに登録します。「決定」か「適用」で反映されます。"));
    Help(right_, QCoreApplication::translate(
                     "BasicPage", "履歴グラフの新しい値を左端に描き、古い値を右へ流します。"));
    Help(left_, QCoreApplication::translate(
                    "BasicPage", "履歴グラフの新しい値を右端に描き、古い値を左へ流します。"));
    Help(speed_, QCoreApplication::translate(
                     "BasicPage", "履歴グラフの１目盛りが何秒分の値をまとめるかを選びます。"));
    Help(average_, QCoreApplication::translate("BasicPage",
                                               "１目盛りの間に測った値の平均をグラフにします。"));
    Help(largest_,
         QCoreApplication::translate(
             "BasicPage", "１目盛りの間に測った値のうち、最も大きいものをグラフにします。"));
    Help(lastPage_, QCoreApplication::translate(
                        "BasicPage", "このダイアログを次に開いたとき、最後に見ていたページから"
                                     "始めます。"));
    Help(iconMenu_, QCoreApplication::translate(
                        "BasicPage", "メニューの項目にアイコンを付けます。次に起動したときから"
                                     "有効になります。"));
    Help(translucent_, QCoreApplication::translate(
                           "BasicPage", "メイン画面を下の「半透明度」に合わせて透かします。"
                                        "設定は保存されず、合成マネージャーが必要です。"));
    Help(colourKey_, QCoreApplication::translate(
                         "BasicPage", "スキンの透過色の部分をくり抜き、後ろのウィンドウが見える"
                                      "ようにします。"));
    Help(opacity_, QCoreApplication::translate(
                       "BasicPage", "半透明にしたときの濃さです。右端で不透明になります。"));

    connect(edges_, &QCheckBox::toggled, this, [this](bool on) {
        if (!Filling()) {
            settings().snapToScreenEdges = on;
        }
    });
    connect(taskbar_, &QCheckBox::toggled, this, [this](bool on) {
        if (!Filling()) {
            settings().snapToTaskbar = on;
        }
    });
    connect(strength_, &QSlider::valueChanged, this, [this](int value) {
        strengthLabel_->setText(SnapDistanceText(value));
        if (!Filling()) {
            settings().snapStrength = static_cast<std::int16_t>(value);
        }
    });
    connect(left_, &QRadioButton::toggled, this, [this](bool on) {
        if (!Filling()) {
            settings().historyScrollDirection = on;
            host().Redraw();
        }
    });
    connect(speed_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!Filling() && index >= 0) {
            settings().historyUpdateSpeed = static_cast<std::int16_t>(index);
        }
    });
    connect(largest_, &QRadioButton::toggled, this, [this](bool on) {
        if (!Filling()) {
            settings().historySampleMode = on ? 1 : 0;
        }
    });
    connect(lastPage_, &QCheckBox::toggled, this, [this](bool on) {
        if (!Filling()) {
            settings().openLastOptionsPage = on;
            if (on) {
                settings().lastOptionsPage = this->state().CurrentPage();
            }
        }
    });
    // Takes effect at the next start: the menus keep the look they were built with.
    connect(iconMenu_, &QCheckBox::toggled, this, [this](bool on) {
        if (!Filling()) {
            settings().useIconMenu = on;
        }
    });
    connect(translucent_, &QCheckBox::toggled, this, [this] { ApplyOpacity(); });
    connect(opacity_, &QSlider::valueChanged, this, [this](int value) {
        opacityLabel_->setText(QString::number(value * 10) + QStringLiteral("%"));
        ApplyOpacity();
    });
    connect(colourKey_, &QCheckBox::toggled, this, [this](bool on) { host().SetColourKey(on); });
    opacityLabel_->setText(QStringLiteral("100%"));
}

void BasicPage::ApplyOpacity() {
    host().SetOpacity(translucent_->isChecked() ? opacity_->value() * 10 : 100);
}

void BasicPage::Fill() {
    const Settings& s = settings();
    edges_->setChecked(s.snapToScreenEdges);
    taskbar_->setChecked(s.snapToTaskbar);
    strength_->setValue(s.snapStrength);
    strengthLabel_->setText(SnapDistanceText(s.snapStrength));
    startup_->setChecked(StartupEntry(host().StartupEntryPath(), host().ui()).Exists());
    (s.historyScrollDirection ? left_ : right_)->setChecked(true);
    speed_->setCurrentIndex(s.historyUpdateSpeed >= 0 &&
                                    s.historyUpdateSpeed <
                                        static_cast<int>(kHistorySpeedList.size())
                                ? s.historyUpdateSpeed
                                : -1);
    (s.historySampleMode == 1 ? largest_ : average_)->setChecked(true);
    lastPage_->setChecked(s.openLastOptionsPage);
    iconMenu_->setChecked(s.useIconMenu);
}

void BasicPage::Apply() {
    StartupEntry entry(host().StartupEntryPath(), host().ui());
    entry.Apply(startup_->isChecked(), host().ExecutablePath(), host().AppFolder());
}

} // namespace trumbel

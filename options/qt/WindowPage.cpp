#include "options/qt/WindowPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trumbel {

namespace {

constexpr int kNormalDisplay = 0;
constexpr int kTopmostDisplay = 1;

struct Rule {
    bool Settings::*field;
    const char* caption;
    const char* help;
};

constexpr Rule kToggle{
    &Settings::toggleButton, QT_TRANSLATE_NOOP("WindowPage", "Pauseキーで切り替え"),
    QT_TRANSLATE_NOOP("WindowPage", "Pauseキーを押すたびに、通常表示と最前面表示を切り替えます。")};

constexpr std::array<Rule, 4> kNormalRules{{
    {&Settings::showOnMouseOver, QT_TRANSLATE_NOOP("WindowPage", "マウスが近づいたら最前面表示"),
     QT_TRANSLATE_NOOP("WindowPage",
                       "ほかのウィンドウの後ろにあるとき、マウスが近づくと手前に出します。")},
    {&Settings::showNeedsShift,
     QT_TRANSLATE_NOOP("WindowPage", "↑  Shiftキーを押しながらでないと無効である"),
     QT_TRANSLATE_NOOP(
         "WindowPage",
         "マウスを近づけたときに手前に出すのを、Shiftキーを押しているときだけにします。")},
    {&Settings::showByButton,
     QT_TRANSLATE_NOOP("WindowPage", "「Ctrl」キーと「Shift」キーを押している間は最前面表示"),
     QT_TRANSLATE_NOOP("WindowPage", "CtrlキーとShiftキーを一緒に押している間、手前に出します。")},
    {&Settings::backWhenMouseAway, QT_TRANSLATE_NOOP("WindowPage", "マウスが外に出ると背後へ移動"),
     QT_TRANSLATE_NOOP("WindowPage", "マウスが離れたら、ほかのウィンドウの後ろへ戻します。")},
}};

constexpr std::array<Rule, 5> kTopmostRules{{
    {&Settings::hideOnMouseOver, QT_TRANSLATE_NOOP("WindowPage", "マウスが近づいたら自動的に隠す"),
     QT_TRANSLATE_NOOP("WindowPage", "マウスが近づくとウィンドウを隠し、離れるとまた表示します。")},
    {&Settings::shiftKeepsVisible,
     QT_TRANSLATE_NOOP("WindowPage", "Shiftキーを押しながら近づけた場合は隠さない"),
     QT_TRANSLATE_NOOP(
         "WindowPage",
         "Shiftキーを押しながらマウスを近づけたときは隠さず、ボタンを押せるようにします。")},
    {&Settings::hideByButton,
     QT_TRANSLATE_NOOP("WindowPage", "「Ctrl」キーと「Shift」キーを押している間は故意に隠す"),
     QT_TRANSLATE_NOOP("WindowPage",
                       "CtrlキーとShiftキーを一緒に押している間、ウィンドウを隠します。")},
    {&Settings::normallyHidden, QT_TRANSLATE_NOOP("WindowPage", "最前面表示でない場合は隠しておく"),
     QT_TRANSLATE_NOOP("WindowPage", "最前面に出ていないときはウィンドウを隠しておきます。")},
    {&Settings::hideWhenNotSnapped, QT_TRANSLATE_NOOP("WindowPage", "非吸着時は表示しない"),
     QT_TRANSLATE_NOOP("WindowPage",
                       "自動吸着でほかのウィンドウにくっついていないときは表示しません。")},
}};

} // namespace

WindowPage::WindowPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Window, parent) {
    auto addRule = [this](QWidget* box, QVBoxLayout* column, const Rule& rule) {
        auto* check = new QCheckBox(QCoreApplication::translate("WindowPage", rule.caption), box);
        column->addWidget(check);
        rules_.emplace_back(rule.field, check);
        Help(check, QCoreApplication::translate("WindowPage", rule.help));
        connect(check, &QCheckBox::toggled, this, [this, field = rule.field](bool on) {
            if (Filling()) {
                return;
            }
            settings().*field = on;
            // The hide and show rules are what the visibility poll reads; it starts, stops
            // and re-decides at once.
            host().UpdatePolls();
        });
    };

    display_ = new QButtonGroup(this);
    auto* row = new QHBoxLayout();
    auto* normal = new QRadioButton(QCoreApplication::translate("WindowPage", "通常表示"), this);
    auto* topmost = new QRadioButton(QCoreApplication::translate("WindowPage", "最前面表示"), this);
    display_->addButton(normal, kNormalDisplay);
    display_->addButton(topmost, kTopmostDisplay);
    row->addWidget(normal);
    row->addWidget(topmost);
    row->addStretch(1);
    body()->addLayout(row);
    Help(normal, QCoreApplication::translate("WindowPage",
                                             "ほかのウィンドウと同じように重なって表示します。"));
    Help(topmost,
         QCoreApplication::translate("WindowPage", "いつもほかのウィンドウより手前に表示します。"));
    addRule(this, body(), kToggle);

    normal_ = new QGroupBox(QCoreApplication::translate("WindowPage", "通常表示"), this);
    auto* normalColumn = new QVBoxLayout(normal_);
    for (const Rule& r : kNormalRules) {
        addRule(normal_, normalColumn, r);
    }
    body()->addWidget(normal_);
    topmost_ = new QGroupBox(QCoreApplication::translate("WindowPage", "最前面表示"), this);
    auto* topmostColumn = new QVBoxLayout(topmost_);
    for (const Rule& r : kTopmostRules) {
        addRule(topmost_, topmostColumn, r);
    }
    body()->addWidget(topmost_);

    connect(display_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked || Filling()) {
            return;
        }
        settings().topmost = id == kTopmostDisplay;
        host().ApplyTopMost();
    });
}

void WindowPage::Shown() {
    // The menu and the Pause key flip the z-order while the dialog is open.
    state().Filling([this] { displayButton(settings().topmost)->setChecked(true); });
}

QRadioButton* WindowPage::displayButton(bool topmost) {
    return static_cast<QRadioButton*>(display_->button(topmost ? kTopmostDisplay : kNormalDisplay));
}

QCheckBox* WindowPage::ruleBox(bool Settings::*field) {
    for (const auto& [f, check] : rules_) {
        if (f == field) {
            return check;
        }
    }
    return nullptr;
}

void WindowPage::Fill() {
    const Settings& s = settings();
    displayButton(s.topmost)->setChecked(true);
    for (const auto& [field, check] : rules_) {
        check->setChecked(s.*field);
    }
}

} // namespace trumbel

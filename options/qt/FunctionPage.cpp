#include "options/qt/FunctionPage.h"

#include "base/AppInfo.h"
#include "base/HotKeyList.h"
#include "options/OptionsLists.h"
#include "options/qt/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace trumbel {

namespace {

// A file name may widen the combo box, and with it the dialog, by this many average characters.
constexpr int kComboCaptionChars = 40;

} // namespace

FunctionButtonPage::FunctionButtonPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Function, parent) {
    auto* hotKeyGroup = new QGroupBox(tr("ホットキー"), this);
    auto* hotKeyLayout = new QHBoxLayout(hotKeyGroup);
    hotKey_ = new QCheckBox(tr("ホットキーを使用する"), hotKeyGroup);
    ctrl_ = new QCheckBox(QStringLiteral("Ctrl"), hotKeyGroup);
    alt_ = new QCheckBox(QStringLiteral("Alt"), hotKeyGroup);
    shift_ = new QCheckBox(QStringLiteral("Shift"), hotKeyGroup);
    key_ = new QComboBox(hotKeyGroup);
    key_->setAccessibleName(tr("キー"));
    for (const std::string& name : HotKeyList()) {
        key_->addItem(QCoreApplication::translate("OptionsLists", name.c_str()));
    }
    hotKeyLayout->addWidget(hotKey_);
    hotKeyLayout->addWidget(ctrl_);
    hotKeyLayout->addWidget(alt_);
    hotKeyLayout->addWidget(shift_);
    hotKeyLayout->addWidget(key_, 1);
    body()->addWidget(hotKeyGroup);

    auto* fnGroup = new QGroupBox(tr("「FN」(ファンクション)ボタンの動作設定"), this);
    auto* fnLayout = new QGridLayout(fnGroup);
    function_ = new QComboBox(fnGroup);
    function_->setAccessibleName(tr("左クリック時に実行するファンクション"));
    fnLayout->addWidget(new QLabel(tr("左クリック時"), fnGroup), 0, 0);
    fnLayout->addWidget(function_, 0, 1);
    fnLayout->addWidget(new QLabel(tr("を実行"), fnGroup), 0, 2);
    fnLayout->setColumnStretch(1, 1);
    auto* listHeader = new QHBoxLayout();
    listHeader->addWidget(new QLabel(tr("全ファンクション一覧"), fnGroup), 1);
    explore_ = new QPushButton(tr("参照"), fnGroup);
    explore_->setAutoDefault(false);
    listHeader->addWidget(explore_);
    fnLayout->addLayout(listHeader, 1, 0, 1, 3);
    list_ = new QListWidget(fnGroup);
    list_->setAccessibleName(tr("全ファンクション一覧"));
    fnLayout->addWidget(list_, 2, 0, 1, 3);
    auto* note = new QLabel(tr("チェックボックスをONにすると「FN」ボタン右クリック時に"
                               "チェックした項目のみのリストを表示します"),
                            fnGroup);
    note->setWordWrap(true);
    fnLayout->addWidget(note, 3, 0, 1, 3);
    body()->addWidget(fnGroup, 1);

    Help(hotKey_, tr("どのウィンドウを使っていても、下のキーの組み合わせで"
                     "「FN」ボタンの左クリックと同じ動作をします。"));
    Help(ctrl_, tr("ホットキーにCtrlキーを含めます。"));
    Help(alt_, tr("ホットキーにAltキーを含めます。"));
    Help(shift_, tr("ホットキーにShiftキーを含めます。"));
    Help(key_, tr("ホットキーに使うキーです。"));
    Help(function_, tr("「FN」ボタンを左クリックしたとき（とホットキー）に実行する"
                       "ファンクションを選びます。"));
    Help(list_, tr("Functionフォルダーのファイルと内蔵機能の一覧です。チェックした"
                   "ものが「FN」ボタンの右クリックで出るお気に入りになります。"));
    Help(explore_, tr("Functionフォルダーを開きます。ここにファイルを置くと"
                      "ファンクションとして使えます。"));

    for (QCheckBox* box : {hotKey_, ctrl_, alt_, shift_}) {
        connect(box, &QCheckBox::toggled, this, [this] { HotKeyEdited(); });
    }
    connect(key_, &QComboBox::currentIndexChanged, this, [this] { HotKeyEdited(); });
    connect(function_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!Filling() && index >= 0) {
            rows_.comboSelection = index;
            host().ChooseFunctionEntry(rows_, index);
        }
    });
    connect(explore_, &QPushButton::clicked, this, [this] { host().ExploreFunctionFolder(); });
}

void FunctionButtonPage::ShowHotKey() {
    const Settings& s = settings();
    hotKey_->setChecked(s.hotKeyEnabled);
    ctrl_->setChecked(s.hotKeyCtrl);
    alt_->setChecked(s.hotKeyAlt);
    shift_->setChecked(s.hotKeyShift);
    key_->setCurrentIndex(HotKeyListIndex(s.hotKeyCode).value_or(-1));
}

void FunctionButtonPage::Fill() {
    ShowHotKey();

    rows_ = host().FillFunctionPage();
    function_->clear();
    list_->clear();
    const QFontMetrics metrics(function_->font());
    const int widest = metrics.averageCharWidth() * kComboCaptionChars;
    for (const FunctionPageEntry& e : rows_.entries) {
        // Shortened in the middle for the box only: the row still stands for its whole name.
        function_->addItem(metrics.elidedText(Qs(e.caption), Qt::ElideMiddle, widest));
        function_->setItemData(function_->count() - 1, Qs(e.caption), Qt::ToolTipRole);
        auto* item = new QListWidgetItem(Qs(e.caption), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(e.checked ? Qt::Checked : Qt::Unchecked);
    }
    function_->setCurrentIndex(rows_.comboSelection);
}

void FunctionButtonPage::HotKeyEdited() {
    if (Filling()) {
        return;
    }
    Settings& s = settings();
    const bool bare = !ctrl_->isChecked() && !alt_->isChecked() && !shift_->isChecked();
    const int code = key_->currentIndex() >= 0 ? HotKeyCodeAt(key_->currentIndex()) : s.hotKeyCode;
    if (hotKey_->isChecked() && bare && HotKeyNeedsModifier(code)) {
        host().ui().MessageBox(
            {Std(tr("ホットキー - %1").arg(Qs(kProductName))),
             Std(QCoreApplication::translate("OptionsLists", kHotKeyNeedsModifierText.data())),
             MsgIcon::Exclamation, MsgButtons::Ok});
        // The combination in force stays, and the controls say so.
        state().Filling([this] { ShowHotKey(); });
        return;
    }
    s.hotKeyEnabled = hotKey_->isChecked();
    s.hotKeyCtrl = ctrl_->isChecked();
    s.hotKeyAlt = alt_->isChecked();
    s.hotKeyShift = shift_->isChecked();
    if (key_->currentIndex() >= 0) {
        s.hotKeyCode = HotKeyCodeAt(key_->currentIndex());
    }
    host().ReregisterHotKey();
}

FunctionPage FunctionButtonPage::CurrentRows() const {
    FunctionPage page = rows_;
    for (int i = 0; i < list_->count() && i < static_cast<int>(page.entries.size()); ++i) {
        page.entries[static_cast<std::size_t>(i)].checked =
            list_->item(i)->checkState() == Qt::Checked;
    }
    page.comboSelection = function_->currentIndex();
    return page;
}

void FunctionButtonPage::Apply() {
    host().ApplyFunctionPage(CurrentRows());
}

} // namespace trumbel

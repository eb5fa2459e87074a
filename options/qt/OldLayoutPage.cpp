#include "options/qt/OldLayoutPage.h"

#include "options/LayoutTree.h"
#include "options/OptionsLists.h"
#include "options/qt/QtText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace trumbel {

namespace {

QString NotSettable() {
    return QCoreApplication::translate("OldLayoutPage", "この項目は設定できません");
}

QString ContainerCaption(const Settings& s, int u) {
    const auto uu = static_cast<std::size_t>(u);
    QString text = QCoreApplication::translate("OldLayoutPage", "ユニットコンテナ[%1]").arg(u + 1);
    if (u >= s.containerCount) {
        return text + QCoreApplication::translate("OldLayoutPage", " (非表示)");
    }
    if (s.clockContainer[uu]) {
        return text + QCoreApplication::translate("OldLayoutPage", " (時計表示)");
    }
    return text + (s.historyContainer[uu]
                       ? QCoreApplication::translate("OldLayoutPage", " (履歴グラフ表示)")
                       : QCoreApplication::translate("OldLayoutPage", " (棒グラフ表示)"));
}

// The kinds whose slots choose a device: CPU, the network kinds and disk space.
bool HasDevices(int kind) {
    return kind == 2 || kind >= 4;
}

} // namespace

OldLayoutPage::OldLayoutPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::OldLayout, parent), dialog_(state) {
    fixedNote_ = new QLabel(
        QCoreApplication::translate("OldLayoutPage",
                                    "今使っているスキンは固定タイプなので拡張設定は使用できません"),
        this);
    fixedNote_->setWordWrap(true);
    body()->addWidget(fixedNote_);

    editor_ = new QWidget(this);
    auto* column = new QVBoxLayout(editor_);
    column->setContentsMargins(0, 0, 0, 0);
    body()->addWidget(editor_);

    list_ = new QListWidget(editor_);
    list_->setAccessibleName(QCoreApplication::translate("OldLayoutPage", "ユニットコンテナ"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    insert_ = new QPushButton(QCoreApplication::translate("OldLayoutPage", "上に挿入"), editor_);
    add_ = new QPushButton(QCoreApplication::translate("OldLayoutPage", "下に追加"), editor_);
    delete_ = new QPushButton(QCoreApplication::translate("OldLayoutPage", "削除"), editor_);
    up_ = new QPushButton(QCoreApplication::translate("OldLayoutPage", "上に移動"), editor_);
    auto* buttons = new QVBoxLayout();
    for (QPushButton* b : {insert_, add_, delete_, up_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* top = new QHBoxLayout();
    top->addWidget(list_, 1);
    top->addLayout(buttons);
    column->addLayout(top);

    graph_ =
        new QRadioButton(QCoreApplication::translate("OldLayoutPage", "グラフを表示する"), editor_);
    clock_ =
        new QRadioButton(QCoreApplication::translate("OldLayoutPage", "時計を表示する"), editor_);
    auto* mode = new QButtonGroup(this);
    mode->addButton(graph_, 0);
    mode->addButton(clock_, 1);
    history_ = new QCheckBox(QCoreApplication::translate("OldLayoutPage", "履歴グラフを使用する"),
                             editor_);
    shown_ = new QCheckBox(QCoreApplication::translate("OldLayoutPage", "このユニットを表示する"),
                           editor_);
    auto* modes = new QHBoxLayout();
    modes->addWidget(graph_);
    modes->addWidget(clock_);
    modes->addWidget(history_);
    modes->addStretch(1);
    column->addLayout(modes);
    column->addWidget(shown_);

    auto* grid = new QGridLayout();
    grid->addWidget(new QLabel(QCoreApplication::translate("OldLayoutPage", "表示項目"), editor_),
                    0, 1);
    grid->addWidget(
        new QLabel(QCoreApplication::translate("OldLayoutPage", "表示デバイス"), editor_), 0, 2);
    const std::vector<std::string> kindNames = ItemKindList();
    for (int s = 0; s < kSlotCount; ++s) {
        const auto ss = static_cast<std::size_t>(s);
        grid->addWidget(
            new QLabel(QCoreApplication::translate("OldLayoutPage", "スロット%1").arg(s + 1),
                       editor_),
            s + 1, 0);
        kinds_[ss] = new QComboBox(editor_);
        kinds_[ss]->setAccessibleName(
            QCoreApplication::translate("OldLayoutPage", "表示項目%1").arg(s + 1));
        for (const std::string& name : kindNames) {
            kinds_[ss]->addItem(Tr("ItemKinds", name));
        }
        devices_[ss] = new QComboBox(editor_);
        devices_[ss]->setAccessibleName(
            QCoreApplication::translate("OldLayoutPage", "表示デバイス%1").arg(s + 1));
        grid->addWidget(kinds_[ss], s + 1, 1);
        grid->addWidget(devices_[ss], s + 1, 2, 1, 1);
        connect(kinds_[ss], &QComboBox::activated, this, [this, s](int k) { ChooseKind(s, k); });
        connect(devices_[ss], &QComboBox::activated, this,
                [this, s](int i) { ChooseDevice(s, i); });
    }
    grid->setColumnStretch(2, 1);
    column->addLayout(grid);

    Help(list_, QCoreApplication::translate(
                    "OldLayoutPage", "表示するユニットコンテナの並びです。選んだコンテナを下で設定"
                                     "します。"));
    Help(shown_,
         QCoreApplication::translate(
             "OldLayoutPage", "選んだコンテナまでを表示します。外すと、このコンテナから後ろを"
                              "表示しません。"));

    Help(graph_, QCoreApplication::translate("OldLayoutPage",
                                             "選んだコンテナにスロットのグラフを表示します。"));
    Help(clock_,
         QCoreApplication::translate("OldLayoutPage", "選んだコンテナに時計を表示します。"));
    Help(history_,
         QCoreApplication::translate(
             "OldLayoutPage", "グラフを棒グラフではなく履歴グラフにします。履歴グラフは最初の"
                              "スロットだけを表示します。"));
    for (int s = 0; s < kSlotCount; ++s) {
        Help(kinds_[static_cast<std::size_t>(s)],
             QCoreApplication::translate("OldLayoutPage", "このスロットに表示する項目です。"));
        Help(devices_[static_cast<std::size_t>(s)],
             QCoreApplication::translate(
                 "OldLayoutPage", "CPU、ネットワークアダプタ、ドライブのどれを表示するかです。"));
    }

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !dialog_.noEvents) {
            ShowContainer(row);
        }
    });
    const auto node = [this] { return LayoutNode{NodeKind::Container, Container(), 0}; };
    connect(insert_, &QPushButton::clicked, this,
            [this, node] { Run([&](LayoutCommands& c) { return c.InsertAbove(node()); }); });
    connect(add_, &QPushButton::clicked, this,
            [this, node] { Run([&](LayoutCommands& c) { return c.InsertBelow(node()); }); });
    connect(delete_, &QPushButton::clicked, this,
            [this, node] { Run([&](LayoutCommands& c) { return c.Delete(node()); }); });
    connect(up_, &QPushButton::clicked, this,
            [this, node] { Run([&](LayoutCommands& c) { return c.ContainerMoveUp(node()); }); });
    connect(mode, &QButtonGroup::idClicked, this, [this, node](int id) {
        Run([&](LayoutCommands& c) { return c.ShowMode(node(), id); });
    });
    connect(history_, &QCheckBox::clicked, this, [this, node](bool on) {
        Run([&](LayoutCommands& c) { return c.UseHistoryGraph(node(), on); });
    });
    connect(shown_, &QCheckBox::clicked, this, [this](bool on) {
        if (Quiet()) {
            return;
        }
        // The shown containers are always the first ones: showing one shows those before it,
        // hiding one hides those after it; the first always stays.
        const int u = Container();
        settings().containerCount = static_cast<std::int16_t>(std::max(1, on ? u + 1 : u));
        host().Relayout();
        FillList(u);
    });
}

int OldLayoutPage::Container() const {
    return std::max(0, list_->currentRow());
}

bool OldLayoutPage::Quiet() const {
    return Filling() || dialog_.noEvents;
}

void OldLayoutPage::Fill() {
    const bool fixed = IsFixedSkinType(host().SkinType());
    fixedNote_->setVisible(fixed);
    editor_->setEnabled(!fixed);
    FillList(std::min(Container(), kContainerCount - 1));
}

void OldLayoutPage::Shown() {
    // The tree's menus may have changed the layout since the page was filled.
    Fill();
}

void OldLayoutPage::Tick() {
    // Adapter names may have changed; a list the person has open stays as it is.
    if (!QApplication::activePopupWidget()) {
        ShowContainer(Container());
    }
}

void OldLayoutPage::FillList(int select) {
    const bool was = state().noEvents;
    state().noEvents = true;
    list_->clear();
    for (int u = 0; u < kContainerCount; ++u) {
        list_->addItem(ContainerCaption(settings(), u));
    }
    list_->setCurrentRow(std::clamp(select, 0, kContainerCount - 1));
    state().noEvents = was;
    ShowContainer(Container());
}

void OldLayoutPage::ShowContainer(int u) {
    const bool was = state().noEvents;
    state().noEvents = true;
    const Settings& s = settings();
    const auto uu = static_cast<std::size_t>(u);
    const int count = s.containerCount;
    const bool shown = u < count;
    insert_->setEnabled(shown && count < kContainerCount);
    add_->setEnabled(shown && count < kContainerCount);
    delete_->setEnabled(shown && count > 1);
    up_->setEnabled(shown && u > 0);
    graph_->setEnabled(shown);
    clock_->setEnabled(shown);
    graph_->setChecked(!s.clockContainer[uu]);
    clock_->setChecked(s.clockContainer[uu]);
    history_->setChecked(s.historyContainer[uu]);
    history_->setEnabled(shown && !s.clockContainer[uu]);
    shown_->setChecked(shown);
    shown_->setEnabled(u > 0);

    const int skinSlots = std::clamp(host().SkinSlotCount(), 0, kSlotCount);
    const int editable = !shown || s.clockContainer[uu] ? 0
                         : s.historyContainer[uu]       ? std::min(skinSlots, 1)
                                                        : skinSlots;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto ss = static_cast<std::size_t>(slot);
        const int kind = s.kind[uu][ss];
        QComboBox* kinds = kinds_[ss];
        QComboBox* devices = devices_[ss];
        kinds->setCurrentIndex(kind >= 0 && kind < kinds->count() ? kind : -1);
        kinds->setEnabled(slot < editable);
        devices->clear();
        std::vector<DeviceChoice>& choices = choices_[ss];
        choices = HasDevices(kind) || !s.remoteHosts.empty() ? HostDeviceChoices(s, kind, host())
                                                             : std::vector<DeviceChoice>{};
        if (slot >= editable || choices.empty()) {
            devices->addItem(NotSettable());
            devices->setEnabled(false);
            continue;
        }
        int current = -1;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            devices->addItem(QString::fromStdString(choices[i].caption));
            if (current < 0 && choices[i].host == s.host[uu][ss] &&
                (choices[i].device == s.device[uu][ss] || !HasDevices(kind))) {
                current = static_cast<int>(i);
            }
        }
        devices->setCurrentIndex(current);
        devices->setEnabled(true);
    }
    state().noEvents = was;
}

void OldLayoutPage::Run(
    const std::function<std::optional<TreeSelection>(LayoutCommands&)>& command) {
    if (Quiet()) {
        return;
    }
    const StandardStyles standard = host().SkinStandardStyles();
    LayoutCommands commands(settings(), standard, host().SkinSlotCount());
    const std::optional<TreeSelection> selection = command(commands);
    if (!selection) {
        ShowContainer(Container());
        return;
    }
    host().Relayout();
    const LayoutNode node = DecodeNode(selection->key);
    FillList(node.kind == NodeKind::Container || node.kind == NodeKind::Slot ? node.container
                                                                             : Container());
}

void OldLayoutPage::ChooseKind(int slot, int kind) {
    // A new kind starts on its first device, as the menu's kind items do.
    Run([&](LayoutCommands& c) {
        return c.SetSlotItem({NodeKind::Slot, Container(), slot}, kind, 0,
                             LayoutCommands::kKeepHost);
    });
}

void OldLayoutPage::ChooseDevice(int slot, int index) {
    const int kind =
        settings().kind[static_cast<std::size_t>(Container())][static_cast<std::size_t>(slot)];
    const std::vector<DeviceChoice>& choices = choices_[static_cast<std::size_t>(slot)];
    if (index < 0 || index >= static_cast<int>(choices.size())) {
        return;
    }
    const DeviceChoice choice = choices[static_cast<std::size_t>(index)];
    Run([&](LayoutCommands& c) {
        return c.SetSlotItem({NodeKind::Slot, Container(), slot}, kind, choice.device, choice.host);
    });
}

} // namespace trumbel

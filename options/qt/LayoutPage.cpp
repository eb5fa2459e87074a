#include "options/qt/LayoutPage.h"

#include "menus/qt/LayoutMenuPopup.h"
#include "options/LayoutTree.h"
#include "resources/qt/ProgramIcons.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <vector>

namespace trumbel {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kTreeMinimumHeight = 320;

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

std::string KeyOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kKeyRole).toString().toStdString() : std::string();
}

void Paint(QTreeWidgetItem& item, const LayoutTreeNode& node) {
    item.setData(0, kKeyRole, Utf8(node.key));
    if (item.text(0) != Utf8(node.text)) {
        item.setText(0, Utf8(node.text));
    }
    item.setIcon(0, ProgramIcon(node.icon));
}

// Every line of the tree by key.
std::map<std::string, QTreeWidgetItem*> Lines(QTreeWidget& tree) {
    std::map<std::string, QTreeWidgetItem*> lines;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        lines[KeyOf(*it)] = *it;
    }
    return lines;
}

} // namespace

LayoutPage::LayoutPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Layout, parent), dialog_(state) {
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setRootIsDecorated(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->setMinimumHeight(kTreeMinimumHeight);
    tree_->setAccessibleName(QCoreApplication::translate("LayoutPage", "ユニットとスロットの構成"));
    auto* note = new QLabel(
        QCoreApplication::translate("LayoutPage", "設定したい項目を右クリックしてください"), this);
    refresh_ =
        new QPushButton(QCoreApplication::translate("LayoutPage", "最新の情報に更新(&R)"), this);
    refresh_->setAutoDefault(false);

    body()->addWidget(tree_, 1);
    auto* row = new QHBoxLayout();
    row->addWidget(note, 1);
    row->addWidget(refresh_);
    body()->addLayout(row);
    // The tree's own right click opens the layout menus, so it has no popup help.
    Help(refresh_, QCoreApplication::translate("LayoutPage",
                                               "アダプタやドライブの今の状態で表示し直します。"));

    connect(tree_, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { OpenMenu(tree_->itemAt(pos)); });
    connect(refresh_, &QPushButton::clicked, this, [this] { Refresh(); });
}

void LayoutPage::Fill() {
    ShowTree("skinroot", TreeRebuild::Rebuild, TreeFocus::Leave);
}

void LayoutPage::Shown() {
    // The older editor may have changed the layout since the tree was drawn.
    ShowTree(SelectedKey(), TreeRebuild::Rebuild, TreeFocus::Leave);
}

void LayoutPage::Tick() {
    if (state().CurrentPage() != OptionsPageId::Layout) {
        return;
    }
    // Only a dialog in front takes the focus back; another program keeps it otherwise.
    ShowTree(SelectedKey(), TreeRebuild::Rebuild,
             window()->isActiveWindow() ? TreeFocus::Take : TreeFocus::Leave);
}

bool LayoutPage::NoEvents() const {
    return dialog_.noEvents;
}

void LayoutPage::ShowTree(const std::string& key, TreeRebuild rebuild) {
    ShowTree(key, rebuild, TreeFocus::Take);
}

void LayoutPage::ShowTree(const std::string& key, TreeRebuild rebuild, TreeFocus focus) {
    const std::vector<LayoutTreeNode> nodes =
        BuildLayoutTree(settings(), host().SkinSlotCount(), host());
    const std::string top = TopKey();
    tree_->setUpdatesEnabled(false);
    if (rebuild == TreeRebuild::Rebuild) {
        tree_->clear();
    }
    std::map<std::string, QTreeWidgetItem*> lines = Lines(*tree_);
    std::map<std::string, int> children; // lines placed under each parent so far
    std::map<std::string, bool> wanted;
    for (const LayoutTreeNode& node : nodes) {
        wanted[node.key] = true;
        const int place = children[node.parent]++;
        QTreeWidgetItem*& line = lines[node.key];
        if (!line) {
            line = new QTreeWidgetItem();
            if (node.parent.empty()) {
                tree_->insertTopLevelItem(place, line);
            } else if (QTreeWidgetItem* parent = lines[node.parent]) {
                parent->insertChild(std::min(place, parent->childCount()), line);
            }
        }
        Paint(*line, node);
    }
    // Lines the layout no longer has (an update after the count shrank), children before
    // their parents: a parent takes its children with it.
    std::vector<QTreeWidgetItem*> stale;
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if (!wanted.count(KeyOf(*it))) {
            stale.push_back(*it);
        }
    }
    std::for_each(stale.rbegin(), stale.rend(), [](QTreeWidgetItem* line) { delete line; });
    tree_->expandAll();
    if (QTreeWidgetItem* first = Item(top)) {
        tree_->scrollToItem(first, QAbstractItemView::PositionAtTop);
    }
    QTreeWidgetItem* selected = Item(key);
    if (!selected) {
        selected = Item("skinroot");
    }
    tree_->setCurrentItem(selected);
    tree_->scrollToItem(selected);
    tree_->setUpdatesEnabled(true);
    tree_->show();
    if (focus == TreeFocus::Take && state().CurrentPage() == OptionsPageId::Layout) {
        tree_->setFocus();
    }
}

void LayoutPage::OpenMenu(QTreeWidgetItem* item) {
    if (!item) {
        return;
    }
    tree_->setCurrentItem(item);
    OpenLayoutMenu(host().layoutMenu(), KeyOf(item), window(), *this);
}

void LayoutPage::Refresh() {
    ShowTree(SelectedKey(), TreeRebuild::Rebuild, TreeFocus::Take);
    QApplication::beep();
    tree_->setFocus();
}

std::string LayoutPage::SelectedKey() const {
    const std::string key = KeyOf(tree_->currentItem());
    return key.empty() ? std::string("skinroot") : key;
}

QTreeWidgetItem* LayoutPage::Item(const std::string& key) const {
    if (key.empty()) {
        return nullptr;
    }
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if (KeyOf(*it) == key) {
            return *it;
        }
    }
    return nullptr;
}

std::string LayoutPage::TopKey() const {
    return KeyOf(tree_->itemAt(QPoint(1, 1)));
}

} // namespace trumbel

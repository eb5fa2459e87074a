#include "options/qt/TrayPage.h"

#include "base/ItemKindCount.h"
#include "measure/ItemKinds.h"
#include "options/LayoutTree.h"
#include "options/OptionsLists.h"
#include "options/qt/QtText.h"
#include "settings/RemoteHostList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPoint>
#include <QPushButton>
#include <QVBoxLayout>

namespace trumbel {

namespace {

constexpr int kCpuKind = 2;
constexpr int kDiskKind = 8;
bool IsNetworkKind(int kind) {
    return kind >= 4 && kind <= 7;
}

} // namespace

TrayPage::TrayPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::Tray, parent) {
    show_ = new QCheckBox(tr("タスクトレイにアイコンを表示する"), this);
    body()->addWidget(show_);

    auto* items = new QGroupBox(tr("アイコンに表示する項目"), this);
    auto* itemsLayout = new QGridLayout(items);
    icons_ = new QListWidget(items);
    icons_->setAccessibleName(tr("アイコン一覧"));
    add_ = new QPushButton(tr("追加"), items);
    remove_ = new QPushButton(tr("削除"), items);
    add_->setAutoDefault(false);
    remove_->setAutoDefault(false);
    kind_ = new QComboBox(items);
    kind_->setAccessibleName(tr("アイコンに表示する項目"));
    for (const std::string& k : ItemKindList()) {
        kind_->addItem(QCoreApplication::translate("ItemKinds", k.c_str()));
    }
    device_ = new QComboBox(items);
    device_->setAccessibleName(tr("表示デバイス"));
    auto* buttons = new QVBoxLayout();
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addStretch(1);
    itemsLayout->addWidget(icons_, 0, 0, 1, 2);
    itemsLayout->addLayout(buttons, 0, 2);
    itemsLayout->addWidget(kind_, 1, 0);
    itemsLayout->addWidget(device_, 1, 1, 1, 2);
    itemsLayout->setColumnStretch(1, 1);
    body()->addWidget(items);

    auto* pictureRow = new QGridLayout();
    image_ = new QComboBox(this);
    image_->setEditable(true);
    image_->setAccessibleName(tr("アイコン表示に使用する画像"));
    interval_ = new QComboBox(this);
    interval_->setAccessibleName(tr("アイコン表示更新間隔"));
    for (std::string_view s : kTrayIntervalList) {
        interval_->addItem(QCoreApplication::translate("OptionsLists", s.data()));
    }
    pictureRow->addWidget(new QLabel(tr("アイコン表示に使用する画像"), this), 0, 0);
    pictureRow->addWidget(image_, 0, 1);
    pictureRow->addWidget(new QLabel(tr("アイコン表示更新間隔"), this), 1, 0);
    pictureRow->addWidget(interval_, 1, 1);
    pictureRow->setColumnStretch(1, 1);
    body()->addLayout(pictureRow);

    auto* actions = new QGroupBox(tr("タスクアイコンの動作設定"), this);
    auto* actionsLayout = new QGridLayout(actions);
    struct ClickText {
        const char* caption;
        const char* help;
    };
    static constexpr std::array<ClickText, 4> kClickTexts{{
        {QT_TRANSLATE_NOOP("TrayPage", "左クリック時の動作"),
         QT_TRANSLATE_NOOP("TrayPage",
                           "トレイのアイコンを左クリックしたときに行う動作を選びます。")},
        {QT_TRANSLATE_NOOP("TrayPage", "ダブルクリック時の動作"),
         QT_TRANSLATE_NOOP("TrayPage",
                           "トレイのアイコンをダブルクリックしたときに行う動作を選びます。")},
        {QT_TRANSLATE_NOOP("TrayPage", "右クリック時の動作"),
         QT_TRANSLATE_NOOP("TrayPage",
                           "トレイのアイコンを右クリックしたときに行う動作を選びます。")},
        {QT_TRANSLATE_NOOP("TrayPage", "右ダブルクリック時の動作"),
         QT_TRANSLATE_NOOP("TrayPage",
                           "トレイのアイコンを右ダブルクリックしたときに行う動作を選びます。")},
    }};
    for (std::size_t i = 0; i < clicks_.size(); ++i) {
        auto* combo = new QComboBox(actions);
        const QString caption = tr(kClickTexts[i].caption);
        combo->setAccessibleName(caption);
        for (std::string_view a : kTrayActionList) {
            combo->addItem(QCoreApplication::translate("OptionsLists", a.data()));
        }
        actionsLayout->addWidget(new QLabel(caption, actions), static_cast<int>(i), 0);
        actionsLayout->addWidget(combo, static_cast<int>(i), 1);
        clicks_[i] = combo;
        Help(combo, tr(kClickTexts[i].help));
        connect(combo, &QComboBox::currentIndexChanged, this, [this, i](int index) {
            if (!Filling() && index >= 0) {
                settings().trayClickActions[i] = static_cast<std::int16_t>(index);
            }
        });
    }
    actionsLayout->setColumnStretch(1, 1);
    body()->addWidget(actions);

    Help(show_, tr("通知領域（タスクトレイ）に、測った値を小さな棒で表すアイコンを"
                   "出します。"));
    Help(icons_, tr("表示するアイコンの一覧です（最大8個）。選んだアイコンの項目を"
                    "下で変えられます。"));
    Help(add_, tr("アイコンを1つ増やします。"));
    Help(remove_, tr("選んだアイコンを取り除きます。"));
    Help(kind_, tr("選んだアイコンが表示する項目です。"));
    Help(device_, tr("CPU・ネットワーク・ディスクでは、どの装置の値を表示するかを"
                     "選びます。"));
    Help(image_, tr("Iconフォルダーにあるアイコン用の画像ファイルです。空欄なら"
                    "組み込みの画像を使います。"));
    Help(interval_, tr("アイコンの表示を何秒ごとに新しくするかを選びます。"));

    connect(show_, &QCheckBox::toggled, this, [this](bool on) {
        if (Filling()) {
            return;
        }
        Settings& s = settings();
        s.trayIconCount = on ? std::max<std::int16_t>(1, s.trayIconCount) : 0;
        this->state().Filling([this] { FillIconList(0); });
        host().ApplyTrayIcons();
    });
    connect(icons_, &QListWidget::currentRowChanged, this, [this](int row) { IconSelected(row); });
    connect(kind_, &QComboBox::currentIndexChanged, this, [this](int kind) {
        if (Filling() || kind < 0) {
            return;
        }
        const int machine = device_->currentData().toPoint().x();
        this->state().Filling([this, kind, machine] { FillDevices(kind, 0, machine); });
        ItemEdited();
    });
    connect(device_, &QComboBox::currentIndexChanged, this, [this] { ItemEdited(); });
    connect(add_, &QPushButton::clicked, this, [this] { AddIcon(); });
    connect(remove_, &QPushButton::clicked, this, [this] { RemoveIcon(); });
    connect(image_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!Filling()) {
            settings().trayImageFile = Std(text);
            host().ApplyTrayIcons();
        }
    });
    connect(interval_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!Filling() && index >= 0) {
            settings().trayUpdateInterval = static_cast<std::int16_t>(index);
        }
    });
}

QString TrayPage::DeviceCaption(int kind, int device) {
    if (kind == kCpuKind) {
        return Qs(CpuDeviceName(device));
    }
    if (IsNetworkKind(kind)) {
        return Qs(host().NetworkDeviceName(device));
    }
    if (kind == kDiskKind) {
        return Qs(DriveListEntry(device, host().DiskType(device), host().DiskMountPoint(device)));
    }
    if (kind >= kFirstSensorKind) {
        const std::vector<std::string> names = host().SensorNames(kind);
        return device >= 0 && device < static_cast<int>(names.size())
                   ? Qs(names[static_cast<std::size_t>(device)])
                   : QString();
    }
    return {};
}

QString TrayPage::IconCaption(int n) {
    const TrayIconSetting& icon = settings().trayIcons[static_cast<std::size_t>(n)];
    const std::vector<std::string> kinds = ItemKindList();
    QString caption = QString::number(n) + QStringLiteral(": ");
    if (icon.kind >= 0 && icon.kind < kItemKindCount) {
        caption += QCoreApplication::translate("ItemKinds",
                                               kinds[static_cast<std::size_t>(icon.kind)].c_str());
    }
    QString device = DeviceCaption(icon.kind, icon.device);
    if (icon.host != 0) {
        device = Qs(RemoteHostCaption(settings(), icon.host));
        for (const DeviceChoice& choice : HostDeviceChoices(settings(), icon.kind, host())) {
            if (choice.host == icon.host && choice.device == icon.device) {
                device = Qs(choice.caption);
                break;
            }
        }
    }
    if (!device.isEmpty()) {
        caption += QStringLiteral(" - ") + device;
    }
    return caption;
}

void TrayPage::Fill() {
    const Settings& s = settings();
    show_->setChecked(s.trayIconCount > 0);
    image_->clear();
    image_->addItem(QString());
    const QStringList files =
        QDir(Qs(host().AppFolder() + "Icon/")).entryList({"*.bmp", "*.png"}, QDir::Files);
    image_->addItems(files);
    image_->setCurrentText(Qs(s.trayImageFile));
    interval_->setCurrentIndex(s.trayUpdateInterval >= 0 &&
                                       s.trayUpdateInterval <
                                           static_cast<int>(kTrayIntervalList.size())
                                   ? s.trayUpdateInterval
                                   : -1);
    for (std::size_t i = 0; i < clicks_.size(); ++i) {
        const int action = s.trayClickActions[i];
        clicks_[i]->setCurrentIndex(action >= 0 && action < kTrayActionCount ? action : -1);
    }
    FillIconList(0);
}

void TrayPage::FillIconList(int select) {
    icons_->clear();
    const int count = std::clamp<int>(settings().trayIconCount, 0, kTrayIconMax);
    for (int n = 1; n <= count; ++n) {
        icons_->addItem(IconCaption(n));
    }
    if (count > 0) {
        icons_->setCurrentRow(std::clamp(select, 0, count - 1));
        IconSelected(icons_->currentRow());
    } else {
        FillDevices(-1, 0);
    }
    EnableControls();
}

void TrayPage::FillDevices(int kind, int device, int machine) {
    device_->clear();
    if (kind == kCpuKind) {
        for (int i = 0; i <= host().CpuCount(); ++i) {
            device_->addItem(DeviceCaption(kind, i));
        }
    } else if (IsNetworkKind(kind)) {
        for (int i = 0; i < host().NetworkDeviceCount(); ++i) {
            device_->addItem(DeviceCaption(kind, i));
        }
    } else if (kind == kDiskKind) {
        for (int i = 0; i < kDriveListCount; ++i) {
            device_->addItem(DeviceCaption(kind, i));
        }
    } else if (kind >= kFirstSensorKind) {
        for (const std::string& name : host().SensorNames(kind)) {
            device_->addItem(Qs(name));
        }
    }
    // Each entry carries its machine and device; this machine's are numbered as listed.
    for (int i = 0; i < device_->count(); ++i) {
        device_->setItemData(i, QVariant::fromValue(QPoint(0, i)));
    }
    const bool onlyMachines = device_->count() == 0;
    for (const DeviceChoice& choice : HostDeviceChoices(settings(), kind, host())) {
        if (choice.host > 0 || onlyMachines) {
            device_->addItem(Qs(choice.caption),
                             QVariant::fromValue(QPoint(choice.host, choice.device)));
        }
    }
    device_->setEnabled(device_->count() > 0);
    device_->setCurrentIndex(device_->findData(QVariant::fromValue(QPoint(machine, device))));
}

void TrayPage::IconSelected(int row) {
    if (row < 0) {
        return;
    }
    const TrayIconSetting& icon = settings().trayIcons[static_cast<std::size_t>(row + 1)];
    state().Filling([this, &icon] {
        kind_->setCurrentIndex(icon.kind >= 0 && icon.kind < kItemKindCount ? icon.kind : -1);
        FillDevices(icon.kind, icon.device, icon.host);
    });
    EnableControls();
}

void TrayPage::ItemEdited() {
    const int row = icons_->currentRow();
    if (Filling() || row < 0) {
        return;
    }
    TrayIconSetting& icon = settings().trayIcons[static_cast<std::size_t>(row + 1)];
    icon.kind = static_cast<std::int16_t>(std::max(0, kind_->currentIndex()));
    const QPoint chosen = device_->currentData().toPoint();
    icon.device = static_cast<std::int16_t>(std::max(0, chosen.y()));
    icon.host = static_cast<std::int16_t>(std::max(0, chosen.x()));
    icons_->item(row)->setText(IconCaption(row + 1));
    host().ApplyTrayIcons();
}

void TrayPage::AddIcon() {
    Settings& s = settings();
    if (s.trayIconCount >= kTrayIconMax) {
        return;
    }
    ++s.trayIconCount;
    state().Filling([this, &s] {
        show_->setChecked(true);
        FillIconList(s.trayIconCount - 1);
    });
    host().ApplyTrayIcons();
}

void TrayPage::RemoveIcon() {
    Settings& s = settings();
    const int row = icons_->currentRow();
    if (row < 0 || s.trayIconCount <= 1) {
        return;
    }
    // The icons after it move up one place; the freed last place keeps what it showed.
    for (int n = row + 1; n < s.trayIconCount; ++n) {
        s.trayIcons[static_cast<std::size_t>(n)] = s.trayIcons[static_cast<std::size_t>(n + 1)];
    }
    --s.trayIconCount;
    state().Filling([this, row] { FillIconList(row); });
    host().ApplyTrayIcons();
}

void TrayPage::EnableControls() {
    const int count = settings().trayIconCount;
    const bool shown = count > 0;
    icons_->setEnabled(shown);
    kind_->setEnabled(shown && icons_->currentRow() >= 0);
    add_->setEnabled(shown && count < kTrayIconMax);
    remove_->setEnabled(shown && count > 1 && icons_->currentRow() >= 0);
}

} // namespace trumbel

#include "options/qt/RemoteHostsPage.h"

#include "options/qt/QtText.h"
#include "settings/RemoteHostList.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace trumbel {

namespace {

struct FieldText {
    const char* caption;
    const char* help;
    std::string RemoteHostSetting::*field;
    bool secret;
};
constexpr std::array<FieldText, RemoteHostsPage::kFieldCount> kFields{{
    {QT_TRANSLATE_NOOP("RemoteHostsPage", "名前"),
     QT_TRANSLATE_NOOP("RemoteHostsPage", "スロットやメニューでの呼び名です(例: nas)。"),
     &RemoteHostSetting::name, false},
    {QT_TRANSLATE_NOOP("RemoteHostsPage", "アドレス"),
     QT_TRANSLATE_NOOP(
         "RemoteHostsPage",
         "node exporterのアドレス(例: http://nas:9100/metrics)、またはPrometheusサーバーのアドレス"
         "(例: http://prom:9090)です。"),
     &RemoteHostSetting::address, false},
    {QT_TRANSLATE_NOOP("RemoteHostsPage", "インスタンス"),
     QT_TRANSLATE_NOOP("RemoteHostsPage",
                       "Prometheusサーバーから読むときの instance ラベル(例: nas:9100)。"
                       "exporterを直接読むときは空にします。"),
     &RemoteHostSetting::instance, false},
    {QT_TRANSLATE_NOOP("RemoteHostsPage", "トークン"),
     QT_TRANSLATE_NOOP("RemoteHostsPage",
                       "Bearerトークン。設定ファイルは所有者だけが読めるように書かれます。"),
     &RemoteHostSetting::bearerToken, true},
    {QT_TRANSLATE_NOOP("RemoteHostsPage", "ユーザー"),
     QT_TRANSLATE_NOOP("RemoteHostsPage", "Basic認証のユーザー名。"), &RemoteHostSetting::user,
     false},
    {QT_TRANSLATE_NOOP("RemoteHostsPage", "パスワード"),
     QT_TRANSLATE_NOOP("RemoteHostsPage",
                       "Basic認証のパスワード。設定ファイルは所有者だけが読めるように書かれます。"),
     &RemoteHostSetting::password, true},
}};

constexpr int kIntervalMaxMs = 3'600'000;

QString ListCaption(const RemoteHostSetting& h) {
    const QString name = h.name.empty() ? RemoteHostsPage::tr("(名前なし)") : Qs(h.name);
    return h.address.empty() ? name : name + QStringLiteral(" — ") + Qs(h.address);
}

} // namespace

RemoteHostsPage::RemoteHostsPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent)
    : OptionsPage(state, help, OptionsPageId::RemoteHosts, parent) {
    auto* listBox = new QGroupBox(tr("リモートホスト (node exporter / Prometheus)"), this);
    auto* listColumn = new QVBoxLayout(listBox);
    list_ = new QListWidget(listBox);
    list_->setAccessibleName(tr("リモートホスト"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    listColumn->addWidget(list_);
    auto* buttonRow = new QHBoxLayout();
    add_ = new QPushButton(tr("追加"), listBox);
    remove_ = new QPushButton(tr("削除"), listBox);
    test_ = new QPushButton(tr("接続テスト"), listBox);
    for (QPushButton* b : {add_, remove_, test_}) {
        b->setAutoDefault(false);
        buttonRow->addWidget(b);
    }
    buttonRow->addStretch(1);
    listColumn->addLayout(buttonRow);
    Help(list_, tr("スロットやタスクアイコンに表示できる他のコンピューターです。"
                   "選んだホストの設定を下で編集します。"));
    Help(add_, tr("ホストを追加します。"));
    Help(remove_, tr("選んだホストを削除します。それを表示していたスロットと"
                     "アイコンはこのコンピューターを表示します。"));
    Help(test_, tr("選んだホストを一度読み、CPUの数・インターフェース・マウントか、"
                   "読めなかった理由を表示します。"));
    body()->addWidget(listBox);

    auto* form = new QFormLayout();
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        auto* edit = new QLineEdit(this);
        const QString caption = tr(kFields[i].caption);
        edit->setAccessibleName(caption);
        if (kFields[i].secret) {
            edit->setEchoMode(QLineEdit::Password);
        }
        Help(edit, tr(kFields[i].help));
        form->addRow(caption, edit);
        fields_[i] = edit;
        connect(edit, &QLineEdit::textChanged, this, [this, i](const QString& text) {
            const int index = Selected();
            if (Filling() || index < 0) {
                return;
            }
            settings().remoteHosts[static_cast<std::size_t>(index)].*kFields[i].field =
                OneLineValue(Std(text));
            RefreshCaption(index);
        });
        // Typing an address key by key would start a reader for every prefix of it.
        connect(edit, &QLineEdit::editingFinished, this, [this] {
            if (!Filling()) {
                host().ApplyRemoteHosts();
            }
        });
    }
    interval_ = new QSpinBox(this);
    interval_->setRange(kRemoteIntervalMinMs, kIntervalMaxMs);
    interval_->setSingleStep(500);
    interval_->setSuffix(QStringLiteral(" ms"));
    interval_->setAccessibleName(tr("更新間隔"));
    Help(interval_, tr("リモートホストを読む間隔です(1000ms以上)。"));
    form->addRow(tr("更新間隔"), interval_);
    body()->addLayout(form);

    result_ = new QLabel(this);
    result_->setWordWrap(true);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result_->setAccessibleName(tr("接続テストの結果"));
    body()->addWidget(result_);
    body()->addStretch(1);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        ShowHost(row);
        result_->clear();
        ++testRound_;
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        auto& hosts = settings().remoteHosts;
        if (static_cast<int>(hosts.size()) >= kRemoteHostMax) {
            return;
        }
        hosts.push_back({"host" + std::to_string(hosts.size() + 1), "http://", "", "", "", ""});
        Fill();
        list_->setCurrentRow(static_cast<int>(hosts.size()) - 1);
        fields_[Address]->setFocus();
        fields_[Address]->end(false);
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        const int index = Selected();
        if (index < 0) {
            return;
        }
        RemoveRemoteHost(settings(), index + 1);
        host().ApplyRemoteHosts();
        host().Redraw();
        host().ApplyTrayIcons();
        Fill();
        list_->setCurrentRow(std::min(index, list_->count() - 1));
    });
    connect(test_, &QPushButton::clicked, this, [this] { StartTest(); });
    connect(interval_, &QSpinBox::valueChanged, this, [this](int ms) {
        if (!Filling()) {
            settings().remoteIntervalMs = ms;
            host().ApplyRemoteHosts();
        }
    });
}

int RemoteHostsPage::Selected() {
    const int row = list_->currentRow();
    return row >= 0 && row < static_cast<int>(settings().remoteHosts.size()) ? row : -1;
}

void RemoteHostsPage::Fill() {
    const bool wasBlocked = list_->blockSignals(true);
    const int keep = list_->currentRow();
    list_->clear();
    for (const RemoteHostSetting& h : settings().remoteHosts) {
        list_->addItem(ListCaption(h));
    }
    list_->setCurrentRow(list_->count() == 0 ? -1 : std::clamp(keep, 0, list_->count() - 1));
    list_->blockSignals(wasBlocked);
    interval_->setValue(settings().remoteIntervalMs);
    ShowHost(list_->currentRow());
}

void RemoteHostsPage::ShowHost(int index) {
    const bool valid = index >= 0 && index < static_cast<int>(settings().remoteHosts.size());
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const bool wasBlocked = fields_[i]->blockSignals(true);
        fields_[i]->setText(
            valid ? Qs(settings().remoteHosts[static_cast<std::size_t>(index)].*kFields[i].field)
                  : QString());
        fields_[i]->blockSignals(wasBlocked);
    }
    EnableParts();
}

void RemoteHostsPage::RefreshCaption(int index) {
    if (QListWidgetItem* item = list_->item(index)) {
        item->setText(ListCaption(settings().remoteHosts[static_cast<std::size_t>(index)]));
    }
}

void RemoteHostsPage::EnableParts() {
    const bool selected = Selected() >= 0;
    for (QLineEdit* edit : fields_) {
        edit->setEnabled(selected);
    }
    remove_->setEnabled(selected);
    test_->setEnabled(selected);
    add_->setEnabled(static_cast<int>(settings().remoteHosts.size()) < kRemoteHostMax);
}

void RemoteHostsPage::StartTest() {
    const int index = Selected();
    if (index < 0) {
        return;
    }
    const int round = ++testRound_;
    result_->setText(tr("接続しています…"));
    QPointer<RemoteHostsPage> self(this);
    host().TestRemoteHost(settings().remoteHosts[static_cast<std::size_t>(index)],
                          [self, round](const std::string& answer) {
                              if (self && self->testRound_ == round) {
                                  self->result_->setText(Qs(answer));
                              }
                          });
}

} // namespace trumbel

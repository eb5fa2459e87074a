#pragma once

#include "options/qt/OptionsPage.h"

#include <QCoreApplication>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace trumbel {

// The machines read through a node exporter or a Prometheus server: the list, the selected
// host's fields, the interval, and a connection test that never waits on the network.
class RemoteHostsPage final : public OptionsPage {
    Q_DECLARE_TR_FUNCTIONS(RemoteHostsPage)

public:
    RemoteHostsPage(OptionsDialogState& state, PopupHelp& help, QWidget* parent = nullptr);
    void Fill() override;

    enum Field { Name, Address, Instance, Token, User, Password, kFieldCount };
    QListWidget* hostList() { return list_; }
    QLineEdit* field(Field f) { return fields_[static_cast<std::size_t>(f)]; }
    QPushButton* addButton() { return add_; }
    QPushButton* removeButton() { return remove_; }
    QPushButton* testButton() { return test_; }
    QSpinBox* intervalField() { return interval_; }
    QLabel* testResult() { return result_; }

private:
    int Selected(); // index into remoteHosts, -1 when none
    void ShowHost(int index);
    void RefreshCaption(int index);
    void EnableParts();
    void StartTest();

    QListWidget* list_ = nullptr;
    std::array<QLineEdit*, kFieldCount> fields_{};
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* test_ = nullptr;
    QSpinBox* interval_ = nullptr;
    QLabel* result_ = nullptr;
    int testRound_ = 0; // an answer of an earlier test, or for another host, is not shown
};

} // namespace trumbel

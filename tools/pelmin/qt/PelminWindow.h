#pragma once

#include "tools/pelmin/Addresses.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace pelmin {

class EchoFetch;

struct PelminOptions {
    std::string echoUrl;
    int timeoutMs = 15000;
    std::function<std::vector<std::string>()> localAddresses; // run off the GUI thread
    std::function<void(const std::string& url)> openUrl;
    // The warning box of a failed fetch, over the window.
    std::function<void(QWidget* window, const std::string& text)> warn;
};

// Settings from the environment: PELMIN_ECHO_HOST names the echo page's host.
PelminOptions DefaultOptions();

class PelminWindow final : public QWidget {
public:
    explicit PelminWindow(PelminOptions options, QWidget* parent = nullptr);
    ~PelminWindow() override;

    // Clears the list and fetches both parts again (the refetch button).
    void Refetch();
    // What was copied, once a copy button closed the window.
    const std::optional<std::string>& Copied() const { return copied_; }
    bool Busy() const { return pendingParts_ > 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void GlobalDone(const GlobalResult& global);
    void LocalDone(std::vector<std::string> local);
    void PartDone();
    void SelectionChanged();
    void Copy(int index);

    PelminOptions options_;
    QListWidget* addressList_; // List1
    std::array<QPushButton*, 4> cmdAddress_{};
    QLineEdit* userName_;     // Text2
    QWidget* copyPanel_;      // Picture2
    QLabel* notAddressLabel_; // Label3
    QStackedWidget* place_ = nullptr;
    EchoFetch* fetch_;
    bool addressSelected_ = false;
    int generation_ = 0;
    int pendingParts_ = 0;
    GlobalResult global_;
    std::vector<std::string> local_;
    std::optional<std::string> copied_;
};

} // namespace pelmin

#pragma once

#include "clock/ClockAdjustment.h"
#include "clock/SntpWorker.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace trumbel {

// The clock-adjust window: loading it runs one adjustment, shows or announces the outcome and
// closes it a few seconds later. It cannot be closed while the adjustment runs.
class ClockAdjustWindow final : public QWidget, public TimeInfoView { // FormTimeInfo
public:
    ClockAdjustWindow(AdjustContext context, ClockNotices& notices,
                      std::unique_ptr<ClockSetter> setter,
                      std::function<void(const std::string&)> log, std::function<void()> closed);
    ~ClockAdjustWindow() override;

    // Form_Load: place, lock the close command, show (without balloons), caption, adjust.
    void Load();

    void ShowStatus(StatusIcon icon, const std::string& text) override;
    void CloseAfter(int ms) override;
    // Hastens a pending close to 50 ms.
    void CloseSoon();

    bool CloseEnabled() const { return closeEnabled_; }
    StatusIcon Icon() const { return icon_; }
    QString Text() const { return statusText_->text(); }
    bool CloseTimerActive() const { return closeTimer_.isActive(); }
    int CloseTimerInterval() const { return closeTimer_.interval(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void EnableCloseCommand(bool enable);
    // Returns whether the frame, once the window manager has put one round the window, is there.
    bool PlaceAtWorkAreaCorner();
    void FollowFrame();
    void OnCloseTimer();

    QFrame* statusPanel_; // Picture1
    QLabel* statusImage_; // Image1
    QLabel* statusText_;  // Label1
    QTimer closeTimer_;   // Timer1
    bool closing_ = false;
    bool closeEnabled_ = true;
    bool placedWithFrame_ = false;
    StatusIcon icon_ = StatusIcon::Working;
    ClockNotices& notices_;
    std::function<void()> closed_;
    std::unique_ptr<ClockSetter> setter_;
    SntpWorker worker_;
    ClockAdjustment adjustment_;
};

// The status icon's picture, from the program's own clock icons.
QIcon StatusIconPicture(StatusIcon icon);

} // namespace trumbel

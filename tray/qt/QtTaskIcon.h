#pragma once

#include "tray/TaskIcon.h"
#include "tray/TrayClicks.h"
#include "tray/qt/DesktopNotifications.h"

#include <QIcon>
#include <QSystemTrayIcon>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace trumbel {

// One icon in the desktop's notification area (a StatusNotifier item or an XEmbed icon, as
// the desktop offers). Without any tray the icon is kept and appears when a tray shows up.
// Its balloons go to `notifications` when given (a StatusNotifier icon), else Qt shows them.
class QtTaskIcon final : public TaskIcon { // ClsTaskIcon
public:
    using ClickHandler = std::function<void(TrayClick)>;

    QtTaskIcon(ClickHandler onClick, int doubleClickMs,
               std::unique_ptr<DesktopNotifications> notifications = nullptr);
    ~QtTaskIcon() override;
    QtTaskIcon(const QtTaskIcon&) = delete;
    QtTaskIcon& operator=(const QtTaskIcon&) = delete;

    bool CreateTrayIcon(int iconNumber, const TrayIconHandle& icon,
                        const std::string& tipText) override;
    bool ChangeTrayIcon(const TrayIconHandle& icon, const std::string& tipText) override;
    bool DeleteTrayIcon() override;
    bool ShowBalloonToolTip(const std::string& text, int flgIcon, const std::string& title,
                            int timeoutMs, EraseBeforeBalloon erase) override;
    bool DeleteBalloonToolTip() override;
    bool IconShown() const override { return shown_; }

    int IconNumber() const { return iconNumber_; }
    QString ToolTip() const { return tray_.toolTip(); }
    bool Visible() const { return tray_.isVisible(); }

private:
    void SetContents(const TrayIconHandle& icon, const std::string& tipText);
    void OnActivated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon tray_;
    ClickHandler onClick_;
    TrayClickMapper clicks_;
    bool shown_ = false;
    bool added_ = false; // whether a tray was there to take the add
    int iconNumber_ = 0;
    TrayIconHandle image_; // the picture shown, kept so an unchanged one is not set again
    std::optional<std::chrono::steady_clock::time_point> balloonUntil_;
    std::unique_ptr<DesktopNotifications> notifications_;
};

QIcon ToQIcon(const TrayImage& image);

} // namespace trumbel

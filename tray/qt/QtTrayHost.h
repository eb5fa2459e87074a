#pragma once

#include "tray/TaskIcon.h"
#include "tray/TrayClicks.h"
#include "tray/qt/DesktopNotifications.h"

#include <QObject>
#include <functional>
#include <optional>
namespace trumbel {

// Makes the tray icon objects for the live program: clicks on any icon go to onClick as the
// tray callback numbers.
class QtTrayHost final : public QObject, public TaskIconHost {
public:
    explicit QtTrayHost(std::function<void(TrayClick)> onClick);
    ~QtTrayHost() override;

    std::unique_ptr<TaskIcon> MakeIcon() override;
    TrayIconHandle Symbol() override;
    bool TrayAvailable() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(TrayClick)> onClick_;
    TrayIconHandle symbol_;
    // Decided with the first icon, as Qt decides where its icons go.
    std::optional<BalloonRoute> balloonRoute_;
};

// The program icon "symbol" at 16 x 16, as the tray takes it.
TrayImage DrawSymbol();

} // namespace trumbel

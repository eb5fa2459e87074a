#pragma once

#include "tray/TrayImage.h"

#include <memory>
#include <string>

namespace trumbel {

enum class EraseBeforeBalloon { No, Yes };

// One icon in the notification area, owned by exactly one object. The created flag is set by
// CreateTrayIcon whatever the system answered, so later refreshes modify instead of adding
// again; every operation returns the system's success value and nothing acts upon it.
class TaskIcon {
public:
    virtual ~TaskIcon() = default;
    virtual bool CreateTrayIcon(int iconNumber, const TrayIconHandle& icon,
                                const std::string& tipText) = 0;
    virtual bool ChangeTrayIcon(const TrayIconHandle& icon, const std::string& tipText) = 0;
    virtual bool DeleteTrayIcon() = 0;
    // flgIcon: 0 none, 1 information, 2 warning, 3 error.
    virtual bool ShowBalloonToolTip(const std::string& text, int flgIcon, const std::string& title,
                                    int timeoutMs, EraseBeforeBalloon erase) = 0;
    virtual bool DeleteBalloonToolTip() = 0;
    virtual bool IconShown() const = 0;
};

// Makes the icon objects and answers what only the desktop knows.
class TaskIconHost {
public:
    virtual ~TaskIconHost() = default;
    virtual std::unique_ptr<TaskIcon> MakeIcon() = 0;
    // The program's own symbol, shown by the notification icon.
    virtual TrayIconHandle Symbol() = 0;
    // Whether a notification area is there now to show icons and balloons.
    virtual bool TrayAvailable() const = 0;
};

} // namespace trumbel

#pragma once

#include "clock/ClockAdjustment.h"
#include "tray/TrayIcons.h"

namespace trumbel {

// The clock adjustment's balloons, shown by the program's tray.
class TrayNotices final : public ClockNotices {
public:
    explicit TrayNotices(TrayIcons& tray) : tray_(tray) {}
    void ShowBalloon(const std::string& text, int icon, const std::string& title) override {
        tray_.ShowBalloon(text, icon, title);
    }
    void HideBalloon(ReleaseNotice release) override { tray_.HideBalloon(release); }
    bool CanShow() const override { return tray_.CanShowBalloons(); }

private:
    TrayIcons& tray_;
};

} // namespace trumbel

#pragma once

#include "base/Ui.h"
#include "settings/Settings.h"
#include "tray/TaskIcon.h"
#include "tray/TrayTip.h"

#include <array>
#include <memory>
#include <string>

namespace trumbel {

enum class TrayMode : int { Create = 0, Refresh = 1, Remove = 2 };
enum class RebuildImages { No, Yes };
// Whether a notice matters enough to be shown as a message box where no tray can show it.
enum class NoticeNeed { Transient, MustBeSeen };

inline constexpr int kBalloonTimeoutMs = 5000;
inline constexpr int kNoticeIconNumber = 0;

// The tray icons 1..8, the notification icon 0 and their images: the program-wide tray state,
// living from start to exit.
class TrayIcons final {
public:
    // settings and noBalloon are the program's; they are read live, never copied.
    TrayIcons(const Settings& settings, const bool& noBalloon, const std::string& appFolder, Ui& ui,
              TaskIconHost& host, const TraySource& source);
    ~TrayIcons();

    void CreateIconObjects();
    void CreateIcon(int index) { UpdateTrayIcon(index, TrayMode::Create); }
    void UpdateIcon(int index) { UpdateTrayIcon(index, TrayMode::Refresh); }
    void ReleaseAll();

    void UpdateTrayIcon(int n, TrayMode mode, RebuildImages force = RebuildImages::No);
    std::string TrayTipText(int n) const;
    // Composes the fifteen images of measurement kind paramId with the configured strip.
    TrayImageSet BuildTrayImages(int paramId, int offset) const;

    // icon: 1 information, 2 warning, 3 error, anything else none.
    void ShowBalloon(const std::string& text, int icon, const std::string& title,
                     NoticeNeed need = NoticeNeed::Transient);
    void HideBalloon(ReleaseNotice release);
    void ShowNotice(const std::string& text, int icon, const std::string& title);
    // Whether a balloon would appear anywhere: balloons are on and a tray is there to show them.
    bool CanShowBalloons() const { return !noBalloon_ && host_.TrayAvailable(); }

    // Set by the options dialog while it fills its controls: updates are ignored meanwhile.
    bool settingsBusy = false;

    // For inspection: the icon object n (0 = the notification icon), or null.
    const TaskIcon* Icon(int n) const;
    const TrayImageSet& Images(int n) const;

private:
    const TraySource& SourceOf(int n) const;
    TrayItem ItemOf(int n) const;

    const Settings& settings_;
    const bool& noBalloon_;
    const std::string& appFolder_;
    Ui& ui_;
    TaskIconHost& host_;
    const TraySource& source_;
    std::array<std::unique_ptr<TaskIcon>, kTrayIconMax + 1> icons_;
    std::array<TrayImageSet, kTrayIconMax + 1> images_;
};

} // namespace trumbel

#include "tray/TrayIcons.h"

#include "base/AppInfo.h"
#include "base/ErrorReport.h"
#include "base/RuntimeError.h"
#include "base/UiText.h"
#include "tray/TrayImages.h"

namespace trumbel {

namespace {

MsgIcon NoticeIcon(int icon) {
    switch (icon) {
    case 1:
        return MsgIcon::Information;
    case 2:
        return MsgIcon::Exclamation;
    case 3:
        return MsgIcon::Critical;
    default:
        return MsgIcon::None;
    }
}

void CheckIconNumber(int n) {
    if (n < 1 || n > kTrayIconMax) {
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    }
}

} // namespace

TrayIcons::TrayIcons(const Settings& settings, const bool& noBalloon, const std::string& appFolder,
                     Ui& ui, TaskIconHost& host, const TraySource& source)
    : settings_(settings), noBalloon_(noBalloon), appFolder_(appFolder), ui_(ui), host_(host),
      source_(source) {}

TrayIcons::~TrayIcons() {
    ReleaseAll();
}

void TrayIcons::CreateIconObjects() {
    for (int n = 1; n <= kTrayIconMax; ++n) {
        if (!icons_[static_cast<std::size_t>(n)]) {
            icons_[static_cast<std::size_t>(n)] = host_.MakeIcon();
        }
    }
}

void TrayIcons::ReleaseAll() {
    // Each object takes its icon out of the tray as it goes.
    for (auto& icon : icons_) {
        icon.reset();
    }
    for (auto& set : images_) {
        set = {};
    }
}

const TaskIcon* TrayIcons::Icon(int n) const {
    if (n < 0 || n > kTrayIconMax) {
        return nullptr;
    }
    return icons_[static_cast<std::size_t>(n)].get();
}

const TrayImageSet& TrayIcons::Images(int n) const {
    CheckIconNumber(n);
    return images_[static_cast<std::size_t>(n)];
}

const TraySource& TrayIcons::SourceOf(int n) const {
    return source_.OfHost(settings_.trayIcons[static_cast<std::size_t>(n)].host);
}

TrayItem TrayIcons::ItemOf(int n) const {
    const TrayIconSetting& s = settings_.trayIcons[static_cast<std::size_t>(n)];
    return ResolveTrayItem(s.kind, s.device, SourceOf(n));
}

TrayImageSet TrayIcons::BuildTrayImages(int paramId, int offset) const {
    if (!settings_.trayImageFile.empty()) {
        if (auto strip = source_.ReadStripFile(appFolder_ + "Icon/" + settings_.trayImageFile);
            strip && !strip->View().Empty()) {
            if (StripHasLabel(strip->View(), paramId)) {
                return ComposeTrayImages(strip->View(), paramId, offset);
            }
            const StripPixels builtIn = source_.DefaultStrip();
            return ComposeTrayImages(strip->View(), paramId, offset, builtIn.View());
        }
    }
    const StripPixels strip = source_.DefaultStrip();
    return ComposeTrayImages(strip.View(), paramId, offset);
}

std::string TrayIcons::TrayTipText(int n) const {
    CheckIconNumber(n);
    const TraySource& source = SourceOf(n);
    std::string tip = trumbel::TrayTipText(ItemOf(n), source);
    // Under the product name, once: which machine, and why it shows nothing.
    if (const std::string note = source.HostNote(); !note.empty()) {
        const std::size_t lineEnd = tip.find(kCrLf);
        tip.insert(lineEnd == std::string::npos ? tip.size() : lineEnd + kCrLf.size(),
                   note + std::string(kCrLf));
    }
    return tip;
}

void TrayIcons::UpdateTrayIcon(int n, TrayMode mode, RebuildImages force) {
    const int m = static_cast<int>(mode);
    if (settingsBusy || m < 0 || m > 2) {
        return;
    }
    CheckIconNumber(n);
    auto& icon = icons_[static_cast<std::size_t>(n)];
    if (!icon) {
        icon = host_.MakeIcon();
    }
    TrayImageSet& images = images_[static_cast<std::size_t>(n)];
    if (mode == TrayMode::Remove) {
        if (icon->IconShown()) {
            icon->DeleteTrayIcon();
            images = {};
        }
        return;
    }
    const TrayItem item = ItemOf(n);
    if (!icon->IconShown() || force == RebuildImages::Yes || mode == TrayMode::Create) {
        images = BuildTrayImages(item.paramId, item.offset);
    }
    const int i = TrayImageIndex(SourceOf(n).Persent(item.paramId, item.device, item.Basis()));
    const TrayIconHandle& image = images[static_cast<std::size_t>(i)];
    const std::string tip = TrayTipText(n);
    if (icon->IconShown() && mode != TrayMode::Create) {
        icon->ChangeTrayIcon(image, tip);
    } else {
        icon->CreateTrayIcon(n, image, tip);
    }
}

void TrayIcons::ShowBalloon(const std::string& text, int icon, const std::string& title,
                            NoticeNeed need) {
    if (noBalloon_) {
        return;
    }
    if (!host_.TrayAvailable() && need == NoticeNeed::MustBeSeen) {
        // Nothing could show the balloon; a message that must be seen becomes a box.
        ShowNotice(text, icon, title);
        return;
    }
    TaskIcon* target = nullptr;
    if (settings_.trayIconCount > 0) {
        auto& first = icons_[1];
        if (!first) {
            first = host_.MakeIcon();
        }
        target = first.get();
    } else {
        auto& notice = icons_[kNoticeIconNumber];
        if (!notice) {
            notice = host_.MakeIcon();
            notice->CreateTrayIcon(kNoticeIconNumber, host_.Symbol(),
                                   UiFormat(UiTr("Tray", "%1通知"), {kProductName}));
        }
        target = notice.get();
    }
    target->ShowBalloonToolTip(text, icon, title, kBalloonTimeoutMs, EraseBeforeBalloon::No);
}

void TrayIcons::HideBalloon(ReleaseNotice release) {
    auto& notice = icons_[kNoticeIconNumber];
    if (settings_.trayIconCount > 0) {
        if (icons_[1]) {
            icons_[1]->DeleteBalloonToolTip();
        }
    } else if (notice) {
        notice->DeleteBalloonToolTip();
    }
    // The notification icon goes with a release even when tray icons were switched on since it
    // was added; otherwise it would stay in the tray until exit.
    if (release == ReleaseNotice::Yes) {
        notice.reset();
    }
}

void TrayIcons::ShowNotice(const std::string& text, int icon, const std::string& title) {
    ui_.MessageBox({title, text, NoticeIcon(icon), MsgButtons::Ok});
}

} // namespace trumbel

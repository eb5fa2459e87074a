#pragma once

#include "options/OptionsHost.h"
#include "settings/Settings.h"

#include <array>
#include <string_view>

namespace trumbel {

// The settings group the page's reset puts back.
SettingsGroup ResetGroupOfPage(OptionsPageId page);

// The page the dialog shows when it opens: the last one used when the setting asks for it and
// the stored number names a page, else the first.
OptionsPageId InitialOptionsPage(const Settings& settings);

// The two lines of a page list caption; the second is empty for a one-line caption.
struct PageCaption {
    std::string_view first;
    std::string_view second;
};
PageCaption OptionsPageCaption(OptionsPageId page);
// The icon resource of a page's list entry: "OPT_110" … "OPT_118" in list order, and the
// layout tree's "OPT_112" again for the older layout editor.
std::string_view OptionsPageIcon(OptionsPageId page);

// The state the dialog keeps beside the live record: the record as it was when the dialog
// opened or was last applied (cancel and close go back to it), the settings-busy flag while
// controls are filled, and NoEvents while the dialog refills lists itself.
class OptionsDialogState {
public:
    explicit OptionsDialogState(OptionsHost& host) : host_(host) {}

    // Opening: busy, snapshot, the open mark.
    void BeginLoad();
    // Filling ends; the record goes back to the snapshot first, so changes made by handlers
    // while filling are undone. Call before filling from the record.
    void RestoreBeforeFill();
    void EndLoad();

    // Runs `fill` with the settings-busy flag set (nesting allowed).
    template <typename F> void Filling(F&& fill) {
        SetBusy(true);
        try {
            fill();
        } catch (...) {
            SetBusy(false);
            throw;
        }
        SetBusy(false);
    }

    // "決定"/"適用" after the pages applied their own parts: keep the record as it now is,
    // record the start position when it follows the window, write the settings file and
    // re-plan the polls.
    void Apply();
    // Closing any other way: back to the snapshot, the skin reloaded, the open mark cleared.
    void Unload();

    // A page chosen in the list; remembered when the dialog should reopen there.
    void ChangePage(OptionsPageId page);
    OptionsPageId CurrentPage() const { return page_; }

    // Resets the group of `page` ("このページをリセット").
    void ResetPage(OptionsPageId page);
    void ResetAll();

    const Settings& Snapshot() const { return snapshot_; }
    bool SettingsBusy() const { return busyDepth_ > 0; }
    bool Loaded() const { return loaded_; }

    // While true, handlers that would change the layout do nothing.
    bool noEvents = false;

    OptionsHost& host() { return host_; }
    Settings& settings() { return host_.settings(); }

private:
    void SetBusy(bool busy);

    OptionsHost& host_;
    Settings snapshot_;
    int busyDepth_ = 0;
    OptionsPageId page_ = OptionsPageId::Basic;
    bool loaded_ = false;
};

} // namespace trumbel

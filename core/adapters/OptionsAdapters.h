#pragma once

#include "core/Program.h"
#include "core/WindowBehaviour.h"
#include "functions/FunctionLauncher.h"
#include "measure/SystemMeasure.h"
#include "menus/FormMenu.h"
#include "menus/LayoutMenu.h"
#include "options/OptionsHost.h"
#include "settings/SettingsStore.h"
#include "skin/SkinEngine.h"
#include "tray/TrayIcons.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace trumbel {

// What only the windowing side can do for the options dialog.
struct OptionsWindowHooks {
    // Cuts the given colour out of the strip (nullopt: no cut).
    std::function<void(std::optional<std::uint32_t> rgb)> colourKey;
    std::function<std::string()> executablePath;
    std::function<std::string()> startupEntryPath;
    // The readers of other machines, which run on the event loop.
    std::function<void()> applyRemoteHosts;
    std::function<void(const RemoteHostSetting&, std::function<void(const std::string&)>)>
        testRemoteHost;
};

// The options dialog's view of the running program: every live effect of an edit goes to the
// subsystem that owns it.
class ProgramOptionsHost final : public OptionsHost {
public:
    struct Parts {
        Program& program;
        WindowBehaviour& behaviour;
        SkinEngine& skin;
        SettingsService& settings;
        SystemMeasure& measure;
        TrayIcons& tray;
        FormMenu& menu;
        MenuDevices& menuDevices;
        FunctionLauncher& functions;
        Ui& ui;
        LayoutMenu& layoutMenu;
    };
    ProgramOptionsHost(Parts parts, OptionsWindowHooks hooks)
        : p_(parts), hooks_(std::move(hooks)) {}

    Settings& settings() override { return p_.program.settings; }
    std::string AppFolder() const override { return p_.program.appFolder; }
    Ui& ui() override { return p_.ui; }
    void SetSettingsBusy(bool busy) override;
    void SetDialogOpen(bool open) override;

    void ReloadSkin() override;
    void LoadBuiltInSkin(int number) override;
    bool LoadSkinFile(std::string& log) override;
    int FindSkinFiles(std::vector<std::string>& paths) override {
        return p_.skin.FindSkinFiles(paths);
    }
    std::string SkinLoadLog() const override { return skinLog_; }
    void Relayout() override { p_.skin.Relayout(); }
    void Redraw() override { p_.skin.DrawSkin(); }

    void ApplyTopMost() override;
    void SetOpacity(int percent) override { p_.behaviour.SetAlpha(1, percent); }
    void SetColourKey(bool on) override;
    void SetDoubleSize(bool on) override { p_.behaviour.SetDoubleSize(on); }
    WindowPosition CurrentWindowPosition() const override;
    void UpdatePolls() override { p_.program.UpdatePolls(); }

    void ApplyTrayIcons() override;
    void ReregisterHotKey() override;

    int CpuCount() const override { return p_.menuDevices.CpuCount(); }
    int NetworkDeviceCount() const override;
    std::string NetworkDeviceName(int index) const override;
    int DiskType(int diskId) override { return p_.menuDevices.DiskType(diskId); }
    std::vector<std::string> SensorNames(int kind) override {
        return p_.menuDevices.SensorNames(kind);
    }
    std::string DiskMountPoint(int diskId) override {
        return p_.menuDevices.DiskMountPoint(diskId);
    }
    void SetSystemValue(int paramId, int deviceId, int showParamInfo, float value) override;
    void SetDeviceMenus(DeviceMenus what) override;

    void OpenClockWindow() override;

    FunctionPage FillFunctionPage() override { return p_.functions.FillFunctionPage(); }
    void ChooseFunctionEntry(const FunctionPage& page, int entry) override {
        p_.functions.ChooseComboEntry(page, entry);
    }
    void ApplyFunctionPage(const FunctionPage& page) override {
        p_.functions.ApplyFunctionPage(page);
    }
    void ExploreFunctionFolder() override { p_.functions.OpenFunctionFolder(); }

    void SaveSettings() override;
    void ResetSettings(SettingsGroup group) override;
    void OpenOptionFile(const std::string& path) override;
    void SaveOptionFile(const std::string& path) override;

    std::string ExecutablePath() const override {
        return hooks_.executablePath ? hooks_.executablePath() : std::string();
    }

    std::string StartupEntryPath() const override {
        return hooks_.startupEntryPath ? hooks_.startupEntryPath() : std::string();
    }
    MenuDevices* RemoteDevices(int host) override { return p_.menuDevices.RemoteHost(host); }
    void ApplyRemoteHosts() override {
        if (hooks_.applyRemoteHosts) {
            hooks_.applyRemoteHosts();
        }
    }
    void TestRemoteHost(const RemoteHostSetting& host,
                        std::function<void(const std::string&)> done) override {
        if (hooks_.testRemoteHost) {
            hooks_.testRemoteHost(host, std::move(done));
        } else {
            OptionsHost::TestRemoteHost(host, std::move(done));
        }
    }

    LayoutMenu& layoutMenu() override { return p_.layoutMenu; }
    int SkinSlotCount() const override { return p_.skin.skin().slotCount; }
    int SkinType() const override { return p_.skin.skin().skinType; }
    StandardStyles SkinStandardStyles() const override { return p_.skin.CurrentStandardStyles(); }
    int NetworkDeviceStatus(int index) const override {
        return p_.menuDevices.NetworkStatus(index);
    }

    // Whether the colour cut is on (kept across skin loads: each new skin brings its colour).
    bool ColourKeyOn() const { return colourKey_; }

private:
    // After the record changed wholesale (reset, option file): everything the strip shows.
    void FollowRecord();
    // Runs `replace`, which rewrites the record (a reset, an option file), then follows it.
    void ReplaceRecord(const std::function<void()>& replace);

    Parts p_;
    OptionsWindowHooks hooks_;
    std::string skinLog_;
    bool colourKey_ = false;
};

} // namespace trumbel

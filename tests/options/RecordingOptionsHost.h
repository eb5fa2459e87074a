#pragma once

#include "functions/FunctionLauncher.h"
#include "menus/LayoutMenu.h"
#include "options/OptionsHost.h"

#include <string>
#include <vector>

namespace trumbel::test {

// The skin and the folders the layout menus of a recording host read.
struct RecordingLayoutSources final : MenuSources, LayoutSkin {
    int slotCount = 4;
    int relayouts = 0;
    std::string AppFolder() const override { return "/app/"; }
    std::string DataFolder() const override { return {}; }
    std::vector<std::string> BuiltInFunctionNames() const override { return {}; }
    int FindSkinFiles(std::vector<std::string>&) override { return -1; }
    std::string CurrentSkinPath() const override { return {}; }
    int SkinSlotCount() const override { return slotCount; }
    void SetBusyCursor(bool) override {}
    StandardStyles SkinStandardStyles() const override { return kBuiltInStandardStyles; }
    void Relayout() override { ++relayouts; }
};

// An options host that keeps a settings record and writes down every effect asked of it.
class RecordingOptionsHost final : public OptionsHost {
public:
    Settings record;
    RecordingUi boxes;
    // The measured devices: adapters with their states, drive types by DiskID (1 past the end).
    std::vector<std::string> networks;
    std::vector<int> networkStates;
    std::vector<int> diskTypes;
    int skinType = 1;
    RecordingLayoutSources layoutSources;
    FormMenu formMenu{record, layoutSources, boxes};
    LayoutMenu menu{formMenu, record, layoutSources, layoutSources};
    std::vector<std::string> calls;
    WindowPosition position{11, 22};
    bool busy = false;
    bool open = false;

    Settings& settings() override { return record; }
    std::string AppFolder() const override { return "/app/"; }
    Ui& ui() override { return boxes; }
    void SetSettingsBusy(bool b) override { busy = b; }
    void SetDialogOpen(bool o) override {
        open = o;
        calls.push_back(o ? "open" : "closed");
    }
    void ReloadSkin() override { calls.push_back("ReloadSkin"); }
    void LoadBuiltInSkin(int n) override {
        calls.push_back("LoadBuiltInSkin " + std::to_string(n));
    }
    bool LoadSkinFile(std::string&) override {
        calls.push_back("LoadSkinFile");
        return true;
    }
    int FindSkinFiles(std::vector<std::string>&) override { return 0; }
    std::string SkinLoadLog() const override { return {}; }
    void Relayout() override { calls.push_back("Relayout"); }
    void Redraw() override { calls.push_back("Redraw"); }
    void ApplyTopMost() override { calls.push_back("ApplyTopMost"); }
    void SetOpacity(int p) override { calls.push_back("SetOpacity " + std::to_string(p)); }
    void SetColourKey(bool on) override { calls.push_back(on ? "ColourKey on" : "ColourKey off"); }
    void SetDoubleSize(bool on) override {
        record.doubleSize = on;
        calls.push_back(on ? "DoubleSize on" : "DoubleSize off");
    }
    WindowPosition CurrentWindowPosition() const override { return position; }
    void UpdatePolls() override { calls.push_back("UpdatePolls"); }
    void ApplyTrayIcons() override { calls.push_back("ApplyTrayIcons"); }
    void ReregisterHotKey() override { calls.push_back("ReregisterHotKey"); }
    int CpuCount() const override { return 2; }
    int NetworkDeviceCount() const override { return static_cast<int>(networks.size()); }
    std::string NetworkDeviceName(int i) const override {
        return networks.at(static_cast<std::size_t>(i));
    }
    int DiskType(int id) override {
        return id >= 0 && id < static_cast<int>(diskTypes.size())
                   ? diskTypes[static_cast<std::size_t>(id)]
                   : 1;
    }
    std::string DiskMountPoint(int id) override { return "/m" + std::to_string(id); }
    std::vector<std::string> SensorNames(int kind) override {
        return kind == 9 ? std::vector<std::string>{"k10temp Tctl", "nvme Composite"}
                         : std::vector<std::string>{};
    }
    void SetSystemValue(int, int, int, float) override { calls.push_back("SetSystemValue"); }
    void SetDeviceMenus(DeviceMenus what) override {
        calls.push_back(what == DeviceMenus::Fill ? "DeviceMenus fill" : "DeviceMenus remove");
    }
    void OpenClockWindow() override { calls.push_back("OpenClockWindow"); }
    FunctionPage FillFunctionPage() override { return {}; }
    void ChooseFunctionEntry(const FunctionPage&, int) override {}
    void ApplyFunctionPage(const FunctionPage&) override { calls.push_back("ApplyFunctionPage"); }
    void ExploreFunctionFolder() override {}
    void SaveSettings() override { calls.push_back("SaveSettings"); }
    void ResetSettings(SettingsGroup group) override {
        calls.push_back("ResetSettings " + std::to_string(static_cast<int>(group)));
    }
    void OpenOptionFile(const std::string&) override {}
    void SaveOptionFile(const std::string&) override {}
    std::string ExecutablePath() const override { return "/app/trumbel"; }
    std::string StartupEntryPath() const override { return {}; }
    LayoutMenu& layoutMenu() override { return menu; }
    int SkinSlotCount() const override { return layoutSources.slotCount; }
    int SkinType() const override { return skinType; }
    StandardStyles SkinStandardStyles() const override { return kBuiltInStandardStyles; }
    int NetworkDeviceStatus(int i) const override {
        return networkStates.at(static_cast<std::size_t>(i));
    }
};

} // namespace trumbel::test

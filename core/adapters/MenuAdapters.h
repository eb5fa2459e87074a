#pragma once

#include "about/AboutBoxHost.h"
#include "core/Ports.h"
#include "core/Program.h"
#include "core/WindowBehaviour.h"
#include "functions/FunctionLauncher.h"
#include "measure/SystemMeasure.h"
#include "menus/FormMenu.h"
#include "menus/LayoutMenu.h"
#include "remote/RemoteHost.h"
#include "settings/SettingsStore.h"
#include "skin/SkinEngine.h"

#include <functional>
#include <string>

namespace trumbel {

// What the menus read of the running program.
class ProgramMenuSources final : public MenuSources {
public:
    ProgramMenuSources(SkinEngine& skin, Ui& ui, std::string appFolder, std::string dataFolder)
        : skin_(skin), ui_(ui), appFolder_(std::move(appFolder)),
          dataFolder_(std::move(dataFolder)) {}

    std::string AppFolder() const override { return appFolder_; }
    std::string DataFolder() const override { return dataFolder_; }
    std::vector<std::string> BuiltInFunctionNames() const override;
    int FindSkinFiles(std::vector<std::string>& paths) override {
        return skin_.FindSkinFiles(paths);
    }
    std::string CurrentSkinPath() const override { return skin_.currentSkinPath(); }
    int SkinSlotCount() const override { return skin_.skin().slotCount; }
    void SetBusyCursor(bool busy) override { ui_.SetBusyCursor(busy); }

private:
    SkinEngine& skin_;
    Ui& ui_;
    std::string appFolder_;
    std::string dataFolder_;
};

// The measured devices for the slot menu's lists (the options dialog fills them); no devices
// while nothing is measured.
class MeasureMenuDevices final : public MenuDevices {
public:
    MeasureMenuDevices(SystemMeasure& measure, const Settings& settings)
        : measure_(measure), settings_(settings) {}
    int CpuCount() const override;
    int NetworkCount() const override;
    std::string NetworkName(int index) const override;
    int NetworkStatus(int index) const override;
    int DiskType(int diskId) override;
    std::string DiskMountPoint(int diskId) override;
    std::vector<std::string> SensorNames(int kind) override;
    int RemoteHostCount() const override;
    std::string RemoteHostName(int host) const override;
    MenuDevices* RemoteHost(int host) override { return remoteHost ? remoteHost(host) : nullptr; }

    // The devices of another machine; null while it has none to list.
    std::function<MenuDevices*(int host)> remoteHost;

private:
    SystemMeasure& measure_;
    const Settings& settings_;
};

// Another machine's devices as its values list them; a host not connected lists what it had.
class RemoteMenuDevices final : public MenuDevices {
public:
    explicit RemoteMenuDevices(RemoteHostValues& values) : values_(values) {}
    int CpuCount() const override { return values_.CpuCount(); }
    int NetworkCount() const override;
    std::string NetworkName(int index) const override;
    int NetworkStatus(int index) const override { return values_.NetworkStatus(index); }
    int DiskType(int diskId) override { return values_.DiskType(diskId); }
    std::string DiskMountPoint(int diskId) override;
    std::vector<std::string> SensorNames(int kind) override;

private:
    RemoteHostValues& values_;
};

// What the main menu's commands do in the running program.
class ProgramMenuActions final : public MenuActions {
public:
    ProgramMenuActions(Program& program, WindowBehaviour& behaviour, SkinEngine& skin,
                       SettingsStore& settings, FunctionLauncher& functions, AboutDialog& about)
        : program_(program), behaviour_(behaviour), skin_(skin), settings_(settings),
          functions_(functions), about_(about) {}

    // The strip stays visible while the box is open, whatever the auto-hide rules say.
    void ShowAbout() override;
    void RunConfiguredFunction() override { functions_.RunConfiguredFunction(); }
    void ChooseFunction(FunctionList list, int index,
                        const std::vector<std::string>& fileNames) override {
        functions_.Choose(list, index, fileNames);
    }
    void OpenFunctionFolder() override { functions_.OpenFunctionFolder(); }
    void OpenOptions(std::optional<OptionsPageId> page) override;
    bool SettingsBusy() const override;
    void LoadSkinFile() override;
    void BuildBuiltInSkin(int number) override { skin_.BuildBuiltInSkin(number, SkinQuiet::No); }
    void SwitchToOptionFile(const std::string& name) override {
        settings_.SwitchToOptionFile(name);
    }
    void SwitchToProfile(const std::string& name) override { settings_.SwitchToProfile(name); }
    void AdjustClock() override { program_.clock().LoadAdjustWindow(); }
    void ToggleTopMost() override { behaviour_.ToggleTopMost(); }
    void SetDoubleSize(bool on) override { behaviour_.SetDoubleSize(on); }
    void Open(const std::string& target) override { program_.shell().Open(target); }
    void Explore(const std::string& folder) override { program_.shell().Explore(folder); }
    void MenuEnd() override { program_.MenuEnd(); }

private:
    Program& program_;
    WindowBehaviour& behaviour_;
    SkinEngine& skin_;
    SettingsStore& settings_;
    FunctionLauncher& functions_;
    AboutDialog& about_;
};

// The layout commands lay the running skin window out again and redraw it at once.
class SkinLayoutAdapter final : public LayoutSkin {
public:
    explicit SkinLayoutAdapter(SkinEngine& skin) : skin_(skin) {}
    StandardStyles SkinStandardStyles() const override { return skin_.CurrentStandardStyles(); }
    void Relayout() override { skin_.Relayout(); }

private:
    SkinEngine& skin_;
};

// The function button, the hot key and tray action 2 start the configured function.
class FunctionAdapter final : public FunctionPort {
public:
    explicit FunctionAdapter(FunctionLauncher& launcher) : launcher_(launcher) {}
    void RunFunctionButton() override { launcher_.RunConfiguredFunction(); }

private:
    FunctionLauncher& launcher_;
};

// The program's menu port onto the menu model and the view that shows it.
class MenuAdapter final : public MenuPort {
public:
    MenuAdapter(FormMenu& menu, MenuPresenter& presenter, MenuActions& actions,
                const Program& program)
        : menu_(menu), presenter_(presenter), actions_(actions), program_(program) {}

    // Icon menus as read at start; a changed setting waits for the next start.
    void LoadMenuWindow() override;
    void SetShowBiggerChecked(bool checked) override { menu_.SetShowBiggerChecked(checked); }
    void SetTopMostChecked(bool checked) override { menu_.SetTopMostChecked(checked); }
    void SetHelpEnabled(bool enabled) override { menu_.SetHelpEnabled(enabled); }
    void Popup(MenuForm form) override;
    void DeleteFileList() override { menu_.DeleteFileList(); }
    // The menus are views built for each popup: nothing stays loaded.
    void UnloadMenuWindow() override {}

private:
    FormMenu& menu_;
    MenuPresenter& presenter_;
    MenuActions& actions_;
    const Program& program_;
};

} // namespace trumbel

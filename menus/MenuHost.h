#pragma once

#include "functions/FunctionList.h"
#include "menus/MenuTree.h"
#include "settings/Settings.h"

#include <optional>
#include <string>
#include <vector>

namespace trumbel {

// What building the lists reads from the program around the menus.
class MenuSources {
public:
    virtual ~MenuSources() = default;
    // The program's folder, ending in "/".
    virtual std::string AppFolder() const = 0;
    // Where an installed copy keeps its shared files ("…/share/trumbel/"); "" for none.
    virtual std::string DataFolder() const = 0;
    virtual std::vector<std::string> BuiltInFunctionNames() const = 0;
    // Every "*.skn" under the skin folder; -1 when that folder does not exist.
    virtual int FindSkinFiles(std::vector<std::string>& paths) = 0;
    // The full path of the skin file in use.
    virtual std::string CurrentSkinPath() const = 0;
    // Slots per container of the skin in use.
    virtual int SkinSlotCount() const = 0;
    virtual void SetBusyCursor(bool busy) = 0;
};

// The measured devices the slot menu lists.
class MenuDevices {
public:
    virtual ~MenuDevices() = default;
    virtual int CpuCount() const = 0;
    virtual int NetworkCount() const = 0;
    virtual std::string NetworkName(int index) const = 0;
    virtual int NetworkStatus(int index) const = 0;
    // 1 when the drive table has no entry for the drive.
    virtual int DiskType(int diskId) = 0;
    virtual std::string DiskMountPoint(int diskId) = 0;
    // The devices of a sensor kind (item kinds 9 to 14) by caption, in index order.
    virtual std::vector<std::string> SensorNames(int kind) = 0;
    // Other machines (hosts 1..count): their name and their devices, listed after this
    // machine's as "name: device".
    virtual int RemoteHostCount() const { return 0; }
    virtual std::string RemoteHostName(int /*host*/) const { return {}; }
    virtual MenuDevices* RemoteHost(int /*host*/) { return nullptr; }
};

// Shows a menu modally at the mouse and reports the chosen item after it has closed; nullopt
// when the menu was dismissed.
class MenuPresenter {
public:
    virtual ~MenuPresenter() = default;
    virtual std::optional<MenuCommand> Show(const MenuItem& menu, IconMenus iconMenus) = 0;
};

// What the main menu's commands ask of the program.
class MenuActions {
public:
    virtual ~MenuActions() = default;
    virtual void ShowAbout() = 0;
    virtual void RunConfiguredFunction() = 0;
    // Entry `index` (1-based) of a function list, with the file names the list was built from.
    virtual void ChooseFunction(FunctionList list, int index,
                                const std::vector<std::string>& fileNames) = 0;
    virtual void OpenFunctionFolder() = 0;
    // Opens the options dialog modeless; without a page the page stays as it was.
    virtual void OpenOptions(std::optional<OptionsPageId> page) = 0;
    // True while the options dialog fills its controls: skins are not loaded then.
    virtual bool SettingsBusy() const = 0;
    virtual void LoadSkinFile() = 0;
    virtual void BuildBuiltInSkin(int number) = 0;
    virtual void SwitchToOptionFile(const std::string& name) = 0;
    virtual void SwitchToProfile(const std::string& name) = 0;
    virtual void AdjustClock() = 0;
    virtual void ToggleTopMost() = 0;
    virtual void SetDoubleSize(bool on) = 0;
    // A web address or file with the desktop's default application.
    virtual void Open(const std::string& target) = 0;
    virtual void Explore(const std::string& folder) = 0;
    // Leaves the program the orderly way, once the menu has closed.
    virtual void MenuEnd() = 0;
};

} // namespace trumbel

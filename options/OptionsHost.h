#pragma once

#include "base/Ui.h"
#include "base/UiText.h"
#include "settings/Settings.h"
#include "settings/SettingsEnvironment.h"
#include "settings/SlotStyle.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace trumbel {

struct FunctionPage;
class LayoutMenu;
class MenuDevices;

// Which layout menus the dialog hands device lists to.
enum class DeviceMenus { Fill, Remove };

// Everything the options dialog asks of the running program. The dialog edits the program's
// settings record in place and asks here for every effect the strip shows at once; it holds
// no second copy of anything the program owns. One flat interface: each page adds what it
// needs.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    // --- records and folders ---
    virtual Settings& settings() = 0;
    // The program's folder, ending in "/".
    virtual std::string AppFolder() const = 0;
    // Message boxes of the dialog (startup entry, reset question).
    virtual Ui& ui() = 0;
    // While set, the skin loader, the renderer, the tray and the skin menu commands do nothing:
    // the dialog is filling its controls.
    virtual void SetSettingsBusy(bool busy) = 0;
    // The mark the z-order rules read: while open, raising the strip never covers the dialog.
    virtual void SetDialogOpen(bool open) = 0;

    // --- skin ---
    // The skin the record names: the built-in skin of type builtInSkinType + 1 when
    // useBuiltInSkin is 1, else skinFolder + skinFileName.
    virtual void ReloadSkin() = 0;
    virtual void LoadBuiltInSkin(int number) = 0;
    // Loads skinFolder + skinFileName and writes the loader's progress into `log`; true when
    // the file skin is in use afterwards.
    virtual bool LoadSkinFile(std::string& log) = 0;
    // The full path of every "*.skn" under skinFolder; -1 when the folder does not exist.
    virtual int FindSkinFiles(std::vector<std::string>& paths) = 0;
    // What the last skin load wrote into its log.
    virtual std::string SkinLoadLog() const = 0;
    // Lays the units out again after a layout field changed, and redraws.
    virtual void Relayout() = 0;
    virtual void Redraw() = 0;

    // --- the strip as a window ---
    // Applies the topmost setting and the hide rules at once (also starts and stops the polls
    // they need).
    virtual void ApplyTopMost() = 0;
    // Opacity in percent (10..100); not stored.
    virtual void SetOpacity(int percent) = 0;
    // Cuts the skin's transparent colour out of the window, or stops cutting.
    virtual void SetColourKey(bool on) = 0;
    virtual void SetDoubleSize(bool on) = 0;
    // The strip's place in pixels.
    virtual WindowPosition CurrentWindowPosition() const = 0;
    // Starts and stops the visibility and auto-snap polls as the settings now need them.
    virtual void UpdatePolls() = 0;

    // --- tray ---
    // Shows trayIconCount icons with their items now (adds and removes icons).
    virtual void ApplyTrayIcons() = 0;

    // --- hot key ---
    // Registers the hot key as the record now describes it (or releases it when off).
    virtual void ReregisterHotKey() = 0;

    // --- measurement ---
    virtual int CpuCount() const = 0;
    virtual int NetworkDeviceCount() const = 0;
    virtual std::string NetworkDeviceName(int index) const = 0;
    // Drive type code (1 for a drive the table lacks) and mount point of DiskID n.
    virtual int DiskType(int diskId) = 0;
    virtual std::string DiskMountPoint(int diskId) = 0;
    // The devices of a sensor kind (9 to 14) by caption, in index order.
    virtual std::vector<std::string> SensorNames(int kind) = 0;
    // SetSystemValue of the measurement object; nothing while nothing is measured.
    virtual void SetSystemValue(int paramId, int deviceId, int showParamInfo, float value) = 0;
    // The slot menus' device lists, filled while the dialog is open.
    virtual void SetDeviceMenus(DeviceMenus what) = 0;

    // --- remote hosts ---
    // Host n's devices as the menus list them; null for a host without values.
    virtual MenuDevices* RemoteDevices(int /*host*/) { return nullptr; }
    // Starts reading the hosts that a slot or tray icon now shows, stops the others, and
    // picks up edited addresses and credentials and the interval.
    virtual void ApplyRemoteHosts() {}
    // Reads the host once in the background; `done` runs later on the event loop with what the
    // host answered (processors, interfaces, mounts) or why it could not be read.
    virtual void TestRemoteHost(const RemoteHostSetting& /*host*/,
                                std::function<void(const std::string&)> done) {
        done(UiTr("OptionsHost", "この実行ではリモートホストを読めません"));
    }

    // --- clock ---
    // Unloads a clock window still open and loads a fresh one, which adjusts once.
    virtual void OpenClockWindow() = 0;

    // --- functions ---
    virtual FunctionPage FillFunctionPage() = 0;
    virtual void ChooseFunctionEntry(const FunctionPage& page, int entry) = 0;
    virtual void ApplyFunctionPage(const FunctionPage& page) = 0;
    virtual void ExploreFunctionFolder() = 0;

    // --- settings files ---
    // Writes the standard settings file.
    virtual void SaveSettings() = 0;
    // The skin in force follows.
    virtual void ResetSettings(SettingsGroup group) = 0;
    virtual void OpenOptionFile(const std::string& path) = 0;
    virtual void SaveOptionFile(const std::string& path) = 0;

    // --- the desktop ---
    // The absolute path of the running executable, for the startup entry.
    virtual std::string ExecutablePath() const = 0;
    // Where the startup entry lives (the desktop's autostart folder + "Velquor.desktop").
    virtual std::string StartupEntryPath() const = 0;

    // --- layout ---
    // The layout tree's menus: their commands edit the record and lay the strip out again.
    virtual LayoutMenu& layoutMenu() = 0;
    // Of the skin in use: slots per container, its type (1 row, 2 column, else a fixed
    // picture) and the standard style of each item kind.
    virtual int SkinSlotCount() const = 0;
    virtual int SkinType() const = 0;
    virtual StandardStyles SkinStandardStyles() const = 0;
    // Operational state of a network adapter (5 up, 2 down).
    virtual int NetworkDeviceStatus(int index) const = 0;
};

} // namespace trumbel

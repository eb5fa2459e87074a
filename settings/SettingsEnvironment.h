#pragma once

#include "base/Ui.h"
#include "settings/SlotStyle.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace trumbel {

enum class SkinActivation { Quiet, Announce };

struct WindowPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const WindowPosition&) const = default;
};

// Everything reading and writing the settings needs from the rest of the program. The program
// wiring implements it once; tests implement it with fixed answers.
class SettingsEnvironment {
public:
    virtual ~SettingsEnvironment() = default;

    // Message boxes (missing file, recovery, migration, device and folder checks).
    virtual Ui& ui() = 0;
    // The program's folder, ending in "/".
    virtual std::string AppFolder() const = 0;
    // The login name that names the standard settings file.
    virtual std::string UserName() const = 0;
    // Whether window subclassing is allowed this run (the icon-menu notice depends on it).
    virtual bool SubclassAllowed() const = 0;
    // Network devices in the measurement's order: GetNetWorkNum and GetNetWorkName.
    virtual int NetworkDeviceCount() const = 0;
    virtual std::string NetworkDeviceName(int index) const = 0;
    // The device that network slots and the fixed-skin device take where the file stores none
    // (no file, a missing key, a reset); nullopt keeps the file format's own defaults.
    virtual std::optional<int> DefaultNetworkDevice() const = 0;
    // Applies the skin the record names now (ActivateSkin) and returns its standard style per
    // item kind, which reading the layout needs. Quiet leaves the popup menu alone.
    virtual StandardStyles ActivateSkin(SkinActivation how) = 0;
    // The skin menu marks the skin in use by this path (skinFolder + skinFileName).
    virtual void SetCurrentSkinPath(const std::string& path) = 0;
    // The skin window's place now, in pixels; nullopt when there is no window.
    virtual std::optional<WindowPosition> CurrentWindowPosition() const = 0;
    // Where the window stood before auto-snap moved it, in pixels; nullopt while auto-snap has
    // not moved it.
    virtual std::optional<WindowPosition> PositionBeforeAutoSnap() const = 0;
};

// An environment assembled from plain values and callbacks, for tests and benchmarks (the
// program implements the interface itself). Unset callbacks answer with no network devices, no
// default device and the built-in skins' styles.
class FunctionalSettingsEnvironment final : public SettingsEnvironment {
public:
    FunctionalSettingsEnvironment(Ui& ui, std::string appFolder, std::string userName)
        : ui_(ui), appFolder_(std::move(appFolder)), userName_(std::move(userName)) {}

    std::function<bool()> subclassAllowed;
    std::function<int()> deviceCount;
    std::function<std::string(int)> deviceName;
    std::function<std::optional<int>()> defaultDevice;
    std::function<StandardStyles(SkinActivation)> activateSkin;
    std::function<void(const std::string&)> setCurrentSkinPath;
    std::function<std::optional<WindowPosition>()> currentWindowPosition;
    std::function<std::optional<WindowPosition>()> positionBeforeAutoSnap;

    Ui& ui() override { return ui_; }
    std::string AppFolder() const override { return appFolder_; }
    std::string UserName() const override { return userName_; }
    bool SubclassAllowed() const override { return subclassAllowed ? subclassAllowed() : true; }
    int NetworkDeviceCount() const override { return deviceCount ? deviceCount() : 0; }
    std::string NetworkDeviceName(int index) const override {
        return deviceName ? deviceName(index) : std::string();
    }
    std::optional<int> DefaultNetworkDevice() const override {
        return defaultDevice ? defaultDevice() : std::nullopt;
    }
    StandardStyles ActivateSkin(SkinActivation how) override {
        return activateSkin ? activateSkin(how) : kBuiltInStandardStyles;
    }
    void SetCurrentSkinPath(const std::string& path) override {
        if (setCurrentSkinPath) {
            setCurrentSkinPath(path);
        }
    }
    std::optional<WindowPosition> CurrentWindowPosition() const override {
        return currentWindowPosition ? currentWindowPosition() : std::nullopt;
    }
    std::optional<WindowPosition> PositionBeforeAutoSnap() const override {
        return positionBeforeAutoSnap ? positionBeforeAutoSnap() : std::nullopt;
    }

private:
    Ui& ui_;
    std::string appFolder_;
    std::string userName_;
};

} // namespace trumbel

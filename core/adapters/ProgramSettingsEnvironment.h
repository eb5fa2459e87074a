#pragma once

#include "core/Program.h"
#include "core/WindowBehaviour.h"
#include "measure/SystemMeasure.h"
#include "settings/SettingsEnvironment.h"
#include "skin/SkinEngine.h"

#include <string>

namespace trumbel {

// What reading and writing the settings asks of the running program: its boxes and folder,
// the measured interfaces, the skin engine and the skin window's place.
class ProgramSettingsEnvironment final : public SettingsEnvironment {
public:
    ProgramSettingsEnvironment(Program& program, Ui& ui, std::string appFolder,
                               std::string userName, SystemMeasure& measure, SkinEngine& skin,
                               WindowPort& window, const WindowBehaviour& behaviour);

    Ui& ui() override { return ui_; }
    std::string AppFolder() const override { return appFolder_; }
    std::string UserName() const override { return userName_; }
    bool SubclassAllowed() const override { return program_.subclassAllowed; }
    int NetworkDeviceCount() const override;
    std::string NetworkDeviceName(int index) const override;
    std::optional<int> DefaultNetworkDevice() const override;
    StandardStyles ActivateSkin(SkinActivation how) override;
    void SetCurrentSkinPath(const std::string& path) override { skin_.SetCurrentSkinPath(path); }
    std::optional<WindowPosition> CurrentWindowPosition() const override;
    std::optional<WindowPosition> PositionBeforeAutoSnap() const override;

private:
    Program& program_;
    Ui& ui_;
    std::string appFolder_;
    std::string userName_;
    SystemMeasure& measure_;
    SkinEngine& skin_;
    WindowPort& window_;
    const WindowBehaviour& behaviour_;
};

} // namespace trumbel

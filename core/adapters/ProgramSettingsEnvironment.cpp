#include "core/adapters/ProgramSettingsEnvironment.h"

namespace trumbel {

ProgramSettingsEnvironment::ProgramSettingsEnvironment(Program& program, Ui& ui,
                                                       std::string appFolder, std::string userName,
                                                       SystemMeasure& measure, SkinEngine& skin,
                                                       WindowPort& window,
                                                       const WindowBehaviour& behaviour)
    : program_(program), ui_(ui), appFolder_(std::move(appFolder)), userName_(std::move(userName)),
      measure_(measure), skin_(skin), window_(window), behaviour_(behaviour) {}

int ProgramSettingsEnvironment::NetworkDeviceCount() const {
    const SystemInfo* info = measure_.Info();
    return info ? static_cast<int>(info->GetNetWorkNum()) : 0;
}

std::string ProgramSettingsEnvironment::NetworkDeviceName(int index) const {
    const SystemInfo* info = measure_.Info();
    return info ? info->GetNetWorkName(index) : std::string();
}

std::optional<int> ProgramSettingsEnvironment::DefaultNetworkDevice() const {
    const SystemInfo* info = measure_.Info();
    return info ? info->DefaultNetworkDevice() : std::nullopt;
}

StandardStyles ProgramSettingsEnvironment::ActivateSkin(SkinActivation how) {
    const StandardStyles styles =
        skin_.ApplySkinForSettings(how == SkinActivation::Quiet ? SkinQuiet::Yes : SkinQuiet::No);
    if (how == SkinActivation::Announce) {
        // Only an option-file switch announces: its settings may start or stop the polls.
        program_.UpdatePolls();
    }
    return styles;
}

std::optional<WindowPosition> ProgramSettingsEnvironment::CurrentWindowPosition() const {
    const Point p = window_.Position();
    return WindowPosition{p.x, p.y};
}

std::optional<WindowPosition> ProgramSettingsEnvironment::PositionBeforeAutoSnap() const {
    if (!behaviour_.SnappedByAuto()) {
        return std::nullopt;
    }
    const Point p = behaviour_.PositionBeforeSnap();
    return WindowPosition{p.x, p.y};
}

} // namespace trumbel

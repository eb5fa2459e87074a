#include "core/Ports.h"

namespace trumbel {

std::vector<std::string> MissingPorts(const Ports& ports) {
    std::vector<std::string> missing;
    auto check = [&missing](const void* port, const char* name) {
        if (!port) {
            missing.emplace_back(name);
        }
    };
    check(ports.settings, "settings");
    check(ports.measure, "measure");
    check(ports.skin, "skin");
    check(ports.tray, "tray");
    check(ports.hotKey, "hotKey");
    check(ports.menu, "menu");
    check(ports.clock, "clock");
    check(ports.options, "options");
    check(ports.function, "function");
    check(ports.window, "window");
    check(ports.shell, "shell");
    check(ports.behaviour, "behaviour");
    return missing;
}

} // namespace trumbel

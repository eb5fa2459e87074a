#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trumbel {

inline constexpr std::uint32_t kConnectionModem = 0x01;
inline constexpr std::uint32_t kConnectionLan = 0x02;
inline constexpr std::uint32_t kConnectionOffline = 0x20;
inline constexpr std::uint32_t kConnectionConfigured = 0x40;

// The connection state taken once at start: flags as the Windows call reported them, and the
// name of the connection (here the interface that carries the default route).
struct ConnectedState {
    bool connected = false;
    std::uint32_t flags = kConnectionOffline;
    std::string name;
};

// Interfaces other than loopback that carry an IPv4 or IPv6 default route, IPv4 first, in table
// order; a name can appear twice. procRoot is "/proc" on a live system; tests pass a fixture tree.
std::vector<std::string> DefaultRouteInterfaces(const std::string& procRoot = "/proc");

// Online when an interface that is up (InterfaceIsUp) carries a default route.
ConnectedState QueryConnectedState(const std::string& procRoot = "/proc",
                                   const std::string& sysRoot = "/sys");

} // namespace trumbel

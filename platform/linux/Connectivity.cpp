#include "platform/Connectivity.h"

#include <fstream>
#include <sstream>

namespace trumbel {

namespace {

constexpr unsigned kRouteUp = 0x0001; // RTF_UP

// /proc/net/route: Iface Destination Gateway Flags RefCnt Use Metric Mask ...
std::string Ipv4DefaultRouteInterface(const std::string& procRoot) {
    std::ifstream in(procRoot + "/net/route");
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string iface, dest, gateway, flagsHex, refcnt, use, metric, mask;
        if (!(fields >> iface >> dest >> gateway >> flagsHex >> refcnt >> use >> metric >> mask)) {
            continue;
        }
        const unsigned flags = static_cast<unsigned>(std::stoul(flagsHex, nullptr, 16));
        if (iface != "lo" && dest == "00000000" && mask == "00000000" && (flags & kRouteUp)) {
            return iface;
        }
    }
    return {};
}

// /proc/net/ipv6_route: dest plen src slen nexthop metric refcnt use flags iface
std::string Ipv6DefaultRouteInterface(const std::string& procRoot) {
    std::ifstream in(procRoot + "/net/ipv6_route");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string dest, plen, src, slen, nexthop, metric, refcnt, use, flagsHex, iface;
        if (!(fields >> dest >> plen >> src >> slen >> nexthop >> metric >> refcnt >> use >>
              flagsHex >> iface)) {
            continue;
        }
        const unsigned flags = static_cast<unsigned>(std::stoul(flagsHex, nullptr, 16));
        if (iface != "lo" && plen == "00" && dest == std::string(32, '0') && (flags & kRouteUp)) {
            return iface;
        }
    }
    return {};
}

} // namespace

ConnectedState QueryConnectedState(const std::string& procRoot) {
    ConnectedState state;
    std::string iface;
    try {
        iface = Ipv4DefaultRouteInterface(procRoot);
        if (iface.empty()) {
            iface = Ipv6DefaultRouteInterface(procRoot);
        }
    } catch (const std::exception&) {
        iface.clear(); // a malformed table counts as no route
    }
    if (iface.empty()) {
        state.connected = false;
        state.flags = kConnectionOffline;
    } else {
        state.connected = true;
        state.flags = kConnectionLan | kConnectionConfigured;
        state.name = iface;
    }
    return state;
}

} // namespace trumbel

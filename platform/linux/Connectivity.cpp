#include "platform/Connectivity.h"

#include "platform/SystemSource.h"

#include <fstream>
#include <sstream>

namespace trumbel {

namespace {

constexpr unsigned kRouteUp = 0x0001; // RTF_UP

// /proc/net/route: Iface Destination Gateway Flags RefCnt Use Metric Mask ...
void Ipv4DefaultRouteInterfaces(const std::string& procRoot, std::vector<std::string>& out) {
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
            out.push_back(iface);
        }
    }
}

// /proc/net/ipv6_route: dest plen src slen nexthop metric refcnt use flags iface
void Ipv6DefaultRouteInterfaces(const std::string& procRoot, std::vector<std::string>& out) {
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
            out.push_back(iface);
        }
    }
}

} // namespace

std::vector<std::string> DefaultRouteInterfaces(const std::string& procRoot) {
    std::vector<std::string> out;
    for (const auto read : {&Ipv4DefaultRouteInterfaces, &Ipv6DefaultRouteInterfaces}) {
        try {
            read(procRoot, out);
        } catch (const std::exception&) {
            // a malformed table counts as holding no further route
        }
    }
    return out;
}

ConnectedState QueryConnectedState(const std::string& procRoot, const std::string& sysRoot) {
    ConnectedState state;
    // A route stays in the table while its link is unplugged: only a link that is up counts.
    for (const std::string& iface : DefaultRouteInterfaces(procRoot)) {
        if (InterfaceIsUp(sysRoot, iface)) {
            state.connected = true;
            state.flags = kConnectionLan | kConnectionConfigured;
            state.name = iface;
            return state;
        }
    }
    state.connected = false;
    state.flags = kConnectionOffline;
    return state;
}

} // namespace trumbel

#include "tools/pelmin/LocalAddresses.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pelmin {

namespace {

std::string Dotted(const in_addr& address) {
    const auto* b = reinterpret_cast<const unsigned char*>(&address.s_addr);
    return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." +
           std::to_string(b[3]);
}

void AddOnce(std::vector<std::string>& list, std::string address) {
    if (std::find(list.begin(), list.end(), address) == list.end())
        list.push_back(std::move(address));
}

std::vector<std::string> ResolveHostName() {
    std::array<char, 257> name{};
    if (gethostname(name.data(), 256) != 0)
        return {};
    name[256] = '\0';
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* answer = nullptr;
    if (getaddrinfo(name.data(), nullptr, &hints, &answer) != 0)
        return {};
    std::vector<std::string> out;
    for (const addrinfo* a = answer; a != nullptr; a = a->ai_next)
        AddOnce(out, Dotted(reinterpret_cast<const sockaddr_in*>(a->ai_addr)->sin_addr));
    freeaddrinfo(answer);
    return out;
}

std::vector<std::string> UpInterfaceAddresses() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return {};
    std::vector<std::string> out;
    for (const ifaddrs* i = list; i != nullptr; i = i->ifa_next) {
        if (i->ifa_addr == nullptr || i->ifa_addr->sa_family != AF_INET)
            continue;
        if ((i->ifa_flags & IFF_UP) == 0 || (i->ifa_flags & IFF_LOOPBACK) != 0)
            continue;
        AddOnce(out, Dotted(reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr));
    }
    freeifaddrs(list);
    return out;
}

bool IsLoopback(const std::string& address) {
    return address.rfind("127.", 0) == 0;
}

} // namespace

std::vector<std::string> MergeLocalAddresses(const std::vector<std::string>& resolved,
                                             const std::vector<std::string>& upInterfaces) {
    std::vector<std::string> out = resolved;
    if (resolved.empty() || !std::all_of(resolved.begin(), resolved.end(), IsLoopback))
        return out;
    for (const std::string& address : upInterfaces)
        AddOnce(out, address);
    return out;
}

std::vector<std::string> ListLocalAddresses() {
    const std::vector<std::string> resolved = ResolveHostName();
    if (resolved.empty() || !std::all_of(resolved.begin(), resolved.end(), IsLoopback))
        return resolved;
    return MergeLocalAddresses(resolved, UpInterfaceAddresses());
}

} // namespace pelmin

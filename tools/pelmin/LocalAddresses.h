#pragma once

#include <string>
#include <vector>

namespace pelmin {

// The IPv4 addresses the local host name resolves to, in the resolver's order. When they are
// all loopback (as a default Debian maps its name to 127.0.1.1), the addresses of the
// interfaces that are up follow, so the list shows addresses others can reach.
std::vector<std::string> ListLocalAddresses();

// The rule above on already gathered addresses; testable without a network.
std::vector<std::string> MergeLocalAddresses(const std::vector<std::string>& resolved,
                                             const std::vector<std::string>& upInterfaces);

} // namespace pelmin

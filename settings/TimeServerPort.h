#pragma once

#include <cstdint>

namespace trumbel {

// A time-server port as asked for; what UDP cannot carry (below 1, above 65535) is the
// standard 123, so the options field, its label and the query always name the same port.
inline constexpr std::int32_t TimeServerPortOrStandard(std::int32_t port) {
    return port < 1 || port > 65535 ? 123 : port;
}

} // namespace trumbel

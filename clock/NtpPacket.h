#pragma once

#include <cstddef>
#include <cstdint>

namespace trumbel {

// The 48-byte NTP packet as it travels: every field in network byte order.
#pragma pack(push, 1)
struct NtpPacket {
    std::uint8_t livnmode; // leap indicator (2 bits), version (3), mode (3)
    std::uint8_t stratum;
    std::int8_t poll;
    std::int8_t precision;
    std::uint32_t rootDelay;
    std::uint32_t rootDispersion;
    std::uint32_t referenceId; // a kiss-o'-death's four-letter code when stratum is 0
    std::uint32_t referenceSeconds;
    std::uint32_t referenceFraction;
    std::uint32_t originateSeconds;
    std::uint32_t originateFraction;
    std::uint32_t receiveSeconds;
    std::uint32_t receiveFraction;
    std::uint32_t transmitSeconds;
    std::uint32_t transmitFraction;
};
#pragma pack(pop)

static_assert(sizeof(NtpPacket) == 48);
static_assert(offsetof(NtpPacket, rootDelay) == 4);
static_assert(offsetof(NtpPacket, rootDispersion) == 8);
static_assert(offsetof(NtpPacket, referenceId) == 12);
static_assert(offsetof(NtpPacket, referenceSeconds) == 16);
static_assert(offsetof(NtpPacket, originateSeconds) == 24);
static_assert(offsetof(NtpPacket, receiveSeconds) == 32);
static_assert(offsetof(NtpPacket, transmitSeconds) == 40);
static_assert(offsetof(NtpPacket, transmitFraction) == 44);

inline constexpr int kNtpModeClient = 3;
inline constexpr int kNtpModeServer = 4;
// Leap indicator 0, version 1, mode 3: the request's first byte.
inline constexpr std::uint8_t kRequestLiVnMode = 0x0B;

inline constexpr int LeapIndicator(std::uint8_t livnmode) {
    return livnmode >> 6;
}
inline constexpr int Version(std::uint8_t livnmode) {
    return (livnmode >> 3) & 7;
}
inline constexpr int Mode(std::uint8_t livnmode) {
    return livnmode & 7;
}

} // namespace trumbel

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace trumbel {

// What the kernel says of one network interface, in the numbering of SystemSource.h.
struct LinkInfo {
    std::string name;
    std::int32_t ifIndex = 0;
    std::int32_t type = 0; // kIfType*
    bool up = false;       // operational, or (drivers that report no state) running with carrier
};

// The interfaces of this network namespace, kept current from the kernel's link notifications
// (an rtnetlink socket) instead of being asked per interface: a quiet system costs nothing, and
// a change costs one message. The table is dumped once at start and again whenever the kernel
// had to drop notifications.
//
// The owner either watches Fd() for input and calls Drain() when it is readable, or calls
// Drain() before each use; Drain() never blocks.
// ARPHRD_* (the kernel's hardware types) to kIfType*.
std::int32_t IfTypeOfHardware(long long arphrd);

class LinkWatch {
public:
    LinkWatch();
    ~LinkWatch();
    LinkWatch(const LinkWatch&) = delete;
    LinkWatch& operator=(const LinkWatch&) = delete;

    // False where no rtnetlink socket could be had; the table then stays empty.
    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }

    // Takes every pending message. True when the table changed.
    bool Drain();

    // Counts every change of the table, so a reader can tell whether what it derived is stale.
    std::uint64_t Generation() const { return generation_; }
    const LinkInfo* Find(std::string_view name) const;
    const LinkInfo* FindIndex(std::int32_t ifIndex) const;

private:
    void RequestDump();
    // One datagram's messages; false when the socket has nothing more to give.
    bool ReceiveOnce();
    void Apply(const void* message, std::size_t length);
    void Forget(std::int32_t ifIndex);
    void FinishDump();

    struct Entry {
        LinkInfo info;
        std::uint32_t dumpSeen = 0; // the dump that last listed it
    };
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };

    int fd_ = -1;
    std::uint32_t sequence_ = 0;
    bool dumping_ = false;
    bool dumpWanted_ = false;
    bool dumpInterrupted_ = false;
    bool changed_ = false;
    std::uint64_t generation_ = 0;
    std::vector<char> buffer_;
    std::unordered_map<std::int32_t, Entry> byIndex_;
    std::unordered_map<std::string, std::int32_t, NameHash, std::equal_to<>> indexByName_;
};

struct LinkCounters {
    std::int32_t ifIndex = 0;
    std::uint64_t rxBytes = 0;
    std::uint64_t txBytes = 0;
};

// Every interface's byte counters in one binary dump (RTM_GETSTATS), which costs the kernel
// about half of what formatting /proc/net/dev does and costs us no parsing of text.
class LinkCounterReader {
public:
    LinkCounterReader();
    ~LinkCounterReader();
    LinkCounterReader(const LinkCounterReader&) = delete;
    LinkCounterReader& operator=(const LinkCounterReader&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // Replaces out with the counters of every interface, in interface-index order. False when
    // the kernel cannot dump them (before Linux 4.7), and from then on.
    bool Read(std::vector<LinkCounters>& out);

private:
    int fd_ = -1;
    std::uint32_t sequence_ = 0;
    std::vector<char> buffer_;
};

} // namespace trumbel

#pragma once

#include "platform/KernelFields.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <sys/statvfs.h>
#include <vector>

namespace trumbel {

// Where the kernel's tables are read from. A live system uses "/proc" and "/sys"; tests hand in
// fixture trees laid out the same way.
struct SourceRoots {
    std::string proc = "/proc";
    std::string sys = "/sys";
};

// Interface types and operational states in the numbering the display names rely on.
inline constexpr std::int32_t kIfTypeOther = 1;
inline constexpr std::int32_t kIfTypeEthernet = 6;
inline constexpr std::int32_t kIfTypePpp = 23;
inline constexpr std::int32_t kIfTypeLoopback = 24;
inline constexpr std::int32_t kIfStatusDown = 2;
inline constexpr std::int32_t kIfStatusOperational = 5;

struct NetRow {
    std::string name;
    std::int32_t ifIndex = 0;
    std::int32_t type = kIfTypeOther;
    std::int32_t operStatus = kIfStatusDown;
    std::uint64_t rxBytes = 0; // the kernel's 64-bit counters: no wrap to lose a sample on
    std::uint64_t txBytes = 0;
    bool present = true; // false while the interface has vanished from the system
};

// Drive-type codes as the drive lists show them.
enum class DriveType : std::int32_t {
    Unknown = 0,
    NoRoot = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    Optical = 5,
    RamDisk = 6,
};

struct DriveEntry {
    std::string mountPoint;
    std::string source;
    std::string fsType;
    DriveType type = DriveType::Unknown;
};

struct SpaceFigures {
    std::uint64_t total = 0;
    std::uint64_t available = 0; // to the calling user
    std::uint64_t free = 0;      // the whole volume
};

using StatFsFunction = int (*)(const char* path, struct statvfs* out);

// Reads memory, processor, interface and mount tables. Files read every pass stay open and are
// re-read from the start into buffers that only grow, so a steady pass allocates nothing.
class SystemSource {
public:
    explicit SystemSource(SourceRoots roots = {});
    ~SystemSource();
    SystemSource(const SystemSource&) = delete;
    SystemSource& operator=(const SystemSource&) = delete;

    // False when the table cannot be read; out then holds no field.
    bool ReadMemory(MemInfoFields& out);

    // Number of processors listed when the source was made (one per "cpuN" line).
    int ProcessorCount() const;
    // out[0] is the sum over all processors, out[i] processor i. A processor that has gone
    // offline keeps the times out held for it and reads online = false. False when the table
    // cannot be read.
    bool ReadCpuTicks(std::span<CpuTickFields> out);

    // Every interface the system lists, loopback included, in interface-index order.
    std::vector<NetRow> ReadInterfaceTable();
    // Updates counters, status and presence of rows that ReadInterfaceTable produced, matched
    // by name. Interfaces that have appeared since are appended (in interface-index order), so
    // the rows before them keep their positions; a vanished one stays, present = false, and
    // takes its row again when an interface of that name comes back. False when the table
    // cannot be read.
    bool RefreshInterfaces(std::vector<NetRow>& rows);

    // On the live /sys, link state comes from the kernel's link notifications: the descriptor
    // to watch for them (-1 when there is none). Once a caller watches it, it calls
    // DrainLinkEvents() whenever it is readable and passes stop draining it themselves.
    int WatchLinkEvents();
    void DrainLinkEvents();

    // The drive table: "/" first, then the other real mounts in mount order.
    std::vector<DriveEntry> ReadDriveTable();
    // True once the mount table has changed since the last ReadDriveTable (never for fixtures).
    bool DriveTableChanged();

private:
    bool ListInterfaces();
    void AppendNewInterfaces(std::vector<NetRow>& rows);
    void UpdateLinkStatus(std::vector<NetRow>& rows);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// An interface is up when its operational state says "up", or, for drivers that report no
// state ("unknown": loopback, tun, ppp and the like), while it has carrier.
bool LinkIsUp(std::string_view operstate, std::string_view carrier);
// The same rule on <sysRoot>/class/net/<name>/operstate and carrier.
bool InterfaceIsUp(const std::string& sysRoot, const std::string& name);

// Whether a mount is one of the drives the lists show: real file systems, network shares and
// optical discs, RAM disks only where the user keeps files (/tmp, /media, /mnt); pseudo file
// systems never. Also the rule for other machines' mounts.
bool IsDriveMount(std::string_view fsType, std::string_view source, std::string_view mountPoint);

// Classifies one mount; exposed for the drive lists and for tests. An empty sysRoot does not
// look for the removable flag (a mount of another machine).
DriveType ClassifyMount(const std::string& fsType, const std::string& source,
                        const std::string& sysRoot);

// Free space of mounted volumes. Local volumes are asked directly; a remote or user-space (FUSE)
// volume is asked by a worker of its own, and the caller gets the worker's last answer, so a
// dead server never holds up the caller.
class DriveSpaceReader {
public:
    explicit DriveSpaceReader(StatFsFunction statFs = &::statvfs);
    ~DriveSpaceReader();
    DriveSpaceReader(const DriveSpaceReader&) = delete;
    DriveSpaceReader& operator=(const DriveSpaceReader&) = delete;

    // False when the volume cannot be read (figures are then zero).
    bool Read(const DriveEntry& drive, SpaceFigures& out);
    // How long the first read of a remote volume waits for its worker's first answer.
    static constexpr int kFirstAnswerWaitMs = 200;

private:
    struct Remote;
    StatFsFunction statFs_;
    std::vector<std::shared_ptr<Remote>> remotes_;
};

} // namespace trumbel

#include "platform/SystemSource.h"

#include "platform/LinkWatch.h"
#include "platform/linux/KeptFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <poll.h>
#include <string_view>
#include <unistd.h>

namespace trumbel {

namespace {

bool NextLine(std::string_view& text, std::string_view& line) {
    if (text.empty()) {
        return false;
    }
    const auto end = text.find('\n');
    if (end == std::string_view::npos) {
        line = text;
        text = {};
    } else {
        line = text.substr(0, end);
        text.remove_prefix(end + 1);
    }
    return true;
}

void SkipBlanks(std::string_view& s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
}

bool NextNumber(std::string_view& s, std::uint64_t& value, int base = 10) {
    SkipBlanks(s);
    const auto r = std::from_chars(s.data(), s.data() + s.size(), value, base);
    if (r.ec != std::errc{}) {
        return false;
    }
    s.remove_prefix(static_cast<std::size_t>(r.ptr - s.data()));
    return true;
}

std::string_view NextWord(std::string_view& s) {
    SkipBlanks(s);
    std::size_t n = 0;
    while (n < s.size() && s[n] != ' ' && s[n] != '\t') {
        ++n;
    }
    const std::string_view w = s.substr(0, n);
    s.remove_prefix(n);
    return w;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\n')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\n')) {
        s.remove_suffix(1);
    }
    return s;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text;
}

bool ParseInt(std::string_view s, long long& value, int base = 10) {
    s = Trim(s);
    if (base == 16 && s.starts_with("0x")) {
        s.remove_prefix(2);
    }
    const auto r = std::from_chars(s.data(), s.data() + s.size(), value, base);
    return r.ec == std::errc{} && r.ptr != s.data();
}

// "cpu" line fields: user nice system idle iowait irq softirq steal [guest guest_nice].
bool ParseCpuFields(std::string_view rest, CpuTickFields& out) {
    std::uint64_t* const fields[] = {&out.user,   &out.nice, &out.system,  &out.idle,
                                     &out.iowait, &out.irq,  &out.softirq, &out.steal};
    int got = 0;
    for (std::uint64_t* field : fields) {
        if (!NextNumber(rest, *field)) {
            break;
        }
        ++got;
    }
    return got >= 4;
}

// "cpu12 ..." -> 12; "cpu ..." -> -1; anything else -> -2.
long long CpuLineId(std::string_view& line) {
    if (!line.starts_with("cpu")) {
        return -2;
    }
    line.remove_prefix(3);
    if (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
        return -1;
    }
    std::uint64_t id = 0;
    const auto r = std::from_chars(line.data(), line.data() + line.size(), id);
    if (r.ec != std::errc{}) {
        return -2;
    }
    line.remove_prefix(static_cast<std::size_t>(r.ptr - line.data()));
    return static_cast<long long>(id);
}

// "  eth0: 123 ..." -> name "eth0", rest after the colon.
bool SplitNetDevLine(std::string_view line, std::string_view& name, std::string_view& rest) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    name = Trim(line.substr(0, colon));
    rest = line.substr(colon + 1);
    return !name.empty();
}

bool ParseNetDevCounters(std::string_view rest, std::uint64_t& rx, std::uint64_t& tx) {
    std::uint64_t v = 0;
    for (int i = 0; i < 9; ++i) {
        if (!NextNumber(rest, v)) {
            return false;
        }
        if (i == 0) {
            rx = v;
        } else if (i == 8) {
            tx = v;
        }
    }
    return true;
}

// Mount points escape blanks, tabs, newlines and backslashes as octal.
std::string UnescapeMountField(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size()) {
            int v = 0;
            bool ok = true;
            for (std::size_t k = 1; k <= 3; ++k) {
                const char c = s[i + k];
                if (c < '0' || c > '7') {
                    ok = false;
                    break;
                }
                v = v * 8 + (c - '0');
            }
            if (ok) {
                out += static_cast<char>(v);
                i += 3;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

bool IsRemoteFs(std::string_view fs) {
    static constexpr std::array<std::string_view, 18> kRemote{
        "nfs",       "nfs4",           "cifs",   "smb3",        "smbfs",      "ncpfs",
        "9p",        "ceph",           "afs",    "coda",        "fuse.sshfs", "sshfs",
        "glusterfs", "fuse.glusterfs", "lustre", "fuse.rclone", "davfs",      "fuse.s3fs"};
    return std::find(kRemote.begin(), kRemote.end(), fs) != kRemote.end();
}

bool IsOpticalFs(std::string_view fs) {
    return fs == "iso9660" || fs == "udf";
}
bool IsRamFs(std::string_view fs) {
    return fs == "tmpfs" || fs == "ramfs";
}

// Local file systems whose source is not a device node but which live on local disks.
bool IsLocalPoolFs(std::string_view fs) {
    return fs == "zfs" || fs == "overlay" || fs == "bcachefs" || fs == "btrfs";
}

std::string_view BaseName(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// "sdb1" -> "sdb", "nvme0n1p2" -> "nvme0n1", "mmcblk0p1" -> "mmcblk0".
std::string WholeDiskName(std::string_view part) {
    std::size_t n = part.size();
    while (n > 0 && part[n - 1] >= '0' && part[n - 1] <= '9') {
        --n;
    }
    if (n == part.size()) {
        return std::string(part);
    }
    if (n >= 2 && part[n - 1] == 'p' && part[n - 2] >= '0' && part[n - 2] <= '9') {
        --n;
    }
    return std::string(part.substr(0, n));
}

bool RemovableFlag(const std::string& sysRoot, std::string_view device, bool& removable) {
    std::ifstream in(sysRoot + "/block/" + std::string(device) + "/removable");
    int v = 0;
    if (!(in >> v)) {
        return false;
    }
    removable = v != 0;
    return true;
}

bool UnderFolder(std::string_view path, std::string_view folder) {
    return path.starts_with(folder) && path.size() > folder.size() && path[folder.size()] == '/';
}

bool WantedRamMount(std::string_view mountPoint) {
    return mountPoint == "/tmp" || UnderFolder(mountPoint, "/media") ||
           UnderFolder(mountPoint, "/mnt") || UnderFolder(mountPoint, "/run/media");
}

struct MountLine {
    std::string_view device; // major:minor
    std::string_view mountPoint;
    std::string_view fsType;
    std::string_view source;
};

bool ParseMountLine(std::string_view line, MountLine& m) {
    std::string_view rest = line;
    NextWord(rest); // mount id
    NextWord(rest); // parent id
    m.device = NextWord(rest);
    NextWord(rest); // root within the file system
    m.mountPoint = NextWord(rest);
    for (;;) {
        const std::string_view w = NextWord(rest);
        if (w.empty()) {
            return false;
        }
        if (w == "-") {
            break;
        }
    }
    m.fsType = NextWord(rest);
    m.source = NextWord(rest);
    return !m.mountPoint.empty() && !m.fsType.empty();
}

} // namespace

bool IsDriveMount(std::string_view fs, std::string_view source, std::string_view mountPoint) {
    if (fs == "squashfs") {
        return false;
    }
    if (IsRemoteFs(fs) || IsOpticalFs(fs)) {
        return true;
    }
    if (IsRamFs(fs)) {
        return WantedRamMount(mountPoint);
    }
    return source.starts_with("/dev/") || fs == "zfs" || fs == "bcachefs";
}

DriveType ClassifyMount(const std::string& fsType, const std::string& source,
                        const std::string& sysRoot) {
    const std::string_view device = BaseName(source);
    if (IsRemoteFs(fsType)) {
        return DriveType::Remote;
    }
    if (IsOpticalFs(fsType) || (source.starts_with("/dev/") && device.starts_with("sr"))) {
        return DriveType::Optical;
    }
    if (IsRamFs(fsType) || (source.starts_with("/dev/") && device.starts_with("zram"))) {
        return DriveType::RamDisk;
    }
    if (source.starts_with("/dev/")) {
        bool removable = false;
        if (sysRoot.empty()) {
            return DriveType::Fixed;
        }
        if (RemovableFlag(sysRoot, device, removable) ||
            RemovableFlag(sysRoot, WholeDiskName(device), removable)) {
            return removable ? DriveType::Removable : DriveType::Fixed;
        }
        return DriveType::Fixed;
    }
    if (IsLocalPoolFs(fsType)) {
        return DriveType::Fixed;
    }
    return DriveType::Unknown;
}

struct SystemSource::Impl {
    SourceRoots roots;
    KeptFile meminfo;
    KeptFile stat;
    KeptFile netDev;
    KeptFile mountinfo;
    std::vector<char> memBuf;
    std::vector<char> statBuf;
    std::vector<char> netBuf;
    std::vector<char> mountBuf;
    int processorCount = 0;
    std::vector<int> columnOfCpuId; // kernel processor number -> column 1..n, 0 when unknown

    struct RowFiles {
        std::string operPath;
        std::string carrierPath;
        KeptFile oper;
        KeptFile carrier;
        std::size_t lineHint = 0;
    };
    std::vector<RowFiles> rowFiles;

    // Every interface of this pass with its counters: names point into netBuf, or into the
    // link table when the counters came from the kernel's binary dump (listedFromKernel).
    struct Listed {
        std::string_view name;
        std::uint64_t rx = 0;
        std::uint64_t tx = 0;
        bool counted = false;
    };
    std::vector<Listed> listed;
    bool listedFromKernel = false;
    // A dump that lists the same interfaces as the one before, with no link change between,
    // reuses that listing's names and its entries' rows: a quiet pass looks nothing up.
    bool listingRepeated = false;
    std::vector<std::int32_t> listedIndexes;
    std::uint64_t listedGeneration = 0;
    std::vector<std::size_t> rowOfEntry;
    std::size_t rowsMatched = 0; // rows.size() when every entry found its row; else 0

    // The live system's link table and counters; null on fixture trees, whose state is in
    // their /sys and counters in their /proc.
    std::unique_ptr<LinkWatch> links;
    std::unique_ptr<LinkCounterReader> counters;
    std::vector<LinkCounters> counterBuf;
    bool linksWatched = false;
    std::uint64_t linkGeneration = 0;
    std::vector<char> rowUp; // per row, from the link table as of linkGeneration
};

SystemSource::SystemSource(SourceRoots roots) : impl_(std::make_unique<Impl>()) {
    Impl& d = *impl_;
    d.roots = std::move(roots);
    d.meminfo.Open(d.roots.proc + "/meminfo");
    d.stat.Open(d.roots.proc + "/stat");
    d.netDev.Open(d.roots.proc + "/net/dev");
    d.mountinfo.Open(d.roots.proc + "/self/mountinfo");
    if (d.roots.sys == "/sys") {
        d.links = std::make_unique<LinkWatch>();
        if (!d.links->IsOpen()) {
            d.links.reset();
        } else {
            d.counters = std::make_unique<LinkCounterReader>();
        }
    }

    std::string_view text = d.stat.ReadAll(d.statBuf);
    std::string_view line;
    while (NextLine(text, line)) {
        const long long id = CpuLineId(line);
        if (id == -2) {
            continue;
        }
        if (id >= 0) {
            ++d.processorCount;
            if (static_cast<std::size_t>(id) >= d.columnOfCpuId.size()) {
                d.columnOfCpuId.resize(static_cast<std::size_t>(id) + 1, 0);
            }
            d.columnOfCpuId[static_cast<std::size_t>(id)] = d.processorCount;
        }
    }
}

SystemSource::~SystemSource() = default;

bool SystemSource::ReadMemory(MemInfoFields& out) {
    Impl& d = *impl_;
    std::string_view text = d.meminfo.ReadAll(d.memBuf);
    out = {};
    bool any = false;
    std::string_view line;
    while (NextLine(text, line)) {
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) {
            continue;
        }
        const std::string_view key = line.substr(0, colon);
        std::optional<std::uint64_t>* field = key == "MemTotal"       ? &out.memTotal
                                              : key == "MemFree"      ? &out.memFree
                                              : key == "MemAvailable" ? &out.memAvailable
                                              : key == "SwapTotal"    ? &out.swapTotal
                                              : key == "SwapFree"     ? &out.swapFree
                                                                      : nullptr;
        std::string_view rest = line.substr(colon + 1);
        std::uint64_t kb = 0;
        if (field && NextNumber(rest, kb)) {
            *field = kb;
            any = true;
        }
    }
    return any;
}

int SystemSource::ProcessorCount() const {
    return impl_->processorCount;
}

bool SystemSource::ReadCpuTicks(std::span<CpuTickFields> out) {
    Impl& d = *impl_;
    std::string_view text = d.stat.ReadAll(d.statBuf);
    for (CpuTickFields& t : out) {
        t.online = false;
    }
    bool sawTotal = false;
    std::string_view line;
    while (NextLine(text, line)) {
        const long long id = CpuLineId(line);
        if (id == -2) {
            if (sawTotal) {
                break; // the processor lines come first
            }
            continue;
        }
        std::size_t column = 0;
        if (id >= 0) {
            if (static_cast<std::size_t>(id) >= d.columnOfCpuId.size() ||
                d.columnOfCpuId[static_cast<std::size_t>(id)] == 0) {
                continue; // came online after start: no column for it
            }
            column = static_cast<std::size_t>(d.columnOfCpuId[static_cast<std::size_t>(id)]);
        } else {
            sawTotal = true;
        }
        if (column < out.size()) {
            CpuTickFields t;
            if (ParseCpuFields(line, t)) {
                t.online = true;
                out[column] = t;
            }
        }
    }
    return sawTotal;
}

std::vector<NetRow> SystemSource::ReadInterfaceTable() {
    impl_->rowFiles.clear();
    impl_->rowUp.clear();
    impl_->rowsMatched = 0;
    std::vector<NetRow> rows;
    RefreshInterfaces(rows);
    return rows;
}

bool SystemSource::ListInterfaces() {
    Impl& d = *impl_;
    d.listedFromKernel = false;
    d.listingRepeated = false;
    if (d.counters && d.counters->IsOpen() && d.counters->Read(d.counterBuf)) {
        d.listedFromKernel = true;
        const auto sameIndex = [](const LinkCounters& c, std::int32_t i) { return c.ifIndex == i; };
        if (d.links->Generation() == d.listedGeneration && d.listed.size() == d.counterBuf.size() &&
            std::equal(d.counterBuf.begin(), d.counterBuf.end(), d.listedIndexes.begin(),
                       d.listedIndexes.end(), sameIndex)) {
            for (std::size_t k = 0; k < d.listed.size(); ++k) {
                d.listed[k].rx = d.counterBuf[k].rxBytes;
                d.listed[k].tx = d.counterBuf[k].txBytes;
            }
            d.listingRepeated = true;
            return true;
        }
        d.listed.clear();
        d.listedIndexes.clear();
        const auto unknown = [&](const LinkCounters& c) { return !d.links->FindIndex(c.ifIndex); };
        if (std::any_of(d.counterBuf.begin(), d.counterBuf.end(), unknown)) {
            d.links->Drain(); // born since the last drain: its notice is likely queued
        }
        for (const LinkCounters& c : d.counterBuf) {
            if (const LinkInfo* link = d.links->FindIndex(c.ifIndex)) {
                d.listed.push_back({link->name, c.rxBytes, c.txBytes, true});
                d.listedIndexes.push_back(c.ifIndex);
            }
        }
        d.listedGeneration = d.links->Generation();
        return true;
    }
    d.listed.clear();
    d.listedIndexes.clear(); // this listing is not the dump's
    const std::string_view text = d.netDev.ReadAll(d.netBuf);
    if (text.empty()) {
        return false;
    }
    std::string_view rest = text;
    std::string_view line;
    while (NextLine(rest, line)) {
        Impl::Listed entry;
        std::string_view fields;
        if (SplitNetDevLine(line, entry.name, fields)) {
            entry.counted = ParseNetDevCounters(fields, entry.rx, entry.tx);
            d.listed.push_back(entry);
        }
    }
    return true;
}

void SystemSource::AppendNewInterfaces(std::vector<NetRow>& rows) {
    Impl& d = *impl_;
    const std::size_t known = rows.size();
    for (const Impl::Listed& entry : d.listed) {
        const std::string_view name = entry.name;
        const auto end = rows.begin() + static_cast<std::ptrdiff_t>(known);
        if (std::find_if(rows.begin(), end, [&](const NetRow& r) { return r.name == name; }) !=
            end) {
            continue;
        }
        NetRow row;
        row.name = std::string(name);
        const LinkInfo* link = nullptr;
        if (d.links) {
            link = d.links->Find(name);
            if (!link && !d.listedFromKernel) { // (draining may drop the names listed)
                d.links->Drain(); // born since the last drain: its notice is likely queued
                link = d.links->Find(name);
            }
        }
        if (link) {
            row.ifIndex = link->ifIndex;
            row.type = link->type;
        } else {
            const std::string dir = d.roots.sys + "/class/net/" + row.name + "/";
            long long v = 0;
            row.ifIndex = ParseInt(ReadWholeFile(dir + "ifindex"), v) ? static_cast<int>(v) : 0;
            row.type =
                ParseInt(ReadWholeFile(dir + "type"), v) ? IfTypeOfHardware(v) : kIfTypeOther;
        }
        row.present = false; // until the counters below are matched to it
        rows.push_back(std::move(row));
    }
    // Newcomers among themselves in interface-index order; those without an index keep their
    // listed order after the numbered ones. Earlier rows keep their places.
    std::stable_sort(rows.begin() + static_cast<std::ptrdiff_t>(known), rows.end(),
                     [](const NetRow& a, const NetRow& b) {
                         const auto key = [](const NetRow& r) {
                             return r.ifIndex > 0 ? r.ifIndex
                                                  : std::numeric_limits<std::int32_t>::max();
                         };
                         return key(a) < key(b);
                     });
    d.rowFiles.resize(rows.size());
    for (std::size_t i = known; i < rows.size(); ++i) {
        Impl::RowFiles& f = d.rowFiles[i];
        f.lineHint = i;
        if (d.links) {
            continue;
        }
        const std::string dir = d.roots.sys + "/class/net/" + rows[i].name + "/";
        f.operPath = dir + "operstate";
        f.carrierPath = dir + "carrier";
        f.oper.Open(f.operPath);
        f.carrier.Open(f.carrierPath);
    }
}

int SystemSource::WatchLinkEvents() {
    Impl& d = *impl_;
    if (!d.links) {
        return -1;
    }
    d.linksWatched = true;
    return d.links->Fd();
}

void SystemSource::DrainLinkEvents() {
    if (impl_->links) {
        impl_->links->Drain();
    }
}

// The link table's view of the rows is rebuilt only when the table or the rows changed, so a
// quiet pass costs a copy of one flag per row.
void SystemSource::UpdateLinkStatus(std::vector<NetRow>& rows) {
    Impl& d = *impl_;
    if (d.rowUp.size() != rows.size() || d.linkGeneration != d.links->Generation()) {
        d.rowUp.resize(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const LinkInfo* link = d.links->Find(rows[i].name);
            d.rowUp[i] = link != nullptr && link->up;
        }
        d.linkGeneration = d.links->Generation();
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].operStatus = rows[i].present && d.rowUp[i] ? kIfStatusOperational : kIfStatusDown;
    }
}

bool SystemSource::RefreshInterfaces(std::vector<NetRow>& rows) {
    Impl& d = *impl_;
    if (d.links && !d.linksWatched) {
        d.links->Drain(); // nobody watches the socket between passes
    }
    if (d.rowFiles.size() != rows.size()) {
        return false; // rows that this source did not produce
    }
    if (!ListInterfaces()) {
        return false;
    }
    if (d.listingRepeated && d.rowsMatched == rows.size() && rows.size() > 0) {
        for (NetRow& row : rows) {
            row.present = false;
        }
        for (std::size_t k = 0; k < d.listed.size(); ++k) {
            NetRow& row = rows[d.rowOfEntry[k]];
            row.rxBytes = d.listed[k].rx;
            row.txBytes = d.listed[k].tx;
            row.present = true;
        }
        UpdateLinkStatus(rows);
        return true;
    }
    d.rowOfEntry.assign(d.listed.size(), 0);
    bool unknownNames = false;
    for (int round = 0; round < 2; ++round) {
        const std::size_t count = rows.size();
        for (std::size_t i = 0; i < count; ++i) {
            rows[i].present = false;
        }
        // A row tries the entry after the previous match and then the entry it had last time,
        // so matching stays linear unless interfaces come and go.
        std::size_t nextGuess = 0;
        unknownNames = false;
        for (std::size_t lineNo = 0; lineNo < d.listed.size(); ++lineNo) {
            const Impl::Listed& entry = d.listed[lineNo];
            const std::string_view name = entry.name;
            std::size_t match = count;
            if (nextGuess < count && rows[nextGuess].name == name) {
                match = nextGuess;
            } else {
                for (std::size_t i = 0; i < count; ++i) {
                    if (d.rowFiles[i].lineHint == lineNo && rows[i].name == name) {
                        match = i;
                        break;
                    }
                }
                for (std::size_t i = 0; match == count && i < count; ++i) {
                    if (rows[i].name == name) {
                        match = i;
                    }
                }
            }
            if (match < count) {
                NetRow& row = rows[match];
                if (entry.counted) {
                    row.rxBytes = entry.rx;
                    row.txBytes = entry.tx;
                    row.present = true;
                    d.rowFiles[match].lineHint = lineNo;
                }
                d.rowOfEntry[lineNo] = match;
                nextGuess = match + 1;
            } else {
                unknownNames = true;
            }
        }
        // The set of names is the cheap sign that interfaces have come: only then are they
        // looked up.
        if (!unknownNames || round == 1) {
            break;
        }
        AppendNewInterfaces(rows);
    }
    d.rowsMatched = unknownNames ? 0 : rows.size();
    if (d.links) {
        UpdateLinkStatus(rows);
        return true;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        NetRow& row = rows[i];
        Impl::RowFiles& f = d.rowFiles[i];
        if (!row.present) {
            f.oper.Close();
            f.carrier.Close();
            row.operStatus = kIfStatusDown;
            continue;
        }
        if (!f.oper.IsOpen()) {
            f.oper.Open(f.operPath);
            f.carrier.Open(f.carrierPath);
        }
        std::array<char, 32> obuf{};
        std::array<char, 8> cbuf{};
        const std::string_view oper = f.oper.ReadSmall(obuf);
        // The carrier is asked only where the state leaves it open.
        const bool up = Trim(oper) == "unknown" ? LinkIsUp(oper, f.carrier.ReadSmall(cbuf))
                                                : LinkIsUp(oper, {});
        row.operStatus = up ? kIfStatusOperational : kIfStatusDown;
    }
    return true;
}

bool LinkIsUp(std::string_view operstate, std::string_view carrier) {
    operstate = Trim(operstate);
    return operstate == "up" || (operstate == "unknown" && Trim(carrier) == "1");
}

bool InterfaceIsUp(const std::string& sysRoot, const std::string& name) {
    const std::string dir = sysRoot + "/class/net/" + name + "/";
    return LinkIsUp(ReadWholeFile(dir + "operstate"), ReadWholeFile(dir + "carrier"));
}

std::vector<DriveEntry> SystemSource::ReadDriveTable() {
    Impl& d = *impl_;
    std::vector<DriveEntry> drives;
    std::vector<std::string_view> seenDevices;
    std::string_view text = d.mountinfo.ReadAll(d.mountBuf);
    std::vector<MountLine> mounts;
    std::string_view line;
    while (NextLine(text, line)) {
        MountLine m;
        if (ParseMountLine(line, m)) {
            mounts.push_back(m);
        }
    }
    const auto add = [&](const MountLine& m) {
        DriveEntry e;
        e.mountPoint = UnescapeMountField(m.mountPoint);
        e.source = UnescapeMountField(m.source);
        e.fsType = std::string(m.fsType);
        e.type = ClassifyMount(e.fsType, e.source, d.roots.sys);
        drives.push_back(std::move(e));
        seenDevices.push_back(m.device);
    };
    // The last mount on "/" is the one that is visible.
    const auto root = std::find_if(mounts.rbegin(), mounts.rend(),
                                   [](const MountLine& m) { return m.mountPoint == "/"; });
    if (root != mounts.rend()) {
        add(*root);
    }
    for (const MountLine& m : mounts) {
        if (m.mountPoint == "/" || !IsDriveMount(m.fsType, m.source, m.mountPoint)) {
            continue;
        }
        if (std::find(seenDevices.begin(), seenDevices.end(), m.device) != seenDevices.end()) {
            continue; // a second mount (bind) of a volume already listed
        }
        add(m);
    }
    return drives;
}

bool SystemSource::DriveTableChanged() {
    Impl& d = *impl_;
    if (!d.mountinfo.IsOpen()) {
        return false;
    }
    pollfd p{d.mountinfo.Fd(), POLLPRI, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLPRI | POLLERR)) != 0;
}

} // namespace trumbel

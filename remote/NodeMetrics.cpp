#include "remote/NodeMetrics.h"

#include "measure/SensorValues.h"
#include "platform/LinkWatch.h"
#include "remote/Exposition.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <unordered_map>

namespace trumbel {

namespace {

// A counter or size as the exporter prints it (a float), in units of 1/scale: false for a
// negative, fractional-beyond-rounding, NaN or too large value, which is not trusted.
bool ToCount(double value, double scale, std::uint64_t& out) {
    const double scaled = std::nearbyint(value * scale);
    if (!(scaled >= 0.0) || scaled >= 18446744073709551616.0) {
        return false;
    }
    out = static_cast<std::uint64_t>(scaled);
    return true;
}

bool ToNumber(std::string_view text, long long& out) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, out);
    return r.ec == std::errc() && r.ptr == end && !text.empty();
}

// A reply listing more devices of one family than this has the rest passed over, so that a
// crafted reply cannot grow the lists (and the work on them) without bound.
constexpr std::size_t kMaxEntries = 2048;

struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    std::size_t operator()(long long n) const { return std::hash<long long>{}(n); }
};

// The entries of one family by their key (a device name, a processor number), in the order the
// reply first named them.
template <typename T> class Keyed {
public:
    template <typename Key> T& At(const Key& key) {
        // Replies list a family's samples together: the entry sought is most often the last one.
        if (!list_.empty() && list_.back().key == key) {
            return list_.back();
        }
        if (const auto it = index_.find(key); it != index_.end()) {
            return list_[it->second];
        }
        if (list_.size() >= kMaxEntries) {
            thread_local T overflow;
            overflow = T{};
            return overflow;
        }
        list_.emplace_back().key = key;
        index_.emplace(list_.back().key, list_.size() - 1);
        return list_.back();
    }
    template <typename Key> const T* Find(const Key& key) const {
        const auto it = index_.find(key);
        return it == index_.end() ? nullptr : &list_[it->second];
    }
    std::vector<T>& List() { return list_; }
    auto begin() const { return list_.begin(); }
    auto end() const { return list_.end(); }

private:
    std::vector<T> list_;
    std::unordered_map<decltype(T::key), std::size_t, KeyHash, std::equal_to<>> index_;
};

struct CpuEntry {
    long long key = 0;
    CpuTickFields ticks;
};
struct InterfaceEntry {
    std::string key;
    std::optional<std::uint64_t> rx;
    std::optional<std::uint64_t> tx;
    std::optional<long long> hardware;
    std::optional<long long> ifIndex;
    std::string operstate;
    std::optional<bool> carrier;
    std::optional<bool> up;
};
struct FilesystemEntry {
    std::string key; // mount point
    std::string device;
    std::string fsType;
    std::optional<std::uint64_t> size;
    std::optional<std::uint64_t> avail;
    std::optional<std::uint64_t> free;
};
struct TemperatureEntry {
    std::string key; // chip + '\n' + sensor
    std::optional<std::int64_t> input;
    std::optional<std::int64_t> crit;
    std::optional<std::int64_t> max;
};
struct ChipName {
    std::string key; // the exporter's chip label
    std::string name;
};
struct SensorLabel {
    std::string key; // chip + '\n' + sensor
    std::string label;
};
struct DiskEntry {
    std::string key;
    std::optional<std::uint64_t> read;
    std::optional<std::uint64_t> written;
    std::optional<long long> major;
};
struct SupplyEntry {
    std::string key;
    PowerSupplyFields fields;
};

// The readers' working lists; their strings are copied from the body once per device.
struct Collected {
    Keyed<CpuEntry> cpus;
    Keyed<InterfaceEntry> interfaces;
    Keyed<FilesystemEntry> filesystems;
    Keyed<TemperatureEntry> temperatures;
    Keyed<ChipName> chipNames;
    Keyed<SensorLabel> sensorLabels;
    Keyed<DiskEntry> disks;
    Keyed<SupplyEntry> supplies;
};

std::uint64_t* CpuMode(CpuTickFields& t, std::string_view mode) {
    if (mode == "user") {
        return &t.user;
    }
    if (mode == "nice") {
        return &t.nice;
    }
    if (mode == "system") {
        return &t.system;
    }
    if (mode == "idle") {
        return &t.idle;
    }
    if (mode == "iowait") {
        return &t.iowait;
    }
    if (mode == "irq") {
        return &t.irq;
    }
    if (mode == "softirq") {
        return &t.softirq;
    }
    if (mode == "steal") {
        return &t.steal;
    }
    return nullptr;
}

std::optional<std::int64_t> Millidegrees(double celsius) {
    if (!std::isfinite(celsius) || std::fabs(celsius) > 1e6) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(std::llround(celsius * 1000.0));
}

// Whether the reply lists the disk this one is a partition of: "sda" for "sda1", "nvme0n1" for
// "nvme0n1p2", "mmcblk0" for "mmcblk0p1".
bool IsPartitionOfListed(std::string_view name, const Keyed<DiskEntry>& disks) {
    std::size_t digits = name.size();
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') {
        --digits;
    }
    if (digits == name.size() || digits == 0) {
        return false;
    }
    const std::string_view whole = name.substr(0, digits);
    // A disk whose name ends in a digit numbers its partitions after a "p".
    const bool afterP = whole.size() >= 2 && whole.back() == 'p' &&
                        whole[whole.size() - 2] >= '0' && whole[whole.size() - 2] <= '9';
    return disks.Find(afterP ? whole.substr(0, whole.size() - 1) : whole) != nullptr;
}

// Loop and RAM disks by the kernel's numbers where the reply gives them, else by their names.
std::uint32_t MajorOf(const DiskEntry& d) {
    if (d.major && *d.major >= 0 && *d.major <= 0xFFFFFFFFLL) {
        return static_cast<std::uint32_t>(*d.major);
    }
    constexpr std::uint32_t kRamMajor = 1;
    constexpr std::uint32_t kLoopMajor = 7;
    if (d.key.starts_with("loop")) {
        return kLoopMajor;
    }
    if (d.key.starts_with("ram")) {
        return kRamMajor;
    }
    return 0;
}

void Collect(const ExpositionSample& s, Collected& c, std::string& scratch) {
    const std::string_view name = s.name;
    if (!name.starts_with("node_")) {
        return;
    }
    const auto label = [&](std::string_view l) { return s.Label(l, scratch); };
    std::uint64_t count = 0;
    if (name == "node_cpu_seconds_total") {
        const auto cpu = s.RawLabel("cpu");
        const auto mode = s.RawLabel("mode");
        long long number = 0;
        if (!cpu || !mode || !ToNumber(*cpu, number) || number < 0) {
            return;
        }
        CpuEntry probe;
        std::uint64_t* field = CpuMode(probe.ticks, *mode);
        if (field && ToCount(s.value, 100.0, count)) {
            CpuEntry& e = c.cpus.At(number);
            *CpuMode(e.ticks, *mode) = count;
        }
        return;
    }
    if (name.starts_with("node_network_")) {
        const auto device = label("device");
        if (!device || device->empty()) {
            return;
        }
        const std::string_view what = name.substr(13);
        if (what == "receive_bytes_total" && ToCount(s.value, 1.0, count)) {
            c.interfaces.At(*device).rx = count;
        } else if (what == "transmit_bytes_total" && ToCount(s.value, 1.0, count)) {
            c.interfaces.At(*device).tx = count;
        } else if (what == "protocol_type" && ToCount(s.value, 1.0, count)) {
            c.interfaces.At(*device).hardware = static_cast<long long>(count);
        } else if (what == "iface_id" && ToCount(s.value, 1.0, count)) {
            c.interfaces.At(*device).ifIndex = static_cast<long long>(count);
        } else if (what == "carrier" && std::isfinite(s.value)) {
            c.interfaces.At(*device).carrier = s.value != 0.0;
        } else if (what == "up" && std::isfinite(s.value)) {
            c.interfaces.At(*device).up = s.value != 0.0;
        } else if (what == "info") {
            const std::string key(*device);
            if (const auto state = label("operstate")) {
                c.interfaces.At(key).operstate = *state;
            }
        }
        return;
    }
    if (name.starts_with("node_filesystem_")) {
        const std::string_view what = name.substr(16);
        std::optional<std::uint64_t> FilesystemEntry::*field =
            what == "size_bytes"    ? &FilesystemEntry::size
            : what == "avail_bytes" ? &FilesystemEntry::avail
            : what == "free_bytes"  ? &FilesystemEntry::free
                                    : nullptr;
        const auto mountPoint = label("mountpoint");
        if (!field || !mountPoint || mountPoint->empty() || !ToCount(s.value, 1.0, count)) {
            return;
        }
        FilesystemEntry& e = c.filesystems.At(*mountPoint);
        e.*field = count;
        if (const auto device = label("device")) {
            e.device = *device;
        }
        if (const auto fsType = label("fstype")) {
            e.fsType = *fsType;
        }
        return;
    }
    if (name.starts_with("node_hwmon_")) {
        const auto chip = label("chip");
        if (!chip) {
            return;
        }
        const std::string chipKey(*chip);
        if (name == "node_hwmon_chip_names") {
            if (const auto chipName = label("chip_name")) {
                c.chipNames.At(chipKey).name = *chipName;
            }
            return;
        }
        const auto sensor = label("sensor");
        if (!sensor || !sensor->starts_with("temp")) {
            return;
        }
        const std::string key = chipKey + '\n' + std::string(*sensor);
        if (name == "node_hwmon_sensor_label") {
            if (const auto text = label("label")) {
                c.sensorLabels.At(key).label = *text;
            }
            return;
        }
        std::optional<std::int64_t> TemperatureEntry::*field =
            name == "node_hwmon_temp_celsius"        ? &TemperatureEntry::input
            : name == "node_hwmon_temp_crit_celsius" ? &TemperatureEntry::crit
            : name == "node_hwmon_temp_max_celsius"  ? &TemperatureEntry::max
                                                     : nullptr;
        const std::optional<std::int64_t> milli = Millidegrees(s.value);
        if (field && milli) {
            c.temperatures.At(key).*field = milli;
        }
        return;
    }
    if (name.starts_with("node_disk_")) {
        const auto device = label("device");
        if (!device || device->empty()) {
            return;
        }
        if (name == "node_disk_read_bytes_total" && ToCount(s.value, 1.0, count)) {
            c.disks.At(*device).read = count;
        } else if (name == "node_disk_written_bytes_total" && ToCount(s.value, 1.0, count)) {
            c.disks.At(*device).written = count;
        } else if (name == "node_disk_info") {
            const std::string key(*device);
            long long major = 0;
            if (const auto m = label("major"); m && ToNumber(*m, major)) {
                c.disks.At(key).major = major;
            }
        }
        return;
    }
    if (name.starts_with("node_power_supply_")) {
        const auto supply = label("power_supply");
        if (!supply || supply->empty()) {
            return;
        }
        const std::string key(*supply);
        const std::string_view what = name.substr(18);
        const auto integer = [&]() -> std::optional<std::int64_t> {
            if (!std::isfinite(s.value) || std::fabs(s.value) > 1e15) {
                return std::nullopt;
            }
            return static_cast<std::int64_t>(std::llround(s.value));
        };
        if (what == "info") {
            PowerSupplyFields& f = c.supplies.At(key).fields;
            if (const auto type = label("type")) {
                f.type = *type;
            }
            if (const auto status = label("status")) {
                f.status = *status;
            }
        } else if (what == "capacity") {
            c.supplies.At(key).fields.capacity = integer();
        } else if (what == "online") {
            c.supplies.At(key).fields.online = integer();
        } else if (what == "present") {
            c.supplies.At(key).fields.present = integer();
        }
    }
}

} // namespace

NodeReading ReadNodeMetrics(std::string_view body) {
    NodeReading out;
    Collected c;
    std::string scratch;
    ExpositionReader reader(body);
    ExpositionSample sample;
    while (reader.Next(sample)) {
        ++out.samples;
        if (sample.timestampMs && sample.name.starts_with("node_") &&
            (!out.timestampMs || *out.timestampMs < *sample.timestampMs)) {
            out.timestampMs = sample.timestampMs;
        }
        if (sample.name.starts_with("node_memory_")) {
            const std::string_view what = sample.name.substr(12);
            std::optional<std::uint64_t> MemInfoFields::*field =
                what == "MemTotal_bytes"       ? &MemInfoFields::memTotal
                : what == "MemFree_bytes"      ? &MemInfoFields::memFree
                : what == "MemAvailable_bytes" ? &MemInfoFields::memAvailable
                : what == "SwapTotal_bytes"    ? &MemInfoFields::swapTotal
                : what == "SwapFree_bytes"     ? &MemInfoFields::swapFree
                                               : nullptr;
            std::uint64_t bytes = 0;
            if (field && ToCount(sample.value, 1.0, bytes)) {
                out.memory.*field = bytes / 1024;
            }
            continue;
        }
        Collect(sample, c, scratch);
    }
    out.malformedLines = reader.MalformedLines();

    std::sort(c.cpus.List().begin(), c.cpus.List().end(),
              [](const CpuEntry& a, const CpuEntry& b) { return a.key < b.key; });
    for (const CpuEntry& e : c.cpus) {
        out.cpus.push_back({e.key, e.ticks});
        out.cpus.back().ticks.online = true;
    }

    for (const InterfaceEntry& e : c.interfaces) {
        if (!e.rx || !e.tx) {
            continue; // not a counted interface
        }
        NodeReading::Interface i;
        i.name = e.key;
        i.rxBytes = *e.rx;
        i.txBytes = *e.tx;
        i.type = e.hardware ? IfTypeOfHardware(*e.hardware) : kIfTypeOther;
        if (!e.operstate.empty()) {
            i.up = LinkIsUp(e.operstate, e.carrier.value_or(false) ? "1" : "0");
        } else {
            i.up = e.up;
        }
        i.ifIndex = e.ifIndex;
        out.interfaces.push_back(std::move(i));
    }
    std::stable_sort(out.interfaces.begin(), out.interfaces.end(),
                     [](const auto& a, const auto& b) {
                         return a.ifIndex.value_or(std::numeric_limits<long long>::max()) <
                                b.ifIndex.value_or(std::numeric_limits<long long>::max());
                     });

    // The drive table's rule: the visible "/" first, then the other drives in the reply's order,
    // a volume mounted twice listed once.
    std::vector<const FilesystemEntry*> shown;
    const FilesystemEntry* root = nullptr;
    for (const FilesystemEntry& e : c.filesystems) {
        if (!e.size || !IsDriveMount(e.fsType, e.device, e.key)) {
            continue;
        }
        if (e.key == "/") {
            root = &e;
        } else {
            shown.push_back(&e);
        }
    }
    if (root) {
        shown.insert(shown.begin(), root);
    }
    std::vector<std::string_view> devices;
    for (const FilesystemEntry* e : shown) {
        if (e->device.starts_with("/dev/")) {
            if (std::find(devices.begin(), devices.end(), e->device) != devices.end()) {
                continue;
            }
            devices.push_back(e->device);
        }
        NodeReading::Drive d;
        d.entry.mountPoint = e->key;
        d.entry.source = e->device;
        d.entry.fsType = e->fsType;
        d.entry.type = ClassifyMount(e->fsType, e->device, "");
        d.space.total = *e->size;
        d.space.available = std::min(e->avail.value_or(0), *e->size);
        d.space.free = std::min(e->free.value_or(d.space.available), *e->size);
        out.drives.push_back(std::move(d));
    }

    // Chips of the same name are told apart by their order, as the kernel lists them.
    std::unordered_map<std::string, int> chipOrdinal; // by the exporter's chip label
    std::unordered_map<std::string, int> chipsNamed;  // by the chip's name
    for (const TemperatureEntry& e : c.temperatures) {
        if (!e.input) {
            continue;
        }
        const std::size_t cut = e.key.find('\n');
        NodeReading::Temperature t;
        t.chipKey = e.key.substr(0, cut);
        const ChipName* name = c.chipNames.Find(t.chipKey);
        t.fields.chip = name ? name->name : t.chipKey;
        if (const auto [at, added] = chipOrdinal.try_emplace(t.chipKey, 0); added) {
            at->second = chipsNamed[t.fields.chip]++;
        }
        t.fields.chipOrdinal = chipOrdinal[t.chipKey];
        long long channel = 0;
        ToNumber(std::string_view(e.key).substr(cut + 1 + 4), channel);
        t.fields.channel = static_cast<int>(std::clamp<long long>(channel, 0, 1 << 20));
        if (const SensorLabel* label = c.sensorLabels.Find(e.key)) {
            t.fields.label = label->label;
        }
        t.fields.input = e.input;
        t.fields.crit = e.crit;
        t.fields.max = e.max;
        out.temperatures.push_back(std::move(t));
    }

    std::vector<std::string> mountSources;
    for (const NodeReading::Drive& d : out.drives) {
        mountSources.push_back(d.entry.source);
    }
    for (const DiskEntry& e : c.disks) {
        if (!e.read || !e.written) {
            continue;
        }
        DiskStatFields fields;
        fields.name = e.key;
        fields.major = MajorOf(e);
        fields.partition = IsPartitionOfListed(e.key, c.disks);
        if (CountsAsDisk(fields, mountSources)) {
            out.disks.push_back({e.key, *e.read, *e.written});
        }
    }

    // Without a charging state of its own, a battery charges while a mains supply is online.
    const bool mainsOnline = std::any_of(c.supplies.begin(), c.supplies.end(), [](const auto& s) {
        return s.fields.type == "Mains" && s.fields.online.value_or(0) != 0;
    });
    for (const SupplyEntry& e : c.supplies) {
        const PowerSupplyFields& f = e.fields;
        const bool battery = f.type.empty() ? f.capacity.has_value() : IsBattery(f);
        const std::optional<float> percent = BatteryPercent(f);
        if (!battery || !percent || f.present.value_or(1) == 0) {
            continue;
        }
        const bool charging = f.status.empty() ? mainsOnline : IsCharging(f);
        out.batteries.push_back({e.key, *percent, charging});
    }
    return out;
}

} // namespace trumbel

#include "platform/SensorSource.h"

#include "platform/linux/KeptFile.h"
#include "platform/linux/NvmlLibrary.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <utility>

namespace trumbel {

namespace {

std::string_view Trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::optional<std::int64_t> NumberIn(std::string_view s) {
    s = Trimmed(s);
    std::int64_t v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc{} || r.ptr == s.data()) {
        return std::nullopt;
    }
    return v;
}

// An attribute read once, when its device is listed.
std::string TextOnce(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return std::string(Trimmed(text));
}

std::optional<std::int64_t> NumberOnce(const std::string& path) {
    return NumberIn(TextOnce(path));
}

bool Exists(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

// An attribute read every pass. One the driver does not provide reads no value; one whose
// device has gone reports it.
struct Attribute {
    KeptFile file;
    bool provided = false;

    void Open(const std::string& path) { provided = file.Open(path); }
    void Close() {
        file.Close();
        provided = false;
    }

    // The raw text; false when the device has gone. Sensors that are not ready (EAGAIN,
    // ENODATA, EIO) read empty.
    bool Text(std::array<char, 64>& buf, std::string_view& text) {
        text = {};
        if (!provided) {
            return true;
        }
        ssize_t n = 0;
        do {
            n = ::pread(file.Fd(), buf.data(), buf.size(), 0);
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            return errno != ENODEV && errno != ENOENT && errno != ENXIO;
        }
        text = Trimmed({buf.data(), static_cast<std::size_t>(n)});
        return true;
    }

    bool Number(std::optional<std::int64_t>& out) {
        std::array<char, 64> buf;
        std::string_view text;
        const bool ok = Text(buf, text);
        out = NumberIn(text);
        return ok;
    }
};

// The entries of dir named prefix<N>suffix, in the order of N.
std::vector<std::pair<long, std::string>>
NumberedEntries(const std::string& dir, std::string_view prefix, std::string_view suffix = {}) {
    std::vector<std::pair<long, std::string>> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        const std::string name = entry.path().filename().string();
        std::string_view digits = name;
        if (!digits.starts_with(prefix) || !digits.ends_with(suffix)) {
            continue;
        }
        digits = digits.substr(prefix.size(), digits.size() - prefix.size() - suffix.size());
        long n = 0;
        const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (r.ec == std::errc{} && r.ptr == digits.data() + digits.size() && !digits.empty()) {
            found.emplace_back(n, name);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<std::string> SortedEntries(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The entry that stands for the same device as `same` says, else a new one at the end. Entries
// listed earlier in this listing are not taken twice.
template <typename Fields, typename Files, typename Same>
std::size_t Place(std::vector<Fields>& entries, std::vector<Files>& files, std::vector<char>& seen,
                  Same same) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!seen[i] && same(entries[i])) {
            seen[i] = 1;
            return i;
        }
    }
    entries.emplace_back();
    files.emplace_back();
    seen.push_back(1);
    return entries.size() - 1;
}

// What a listing found no more: its files are let go until it comes back.
template <typename Fields, typename Files>
void LetGoUnseen(std::vector<Fields>& entries, std::vector<Files>& files,
                 const std::vector<char>& seen) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!seen[i]) {
            entries[i].listed = false;
            files[i] = Files{};
        }
    }
}

struct ChannelFiles {
    Attribute input;
};
struct ZoneFiles {
    Attribute temp;
};
struct SupplyFiles {
    Attribute status;
    Attribute present;
    Attribute online;
    Attribute capacity;
    Attribute energyNow;
    Attribute chargeNow;
};
struct GpuFiles {
    Attribute busy;
    Attribute vramUsed;
    int nvmlIndex = -1;
};

} // namespace

struct SensorSource::Impl {
    SourceRoots roots;
    SensorFamilies wanted;
    bool listingDue = true;

    std::vector<ChannelFiles> tempFiles;
    std::vector<ChannelFiles> fanFiles;
    std::vector<ZoneFiles> zoneFiles;
    std::vector<SupplyFiles> supplyFiles;
    std::vector<GpuFiles> gpuFiles;

    KeptFile diskstats;
    std::vector<char> diskBuf;

    NvmlLibrary nvml;
    bool nvmlTried = false;

    void ListHwmon(SensorReadings& out);
    void ListThermalZones(SensorReadings& out);
    void ListPowerSupplies(SensorReadings& out);
    void ListGpus(SensorReadings& out);
    void ReadDisks(std::vector<DiskStatFields>& disks);
    bool Synchronized(const SensorReadings& out) const;
};

void SensorSource::Impl::ListHwmon(SensorReadings& out) {
    std::vector<char> tempSeen(out.temperatures.size(), 0);
    std::vector<char> fanSeen(out.fans.size(), 0);
    std::map<std::string, int> chipsNamed;
    const std::string base = roots.sys + "/class/hwmon/";
    for (const auto& [number, entry] : NumberedEntries(base, "hwmon")) {
        const std::string dir = base + entry + "/";
        const std::string chip = TextOnce(dir + "name");
        const int ordinal = chipsNamed[chip]++;
        std::error_code ec;
        const std::string device = std::filesystem::canonical(dir + "device", ec).string();
        // A chip whose driver comes back may come back under another number, and a second chip
        // of its name may by then stand first: the device it belongs to tells them apart.
        const auto sameChannel = [&](int channel) {
            return [&, channel](const auto& f) {
                return f.chip == chip && f.channel == channel &&
                       (device.empty() ? f.chipOrdinal == ordinal : f.device == device);
            };
        };
        if (wanted.temperatures) {
            for (const auto& [channel, file] : NumberedEntries(dir, "temp", "_input")) {
                const std::size_t i =
                    Place(out.temperatures, tempFiles, tempSeen, sameChannel(int(channel)));
                const std::string stem = dir + "temp" + std::to_string(channel);
                HwmonTempFields& t = out.temperatures[i];
                t.chip = chip;
                t.chipOrdinal = ordinal;
                t.device = device;
                t.channel = static_cast<int>(channel);
                t.label = TextOnce(stem + "_label");
                t.crit = NumberOnce(stem + "_crit");
                t.max = NumberOnce(stem + "_max");
                tempFiles[i].input.Open(dir + file);
                t.listed = tempFiles[i].input.provided;
            }
        }
        if (wanted.fans) {
            for (const auto& [channel, file] : NumberedEntries(dir, "fan", "_input")) {
                const std::size_t i = Place(out.fans, fanFiles, fanSeen, sameChannel(int(channel)));
                const std::string stem = dir + "fan" + std::to_string(channel);
                HwmonFanFields& f = out.fans[i];
                f.chip = chip;
                f.chipOrdinal = ordinal;
                f.device = device;
                f.channel = static_cast<int>(channel);
                f.label = TextOnce(stem + "_label");
                f.max = NumberOnce(stem + "_max");
                fanFiles[i].input.Open(dir + file);
                f.listed = fanFiles[i].input.provided;
            }
        }
    }
    LetGoUnseen(out.temperatures, tempFiles, tempSeen);
    LetGoUnseen(out.fans, fanFiles, fanSeen);
}

void SensorSource::Impl::ListThermalZones(SensorReadings& out) {
    std::vector<char> seen(out.thermalZones.size(), 0);
    const std::string base = roots.sys + "/class/thermal/";
    for (const auto& [number, zone] : NumberedEntries(base, "thermal_zone")) {
        const std::string dir = base + zone + "/";
        const std::string type = TextOnce(dir + "type");
        const std::size_t i =
            Place(out.thermalZones, zoneFiles, seen,
                  [&](const ThermalZoneFields& z) { return z.zone == zone && z.type == type; });
        ThermalZoneFields& z = out.thermalZones[i];
        z.zone = zone;
        z.type = type;
        z.criticalTrip.reset();
        for (const auto& [trip, file] : NumberedEntries(dir, "trip_point_", "_type")) {
            const std::string stem = dir + "trip_point_" + std::to_string(trip);
            if (TextOnce(stem + "_type") == "critical") {
                z.criticalTrip = NumberOnce(stem + "_temp");
            }
        }
        zoneFiles[i].temp.Open(dir + "temp");
        z.listed = zoneFiles[i].temp.provided;
    }
    LetGoUnseen(out.thermalZones, zoneFiles, seen);
}

void SensorSource::Impl::ListPowerSupplies(SensorReadings& out) {
    std::vector<char> seen(out.powerSupplies.size(), 0);
    const std::string base = roots.sys + "/class/power_supply/";
    for (const std::string& name : SortedEntries(base)) {
        const std::string dir = base + name + "/";
        if (!Exists(dir + "type")) {
            continue;
        }
        const std::size_t i = Place(out.powerSupplies, supplyFiles, seen,
                                    [&](const PowerSupplyFields& p) { return p.name == name; });
        PowerSupplyFields& p = out.powerSupplies[i];
        p.name = name;
        p.type = TextOnce(dir + "type");
        p.energyFull = NumberOnce(dir + "energy_full");
        p.chargeFull = NumberOnce(dir + "charge_full");
        SupplyFiles& f = supplyFiles[i];
        f.status.Open(dir + "status");
        f.present.Open(dir + "present");
        f.online.Open(dir + "online");
        f.capacity.Open(dir + "capacity");
        f.energyNow.Open(dir + "energy_now");
        f.chargeNow.Open(dir + "charge_now");
        p.listed = true;
    }
    LetGoUnseen(out.powerSupplies, supplyFiles, seen);
}

void SensorSource::Impl::ListGpus(SensorReadings& out) {
    std::vector<char> seen(out.gpus.size(), 0);
    const std::string base = roots.sys + "/class/drm/";
    for (const auto& [number, card] : NumberedEntries(base, "card")) {
        const std::string dir = base + card + "/device/";
        if (!Exists(dir + "gpu_busy_percent")) {
            continue; // only amdgpu reports its load here
        }
        const std::size_t i = Place(out.gpus, gpuFiles, seen, [&](const GpuFields& g) {
            return g.card == card && g.driver == "amdgpu";
        });
        GpuFields& g = out.gpus[i];
        g.card = card;
        g.driver = "amdgpu";
        g.vramTotal = NumberOnce(dir + "mem_info_vram_total");
        gpuFiles[i].busy.Open(dir + "gpu_busy_percent");
        gpuFiles[i].vramUsed.Open(dir + "mem_info_vram_used");
        g.listed = gpuFiles[i].busy.provided;
    }
    // NVML speaks for the machine it runs on: fixture trees never ask it.
    if (roots.sys == "/sys") {
        if (!nvmlTried) {
            nvmlTried = true;
            nvml.Load();
        }
        const unsigned count = nvml.Loaded() ? nvml.DeviceCount() : 0;
        for (unsigned n = 0; n < count; ++n) {
            const std::string card = "nvidia" + std::to_string(n);
            const std::size_t i = Place(out.gpus, gpuFiles, seen, [&](const GpuFields& g) {
                return g.card == card && g.driver == "nvidia";
            });
            GpuFields& g = out.gpus[i];
            g.card = card;
            g.driver = "nvidia";
            gpuFiles[i].nvmlIndex = static_cast<int>(n);
            g.listed = nvml.Describe(n, g);
        }
    }
    LetGoUnseen(out.gpus, gpuFiles, seen);
}

// Devices come and go between lines of /proc/diskstats; the line of a device is looked for
// where it was last time first, so a quiet pass compares one name per line.
void SensorSource::Impl::ReadDisks(std::vector<DiskStatFields>& disks) {
    for (DiskStatFields& disk : disks) {
        disk.listed = false;
    }
    std::string_view text = diskstats.ReadAll(diskBuf);
    std::size_t lineNo = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        std::array<std::uint64_t, 7> v{};
        std::uint32_t major = 0;
        std::uint32_t minor = 0;
        const auto word = [&line]() {
            line = Trimmed(line);
            const auto n = std::min(line.find(' '), line.size());
            const std::string_view w = line.substr(0, n);
            line.remove_prefix(n);
            return w;
        };
        const auto number = [&](auto& out) {
            const std::string_view w = word();
            return std::from_chars(w.data(), w.data() + w.size(), out).ec == std::errc{} &&
                   !w.empty();
        };
        if (!number(major) || !number(minor)) {
            continue;
        }
        const std::string_view name = word();
        if (name.empty() || !std::all_of(v.begin(), v.end(), [&](auto& x) { return number(x); })) {
            continue;
        }
        std::size_t i = lineNo < disks.size() && disks[lineNo].name == name ? lineNo : disks.size();
        for (std::size_t k = 0; i == disks.size() && k < disks.size(); ++k) {
            if (disks[k].name == name) {
                i = k;
            }
        }
        if (i == disks.size()) {
            DiskStatFields added;
            added.name = std::string(name);
            added.partition = Exists(roots.sys + "/class/block/" + added.name + "/partition");
            disks.push_back(std::move(added));
        }
        DiskStatFields& disk = disks[i];
        disk.major = major;
        disk.minor = minor;
        disk.sectorsRead = v[2];
        disk.sectorsWritten = v[6];
        disk.listed = true;
        ++lineNo;
    }
}

bool SensorSource::Impl::Synchronized(const SensorReadings& out) const {
    return out.temperatures.size() == tempFiles.size() && out.fans.size() == fanFiles.size() &&
           out.thermalZones.size() == zoneFiles.size() &&
           out.powerSupplies.size() == supplyFiles.size() && out.gpus.size() == gpuFiles.size();
}

SensorSource::SensorSource(SourceRoots roots, SensorFamilies wanted)
    : impl_(std::make_unique<Impl>()) {
    impl_->roots = std::move(roots);
    impl_->wanted = wanted;
    if (wanted.disks) {
        impl_->diskstats.Open(impl_->roots.proc + "/diskstats");
    }
}

SensorSource::~SensorSource() = default;

void SensorSource::Rescan() {
    impl_->listingDue = true;
}

void SensorSource::Read(SensorReadings& out) {
    Impl& d = *impl_;
    if (d.listingDue || !d.Synchronized(out)) {
        if (d.wanted.temperatures || d.wanted.fans) {
            d.ListHwmon(out);
        }
        if (d.wanted.temperatures) {
            d.ListThermalZones(out);
        }
        if (d.wanted.powerSupplies) {
            d.ListPowerSupplies(out);
        }
        if (d.wanted.gpus) {
            d.ListGpus(out);
        }
        d.listingDue = false;
    }
    for (std::size_t i = 0; i < out.temperatures.size(); ++i) {
        HwmonTempFields& t = out.temperatures[i];
        t.listed = t.listed && d.tempFiles[i].input.Number(t.input);
    }
    for (std::size_t i = 0; i < out.fans.size(); ++i) {
        HwmonFanFields& f = out.fans[i];
        f.listed = f.listed && d.fanFiles[i].input.Number(f.input);
    }
    for (std::size_t i = 0; i < out.thermalZones.size(); ++i) {
        ThermalZoneFields& z = out.thermalZones[i];
        z.listed = z.listed && d.zoneFiles[i].temp.Number(z.temp);
    }
    for (std::size_t i = 0; i < out.powerSupplies.size(); ++i) {
        PowerSupplyFields& p = out.powerSupplies[i];
        SupplyFiles& f = d.supplyFiles[i];
        std::array<char, 64> buf;
        std::string_view status;
        p.listed = p.listed && f.status.Text(buf, status) && f.present.Number(p.present) &&
                   f.online.Number(p.online) && f.capacity.Number(p.capacity) &&
                   f.energyNow.Number(p.energyNow) && f.chargeNow.Number(p.chargeNow);
        if (p.status != status) {
            p.status.assign(status); // the kernel's status words fit in the string's own room
        }
    }
    for (std::size_t i = 0; i < out.gpus.size(); ++i) {
        GpuFields& g = out.gpus[i];
        GpuFiles& f = d.gpuFiles[i];
        if (!g.listed) {
            continue;
        }
        g.listed = f.nvmlIndex >= 0 ? d.nvml.Read(static_cast<unsigned>(f.nvmlIndex), g)
                                    : f.busy.Number(g.busyPercent) && f.vramUsed.Number(g.vramUsed);
    }
    if (d.wanted.disks) {
        d.ReadDisks(out.disks);
    }
}

} // namespace trumbel

#include "measure/SensorValues.h"

#include <algorithm>

namespace trumbel {

namespace {

constexpr std::uint32_t kRamMajor = 1;
constexpr std::uint32_t kLoopMajor = 7;
constexpr std::uint64_t kSectorBytes = 512;

// The second drive's chip of the same name says so: "nvme Composite (2)".
std::string ChannelCaption(const std::string& chip, int chipOrdinal, const std::string& label,
                           std::string_view family, int channel) {
    std::string caption =
        chip + " " + (label.empty() ? std::string(family) + std::to_string(channel) : label);
    if (chipOrdinal > 0) {
        caption += " (" + std::to_string(chipOrdinal + 1) + ")";
    }
    return caption;
}

// The device of reading entry `entry`, given the next index the first time the entry counts;
// null while it has never counted.
template <typename Caption>
SensorDevice* DeviceOf(std::vector<int>& indexOf, std::size_t entry, bool counts,
                       std::vector<SensorDevice>& devices, const Caption& caption) {
    if (indexOf.size() <= entry) {
        indexOf.resize(entry + 1, -1);
    }
    int& index = indexOf[entry];
    if (index < 0) {
        if (!counts) {
            return nullptr;
        }
        index = static_cast<int>(devices.size());
        devices.emplace_back().caption = caption();
    }
    return &devices[static_cast<std::size_t>(index)];
}

void Show(SensorDevice& d, bool present, float used, float max) {
    d.present = present;
    if (!present) {
        used = 0.0f;
    }
    d.values.Used = used;
    d.values.Max = max;
    d.values.Total = max;
    d.values.Free = max - used;
    d.peak = std::max(d.peak, used);
}

std::optional<float> Ratio(std::optional<std::int64_t> now, std::optional<std::int64_t> full) {
    if (!now || !full || *full <= 0) {
        return std::nullopt;
    }
    return static_cast<float>(static_cast<double>(*now) * 100.0 / static_cast<double>(*full));
}

} // namespace

std::optional<float> Celsius(std::optional<std::int64_t> millidegrees) {
    if (!millidegrees) {
        return std::nullopt;
    }
    return static_cast<float>(static_cast<double>(*millidegrees) / 1000.0);
}

float TemperatureLimit(const HwmonTempFields& t) {
    return Celsius(t.crit).value_or(Celsius(t.max).value_or(100.0f));
}

std::string TemperatureCaption(const HwmonTempFields& t) {
    return ChannelCaption(t.chip, t.chipOrdinal, t.label, "temp", t.channel);
}

std::string FanCaption(const HwmonFanFields& f) {
    return ChannelCaption(f.chip, f.chipOrdinal, f.label, "fan", f.channel);
}

bool ZoneHasHwmon(const ThermalZoneFields& zone, std::span<const HwmonTempFields> temperatures) {
    return std::any_of(temperatures.begin(), temperatures.end(), [&](const HwmonTempFields& t) {
        return t.chip.size() == zone.type.size() &&
               std::equal(t.chip.begin(), t.chip.end(), zone.type.begin(),
                          [](char c, char z) { return c == (z == '-' ? '_' : z); });
    });
}

float FanLimit(const HwmonFanFields& f, float fastestSeen) {
    return f.max && *f.max > 0 ? static_cast<float>(*f.max) : fastestSeen;
}

bool CountsAsDisk(const DiskStatFields& disk, std::span<const std::string> mountSources) {
    if (disk.partition) {
        return false;
    }
    const bool memoryBacked =
        disk.major == kRamMajor || disk.major == kLoopMajor || disk.name.starts_with("zram");
    if (!memoryBacked) {
        return true;
    }
    return std::any_of(mountSources.begin(), mountSources.end(), [&](const std::string& source) {
        return source.starts_with("/dev/") && std::string_view(source).substr(5) == disk.name;
    });
}

float DiskRate(std::uint64_t sectorsBefore, std::uint64_t sectorsNow, std::int64_t elapsedMs,
               LinkPresence presence, float previous) {
    return NetworkRate(sectorsBefore * kSectorBytes, sectorsNow * kSectorBytes, elapsedMs, presence,
                       previous);
}

std::optional<float> BatteryPercent(const PowerSupplyFields& p) {
    if (p.capacity) {
        return static_cast<float>(std::clamp<std::int64_t>(*p.capacity, 0, 100));
    }
    std::optional<float> ratio = Ratio(p.energyNow, p.energyFull);
    if (!ratio) {
        ratio = Ratio(p.chargeNow, p.chargeFull);
    }
    if (!ratio) {
        return std::nullopt;
    }
    return std::clamp(*ratio, 0.0f, 100.0f); // a worn battery may report more than its full
}

bool IsBattery(const PowerSupplyFields& p) {
    return p.type == "Battery";
}

bool IsCharging(const PowerSupplyFields& p) {
    return p.status == "Charging";
}

std::string GpuCaption(const GpuFields& g) {
    return g.model.empty() ? g.driver + " " + g.card : g.model;
}

SensorFamilies FamiliesFor(std::span<const SensorKind> kinds) {
    SensorFamilies f;
    for (const SensorKind kind : kinds) {
        switch (kind) {
        case SensorKind::Temperature:
            f.temperatures = true;
            break;
        case SensorKind::Fan:
            f.fans = true;
            break;
        case SensorKind::DiskRead:
        case SensorKind::DiskWrite:
            f.disks = true;
            break;
        case SensorKind::Battery:
            f.powerSupplies = true;
            break;
        case SensorKind::Gpu:
            f.gpus = true;
            break;
        }
    }
    return f;
}

void LimitWatch::Update(const std::vector<SensorDevice>& devices) {
    if (atLimit_.size() < devices.size()) {
        atLimit_.resize(devices.size(), false);
        reached_.reserve(devices.size());
    }
    reached_.clear();
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const SensorDevice& d = devices[i];
        const bool at = d.present && d.values.Max > 0.0f && d.values.Used >= d.values.Max;
        if (at && !atLimit_[i]) {
            reached_.push_back(static_cast<int>(i));
        }
        // An absent sensor says nothing about its temperature: it keeps its state.
        if (d.present) {
            atLimit_[i] = at;
        }
    }
}

SensorMeasure::SensorMeasure(SourceRoots roots, SensorFamilies wanted)
    : source_(std::move(roots), wanted) {}

std::vector<SensorDevice>& SensorMeasure::List(SensorKind kind) {
    return devices_[static_cast<std::size_t>(kind)];
}

const std::vector<SensorDevice>& SensorMeasure::Devices(SensorKind kind) const {
    return devices_[static_cast<std::size_t>(kind)];
}

void SensorMeasure::Pass(std::int64_t elapsedMs, std::span<const std::string> mountSources) {
    if (anyMissing_ && ++passesSinceListing_ >= kRescanPasses) {
        source_.Rescan();
        passesSinceListing_ = 0;
    }
    source_.Read(read_);
    anyMissing_ = false;
    MeasureTemperatures();
    MeasureFans();
    MeasureDisks(elapsedMs, mountSources);
    MeasureBatteries();
    MeasureGpus();
}

void SensorMeasure::MeasureTemperatures() {
    std::vector<SensorDevice>& list = List(SensorKind::Temperature);
    for (std::size_t i = 0; i < read_.temperatures.size(); ++i) {
        const HwmonTempFields& t = read_.temperatures[i];
        SensorDevice* d =
            DeviceOf(temperatureIndex_, i, true, list, [&] { return TemperatureCaption(t); });
        const std::optional<float> c = Celsius(t.input);
        Show(*d, t.listed && c, c.value_or(0.0f), TemperatureLimit(t));
        anyMissing_ = anyMissing_ || !t.listed;
    }
    for (std::size_t i = 0; i < read_.thermalZones.size(); ++i) {
        const ThermalZoneFields& z = read_.thermalZones[i];
        const bool counts = !ZoneHasHwmon(z, read_.temperatures);
        if (SensorDevice* d = DeviceOf(zoneIndex_, i, counts, list, [&] { return z.type; })) {
            const std::optional<float> c = Celsius(z.temp);
            Show(*d, counts && z.listed && c, c.value_or(0.0f),
                 Celsius(z.criticalTrip).value_or(100.0f));
        }
        anyMissing_ = anyMissing_ || !z.listed;
    }
}

void SensorMeasure::MeasureFans() {
    std::vector<SensorDevice>& list = List(SensorKind::Fan);
    for (std::size_t i = 0; i < read_.fans.size(); ++i) {
        const HwmonFanFields& f = read_.fans[i];
        SensorDevice* d = DeviceOf(fanIndex_, i, true, list, [&] { return FanCaption(f); });
        const float rpm = f.input ? static_cast<float>(*f.input) : 0.0f;
        const bool present = f.listed && f.input.has_value();
        Show(*d, present, rpm, FanLimit(f, std::max(d->peak, present ? rpm : 0.0f)));
        anyMissing_ = anyMissing_ || !f.listed;
    }
}

void SensorMeasure::MeasureDisks(std::int64_t elapsedMs,
                                 std::span<const std::string> mountSources) {
    std::vector<SensorDevice>& reads = List(SensorKind::DiskRead);
    std::vector<SensorDevice>& writes = List(SensorKind::DiskWrite);
    if (diskBefore_.size() < read_.disks.size()) {
        diskBefore_.resize(read_.disks.size());
    }
    for (std::size_t i = 0; i < read_.disks.size(); ++i) {
        const DiskStatFields& disk = read_.disks[i];
        DiskCounters& before = diskBefore_[i];
        const bool counts = CountsAsDisk(disk, mountSources);
        const auto caption = [&] { return disk.name; };
        SensorDevice* r = DeviceOf(diskIndex_, i, counts, reads, caption);
        if (r) {
            SensorDevice& w = writes.size() < reads.size()
                                  ? writes.emplace_back(*r)
                                  : writes[static_cast<std::size_t>(diskIndex_[i])];
            const bool present = counts && disk.listed;
            const LinkPresence presence = !present         ? LinkPresence::Gone
                                          : !before.listed ? LinkPresence::CameBack
                                                           : LinkPresence::Steady;
            const float readRate =
                DiskRate(before.read, disk.sectorsRead, elapsedMs, presence, r->values.Used);
            const float writeRate =
                DiskRate(before.written, disk.sectorsWritten, elapsedMs, presence, w.values.Used);
            Show(*r, present, readRate, std::max(r->peak, readRate));
            Show(w, present, writeRate, std::max(w.peak, writeRate));
        }
        before = {disk.sectorsRead, disk.sectorsWritten, disk.listed && counts};
    }
}

void SensorMeasure::MeasureBatteries() {
    std::vector<SensorDevice>& list = List(SensorKind::Battery);
    for (std::size_t i = 0; i < read_.powerSupplies.size(); ++i) {
        const PowerSupplyFields& p = read_.powerSupplies[i];
        SensorDevice* d = DeviceOf(batteryIndex_, i, IsBattery(p), list, [&] { return p.name; });
        if (!d) {
            continue;
        }
        const std::optional<float> percent = BatteryPercent(p);
        const bool inserted = p.present.value_or(1) != 0;
        Show(*d, p.listed && inserted && percent, percent.value_or(0.0f), 100.0f);
        d->charging = d->present && IsCharging(p);
        anyMissing_ = anyMissing_ || !p.listed;
    }
}

void SensorMeasure::MeasureGpus() {
    std::vector<SensorDevice>& list = List(SensorKind::Gpu);
    for (std::size_t i = 0; i < read_.gpus.size(); ++i) {
        const GpuFields& g = read_.gpus[i];
        SensorDevice* d = DeviceOf(gpuIndex_, i, true, list, [&] { return GpuCaption(g); });
        const float load = g.busyPercent ? static_cast<float>(*g.busyPercent) : 0.0f;
        Show(*d, g.listed && g.busyPercent, std::clamp(load, 0.0f, 100.0f), 100.0f);
        anyMissing_ = anyMissing_ || !g.listed;
    }
}

} // namespace trumbel

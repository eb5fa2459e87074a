#include "remote/RemoteHost.h"

#include "base/UiText.h"
#include "measure/CpuUsage.h"
#include "measure/History.h"
#include "measure/MemoryUsage.h"
#include "measure/NetworkRates.h"
#include "measure/PrintValues.h"
#include "measure/Scales.h"
#include "measure/SensorValues.h"
#include "measure/SystemInfo.h"
#include "remote/NodeMetrics.h"

#include <algorithm>
#include <limits>

namespace trumbel {

namespace {

constexpr int kMaxDrives = 24; // the drive letters C: to Z:, as this machine's table
constexpr float kResourcesUnavailable = -1.0f;

struct Counted {
    std::uint64_t a = 0;
    std::uint64_t b = 0;
};

// A device of a rate kind (an interface, a disk): two counters and their two rates.
struct RateDevice {
    std::string name;
    bool present = false;
    bool measured = false; // its counters of the last reply are there to measure from
    Counted before;
    ParamRecord first;  // receive, read
    ParamRecord second; // send, written
    LimitPair firstLimits;
    LimitPair secondLimits;
    std::int32_t type = kIfTypeOther;
    bool up = false;
};

struct LevelDevice {
    std::string name;
    bool present = false;
    bool charging = false;
    ParamRecord values;
};

struct DriveDevice {
    NodeReading::Drive drive;
    bool present = false;
};

// Finds a device by name, or adds it after the others: indexes never move.
template <typename T, typename Name> T& DeviceNamed(std::vector<T>& list, const Name& name) {
    for (T& d : list) {
        if (d.name == name) {
            return d;
        }
    }
    list.emplace_back().name = name;
    return list.back();
}

float ToFloat(std::uint64_t v) {
    return static_cast<float>(v);
}

} // namespace

struct RemoteHostValues::State {
    explicit State(const Settings& s) : settings(s) {}

    const Settings& settings;
    bool connected = false;
    std::string reason;
    // Where the rates of the next reply are measured from.
    std::optional<std::int64_t> lastMs;
    std::optional<std::int64_t> lastStampMs;

    std::vector<long long> cpuNumbers; // column i + 1 is processor cpuNumbers[i]
    std::vector<CpuTickFields> cpuRead;
    CpuUsage cpuUsage;
    bool cpuStarted = false;
    std::vector<ParamRecord> cpu;

    ParamRecord memory;
    ParamRecord swap;
    ParamRecord resources;
    std::vector<RateDevice> interfaces;
    std::vector<DriveDevice> drives;
    std::vector<LevelDevice> temperatures;
    std::vector<RateDevice> disks;
    std::vector<LevelDevice> batteries;

    void TakeCpus(const NodeReading& r);
    void TakeMemory(const NodeReading& r);
    void TakeRates(std::vector<RateDevice>& devices, std::int64_t elapsedMs, auto each);
    void TakeDrives(const NodeReading& r);
    void TakeTemperatures(const NodeReading& r);
    void TakeBatteries(const NodeReading& r);
    void ForgetCounters();
    void StepHistories(int sampleCounter);
    ParamRecord* Record(int paramId, int deviceId);
};

void RemoteHostValues::State::TakeCpus(const NodeReading& r) {
    bool grew = false;
    for (const NodeReading::Cpu& c : r.cpus) {
        if (std::find(cpuNumbers.begin(), cpuNumbers.end(), c.number) == cpuNumbers.end()) {
            cpuNumbers.push_back(c.number); // a processor that came later goes after the others
            grew = true;
        }
    }
    cpuRead.resize(cpuNumbers.size() + 1);
    cpu.resize(cpuNumbers.size() + 1);
    bool wentBack = false;
    for (std::size_t i = 0; i < cpuNumbers.size(); ++i) {
        CpuTickFields& column = cpuRead[i + 1];
        const auto listed = std::find_if(r.cpus.begin(), r.cpus.end(),
                                         [&](const auto& c) { return c.number == cpuNumbers[i]; });
        if (listed == r.cpus.end()) {
            column.online = false; // its times stand, and it shows no load
            continue;
        }
        wentBack = wentBack || SampleOf(listed->ticks).total < SampleOf(column).total;
        column = listed->ticks;
    }
    for (ParamRecord& c : cpu) {
        c.Max = c.Total = 100.0f;
    }
    // After a restart of the machine the times start again from zero: measuring against them
    // resumes with the next reply, the loads shown until then stand.
    if (!cpuStarted || grew || wentBack) {
        cpuUsage.Start(cpuRead);
        cpuStarted = true;
        return;
    }
    cpuUsage.Update(cpuRead);
    for (std::size_t i = 0; i < cpu.size(); ++i) {
        const std::int32_t u = cpuUsage.Usage(i);
        cpu[i].Used = static_cast<float>(u);
        cpu[i].Free = static_cast<float>(100 - u);
    }
}

void RemoteHostValues::State::TakeMemory(const NodeReading& r) {
    const std::optional<MemoryBytes> m = MemoryOf(r.memory);
    if (!m) {
        return;
    }
    const auto fill = [](ParamRecord& rec, std::uint64_t free, std::uint64_t total) {
        rec.Free = ToFloat(free);
        rec.Total = ToFloat(total);
        rec.Used = rec.Total - rec.Free;
        rec.Max = rec.Total;
    };
    fill(memory, m->availPhys, m->totalPhys);
    fill(swap, m->freeSwap, m->totalSwap);
}

// each(device) marks the devices the reply lists and hands back their counters.
void RemoteHostValues::State::TakeRates(std::vector<RateDevice>& devices, std::int64_t elapsedMs,
                                        auto each) {
    std::vector<char> listed(devices.size(), 0);
    std::vector<Counted> now(devices.size());
    each([&](const std::string& name, Counted counters) {
        RateDevice& d = DeviceNamed(devices, name);
        const auto i = static_cast<std::size_t>(&d - devices.data());
        listed.resize(devices.size(), 0);
        now.resize(devices.size());
        listed[i] = 1;
        now[i] = counters;
        return &d;
    });
    for (std::size_t i = 0; i < devices.size(); ++i) {
        RateDevice& d = devices[i];
        const LinkPresence presence = !listed[i]    ? LinkPresence::Gone
                                      : !d.measured ? LinkPresence::CameBack
                                                    : LinkPresence::Steady;
        // A counter that went back (the machine or its driver restarted) keeps the last rate
        // for one reply and is measured from its new value after.
        d.first.Used = NetworkRate(d.before.a, now[i].a, elapsedMs, presence, d.first.Used);
        d.second.Used = NetworkRate(d.before.b, now[i].b, elapsedMs, presence, d.second.Used);
        ApplyRateScales(d.first, d.firstLimits);
        ApplyRateScales(d.second, d.secondLimits);
        d.present = listed[i] != 0;
        d.measured = d.present;
        if (d.present) {
            d.before = now[i];
        }
    }
}

void RemoteHostValues::State::TakeDrives(const NodeReading& r) {
    for (DriveDevice& d : drives) {
        d.present = false;
    }
    for (const NodeReading::Drive& drive : r.drives) {
        auto it = std::find_if(drives.begin(), drives.end(), [&](const DriveDevice& d) {
            return d.drive.entry.mountPoint == drive.entry.mountPoint;
        });
        if (it == drives.end()) {
            if (drives.size() >= kMaxDrives) {
                continue;
            }
            it = drives.insert(drives.end(), DriveDevice{});
        }
        it->drive = drive;
        it->present = true;
    }
}

void RemoteHostValues::State::TakeTemperatures(const NodeReading& r) {
    for (LevelDevice& t : temperatures) {
        t.present = false;
    }
    for (const NodeReading::Temperature& t : r.temperatures) {
        LevelDevice& d = DeviceNamed(temperatures, TemperatureCaption(t.fields));
        d.present = true;
        d.values.Used = Celsius(t.fields.input).value_or(0.0f);
        d.values.Max = d.values.Total = TemperatureLimit(t.fields);
    }
    for (LevelDevice& t : temperatures) {
        if (!t.present) {
            t.values.Used = 0.0f;
        }
        t.values.Free = t.values.Max - t.values.Used;
    }
}

void RemoteHostValues::State::TakeBatteries(const NodeReading& r) {
    for (LevelDevice& b : batteries) {
        b.present = false;
    }
    for (const NodeReading::Battery& b : r.batteries) {
        LevelDevice& d = DeviceNamed(batteries, b.name);
        d.present = true;
        d.charging = b.charging;
        d.values.Used = b.percent;
    }
    for (LevelDevice& b : batteries) {
        if (!b.present) {
            b.values.Used = 0.0f;
            b.charging = false;
        }
        b.values.Max = b.values.Total = 100.0f;
        b.values.Free = b.values.Max - b.values.Used;
    }
}

// After a gap the next reply is a first one again: nothing is measured across the gap.
void RemoteHostValues::State::ForgetCounters() {
    lastMs.reset();
    lastStampMs.reset();
    cpuStarted = false;
    for (RateDevice& d : interfaces) {
        d.measured = false;
    }
    for (RateDevice& d : disks) {
        d.measured = false;
    }
}

ParamRecord* RemoteHostValues::State::Record(int paramId, int deviceId) {
    if (deviceId < 0) {
        return nullptr;
    }
    const auto at = [&](auto& list, auto member) -> ParamRecord* {
        const auto i = static_cast<std::size_t>(deviceId);
        return i < list.size() ? &(list[i].*member) : nullptr;
    };
    switch (paramId) {
    case kParamPhysicalMemory:
        return deviceId == 0 ? &memory : nullptr;
    case kParamPageFile:
        return deviceId == 0 ? &swap : nullptr;
    case kParamResources:
        return deviceId == 0 ? &resources : nullptr;
    case kParamCpu:
        return static_cast<std::size_t>(deviceId) < cpu.size()
                   ? &cpu[static_cast<std::size_t>(deviceId)]
                   : nullptr;
    case kParamNetReceive:
        return at(interfaces, &RateDevice::first);
    case kParamNetSend:
        return at(interfaces, &RateDevice::second);
    case kParamTemperature:
        return at(temperatures, &LevelDevice::values);
    case kParamDiskRead:
        return at(disks, &RateDevice::first);
    case kParamDiskWrite:
        return at(disks, &RateDevice::second);
    case kParamBattery:
        return at(batteries, &LevelDevice::values);
    default:
        return nullptr;
    }
}

void RemoteHostValues::State::StepHistories(int sampleCounter) {
    const int stepEnd = settings.historyUpdateSpeed;
    const HistoryFold rateFold =
        settings.historySampleMode != 0 ? HistoryFold::Highest : HistoryFold::Mean;
    // Levels keep the free share, rates the traffic, as this machine's values do. While the host
    // cannot be read nothing is in use: a gap must not draw as a full load.
    const auto level = [&](ParamRecord& r) {
        AdvanceHistory(r.Log, connected ? r.Free : r.Max, sampleCounter, stepEnd,
                       HistoryFold::Lowest);
    };
    const auto rate = [&](ParamRecord& r, const LimitPair& limits) {
        const bool stepFinished =
            AdvanceHistory(r.Log, connected ? r.Used : 0.0f, sampleCounter, stepEnd, rateFold);
        FollowHistory(r, limits, stepFinished);
        r.Free = r.Max - r.Used;
    };
    try {
        level(memory);
        level(swap);
        for (ParamRecord& c : cpu) {
            level(c);
        }
        level(resources);
        for (RateDevice& d : interfaces) {
            rate(d.first, d.firstLimits);
            rate(d.second, d.secondLimits);
        }
        for (LevelDevice& t : temperatures) {
            level(t.values);
        }
        for (RateDevice& d : disks) {
            rate(d.first, d.firstLimits);
            rate(d.second, d.secondLimits);
        }
        for (LevelDevice& b : batteries) {
            level(b.values);
        }
    } catch (...) {
        // A history step of no samples (a speed of -1) folds nothing.
    }
}

RemoteHostValues::RemoteHostValues(const Settings& settings)
    : state_(std::make_unique<State>(settings)) {
    state_->resources.Max = state_->resources.Total = 100.0f;
    state_->resources.Free = kResourcesUnavailable;
    state_->resources.Used = 100.0f - kResourcesUnavailable;
}

RemoteHostValues::~RemoteHostValues() = default;

ScrapeOutcome RemoteHostValues::Accept(std::string_view body, std::int64_t nowMs) {
    State& s = *state_;
    const NodeReading r = ReadNodeMetrics(body);
    if (!r.HoldsNodeMetrics()) {
        std::string reason = UiTr("Remote", "応答にnode exporterの値がありません");
        if (r.malformedLines > 0) {
            reason +=
                UiFormat(UiTr("Remote", "（読めない行 %1）"), {std::to_string(r.malformedLines)});
        }
        Fail(reason);
        return {false, s.reason};
    }
    if (!s.connected) {
        s.ForgetCounters();
    }
    // A Prometheus server hands out what it scraped with the time it did: rates are measured
    // between its scrapes, and a reply holding the same scrape again measures nothing new.
    std::int64_t elapsed = s.lastMs ? nowMs - *s.lastMs : 0;
    if (r.timestampMs && s.lastStampMs) {
        elapsed = *r.timestampMs - *s.lastStampMs;
    }
    s.lastMs = nowMs;
    s.lastStampMs = r.timestampMs;
    s.connected = true;
    s.reason.clear();

    s.TakeCpus(r);
    s.TakeMemory(r);
    s.TakeRates(s.interfaces, elapsed, [&](auto add) {
        for (const NodeReading::Interface& i : r.interfaces) {
            RateDevice* d = add(i.name, Counted{i.rxBytes, i.txBytes});
            d->type = i.type;
            d->up = i.up.value_or(true);
        }
    });
    s.TakeDrives(r);
    s.TakeTemperatures(r);
    s.TakeRates(s.disks, elapsed, [&](auto add) {
        for (const NodeReading::Disk& d : r.disks) {
            add(d.name, Counted{d.readBytes, d.writtenBytes});
        }
    });
    s.TakeBatteries(r);
    for (std::vector<RateDevice>* list : {&s.interfaces, &s.disks}) {
        for (RateDevice& d : *list) {
            d.first.Free = d.first.Max - d.first.Used;
            d.second.Free = d.second.Max - d.second.Used;
        }
    }
    return {true, {}};
}

void RemoteHostValues::Fail(std::string reason) {
    State& s = *state_;
    s.connected = false;
    s.reason = reason.empty() ? UiTr("Remote", "応答がありません") : std::move(reason);
    // The rates measured before the gap would stand again after it otherwise.
    for (std::vector<RateDevice>* list : {&s.interfaces, &s.disks}) {
        for (RateDevice& d : *list) {
            d.first.Used = d.second.Used = 0.0f;
        }
    }
    for (ParamRecord& c : s.cpu) {
        c.Used = 0.0f;
        c.Free = 100.0f;
    }
}

void RemoteHostValues::RefreshParam(int sampleCounter) {
    state_->StepHistories(sampleCounter);
}

bool RemoteHostValues::Connected() const {
    return state_->connected;
}

const std::string& RemoteHostValues::Reason() const {
    return state_->reason;
}

int RemoteHostValues::CpuCount() const {
    return static_cast<int>(state_->cpuNumbers.size());
}

int RemoteHostValues::DeviceCount(int paramId) const {
    const State& s = *state_;
    switch (paramId) {
    case kParamPhysicalMemory:
    case kParamPageFile:
    case kParamResources:
        return 1;
    case kParamCpu:
        return CpuCount() + 1;
    case kParamNetReceive:
    case kParamNetSend:
        return static_cast<int>(s.interfaces.size());
    case kParamDisk:
        return static_cast<int>(s.drives.size());
    case kParamTemperature:
        return static_cast<int>(s.temperatures.size());
    case kParamDiskRead:
    case kParamDiskWrite:
        return static_cast<int>(s.disks.size());
    case kParamBattery:
        return static_cast<int>(s.batteries.size());
    default:
        return 0;
    }
}

std::string RemoteHostValues::DeviceName(int paramId, int deviceId) const {
    const State& s = *state_;
    if (deviceId < 0 || deviceId >= DeviceCount(paramId)) {
        return {};
    }
    const auto i = static_cast<std::size_t>(deviceId);
    switch (paramId) {
    case kParamCpu:
        return i == 0 ? std::string() : "cpu" + std::to_string(s.cpuNumbers[i - 1]);
    case kParamNetReceive:
    case kParamNetSend:
        return s.interfaces[i].name;
    case kParamDisk:
        return s.drives[i].drive.entry.mountPoint;
    case kParamTemperature:
        return s.temperatures[i].name;
    case kParamDiskRead:
    case kParamDiskWrite:
        return s.disks[i].name;
    case kParamBattery:
        return s.batteries[i].name;
    default:
        return {};
    }
}

bool RemoteHostValues::DevicePresent(int paramId, int deviceId) const {
    const State& s = *state_;
    if (!s.connected || deviceId < 0 || deviceId >= DeviceCount(paramId)) {
        return false;
    }
    const auto i = static_cast<std::size_t>(deviceId);
    switch (paramId) {
    case kParamCpu:
        return i == 0 || s.cpuRead[i].online;
    case kParamNetReceive:
    case kParamNetSend:
        return s.interfaces[i].present;
    case kParamDisk:
        return s.drives[i].present;
    case kParamTemperature:
        return s.temperatures[i].present;
    case kParamDiskRead:
    case kParamDiskWrite:
        return s.disks[i].present;
    case kParamBattery:
        return s.batteries[i].present;
    default:
        return true;
    }
}

float RemoteHostValues::GetValue(int paramId, int deviceId, ShowParam show, int logIndex) const {
    State& s = *state_;
    if (show == ShowParam::Log) {
        ParamRecord* r = s.Record(paramId, deviceId);
        return r && logIndex >= 0 && logIndex < kLogSize
                   ? r->Log[static_cast<std::size_t>(logIndex)]
                   : 0.0f;
    }
    if (!s.connected) {
        return 0.0f;
    }
    if (paramId == kParamDisk) {
        if (!DevicePresent(kParamDisk, deviceId)) {
            return 0.0f;
        }
        const SpaceFigures& f = s.drives[static_cast<std::size_t>(deviceId)].drive.space;
        switch (show) {
        case ShowParam::Free:
            return ToFloat(f.free);
        case ShowParam::Used:
            return ToFloat(f.total - f.free);
        default:
            return ToFloat(f.total);
        }
    }
    const ParamRecord* r = s.Record(paramId, deviceId);
    if (!r) {
        return 0.0f;
    }
    switch (show) {
    case ShowParam::Max:
        return r->Max;
    case ShowParam::Free:
        return r->Free;
    case ShowParam::Used:
        return r->Used;
    default:
        return r->Total;
    }
}

std::int32_t RemoteHostValues::NetworkType(int index) const {
    const State& s = *state_;
    return index >= 0 && index < DeviceCount(kParamNetReceive)
               ? s.interfaces[static_cast<std::size_t>(index)].type
               : kIfTypeOther;
}

std::int32_t RemoteHostValues::NetworkStatus(int index) const {
    const State& s = *state_;
    const bool up =
        DevicePresent(kParamNetReceive, index) && s.interfaces[static_cast<std::size_t>(index)].up;
    return up ? kIfStatusOperational : kIfStatusDown;
}

std::int32_t RemoteHostValues::DiskType(int diskId) const {
    if (!DevicePresent(kParamDisk, diskId)) {
        return static_cast<std::int32_t>(DriveType::NoRoot);
    }
    return static_cast<std::int32_t>(
        state_->drives[static_cast<std::size_t>(diskId)].drive.entry.type);
}

void RemoteHostValues::GetDiskSpaceValue(int diskId, std::array<float, 4>& spaceValue) const {
    spaceValue = {};
    if (!DevicePresent(kParamDisk, diskId)) {
        return;
    }
    const SpaceFigures& f = state_->drives[static_cast<std::size_t>(diskId)].drive.space;
    spaceValue[3] = ToFloat(f.total);
    spaceValue[1] = ToFloat(f.available);
    spaceValue[2] = ToFloat(f.total - f.available);
    spaceValue[0] = spaceValue[3];
}

bool RemoteHostValues::Charging(int batteryId) const {
    return DevicePresent(kParamBattery, batteryId) &&
           state_->batteries[static_cast<std::size_t>(batteryId)].charging;
}

std::string FormatValues(const RemoteHostValues& host) {
    std::string out;
    const auto param = [&](int paramId) {
        for (int d = 0; d < host.DeviceCount(paramId); ++d) {
            AppendParamLine(out, paramId, d,
                            {host.GetValue(paramId, d, ShowParam::Max),
                             host.GetValue(paramId, d, ShowParam::Free),
                             host.GetValue(paramId, d, ShowParam::Used),
                             host.GetValue(paramId, d, ShowParam::Total)});
        }
    };
    for (const int p : {kParamPhysicalMemory, kParamPageFile, kParamCpu, kParamResources,
                        kParamNetReceive, kParamNetSend}) {
        param(p);
    }
    for (int n = 0; n < host.DeviceCount(kParamNetReceive); ++n) {
        const std::int32_t type = host.NetworkType(n);
        const std::int32_t status = host.NetworkStatus(n);
        AppendNetLine(out, n, type, status,
                      NetworkDeviceCaption(host.DeviceName(kParamNetReceive, n), type, status));
    }
    for (int id = 0; id < host.DeviceCount(kParamDisk); ++id) {
        std::array<float, 4> space{};
        host.GetDiskSpaceValue(id, space);
        AppendDriveLine(out, id, host.DiskType(id), host.DeviceName(kParamDisk, id), space[3],
                        space[1], host.GetValue(kParamDisk, id, ShowParam::Free));
    }
    for (int p = kFirstSensorParamId; p < kParamIdCount; ++p) {
        param(p);
    }
    for (int p = kFirstSensorParamId; p < kParamIdCount; ++p) {
        for (int d = 0; d < host.DeviceCount(p); ++d) {
            AppendSensorLine(out, p, d, host.DevicePresent(p, d),
                             p == kParamBattery && host.Charging(d), host.DeviceName(p, d));
        }
    }
    return out;
}

} // namespace trumbel

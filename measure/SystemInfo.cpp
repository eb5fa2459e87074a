#include "measure/SystemInfo.h"

#include "base/RuntimeError.h"
#include "base/UiLanguage.h"
#include "base/UiText.h"
#include "measure/History.h"
#include "measure/ItemKinds.h"
#include "measure/MemoryUsage.h"
#include "measure/NetworkRates.h"
#include "measure/Scales.h"
#include "platform/Connectivity.h"
#include "platform/MonotonicClock.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace trumbel {

namespace {

constexpr int kMaxDiskId = 23; // Z:
constexpr float kResourcesUnavailable = -1.0f;

constexpr const char* kUp = QT_TRANSLATE_NOOP("Devices", "[有効] ");
constexpr const char* kDown = QT_TRANSLATE_NOOP("Devices", "[未接続] ");
constexpr const char* kNameless =
    QT_TRANSLATE_NOOP("Devices", "[名前の取得に失敗]ネットワークデバイス(%1)");

// A failing step keeps what it would have written; the periodic pass never reports.
template <typename F> void Guarded(F&& step) {
    try {
        step();
    } catch (...) {
    }
}

[[noreturn]] void Subscript() {
    throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
}

float LargeToSingle(std::uint64_t v) {
    return static_cast<float>(v);
}

bool IsNet(int paramId) {
    return paramId == kParamNetReceive || paramId == kParamNetSend;
}

bool IsSensor(int paramId) {
    return paramId >= kFirstSensorParamId && paramId < kParamIdCount;
}

// The sensor families the layout's slots and the tray icons show, with those always read.
SensorFamilies ShownSensorFamilies(const Settings& s, SensorFamilies always) {
    std::array<bool, kSensorKindCount> shown{};
    const auto mark = [&](int kind) {
        const int p = ParamIdOfKind(kind);
        if (IsSensor(p)) {
            shown[static_cast<std::size_t>(p - kFirstSensorParamId)] = true;
        }
    };
    const int containers = std::clamp<int>(s.containerCount, 0, kContainerCount);
    for (int c = 0; c < containers; ++c) {
        for (const std::int16_t kind : s.kind[static_cast<std::size_t>(c)]) {
            mark(kind);
        }
    }
    const int icons = std::clamp<int>(s.trayIconCount, 0, kTrayIconMax);
    for (int i = 1; i <= icons; ++i) {
        mark(s.trayIcons[static_cast<std::size_t>(i)].kind);
    }
    const auto is = [&](SensorKind k) { return shown[static_cast<std::size_t>(k)]; };
    always.temperatures = always.temperatures || is(SensorKind::Temperature);
    always.fans = always.fans || is(SensorKind::Fan);
    always.disks = always.disks || is(SensorKind::DiskRead) || is(SensorKind::DiskWrite);
    always.powerSupplies = always.powerSupplies || is(SensorKind::Battery);
    always.gpus = always.gpus || is(SensorKind::Gpu);
    return always;
}

} // namespace

SystemInfo::SystemInfo(Settings& settings, SystemInfoEnvironment environment)
    : settings_(settings), env_(std::move(environment)), source_(env_.roots),
      spaceReader_(env_.statFs) {
    if (!env_.tickCount) {
        env_.tickCount = [] { return TickCountMs(); };
    }
    cpuNum_ = static_cast<std::int16_t>(
        std::min<int>(source_.ProcessorCount(), std::numeric_limits<std::int16_t>::max() - 1));
    BuildNetworkTable();
    cpuRead_.assign(static_cast<std::size_t>(cpuNum_) + 1, CpuTickFields{});
    if (cpuNum_ > 0) {
        source_.ReadCpuTicks(cpuRead_);
    }
    cpuUsage_.Start(cpuRead_);
    for (int i = 0; i <= cpuNum_; ++i) {
        Record(kParamCpu, i).Max = 100.0f;
        Record(kParamCpu, i).Total = 100.0f;
    }
    Record(kParamResources, 0).Max = 100.0f;
    Record(kParamResources, 0).Total = 100.0f;
    FollowShownSensors();
    // The build read the counters just now: the first rates are measured from this instant.
    lastTick_ = env_.tickCount();
}

SystemInfo::~SystemInfo() = default;

int SystemInfo::DeviceColumns() const {
    return std::max<int>(static_cast<int>(netTable_.size()), cpuNum_ + 1);
}

ParamRecord& SystemInfo::Record(int paramId, int deviceId) {
    const int columns = DeviceColumns();
    if (paramId < 0 || paramId >= kParamCount || deviceId < 0 || deviceId >= columns) {
        Subscript();
    }
    return items_[static_cast<std::size_t>(paramId * columns + deviceId)];
}

void SystemInfo::BuildNetworkTable() {
    ifRows_ = source_.ReadInterfaceTable();
    AdoptNewInterfaces(0);
    // The build read the counters: the first pass measures against them.
    std::fill(wasPresent_.begin(), wasPresent_.end(), true);
}

// Rows from `from` on are interfaces the table has not held: they get records of their own
// after the existing ones, which keep every index, value and setting.
void SystemInfo::AdoptNewInterfaces(std::size_t from) {
    const int oldColumns = items_.empty() ? 0 : DeviceColumns();
    const std::size_t count = ifRows_.size();
    netTable_.resize(count);
    wasPresent_.resize(count, false); // no counters yet to measure a first rate against
    for (std::size_t n = from; n < count; ++n) {
        netTable_[n].Name = ifRows_[n].name;
        netTable_[n].IfType = ifRows_[n].type;
    }
    // Resize the table keeping what each (kind, device) held.
    const int columns = DeviceColumns();
    if (columns != oldColumns) {
        std::vector<ParamRecord> items(static_cast<std::size_t>(kParamCount * columns));
        for (int p = 0; p < kParamCount; ++p) {
            for (int d = 0; d < std::min(oldColumns, columns); ++d) {
                items[static_cast<std::size_t>(p * columns + d)] =
                    items_[static_cast<std::size_t>(p * oldColumns + d)];
            }
        }
        items_ = std::move(items);
    }
    EnsureDeviceLimits();
}

// The settings file may hold entries for interfaces that are absent today: they are kept, so
// nothing the user set is lost when a device is unplugged for one run.
void SystemInfo::EnsureDeviceLimits() {
    if (settings_.deviceLimits.size() < netTable_.size()) {
        settings_.deviceLimits.resize(netTable_.size());
    }
}

LimitPair& SystemInfo::Limits(int paramId, int index) {
    NetDeviceLimits& l = settings_.deviceLimits.at(static_cast<std::size_t>(index));
    return paramId == kParamNetReceive ? l.receive : l.send;
}

void SystemInfo::GetMemoryInfoEx() {
    MemInfoFields fields;
    if (!source_.ReadMemory(fields)) {
        return;
    }
    const std::optional<MemoryBytes> m = MemoryOf(fields);
    if (!m) {
        return;
    }
    const auto fill = [this](int paramId, auto free, auto total) {
        ParamRecord& r = Record(paramId, 0);
        r.Free = LargeToSingle(free);
        r.Total = LargeToSingle(total);
        r.Used = r.Total - r.Free;
        r.Max = r.Total;
    };
    fill(kParamPhysicalMemory, m->availPhys, m->totalPhys);
    fill(kParamPageFile, m->freeSwap, m->totalSwap);
}

void SystemInfo::MeasureCpu() {
    if (cpuNum_ > 0 && source_.ReadCpuTicks(cpuRead_)) {
        cpuUsage_.Update(cpuRead_);
    }
}

void SystemInfo::MeasureNetwork(std::int64_t elapsed) {
    const std::size_t count = netTable_.size();
    for (std::size_t n = 0; n < count; ++n) {
        netTable_[n].PrevInOctets = ifRows_[n].rxBytes;
        netTable_[n].PrevOutOctets = ifRows_[n].txBytes;
    }
    // A failed read leaves the rows as they were: the pass then shows no traffic.
    source_.RefreshInterfaces(ifRows_);
    if (ifRows_.size() > count) {
        AdoptNewInterfaces(count);
    }

    for (std::size_t n = 0; n < ifRows_.size(); ++n) {
        const int i = static_cast<int>(n);
        Guarded([&] {
            const NetRow& row = ifRows_[n];
            NetInterfaceRecord& rec = netTable_[n];
            // A vanished interface keeps its slot and shows no traffic.
            const LinkPresence presence = !row.present      ? LinkPresence::Gone
                                          : !wasPresent_[n] ? LinkPresence::CameBack
                                                            : LinkPresence::Steady;
            ParamRecord& rx = Record(kParamNetReceive, i);
            rx.Used = NetworkRate(rec.PrevInOctets, row.rxBytes, elapsed, presence, rx.Used);
            rec.OperStatus = row.operStatus;
            ApplyRateScales(rx, Limits(kParamNetReceive, i));
            ParamRecord& tx = Record(kParamNetSend, i);
            tx.Used = NetworkRate(rec.PrevOutOctets, row.txBytes, elapsed, presence, tx.Used);
            ApplyRateScales(tx, Limits(kParamNetSend, i));
            wasPresent_[n] = row.present;
        });
    }
}

void SystemInfo::UpdateHistory(int paramId, int deviceId, int sampleCounter) {
    ParamRecord& r = Record(paramId, deviceId);
    // Levels keep the free share, rates the traffic.
    if (!IsNet(paramId)) {
        AdvanceHistory(r.Log, r.Free, sampleCounter, settings_.historyUpdateSpeed,
                       HistoryFold::Lowest);
        return;
    }
    const LimitPair& limits = Limits(paramId, deviceId);
    const HistoryFold fold =
        settings_.historySampleMode != 0 ? HistoryFold::Highest : HistoryFold::Mean;
    const bool stepFinished =
        AdvanceHistory(r.Log, r.Used, sampleCounter, settings_.historyUpdateSpeed, fold);
    FollowHistory(r, limits, stepFinished);
}

void SystemInfo::RefreshParam(int sampleCounter) {
    Guarded([&] { EnsureDeviceLimits(); });
    Guarded([&] { GetMemoryInfoEx(); });
    Guarded([&] { MeasureCpu(); });
    Guarded([&] {
        for (int i = 0; i <= cpuNum_; ++i) {
            const std::int32_t u = cpuUsage_.Usage(static_cast<std::size_t>(i));
            ParamRecord& r = Record(kParamCpu, i);
            r.Used = static_cast<float>(u);
            r.Free = static_cast<float>(100 - u);
        }
    });
    Guarded([&] {
        ParamRecord& r = Record(kParamResources, 0);
        r.Free = kResourcesUnavailable;
        r.Used = 100.0f - kResourcesUnavailable;
    });
    const std::int64_t now = env_.tickCount();
    const std::int64_t elapsed = now - lastTick_;
    lastTick_ = now;
    Guarded([&] { MeasureNetwork(elapsed); });
    Guarded([&] { MeasureSensors(elapsed, sampleCounter); });

    const int count = static_cast<int>(netTable_.size());
    const auto history = [&](int paramId, int devices) {
        for (int d = 0; d < devices; ++d) {
            Guarded([&] { UpdateHistory(paramId, d, sampleCounter); });
        }
    };
    history(kParamPhysicalMemory, 1);
    history(kParamPageFile, 1);
    history(kParamCpu, cpuNum_ + 1);
    history(kParamResources, 1);
    history(kParamNetReceive, count);
    history(kParamNetSend, count);

    for (int n = 0; n < count; ++n) {
        Guarded([&] {
            ParamRecord& rx = Record(kParamNetReceive, n);
            rx.Free = rx.Max - rx.Used;
            ParamRecord& tx = Record(kParamNetSend, n);
            tx.Free = tx.Max - tx.Used;
        });
    }
}

// A family nobody shows any more is no longer read; one that comes on screen is listed from
// scratch, its devices in the kernel's order as before, so their indexes stay.
void SystemInfo::FollowShownSensors() {
    const SensorFamilies wanted = ShownSensorFamilies(settings_, env_.sensors);
    if (wanted == sensorsRead_) {
        return;
    }
    sensorsRead_ = wanted;
    sensors_.reset();
    critical_ = {};
    for (std::vector<ParamRecord>& items : sensorItems_) {
        items.clear();
    }
    const SensorFamilies& f = wanted;
    if (!(f.temperatures || f.fans || f.disks || f.powerSupplies || f.gpus)) {
        return;
    }
    sensors_ = std::make_unique<SensorMeasure>(env_.roots, f);
    // The counters the first rates are measured from.
    sensors_->Pass(0, MountSources(f));
}

void SystemInfo::MeasureSensors(std::int64_t elapsed, int sampleCounter) {
    FollowShownSensors();
    if (!sensors_) {
        return;
    }
    sensors_->Pass(elapsed, MountSources(sensorsRead_));
    critical_.Update(sensors_->Devices(SensorKind::Temperature));
    for (int k = 0; k < kSensorKindCount; ++k) {
        const std::vector<SensorDevice>& devices = sensors_->Devices(static_cast<SensorKind>(k));
        std::vector<ParamRecord>& items = sensorItems_[static_cast<std::size_t>(k)];
        items.resize(devices.size());
        for (std::size_t d = 0; d < devices.size(); ++d) {
            Guarded([&] {
                const ParamRecord& v = devices[d].values;
                ParamRecord& r = items[d];
                r.Used = v.Used;
                if (!HistoryKeepsUsed(kFirstSensorParamId + k)) {
                    // Levels keep the free share, as memory does: a step keeps its hottest moment.
                    r.Max = v.Max;
                    r.Total = v.Total;
                    r.Free = r.Max - r.Used;
                    AdvanceHistory(r.Log, r.Free, sampleCounter, settings_.historyUpdateSpeed,
                                   HistoryFold::Lowest);
                    return;
                }
                LimitPair& limits = DiskLimit(devices[d].caption, static_cast<SensorKind>(k));
                ApplyRateScales(r, limits);
                const HistoryFold fold =
                    settings_.historySampleMode != 0 ? HistoryFold::Highest : HistoryFold::Mean;
                const bool stepFinished = AdvanceHistory(r.Log, r.Used, sampleCounter,
                                                         settings_.historyUpdateSpeed, fold);
                FollowHistory(r, limits, stepFinished);
                r.Free = r.Max - r.Used;
            });
        }
    }
}

LimitPair& SystemInfo::DiskLimit(const std::string& disk, SensorKind kind) {
    std::vector<DiskLimits>& disks = settings_.diskLimits;
    auto it = std::find_if(disks.begin(), disks.end(),
                           [&](const DiskLimits& d) { return d.device == disk; });
    if (it == disks.end()) {
        disks.push_back({disk, {}, {}});
        it = disks.end() - 1;
    }
    return kind == SensorKind::DiskRead ? it->read : it->write;
}

ParamRecord* SystemInfo::SensorRecord(int paramId, int deviceId) {
    if (deviceId < 0) {
        Subscript();
    }
    std::vector<ParamRecord>& items =
        sensorItems_[static_cast<std::size_t>(paramId - kFirstSensorParamId)];
    return static_cast<std::size_t>(deviceId) < items.size()
               ? &items[static_cast<std::size_t>(deviceId)]
               : nullptr;
}

std::vector<std::string> SystemInfo::SensorCaptions(SensorKind kind) {
    std::vector<std::string> captions;
    const auto take = [&](const SensorMeasure& m) {
        for (const SensorDevice& d : m.Devices(kind)) {
            captions.push_back(d.caption);
        }
    };
    const SensorKind kinds[] = {kind};
    const SensorFamilies needed = FamiliesFor(kinds);
    const SensorFamilies& read = sensorsRead_;
    const bool reading = (needed.temperatures && read.temperatures) || (needed.fans && read.fans) ||
                         (needed.disks && read.disks) ||
                         (needed.powerSupplies && read.powerSupplies) || (needed.gpus && read.gpus);
    if (sensors_ && reading) {
        take(*sensors_);
        return captions;
    }
    SensorMeasure once(env_.roots, needed);
    once.Pass(0, MountSources(needed));
    take(once);
    return captions;
}

const SensorDevice* SystemInfo::Sensor(int paramId, int deviceId) const {
    if (!sensors_ || !IsSensor(paramId) || deviceId < 0) {
        return nullptr;
    }
    const auto& devices = sensors_->Devices(static_cast<SensorKind>(paramId - kFirstSensorParamId));
    return static_cast<std::size_t>(deviceId) < devices.size()
               ? &devices[static_cast<std::size_t>(deviceId)]
               : nullptr;
}

float& SystemInfo::Field(int paramId, int deviceId, ShowParam show, int logIndex) {
    if (paramId < 0 || paramId >= kParamIdCount) {
        Subscript();
    }
    ParamRecord* sensor = IsSensor(paramId) ? SensorRecord(paramId, deviceId) : nullptr;
    if (IsSensor(paramId) && !sensor) {
        if (show == ShowParam::Log && (logIndex < 0 || logIndex >= kLogSize)) {
            Subscript();
        }
        unseenSensor_ = 0.0f;
        return unseenSensor_;
    }
    ParamRecord& r = sensor ? *sensor : Record(paramId, deviceId);
    switch (show) {
    case ShowParam::Max:
        return r.Max;
    case ShowParam::Free:
        return r.Free;
    case ShowParam::Used:
        return r.Used;
    case ShowParam::Total:
        return r.Total;
    case ShowParam::Log:
        break;
    }
    if (logIndex < 0 || logIndex >= kLogSize) {
        Subscript();
    }
    return r.Log[static_cast<std::size_t>(logIndex)];
}

float SystemInfo::GetSystemValue(int paramId, int deviceId, ShowParam show, int logIndex) {
    if (paramId == kParamDisk) {
        if (show == ShowParam::Log) {
            return 0.0f;
        }
        const DriveEntry* drive = Drive(deviceId);
        SpaceFigures f;
        if (!drive || !spaceReader_.Read(*drive, f)) {
            return 0.0f;
        }
        switch (show) {
        case ShowParam::Free:
            return LargeToSingle(f.free);
        case ShowParam::Used:
            return LargeToSingle(f.total - f.free);
        default:
            return LargeToSingle(f.total);
        }
    }
    return Field(paramId, deviceId, show, logIndex);
}

void SystemInfo::SetSystemValue(int paramId, int deviceId, ShowParam show, float value,
                                int logIndex) {
    Field(paramId, deviceId, show, logIndex) = value;
}

float SystemInfo::GetSystemValue(int paramId, int deviceId, int showParamInfo, int logIndex) {
    const std::optional<ShowParam> show = ShowParamOf(showParamInfo);
    if (!show) {
        // Still checks the kind, as a read of any selector does.
        if (paramId < 0 || paramId >= kParamIdCount) {
            Subscript();
        }
        return 0.0f;
    }
    return GetSystemValue(paramId, deviceId, *show, logIndex);
}

void SystemInfo::SetSystemValue(int paramId, int deviceId, int showParamInfo, float value,
                                int logIndex) {
    if (const std::optional<ShowParam> show = ShowParamOf(showParamInfo)) {
        SetSystemValue(paramId, deviceId, *show, value, logIndex);
    } else if (paramId < 0 || paramId >= kParamIdCount) {
        Subscript();
    }
}

const DriveEntry* SystemInfo::Drive(int diskId) {
    if (!drivesRead_ || source_.DriveTableChanged()) {
        drives_ = source_.ReadDriveTable();
        drivesRead_ = true;
        mountSources_.clear();
        for (const DriveEntry& d : drives_) {
            mountSources_.push_back(d.source);
        }
    }
    if (diskId < 0 || diskId > kMaxDiskId || diskId >= static_cast<int>(drives_.size())) {
        return nullptr;
    }
    return &drives_[static_cast<std::size_t>(diskId)];
}

// A loop or ram device counts as a disk while it holds a mount: only the disk list needs the
// drive table, and it is read again only when the mounts changed.
std::span<const std::string> SystemInfo::MountSources(const SensorFamilies& families) {
    if (!families.disks) {
        return {};
    }
    Drive(0);
    return mountSources_;
}

void SystemInfo::GetDiskSpaceValue(int diskId, std::array<float, 4>& spaceValue) {
    spaceValue = {};
    const DriveEntry* drive = Drive(diskId);
    SpaceFigures f;
    if (!drive || !spaceReader_.Read(*drive, f)) {
        return;
    }
    spaceValue[3] = LargeToSingle(f.total);
    spaceValue[1] = LargeToSingle(f.available);
    spaceValue[2] = LargeToSingle(f.total - std::min(f.available, f.total));
    spaceValue[0] = spaceValue[3];
}

std::int32_t SystemInfo::GetDiskType(int diskId) {
    const DriveEntry* drive = Drive(diskId);
    return static_cast<std::int32_t>(drive ? drive->type : DriveType::NoRoot);
}

std::string SystemInfo::GetDiskMountPoint(int diskId) {
    const DriveEntry* drive = Drive(diskId);
    return drive ? drive->mountPoint : std::string();
}

int SystemInfo::GetDiskCount() {
    Drive(0);
    return std::min<int>(static_cast<int>(drives_.size()), kMaxDiskId + 1);
}

std::int32_t SystemInfo::GetNetWorkNum() const {
    return static_cast<std::int32_t>(netTable_.size());
}

std::optional<int> SystemInfo::DefaultNetworkDevice() const {
    if (ifRows_.empty()) {
        return std::nullopt;
    }
    const std::vector<std::string> routes = DefaultRouteInterfaces(env_.roots.proc);
    // Lower is better. An unplugged link that keeps its route is still the one that will carry
    // the traffic, so it goes before another interface that happens to be up.
    const auto rank = [&](const NetRow& r) {
        const bool up = r.present && r.operStatus == kIfStatusOperational;
        const bool routed = std::find(routes.begin(), routes.end(), r.name) != routes.end();
        if (routed) {
            return up ? 0 : 1;
        }
        if (r.type != kIfTypeLoopback) {
            return up ? 2 : 4;
        }
        return 3;
    };
    std::size_t best = 0;
    for (std::size_t n = 1; n < ifRows_.size(); ++n) {
        if (rank(ifRows_[n]) < rank(ifRows_[best])) {
            best = n;
        }
    }
    return static_cast<int>(best);
}

const NetInterfaceRecord& SystemInfo::Interface(int index) const {
    if (index < 0 || index >= GetNetWorkNum()) {
        Subscript();
    }
    return netTable_[static_cast<std::size_t>(index)];
}

std::string SystemInfo::GetNetWorkName(int index) const {
    return Interface(index).Name;
}

std::int32_t SystemInfo::GetNetWorkType(int index) const {
    return Interface(index).IfType;
}

std::int32_t SystemInfo::GetNetWorkStatus(int index) const {
    return Interface(index).OperStatus;
}

std::string SystemInfo::GetNetWorkDeviceName(int index) const {
    const std::string failure = UiFormat(kNameless, {std::to_string(index)});
    try {
        const std::string name = NetworkDeviceCaption(GetNetWorkName(index), GetNetWorkType(index),
                                                      GetNetWorkStatus(index));
        return name.empty() ? failure : name;
    } catch (...) {
        return failure;
    }
}

std::string NetworkDeviceCaption(std::string name, std::int32_t type, std::int32_t status) {
    name = name.substr(0, name.find('\0'));
    if (name.empty()) {
        return name;
    }
    if (type == kIfTypeEthernet) {
        name = "(LAN) " + name;
    } else if (type == kIfTypePpp) {
        name = "(PPP) " + name;
    }
    return (status == 4 || status == kIfStatusOperational ? kUp : kDown) + name;
}

std::string ShownDeviceName(std::string_view name) {
    for (const char* state : {kUp, kDown}) {
        if (name.starts_with(state)) {
            return UiTr("Devices", state) + std::string(name.substr(std::strlen(state)));
        }
    }
    const std::string_view form(kNameless);
    const std::string_view head = form.substr(0, form.find("%1"));
    const std::string_view tail = form.substr(head.size() + 2);
    if (name.starts_with(head) && name.ends_with(tail) && name.size() > head.size() + tail.size()) {
        const std::string_view index =
            name.substr(head.size(), name.size() - head.size() - tail.size());
        return UiFormat(UiTr("Devices", kNameless), {index});
    }
    return std::string(name);
}

} // namespace trumbel

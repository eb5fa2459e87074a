#include "measure/SystemInfo.h"

#include "base/RuntimeError.h"
#include "measure/NetworkRates.h"
#include "platform/Connectivity.h"
#include "platform/MonotonicClock.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trumbel {

namespace {

constexpr int kMaxDiskId = 23; // Z:
constexpr float kResourcesUnavailable = -1.0f;

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

// Scales in mode 0 follow the finished history samples.
void RaiseHistoryScales(ParamRecord& r, const LimitPair& limits, float sample) {
    if (limits.maxMode[1] == 0 && r.Max < sample) {
        r.Max = sample;
    }
    if (limits.maxMode[0] == 0 && r.Total < sample) {
        r.Total = sample;
    }
}

} // namespace

clsSystemInfo::clsSystemInfo(Settings& settings, SystemInfoEnvironment environment)
    : settings_(settings), env_(std::move(environment)), source_(env_.roots),
      spaceReader_(env_.statFs) {
    if (!env_.tickCount) {
        env_.tickCount = [] { return TickCountMs(); };
    }
    cpuNum_ = static_cast<std::int16_t>(
        std::min<int>(source_.ProcessorCount(), std::numeric_limits<std::int16_t>::max() - 1));
    BuildNetworkTable();
    cpuTimes_.assign(static_cast<std::size_t>(cpuNum_) + 1, CpuTimesEntry{});
    cpuRead_.assign(static_cast<std::size_t>(cpuNum_) + 1, CpuTime{});
    if (cpuNum_ > 0) {
        InitCpuTimes();
    }
    for (int i = 0; i <= cpuNum_; ++i) {
        Record(kParamCpu, i).Max = 100.0f;
        Record(kParamCpu, i).Total = 100.0f;
    }
    Record(kParamResources, 0).Max = 100.0f;
    Record(kParamResources, 0).Total = 100.0f;
    // The build read the counters just now: the first rates are measured from this instant.
    lastTick_ = env_.tickCount();
}

clsSystemInfo::~clsSystemInfo() = default;

int clsSystemInfo::DeviceColumns() const {
    return std::max<int>(static_cast<int>(netTable_.size()), cpuNum_ + 1);
}

ParamRecord& clsSystemInfo::Record(int paramId, int deviceId) {
    const int columns = DeviceColumns();
    if (paramId < 0 || paramId >= kParamCount || deviceId < 0 || deviceId >= columns) {
        Subscript();
    }
    return items_[static_cast<std::size_t>(paramId * columns + deviceId)];
}

void clsSystemInfo::BuildNetworkTable() {
    ifRows_ = source_.ReadInterfaceTable();
    AdoptNewInterfaces(0);
    // The build read the counters: the first pass measures against them.
    std::fill(wasPresent_.begin(), wasPresent_.end(), true);
}

// Rows from `from` on are interfaces the table has not held: they get records of their own
// after the existing ones, which keep every index, value and setting.
void clsSystemInfo::AdoptNewInterfaces(std::size_t from) {
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
void clsSystemInfo::EnsureDeviceLimits() {
    if (settings_.deviceLimits.size() < netTable_.size()) {
        settings_.deviceLimits.resize(netTable_.size());
    }
}

LimitPair& clsSystemInfo::Limits(int paramId, int index) {
    NetDeviceLimits& l = settings_.deviceLimits.at(static_cast<std::size_t>(index));
    return paramId == kParamNetReceive ? l.receive : l.send;
}

void clsSystemInfo::InitCpuTimes() {
    source_.ReadCpuTimes(cpuRead_);
    CpuTimesEntry& sum = cpuTimes_[0];
    sum = {};
    for (int i = 1; i <= cpuNum_; ++i) {
        CpuTimesEntry& e = cpuTimes_[static_cast<std::size_t>(i)];
        e.Usage = 0;
        e.Idle = static_cast<double>(cpuRead_[static_cast<std::size_t>(i)].idle);
        e.TotalTime = static_cast<double>(cpuRead_[static_cast<std::size_t>(i)].total);
        sum.Idle += e.Idle;
        sum.TotalTime += e.TotalTime;
    }
}

void clsSystemInfo::GetMemoryInfoEx() {
    MemoryStatus m;
    if (!source_.ReadMemory(m)) {
        return;
    }
    const auto fill = [this](int paramId, auto free, auto total) {
        ParamRecord& r = Record(paramId, 0);
        r.Free = LargeToSingle(free);
        r.Total = LargeToSingle(total);
        r.Used = r.Total - r.Free;
        r.Max = r.Total;
    };
    fill(kParamPhysicalMemory, m.availPhys, m.totalPhys);
    fill(kParamPageFile, m.freeSwap, m.totalSwap);
}

void clsSystemInfo::MeasureCpu() {
    if (cpuNum_ <= 0 || !source_.ReadCpuTimes(cpuRead_)) {
        return;
    }
    // Busy share of the interval, rounded to nearest with ties to even. Computed from the busy
    // ticks so that a true half stays exactly a half.
    const auto usage = [](double dIdle, double dTotal) {
        return static_cast<std::int32_t>(std::nearbyint((dTotal - dIdle) * 100.0 / dTotal));
    };
    double sumIdle = 0.0;
    double sumTotal = 0.0;
    for (int i = 1; i <= cpuNum_; ++i) {
        CpuTimesEntry& e = cpuTimes_[static_cast<std::size_t>(i)];
        const double idle = static_cast<double>(cpuRead_[static_cast<std::size_t>(i)].idle);
        const double total = static_cast<double>(cpuRead_[static_cast<std::size_t>(i)].total);
        sumIdle += idle;
        sumTotal += total;
        if (!cpuRead_[static_cast<std::size_t>(i)].online) {
            // An offline processor does no work; its frozen times must not stall the others.
            e.Usage = 0;
            continue;
        }
        const double dTotal = total - e.TotalTime;
        if (dTotal == 0.0) {
            return; // an empty interval: this processor, the later ones and the total wait
        }
        e.Usage = usage(idle - e.Idle, dTotal);
        e.Idle = idle;
        e.TotalTime = total;
    }
    CpuTimesEntry& all = cpuTimes_[0];
    const double dTotal = sumTotal - all.TotalTime;
    if (dTotal == 0.0) {
        return;
    }
    all.Usage = usage(sumIdle - all.Idle, dTotal);
    all.Idle = sumIdle;
    all.TotalTime = sumTotal;
}

void clsSystemInfo::ApplyRateScales(ParamRecord& r, LimitPair& limits) {
    const float u = r.Used;
    if (limits.pastMax < u) {
        limits.pastMax = u;
    }
    if (limits.maxMode[1] == 1) {
        r.Max = std::max({r.Max, u, limits.pastMax});
    }
    if (limits.maxMode[0] == 1) {
        r.Total = std::max({r.Total, u, limits.pastMax});
    }
    if (limits.maxMode[1] == 2) {
        r.Max = limits.maxValue[1];
    }
    if (limits.maxMode[0] == 2) {
        r.Total = limits.maxValue[0];
    }
}

void clsSystemInfo::MeasureNetwork(std::int64_t elapsed) {
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

void clsSystemInfo::UpdateHistory(int paramId, int deviceId, int sampleCounter) {
    ParamRecord& r = Record(paramId, deviceId);
    const bool net = IsNet(paramId);
    const int speed = settings_.historyUpdateSpeed;
    const bool peakMode = settings_.historySampleMode != 0;
    const float v = net ? r.Used : r.Free;
    auto& log = r.Log;
    if (sampleCounter == 0) {
        log[0] = v;
    } else if (!net) {
        log[0] = std::min(log[0], v);
    } else if (peakMode) {
        log[0] = std::max(log[0], v);
    } else {
        log[0] += v;
    }
    LimitPair* limits = net ? &Limits(paramId, deviceId) : nullptr;
    if (sampleCounter == speed) {
        if (limits) {
            if (limits->maxMode[1] == 0) {
                r.Max = 0.0f;
            }
            if (limits->maxMode[0] == 0) {
                r.Total = 0.0f;
            }
        }
        std::copy_backward(log.begin() + 1, log.end() - 1, log.end());
        if (limits) {
            // One raise by the highest sample equals a raise by each (a NaN raises nothing).
            // Four running maxima, so that the comparisons do not wait on one another.
            std::array<float, 4> top;
            top.fill(-std::numeric_limits<float>::infinity());
            const auto raise = [](float& t, float v) { t = t < v ? v : t; };
            std::size_t i = 2;
            for (; i + top.size() <= kLogSize; i += top.size()) {
                for (std::size_t k = 0; k < top.size(); ++k) {
                    raise(top[k], log[i + k]);
                }
            }
            for (; i < kLogSize; ++i) {
                raise(top[0], log[i]);
            }
            for (std::size_t k = 1; k < top.size(); ++k) {
                raise(top[0], top[k]);
            }
            RaiseHistoryScales(r, *limits, top[0]);
        }
        if (net && !peakMode) {
            if (speed + 1 == 0) {
                throw RuntimeError(ErrorNumber::DivisionByZero);
            }
            log[1] = log[0] / static_cast<float>(speed + 1);
        } else {
            log[1] = log[0];
        }
    }
    if (limits) {
        RaiseHistoryScales(r, *limits, log[1]);
    }
}

void clsSystemInfo::RefreshParam(int sampleCounter) {
    Guarded([&] { EnsureDeviceLimits(); });
    Guarded([&] { GetMemoryInfoEx(); });
    Guarded([&] { MeasureCpu(); });
    Guarded([&] {
        for (int i = 0; i <= cpuNum_; ++i) {
            const std::int32_t u = std::clamp(cpuTimes_[static_cast<std::size_t>(i)].Usage, 0, 100);
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

float* clsSystemInfo::Field(int paramId, int deviceId, int showParamInfo, int logIndex) {
    if (paramId < 0 || paramId >= kParamCount) {
        Subscript();
    }
    switch (showParamInfo) {
    case kShowMax:
        return &Record(paramId, deviceId).Max;
    case kShowFree:
        return &Record(paramId, deviceId).Free;
    case kShowUsed:
        return &Record(paramId, deviceId).Used;
    case kShowTotal:
        return &Record(paramId, deviceId).Total;
    case kShowLog:
        if (logIndex < 0 || logIndex >= kLogSize) {
            Subscript();
        }
        return &Record(paramId, deviceId).Log[static_cast<std::size_t>(logIndex)];
    default:
        return nullptr;
    }
}

float clsSystemInfo::GetSystemValue(int paramId, int deviceId, int showParamInfo, int logIndex) {
    if (paramId == kParamDisk) {
        if (showParamInfo < kShowMax || showParamInfo > kShowTotal) {
            return 0.0f;
        }
        const DriveEntry* drive = Drive(deviceId);
        SpaceFigures f;
        if (!drive || !spaceReader_.Read(*drive, f)) {
            return 0.0f;
        }
        switch (showParamInfo) {
        case kShowFree:
            return LargeToSingle(f.free);
        case kShowUsed:
            return LargeToSingle(f.total - f.free);
        default:
            return LargeToSingle(f.total);
        }
    }
    const float* field = Field(paramId, deviceId, showParamInfo, logIndex);
    return field ? *field : 0.0f;
}

void clsSystemInfo::SetSystemValue(int paramId, int deviceId, int showParamInfo, float value,
                                   int logIndex) {
    if (float* field = Field(paramId, deviceId, showParamInfo, logIndex)) {
        *field = value;
    }
}

const DriveEntry* clsSystemInfo::Drive(int diskId) {
    if (!drivesRead_ || source_.DriveTableChanged()) {
        drives_ = source_.ReadDriveTable();
        drivesRead_ = true;
    }
    if (diskId < 0 || diskId > kMaxDiskId || diskId >= static_cast<int>(drives_.size())) {
        return nullptr;
    }
    return &drives_[static_cast<std::size_t>(diskId)];
}

void clsSystemInfo::GetDiskSpaceValue(int diskId, std::array<float, 4>& spaceValue) {
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

std::int32_t clsSystemInfo::GetDiskType(int diskId) {
    const DriveEntry* drive = Drive(diskId);
    return static_cast<std::int32_t>(drive ? drive->type : DriveType::NoRoot);
}

std::string clsSystemInfo::GetDiskMountPoint(int diskId) {
    const DriveEntry* drive = Drive(diskId);
    return drive ? drive->mountPoint : std::string();
}

int clsSystemInfo::GetDiskCount() {
    Drive(0);
    return std::min<int>(static_cast<int>(drives_.size()), kMaxDiskId + 1);
}

std::int32_t clsSystemInfo::GetNetWorkNum() const {
    return static_cast<std::int32_t>(netTable_.size());
}

std::optional<int> clsSystemInfo::DefaultNetworkDevice() const {
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

const NetInterfaceRecord& clsSystemInfo::Interface(int index) const {
    if (index < 0 || index >= GetNetWorkNum()) {
        Subscript();
    }
    return netTable_[static_cast<std::size_t>(index)];
}

std::string clsSystemInfo::GetNetWorkName(int index) const {
    return Interface(index).Name;
}

std::int32_t clsSystemInfo::GetNetWorkType(int index) const {
    return Interface(index).IfType;
}

std::int32_t clsSystemInfo::GetNetWorkStatus(int index) const {
    return Interface(index).OperStatus;
}

std::string clsSystemInfo::GetNetWorkDeviceName(int index) const {
    const std::string failure =
        "[名前の取得に失敗]ネットワークデバイス(" + std::to_string(index) + ")";
    try {
        std::string name = GetNetWorkName(index);
        name = name.substr(0, name.find('\0'));
        if (name.empty()) {
            return failure;
        }
        const std::int32_t type = GetNetWorkType(index);
        if (type == kIfTypeEthernet) {
            name = "(LAN) " + name;
        } else if (type == kIfTypePpp) {
            name = "(PPP) " + name;
        }
        const std::int32_t status = GetNetWorkStatus(index);
        name = (status == 4 || status == kIfStatusOperational ? "[有効] " : "[未接続] ") + name;
        return name;
    } catch (...) {
        return failure;
    }
}

} // namespace trumbel

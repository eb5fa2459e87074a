#pragma once

#include "measure/CpuUsage.h"
#include "measure/ParamRecord.h"
#include "measure/SensorValues.h"
#include "measure/ShowParam.h"
#include "platform/SystemSource.h"
#include "settings/Settings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// Measurement kinds: the first index of the measured-value table.
enum ParamID : int {
    kParamPhysicalMemory = 0,
    kParamPageFile = 1,
    kParamCpu = 2,
    kParamResources = 3,
    kParamNetReceive = 4,
    kParamNetSend = 5,
    kParamDisk = 6,
    // The sensor kinds, in SensorKind order.
    kParamTemperature = 7,
    kParamFan = 8,
    kParamDiskRead = 9,
    kParamDiskWrite = 10,
    kParamBattery = 11,
    kParamGpu = 12,
};
inline constexpr int kParamCount = 7; // the kinds the device table holds
inline constexpr int kParamIdCount = kParamGpu + 1;
static_assert(kParamTemperature == kFirstSensorParamId);
static_assert(kParamIdCount == kFirstSensorParamId + kSensorKindCount);

struct NetInterfaceRecord {
    std::string Name;
    std::uint64_t PrevOutOctets = 0;
    std::uint64_t PrevInOctets = 0;
    std::int32_t IfType = 0;
    std::int32_t OperStatus = 0; // 0 until the first pass
};

// What the measurement object needs from outside: where to read the system, and the clock that
// rates are measured against (milliseconds, monotonic).
struct SystemInfoEnvironment {
    SourceRoots roots;
    std::function<std::int64_t()> tickCount; // empty: CLOCK_MONOTONIC
    StatFsFunction statFs = &::statvfs;
    // Sensor families read whatever the settings show; the others are read while a slot of the
    // layout or a tray icon shows one of their kinds.
    SensorFamilies sensors;
};

// An interface as the lists name it: "[有効] (LAN) eth0", "[未接続] ppp0"; empty for an empty name.
std::string NetworkDeviceCaption(std::string name, std::int32_t type, std::int32_t status);

// A device name as the user reads it: its state word, or the whole stand-in of a device without
// a name, in the program's language. The names themselves stay Japanese, since --print-values
// prints them for scripts and the settings compare them; only what is shown is translated.
std::string ShownDeviceName(std::string_view name);

// Every measured quantity of the program: memory, page file (swap), processor load, resources,
// network rates with their scales, histories, and drives on demand. Used from the user-interface
// thread only. Settings are read on every pass (history speed and mode, the network scale
// modes) and the peaks are written back into settings.deviceLimits, which this object sizes,
// and settings.diskLimits, to which it adds the disks it meets.
class SystemInfo { // clsSystemInfo
public:
    SystemInfo(Settings& settings, SystemInfoEnvironment environment = {});
    ~SystemInfo();
    SystemInfo(const SystemInfo&) = delete;
    SystemInfo& operator=(const SystemInfo&) = delete;

    std::int16_t CPUNum() const { return cpuNum_; }

    // One measurement pass; sampleCounter places it within the current history step.
    void RefreshParam(int sampleCounter);

    // Link state arrives as kernel notifications on this descriptor (-1: none). A caller with an
    // event loop watches it and calls DrainLinkEvents() when it is readable; without one, each
    // pass takes what has arrived.
    int WatchLinkEvents() { return source_.WatchLinkEvents(); }
    void DrainLinkEvents() { source_.DrainLinkEvents(); }

    // Bad ParamID, DeviceID or LogIndex throw RuntimeError(SubscriptOutOfRange); a sensor that
    // has not been seen reads 0, as one that is absent does.
    float GetSystemValue(int paramId, int deviceId, ShowParam show, int logIndex = 0);
    void SetSystemValue(int paramId, int deviceId, ShowParam show, float value, int logIndex = 0);
    // The same with the selector as skin files and settings carry it: a number that names no
    // selector reads 0 and writes nothing.
    float GetSystemValue(int paramId, int deviceId, int showParamInfo, int logIndex = 0);
    void SetSystemValue(int paramId, int deviceId, int showParamInfo, float value,
                        int logIndex = 0);

    // Max, Free (available to the user), Used, Total in bytes; zeros for a missing drive.
    void GetDiskSpaceValue(int diskId, std::array<float, 4>& spaceValue);

    std::int32_t GetNetWorkStatus(int index) const;
    std::string GetNetWorkName(int index) const;
    std::int32_t GetNetWorkType(int index) const;
    std::int32_t GetNetWorkNum() const;
    std::string GetNetWorkDeviceName(int index) const;
    // The interface a layout without stored network slots graphs: an interface that is up and
    // carries the default route, else one that carries it, else any other interface that is up;
    // loopback only when nothing else is; nullopt without interfaces.
    std::optional<int> DefaultNetworkDevice() const;

    std::int32_t GetDiskType(int diskId);

    // The drive table behind DiskID: its mount point ("" when there is none) and its letter.
    std::string GetDiskMountPoint(int diskId);
    static char DiskLetter(int diskId) { return static_cast<char>(diskId + 67); }
    int GetDiskCount();

    // Temperatures, fans, disk activity, batteries and graphics load; null when the environment
    // asked for no sensor family.
    const SensorMeasure* Sensors() const { return sensors_.get(); }
    // The temperatures (device indexes) that reached their limit in the last pass.
    const std::vector<int>& TemperaturesAtLimit() const { return critical_.Reached(); }
    // The captions of a sensor kind's devices in index order, read once for the purpose where
    // nothing shows the kind (its devices keep these indexes when it is shown).
    std::vector<std::string> SensorCaptions(SensorKind kind);
    // The device of a sensor ParamID; null when it has not been seen.
    const SensorDevice* Sensor(int paramId, int deviceId) const;

private:
    ParamRecord& Record(int paramId, int deviceId);
    float& Field(int paramId, int deviceId, ShowParam show, int logIndex);
    const NetInterfaceRecord& Interface(int index) const;
    int DeviceColumns() const;
    void BuildNetworkTable();
    void AdoptNewInterfaces(std::size_t from);
    void GetMemoryInfoEx();
    void MeasureCpu();
    void MeasureNetwork(std::int64_t elapsed);
    void UpdateHistory(int paramId, int deviceId, int sampleCounter);
    LimitPair& Limits(int paramId, int index);
    LimitPair& DiskLimit(const std::string& disk, SensorKind kind);
    void EnsureDeviceLimits();
    const DriveEntry* Drive(int diskId);
    // The drives' devices when disks are read, else none.
    std::span<const std::string> MountSources(const SensorFamilies& families);
    void FollowShownSensors();
    void MeasureSensors(std::int64_t elapsed, int sampleCounter);
    ParamRecord* SensorRecord(int paramId, int deviceId);

    Settings& settings_;
    SystemInfoEnvironment env_;
    SystemSource source_;
    DriveSpaceReader spaceReader_;
    std::int16_t cpuNum_ = 0;
    std::vector<ParamRecord> items_; // kParamCount x DeviceColumns(), row-major
    CpuUsage cpuUsage_;
    std::vector<CpuTickFields> cpuRead_;
    std::vector<NetRow> ifRows_;
    std::vector<NetInterfaceRecord> netTable_;
    std::vector<bool> wasPresent_;
    std::int64_t lastTick_ = 0;
    std::vector<DriveEntry> drives_;
    bool drivesRead_ = false;
    std::vector<std::string> mountSources_; // the drives' devices, for the disk activity list
    std::unique_ptr<SensorMeasure> sensors_;
    SensorFamilies sensorsRead_;
    // Per sensor kind and device: the values with their history; disk rates get scales as
    // network rates do (for this run: the settings keep none for them).
    std::array<std::vector<ParamRecord>, kSensorKindCount> sensorItems_;
    LimitWatch critical_;
    float unseenSensor_ = 0.0f; // what a device not seen yet reads, and where writes to it go
};

} // namespace trumbel

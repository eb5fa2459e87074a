#pragma once

#include "measure/NetworkRates.h"
#include "measure/ParamRecord.h"
#include "platform/SensorSource.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace trumbel {

// The small rules that turn sensor fields into values.

// Degrees Celsius from the kernel's millidegrees.
std::optional<float> Celsius(std::optional<std::int64_t> millidegrees);
// A temperature's full scale: its critical limit, else its maximum, else 100 °C. A thermal
// zone's critical limit is its critical trip point.
float TemperatureLimit(const HwmonTempFields& t);
// The chip's name and the kernel's label ("k10temp Tctl"); the channel ("acpitz temp1") where the
// driver gives no label; a later chip of the same name adds its number ("nvme Composite (2)").
std::string TemperatureCaption(const HwmonTempFields& t);
std::string FanCaption(const HwmonFanFields& f);
// The thermal layer gives each zone type a hwmon chip of that name ("-" becomes "_") unless the
// zone's driver opts out; a zone whose type names a listed chip is shown through that chip.
bool ZoneHasHwmon(const ThermalZoneFields& zone, std::span<const HwmonTempFields> temperatures);
// A fan's full scale: its fan*_max, else the fastest it was seen turning.
float FanLimit(const HwmonFanFields& f, float fastestSeen);
// Whole devices count; partitions never; loop and ram devices (zram too) only while one of them
// holds a mount (mountSources: the drive table's sources, "/dev/loop0").
bool CountsAsDisk(const DiskStatFields& disk, std::span<const std::string> mountSources);
// Bytes per second from the kernel's 512-byte sector counters, under the network rates' rules
// for a device that has just come or whose counter went back.
float DiskRate(std::uint64_t sectorsBefore, std::uint64_t sectorsNow, std::int64_t elapsedMs,
               LinkPresence presence, float previous);
// Charge in percent: capacity, else energy now ÷ full, else charge now ÷ full.
std::optional<float> BatteryPercent(const PowerSupplyFields& p);
bool IsBattery(const PowerSupplyFields& p);
bool IsCharging(const PowerSupplyFields& p);
std::string GpuCaption(const GpuFields& g);

// The sensor kinds in the order the item kinds take them after disk space.
enum class SensorKind : int { Temperature, Fan, DiskRead, DiskWrite, Battery, Gpu };
inline constexpr int kSensorKindCount = 6;
// The measurement kinds (ParamID) they take after disk space, in the same order.
inline constexpr int kFirstSensorParamId = 7;

// What the listed kinds need read.
SensorFamilies FamiliesFor(std::span<const SensorKind> kinds);

struct SensorDevice {
    std::string caption;
    bool present = false;
    bool charging = false; // batteries
    float peak = 0.0f;     // the highest Used of this run
    // Used: °C, rpm, bytes/s or percent. Max and Total: the full scale (for disks the peak of
    // this run until scales are applied). Free = Max - Used.
    ParamRecord values;
};

// Which temperatures have just reached their limit: once each, and again only after the
// temperature fell back below it.
class LimitWatch {
public:
    void Update(const std::vector<SensorDevice>& devices);
    // The indexes that reached their limit in the last Update.
    const std::vector<int>& Reached() const { return reached_; }

private:
    std::vector<bool> atLimit_;
    std::vector<int> reached_;
};

// The devices of every sensor kind and their values. A device keeps its index for the run: one
// that vanishes shows absent and takes its index back when it returns.
class SensorMeasure {
public:
    SensorMeasure(SourceRoots roots, SensorFamilies wanted);

    // One pass, elapsedMs after the one before.
    void Pass(std::int64_t elapsedMs, std::span<const std::string> mountSources);
    const std::vector<SensorDevice>& Devices(SensorKind kind) const;

    // While a device is missing, its family is listed again every this many passes.
    static constexpr int kRescanPasses = 20;

private:
    std::vector<SensorDevice>& List(SensorKind kind);
    void MeasureTemperatures();
    void MeasureFans();
    void MeasureDisks(std::int64_t elapsedMs, std::span<const std::string> mountSources);
    void MeasureBatteries();
    void MeasureGpus();

    SensorSource source_;
    SensorReadings read_;
    std::array<std::vector<SensorDevice>, kSensorKindCount> devices_;
    // Per reading entry its device index, -1 while it has not counted as a device.
    std::vector<int> temperatureIndex_;
    std::vector<int> zoneIndex_;
    std::vector<int> fanIndex_;
    std::vector<int> diskIndex_;
    std::vector<int> batteryIndex_;
    std::vector<int> gpuIndex_;
    struct DiskCounters {
        std::uint64_t read = 0;
        std::uint64_t written = 0;
        bool listed = false;
    };
    std::vector<DiskCounters> diskBefore_;
    bool anyMissing_ = false;
    int passesSinceListing_ = 0;
};

} // namespace trumbel

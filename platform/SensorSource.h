#pragma once

#include "platform/KernelFields.h"
#include "platform/SystemSource.h"

#include <memory>
#include <vector>

namespace trumbel {

// The sensor families a caller needs; a family left out is neither listed nor read.
struct SensorFamilies {
    bool temperatures = false; // hwmon temp channels and thermal zones
    bool fans = false;
    bool disks = false;
    bool powerSupplies = false;
    bool gpus = false;
    bool operator==(const SensorFamilies&) const = default;
};

// Everything one pass read. Entries keep their positions from pass to pass: a device that
// vanishes stays, listed = false, and takes its entry again when it comes back; newcomers are
// appended.
struct SensorReadings {
    std::vector<HwmonTempFields> temperatures;
    std::vector<ThermalZoneFields> thermalZones;
    std::vector<HwmonFanFields> fans;
    std::vector<DiskStatFields> disks;
    std::vector<PowerSupplyFields> powerSupplies;
    std::vector<GpuFields> gpus;
};

// Reads hwmon, thermal zones, /proc/diskstats, power supplies and graphics cards under the given
// roots. Files read every pass stay open and are re-read from the start into buffers that only
// grow, so a steady pass allocates nothing. On the live /sys, NVIDIA cards are asked through
// libnvidia-ml.so.1 when that library can be loaded.
class SensorSource {
public:
    SensorSource(SourceRoots roots, SensorFamilies wanted);
    ~SensorSource();
    SensorSource(const SensorSource&) = delete;
    SensorSource& operator=(const SensorSource&) = delete;

    // The sysfs devices are listed on the first Read and again after Rescan(); /proc/diskstats
    // lists its devices on every pass. A device whose files can no longer be read counts as
    // vanished until the next listing finds it.
    void Read(SensorReadings& out);
    // The next Read lists the sysfs devices again (that pass allocates).
    void Rescan();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace trumbel

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace trumbel {

// The fields the kernel reports, as it reports them: no rule of what they mean is applied here.
// What counts as idle, used or available is decided in measure/.

// One "cpu" line of /proc/stat, cumulative clock ticks. Guest time is already part of user time,
// so the two guest columns are not kept. Columns an old kernel does not list read zero.
struct CpuTickFields {
    std::uint64_t user = 0;
    std::uint64_t nice = 0;
    std::uint64_t system = 0;
    std::uint64_t idle = 0;
    std::uint64_t iowait = 0;
    std::uint64_t irq = 0;
    std::uint64_t softirq = 0;
    std::uint64_t steal = 0;
    bool online = false; // listed in the last read
};

// The /proc/meminfo lines the memory values need, in kB; nullopt when the line is missing
// (MemAvailable appeared with Linux 3.14).
struct MemInfoFields {
    std::optional<std::uint64_t> memTotal;
    std::optional<std::uint64_t> memFree;
    std::optional<std::uint64_t> memAvailable;
    std::optional<std::uint64_t> swapTotal;
    std::optional<std::uint64_t> swapFree;
};

// The sensor families below are read from sysfs attributes, one value per file, in the units the
// kernel's ABI gives. A file the driver does not provide reads nullopt. `listed` is false while the
// device has vanished from the system; its entry keeps its place so it can take it back.

// One temperature channel of a hwmon chip: hwmonN/temp<channel>_*, millidegrees Celsius.
struct HwmonTempFields {
    std::string chip;    // hwmonN/name
    std::string device;  // where hwmonN/device leads; "" when the chip has no device
    int chipOrdinal = 0; // among chips of the same name, in hwmon order
    int channel = 0;
    std::string label; // "" when the driver gives none
    std::optional<std::int64_t> input;
    std::optional<std::int64_t> crit;
    std::optional<std::int64_t> max;
    bool listed = true;
};

// One fan of a hwmon chip: hwmonN/fan<channel>_*, revolutions per minute.
struct HwmonFanFields {
    std::string chip;
    std::string device; // where hwmonN/device leads; "" when the chip has no device
    int chipOrdinal = 0;
    int channel = 0;
    std::string label;
    std::optional<std::int64_t> input;
    std::optional<std::int64_t> max;
    bool listed = true;
};

// /sys/class/thermal/thermal_zoneN: its type and temperature in millidegrees Celsius.
struct ThermalZoneFields {
    std::string zone; // "thermal_zone0"
    std::string type;
    std::optional<std::int64_t> temp;
    std::optional<std::int64_t> criticalTrip; // the trip point of type "critical"
    bool listed = true;
};

// One line of /proc/diskstats; sectors are the kernel's 512-byte units whatever the device's
// own sector size. partition: the device has a "partition" attribute in /sys/class/block.
struct DiskStatFields {
    std::string name;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint64_t sectorsRead = 0;
    std::uint64_t sectorsWritten = 0;
    bool partition = false;
    bool listed = true;
};

// /sys/class/power_supply/<name>: energy in µWh, charge in µAh, capacity in percent.
struct PowerSupplyFields {
    std::string name;
    std::string type;   // "Battery", "Mains", "USB", ...
    std::string status; // "Charging", "Discharging", "Full", "Not charging", "Unknown"
    std::optional<std::int64_t> present;
    std::optional<std::int64_t> online;
    std::optional<std::int64_t> capacity;
    std::optional<std::int64_t> energyNow;
    std::optional<std::int64_t> energyFull;
    std::optional<std::int64_t> chargeNow;
    std::optional<std::int64_t> chargeFull;
    bool listed = true;
};

// A graphics card: amdgpu's /sys/class/drm/cardN/device attributes, or a card NVML reports.
struct GpuFields {
    std::string card;   // "card0", or "nvidia0" for NVML's first device
    std::string driver; // "amdgpu" or "nvidia"
    std::string model;  // NVML's device name; "" for sysfs cards
    std::optional<std::int64_t> busyPercent;
    std::optional<std::int64_t> vramUsed; // bytes
    std::optional<std::int64_t> vramTotal;
    bool listed = true;
};

} // namespace trumbel

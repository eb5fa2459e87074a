#pragma once

#include "platform/SystemSource.h"
#include "tests/support/TestFolder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace trumbel::test {

// A machine's sensors as the kernel's sysfs ABI lays them out: one "path value" line per file.
inline constexpr const char* kSensorMachine = R"(
sys/class/hwmon/hwmon0/name k10temp
sys/class/hwmon/hwmon0/temp1_input 47250
sys/class/hwmon/hwmon0/temp1_label Tctl
sys/class/hwmon/hwmon1/name coretemp
sys/class/hwmon/hwmon1/temp1_input 52000
sys/class/hwmon/hwmon1/temp1_label Package id 0
sys/class/hwmon/hwmon1/temp1_crit 100000
sys/class/hwmon/hwmon1/temp1_max 80000
sys/class/hwmon/hwmon1/temp2_input 50000
sys/class/hwmon/hwmon1/temp2_label Core 0
sys/class/hwmon/hwmon1/temp2_max 80000
sys/class/hwmon/hwmon2/name nvme
sys/class/hwmon/hwmon2/temp1_input 38850
sys/class/hwmon/hwmon2/temp1_label Composite
sys/class/hwmon/hwmon2/temp1_crit 84850
sys/class/hwmon/hwmon2/temp1_max 81850
sys/class/hwmon/hwmon3/name acpitz
sys/class/hwmon/hwmon3/temp1_input 27800
sys/class/hwmon/hwmon3/temp1_crit 105000
sys/class/hwmon/hwmon4/name thinkpad
sys/class/hwmon/hwmon4/fan1_input 2900
sys/class/hwmon/hwmon4/fan2_input 1200
sys/class/hwmon/hwmon4/fan2_label Exhaust
sys/class/hwmon/hwmon4/fan2_max 4000
sys/class/hwmon/hwmon5/name nvme
sys/class/hwmon/hwmon5/temp1_input 41850
sys/class/hwmon/hwmon5/temp1_label Composite
sys/class/thermal/thermal_zone0/type acpitz
sys/class/thermal/thermal_zone0/temp 27800
sys/class/thermal/thermal_zone1/type x86_pkg_temp
sys/class/thermal/thermal_zone1/temp 53000
sys/class/thermal/thermal_zone1/trip_point_0_type passive
sys/class/thermal/thermal_zone1/trip_point_0_temp 90000
sys/class/thermal/thermal_zone1/trip_point_1_type critical
sys/class/thermal/thermal_zone1/trip_point_1_temp 110000
sys/class/power_supply/AC/type Mains
sys/class/power_supply/AC/online 1
sys/class/power_supply/BAT0/type Battery
sys/class/power_supply/BAT0/status Charging
sys/class/power_supply/BAT0/present 1
sys/class/power_supply/BAT0/energy_now 30000000
sys/class/power_supply/BAT0/energy_full 40000000
sys/class/power_supply/BAT1/type Battery
sys/class/power_supply/BAT1/status Discharging
sys/class/power_supply/BAT1/present 1
sys/class/power_supply/BAT1/charge_now 1400000
sys/class/power_supply/BAT1/charge_full 2800000
sys/class/power_supply/BAT2/type Battery
sys/class/power_supply/BAT2/status Full
sys/class/power_supply/BAT2/capacity 81
sys/class/power_supply/BAT2/energy_now 10000000
sys/class/power_supply/BAT2/energy_full 40000000
sys/class/drm/card0/device/gpu_busy_percent 37
sys/class/drm/card0/device/mem_info_vram_used 1073741824
sys/class/drm/card0/device/mem_info_vram_total 8589934592
sys/class/drm/card0-DP-1/status connected
sys/class/drm/card1/device/vendor 0x8086
sys/class/block/sda1/partition 1
sys/class/block/nvme0n1p1/partition 1
proc/diskstats
)";

// A /proc/diskstats line with the given sectors read and written.
inline std::string DiskLine(int major, int minor, const std::string& name, std::uint64_t read,
                            std::uint64_t written) {
    return std::to_string(major) + " " + std::to_string(minor) + " " + name + " 5 0 " +
           std::to_string(read) + " 9 7 0 " + std::to_string(written) + " 3 0 8 12 0 0 0 0\n";
}

// The machine above written under a fresh test folder.
class SensorTree {
public:
    SensorTree() : base_(FreshTestFolder("sensors")) {
        std::istringstream lines(kSensorMachine);
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty()) {
                const auto blank = line.find(' ');
                Write(line.substr(0, blank),
                      blank == std::string::npos ? "" : line.substr(blank + 1));
            }
        }
    }
    SourceRoots Roots() const { return {(base_ / "proc").string(), (base_ / "sys").string()}; }
    // Rewritten in place: the readers keep their files open.
    void Write(const std::string& relative, const std::string& text) const {
        std::filesystem::create_directories((base_ / relative).parent_path());
        std::ofstream(base_ / relative, std::ios::out | std::ios::trunc) << text << "\n";
    }
    void Remove(const std::string& relative) const {
        std::filesystem::remove_all(base_ / relative);
    }

private:
    std::filesystem::path base_;
};

} // namespace trumbel::test

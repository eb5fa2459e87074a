#pragma once

#include "platform/KernelFields.h"
#include "platform/SystemSource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

// What one reply of a node exporter says about its machine, in the kernel's terms where the
// exporter keeps them: the same fields this machine's readers hand over, so the same rules
// apply. Families the reply lacks stay empty; devices are in the order the reply lists them
// unless said otherwise.
struct NodeReading {
    struct Cpu {
        long long number = 0; // the kernel's processor number
        CpuTickFields ticks;  // hundredths of a second, as /proc/stat counts them
    };
    struct Interface {
        std::string name;
        std::uint64_t rxBytes = 0;
        std::uint64_t txBytes = 0;
        std::int32_t type = kIfTypeOther;
        std::optional<bool> up; // where the reply gives the link state
        std::optional<long long> ifIndex;
    };
    struct Drive {
        DriveEntry entry;
        SpaceFigures space;
    };
    struct Temperature {
        HwmonTempFields fields; // millidegrees, as the kernel gives them
        std::string chipKey;    // the exporter's chip label
    };
    struct Disk {
        std::string name;
        std::uint64_t readBytes = 0;
        std::uint64_t writtenBytes = 0;
    };
    struct Battery {
        std::string name;
        float percent = 0.0f;
        bool charging = false;
    };

    std::vector<Cpu> cpus;             // by processor number
    MemInfoFields memory;              // kB
    std::vector<Interface> interfaces; // in interface-index order where the reply gives it
    std::vector<Drive> drives; // the drive table's rule and order: "/" first, one per volume
    std::vector<Temperature> temperatures;
    std::vector<Disk> disks; // whole disks only
    std::vector<Battery> batteries;
    int samples = 0;
    int malformedLines = 0;
    // When the machine was measured, where the reply says (a Prometheus server's federation
    // stamps what it scraped): the latest stamp of its node samples.
    std::optional<std::int64_t> timestampMs;

    // A reply holds node metrics when it says how busy the processors are or how much memory
    // there is; anything else (another program's metrics, an error page) is not one.
    bool HoldsNodeMetrics() const { return !cpus.empty() || memory.memTotal.has_value(); }
};

// Reads a reply body in the text exposition format. Samples of other families, and samples
// lacking the labels their family needs, are passed over.
NodeReading ReadNodeMetrics(std::string_view body);

} // namespace trumbel

#pragma once

#include "measure/ShowParam.h"
#include "settings/Settings.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace trumbel {

// What a reply said, for the log and the tooltip; Ok when it held node metrics.
struct ScrapeOutcome {
    bool ok = false;
    std::string reason; // empty when ok
};

// The values of one machine measured by a Prometheus node exporter, served as this machine's
// are: by ParamID (measure/SystemInfo.h), device and ShowParam, with the same histories. Rates
// come from counter differences over the time between two replies; a counter that went down
// (the exporter restarted) starts again from its new value. Toolkit-free: the fetching lives in
// remote/qt/.
class RemoteHostValues {
public:
    explicit RemoteHostValues(const Settings& settings);
    ~RemoteHostValues();
    RemoteHostValues(const RemoteHostValues&) = delete;
    RemoteHostValues& operator=(const RemoteHostValues&) = delete;

    // A reply's body, received at nowMs (monotonic milliseconds).
    ScrapeOutcome Accept(std::string_view body, std::int64_t nowMs);
    // The host could not be read: its devices show as not connected and its values read 0 until
    // the next reply that holds node metrics.
    void Fail(std::string reason);
    // One pass of the strip (every 500 ms): steps the histories as SystemInfo::RefreshParam does.
    void RefreshParam(int sampleCounter);

    bool Connected() const;
    const std::string& Reason() const; // why it is not connected; empty while it is

    // Devices per ParamID in a stable order; a device that went away keeps its index and reads
    // as absent until it comes back.
    int CpuCount() const;
    int DeviceCount(int paramId) const;
    // "eth0", "/home", "k10temp Tctl", "vda", "BAT0"; a processor by the kernel's name ("cpu3"),
    // all processors and the kinds of one device "".
    std::string DeviceName(int paramId, int deviceId) const;
    bool DevicePresent(int paramId, int deviceId) const;

    // As SystemInfo::GetSystemValue; a device never seen reads 0 instead of throwing.
    float GetValue(int paramId, int deviceId, ShowParam show, int logIndex = 0) const;

    // As SystemInfo's: an interface's type (kIfType*) and state (kIfStatus*: down while the
    // host is not connected or the interface is gone), a drive's type and space (Max, Free as
    // available to users, Used, Total), a battery's charging.
    std::int32_t NetworkType(int index) const;
    std::int32_t NetworkStatus(int index) const;
    std::int32_t DiskType(int diskId) const;
    void GetDiskSpaceValue(int diskId, std::array<float, 4>& spaceValue) const;
    bool Charging(int batteryId) const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// A host's values in the lines FormatValues prints for this machine (measure/PrintValues.h), its
// devices numbered as the host's values are: CPU 0 all, 1.. by the kernel's processor number;
// interfaces, drives and sensors in the order they were first listed.
std::string FormatValues(const RemoteHostValues& host);

} // namespace trumbel

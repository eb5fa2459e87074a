#include "measure/PrintValues.h"

#include <array>
#include <charconv>

namespace trumbel {

std::string PlainDecimal(float value) {
    std::array<char, 64> buf{};
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed);
    return std::string(buf.data(), r.ptr);
}

void AppendParamLine(std::string& out, int paramId, int device,
                     const std::array<float, 4>& maxFreeUsedTotal) {
    out += "param\t" + std::to_string(paramId) + '\t' + std::to_string(device);
    for (const float value : maxFreeUsedTotal) {
        out += '\t' + PlainDecimal(value);
    }
    out += '\n';
}

void AppendNetLine(std::string& out, int index, std::int32_t type, std::int32_t status,
                   const std::string& caption) {
    out += "net\t" + std::to_string(index) + '\t' + std::to_string(type) + '\t' +
           std::to_string(status) + '\t' + caption + '\n';
}

void AppendDriveLine(std::string& out, int id, std::int32_t type, const std::string& mountPoint,
                     float total, float available, float free) {
    out += "drive\t" + std::to_string(id) + '\t' + SystemInfo::DiskLetter(id) + '\t' +
           std::to_string(type) + '\t' + mountPoint + '\t' + PlainDecimal(total) + '\t' +
           PlainDecimal(available) + '\t' + PlainDecimal(free) + '\n';
}

void AppendSensorLine(std::string& out, int paramId, int device, bool present, bool charging,
                      const std::string& caption) {
    out += "sensor\t" + std::to_string(paramId) + '\t' + std::to_string(device) + '\t' +
           std::to_string(present ? kIfStatusOperational : kIfStatusDown) + '\t' +
           (charging ? '1' : '0') + '\t' + caption + '\n';
}

std::string FormatValues(SystemInfo& info) {
    std::string out;
    const auto param = [&](int paramId, int devices) {
        for (int d = 0; d < devices; ++d) {
            std::array<float, 4> values{};
            std::size_t i = 0;
            for (ShowParam show :
                 {ShowParam::Max, ShowParam::Free, ShowParam::Used, ShowParam::Total}) {
                values[i++] = info.GetSystemValue(paramId, d, show);
            }
            AppendParamLine(out, paramId, d, values);
        }
    };
    const int count = info.GetNetWorkNum();
    param(kParamPhysicalMemory, 1);
    param(kParamPageFile, 1);
    param(kParamCpu, info.CPUNum() + 1);
    param(kParamResources, 1);
    param(kParamNetReceive, count);
    param(kParamNetSend, count);
    for (int n = 0; n < count; ++n) {
        AppendNetLine(out, n, info.GetNetWorkType(n), info.GetNetWorkStatus(n),
                      info.GetNetWorkDeviceName(n));
    }
    for (int id = 0; id < info.GetDiskCount(); ++id) {
        std::array<float, 4> space{};
        info.GetDiskSpaceValue(id, space);
        AppendDriveLine(out, id, info.GetDiskType(id), info.GetDiskMountPoint(id), space[3],
                        space[1], info.GetSystemValue(kParamDisk, id, ShowParam::Free));
    }
    if (const SensorMeasure* sensors = info.Sensors()) {
        FormatSensorValues(*sensors, out);
    }
    return out;
}

void FormatSensorValues(const SensorMeasure& sensors, std::string& out) {
    for (int k = 0; k < kSensorKindCount; ++k) {
        const auto& devices = sensors.Devices(static_cast<SensorKind>(k));
        for (std::size_t d = 0; d < devices.size(); ++d) {
            const ParamRecord& v = devices[d].values;
            AppendParamLine(out, kFirstSensorParamId + k, static_cast<int>(d),
                            {v.Max, v.Free, v.Used, v.Total});
        }
    }
    for (int k = 0; k < kSensorKindCount; ++k) {
        const auto& devices = sensors.Devices(static_cast<SensorKind>(k));
        for (std::size_t d = 0; d < devices.size(); ++d) {
            const SensorDevice& device = devices[d];
            AppendSensorLine(out, kFirstSensorParamId + k, static_cast<int>(d), device.present,
                             device.charging, device.caption);
        }
    }
}

} // namespace trumbel

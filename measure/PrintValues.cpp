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

std::string FormatValues(SystemInfo& info) {
    std::string out;
    const auto param = [&](int paramId, int devices) {
        for (int d = 0; d < devices; ++d) {
            out += "param\t" + std::to_string(paramId) + '\t' + std::to_string(d);
            for (ShowParam show :
                 {ShowParam::Max, ShowParam::Free, ShowParam::Used, ShowParam::Total}) {
                out += '\t' + PlainDecimal(info.GetSystemValue(paramId, d, show));
            }
            out += '\n';
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
        out += "net\t" + std::to_string(n) + '\t' + std::to_string(info.GetNetWorkType(n)) + '\t' +
               std::to_string(info.GetNetWorkStatus(n)) + '\t' + info.GetNetWorkDeviceName(n) +
               '\n';
    }
    for (int id = 0; id < info.GetDiskCount(); ++id) {
        std::array<float, 4> space{};
        info.GetDiskSpaceValue(id, space);
        out += "drive\t" + std::to_string(id) + '\t' + SystemInfo::DiskLetter(id) + '\t' +
               std::to_string(info.GetDiskType(id)) + '\t' + info.GetDiskMountPoint(id) + '\t' +
               PlainDecimal(space[3]) + '\t' + PlainDecimal(space[1]) + '\t' +
               PlainDecimal(info.GetSystemValue(kParamDisk, id, ShowParam::Free)) + '\n';
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
            out += "param\t" + std::to_string(kFirstSensorParamId + k) + '\t' + std::to_string(d);
            for (const float value : {v.Max, v.Free, v.Used, v.Total}) {
                out += '\t' + PlainDecimal(value);
            }
            out += '\n';
        }
    }
    for (int k = 0; k < kSensorKindCount; ++k) {
        const auto& devices = sensors.Devices(static_cast<SensorKind>(k));
        for (std::size_t d = 0; d < devices.size(); ++d) {
            const SensorDevice& device = devices[d];
            out += "sensor\t" + std::to_string(kFirstSensorParamId + k) + '\t' + std::to_string(d) +
                   '\t' + std::to_string(device.present ? kIfStatusOperational : kIfStatusDown) +
                   '\t' + (device.charging ? '1' : '0') + '\t' + device.caption + '\n';
        }
    }
}

} // namespace trumbel

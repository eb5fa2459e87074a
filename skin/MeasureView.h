#pragma once

#include "measure/ShowParam.h"

#include <array>
#include <cstdint>

namespace trumbel {

// What drawing reads from the measurement object. The live program hands over the real one;
// tests a fixed table. Reads may throw RuntimeError (a device or sample out of range).
class MeasureView {
public:
    virtual ~MeasureView() = default;
    // The selector as a number, as skin files give it (ShowParamOf).
    virtual float GetSystemValue(int paramId, int deviceId, int showParamInfo,
                                 int logIndex = 0) = 0;
    float Value(int paramId, int deviceId, ShowParam show, int logIndex = 0) {
        return GetSystemValue(paramId, deviceId, ShowNumber(show), logIndex);
    }
    virtual std::int32_t GetNetWorkStatus(int index) = 0;
    // Whether the device of a sensor ParamID is there now; one never seen is not.
    virtual bool SensorPresent(int paramId, int deviceId) = 0;
    virtual std::int32_t GetNetWorkType(int index) = 0;
    virtual std::int32_t GetNetWorkNum() = 0;
    virtual std::int32_t GetDiskType(int diskId) = 0;
    // Max, Free, Used, Total in bytes.
    virtual void GetDiskSpaceValue(int diskId, std::array<float, 4>& spaceValue) = 0;
};

} // namespace trumbel

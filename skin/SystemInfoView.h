#pragma once

#include "base/RuntimeError.h"
#include "measure/SystemMeasure.h"
#include "skin/MeasureView.h"

namespace trumbel {

// The live measurement object as drawing reads it. While the object does not exist (it is
// re-created by the next tick) every read fails as an unset object would.
class SystemInfoView final : public MeasureView {
public:
    explicit SystemInfoView(SystemMeasure& measure) : measure_(measure) {}

    float GetSystemValue(int paramId, int deviceId, int show, int logIndex) override {
        return Info().GetSystemValue(paramId, deviceId, show, logIndex);
    }
    std::int32_t GetNetWorkStatus(int index) override { return Info().GetNetWorkStatus(index); }
    bool SensorPresent(int paramId, int deviceId) override {
        const SensorDevice* device = Info().Sensor(paramId, deviceId);
        return device != nullptr && device->present;
    }
    std::int32_t GetNetWorkType(int index) override { return Info().GetNetWorkType(index); }
    std::int32_t GetNetWorkNum() override { return Info().GetNetWorkNum(); }
    std::int32_t GetDiskType(int diskId) override { return Info().GetDiskType(diskId); }
    void GetDiskSpaceValue(int diskId, std::array<float, 4>& spaceValue) override {
        Info().GetDiskSpaceValue(diskId, spaceValue);
    }

private:
    SystemInfo& Info() {
        SystemInfo* info = measure_.Info();
        if (info == nullptr) {
            throw RuntimeError(ErrorNumber::ObjectNotSet);
        }
        return *info;
    }

    SystemMeasure& measure_;
};

} // namespace trumbel

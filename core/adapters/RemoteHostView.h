#pragma once

#include "remote/RemoteHost.h"
#include "skin/MeasureView.h"

namespace trumbel {

// A remote host's values as drawing reads this machine's. A device the host never listed reads
// 0 instead of failing the pass: a host that is down must not bring up error boxes.
class RemoteHostView final : public MeasureView {
public:
    explicit RemoteHostView(RemoteHostValues& values) : values_(values) {}

    float GetSystemValue(int paramId, int deviceId, int show, int logIndex) override {
        const std::optional<ShowParam> selector = ShowParamOf(show);
        return selector ? values_.GetValue(paramId, deviceId, *selector, logIndex) : 0.0f;
    }
    std::int32_t GetNetWorkStatus(int index) override { return values_.NetworkStatus(index); }
    bool SensorPresent(int paramId, int deviceId) override {
        return values_.Connected() && values_.DevicePresent(paramId, deviceId);
    }
    std::int32_t GetNetWorkType(int index) override { return values_.NetworkType(index); }
    std::int32_t GetNetWorkNum() override { return values_.DeviceCount(kNetworkParam); }
    std::int32_t GetDiskType(int diskId) override { return values_.DiskType(diskId); }
    void GetDiskSpaceValue(int diskId, std::array<float, 4>& spaceValue) override {
        values_.GetDiskSpaceValue(diskId, spaceValue);
    }

private:
    static constexpr int kNetworkParam = 4; // receive; the send side lists the same interfaces
    RemoteHostValues& values_;
};

} // namespace trumbel

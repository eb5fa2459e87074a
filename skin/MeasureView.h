#pragma once

#include <array>
#include <cstdint>

namespace trumbel {

// Value selectors of GetSystemValue.
struct ShowInfo {
    static constexpr int Log = -1; // history sample LogIndex (1 newest .. 60 oldest)
    static constexpr int Max = 0;  // full scale of graphs
    static constexpr int Free = 1;
    static constexpr int Used = 2;
    static constexpr int Total = 3; // numeric scale
};

// What drawing reads from the measurement object. The live program hands over the real one;
// tests a fixed table. Reads may throw RuntimeError (a device or sample out of range).
class MeasureView {
public:
    virtual ~MeasureView() = default;
    virtual float GetSystemValue(int paramId, int deviceId, int showParamInfo,
                                 int logIndex = 0) = 0;
    virtual std::int32_t GetNetWorkStatus(int index) = 0;
    virtual std::int32_t GetNetWorkType(int index) = 0;
    virtual std::int32_t GetNetWorkNum() = 0;
    virtual std::int32_t GetDiskType(int diskId) = 0;
    // Max, Free, Used, Total in bytes.
    virtual void GetDiskSpaceValue(int diskId, std::array<float, 4>& spaceValue) = 0;
};

} // namespace trumbel

#pragma once

// A measurement object with fixed values, and the sample machine and default layout that the
// golden pictures and the benchmarks draw.

#include "base/RuntimeError.h"
#include "settings/Settings.h"
#include "settings/SlotStyle.h"
#include "skin/MeasureView.h"

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace trumbel::test {

// A measurement table: items 0..12, devices 0..4; anything else is out of range, as the real
// object's table is. Flat arrays, so that benchmarks time drawing rather than look-ups.
class FakeMeasure final : public MeasureView {
public:
    static constexpr int kItems = 13;
    static constexpr int kDevices = 5;
    using Log = std::array<float, 61>;

    std::array<std::array<std::array<float, 4>, kDevices>, kItems> values{};
    std::array<std::array<Log, kDevices>, kItems> logs{};
    std::vector<std::int32_t> netStatus{5};
    std::vector<std::int32_t> netType{6};
    std::map<int, std::array<float, 4>> disks;
    std::map<int, int> diskTypes;
    std::set<std::pair<int, int>> absentSensors; // (item, device)

    void Set(int item, int device, float max, float free, float used, float total) {
        Record(item, device) = {max, free, used, total};
    }
    Log& History(int item, int device) {
        return logs.at(static_cast<std::size_t>(item)).at(static_cast<std::size_t>(device));
    }
    float GetSystemValue(int item, int device, int show, int logIndex) override {
        if (item < 0 || item >= kItems || device < 0 || device >= kDevices || show < -1 ||
            show > 3) {
            throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
        }
        if (show == ShowInfo::Log) {
            if (logIndex < 0 || logIndex > 60) {
                throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
            }
            return History(item, device)[static_cast<std::size_t>(logIndex)];
        }
        return Record(item, device)[static_cast<std::size_t>(show)];
    }
    std::int32_t GetNetWorkStatus(int index) override {
        return index >= 0 && index < static_cast<int>(netStatus.size())
                   ? netStatus[static_cast<std::size_t>(index)]
                   : 0;
    }
    bool SensorPresent(int item, int device) override {
        return absentSensors.count({item, device}) == 0;
    }
    std::int32_t GetNetWorkType(int index) override {
        return index >= 0 && index < static_cast<int>(netType.size())
                   ? netType[static_cast<std::size_t>(index)]
                   : 0;
    }
    std::int32_t GetNetWorkNum() override { return static_cast<std::int32_t>(netType.size()); }
    std::int32_t GetDiskType(int diskId) override {
        auto it = diskTypes.find(diskId);
        return it == diskTypes.end() ? 1 : it->second;
    }
    void GetDiskSpaceValue(int diskId, std::array<float, 4>& v) override {
        auto it = disks.find(diskId);
        v = it == disks.end() ? std::array<float, 4>{} : it->second;
    }

private:
    std::array<float, 4>& Record(int item, int device) {
        return values.at(static_cast<std::size_t>(item)).at(static_cast<std::size_t>(device));
    }
};

// A machine at a fixed moment: 16 GiB of memory with 5.1 GiB free, a busy processor, one
// loopback and one Ethernet interface with a receive and send history, drive C: of 480 GB.
inline void FillSampleMachine(FakeMeasure& m) {
    constexpr float kGiB = 1024.0f * 1024 * 1024;
    m.Set(0, 0, 16 * kGiB, 5.1f * kGiB, 10.9f * kGiB, 16 * kGiB);
    m.Set(1, 0, 2 * kGiB, 1.5f * kGiB, 0.5f * kGiB, 2 * kGiB);
    m.Set(2, 0, 100, 63, 37, 100);
    m.Set(3, 0, 0, -1, 0, 0);
    m.netType = {24, 6};
    m.netStatus = {5, 5};
    m.Set(4, 1, 1.25e6f, 0, 123456, 1.25e6f);
    m.Set(5, 1, 1.25e6f, 0, 5000, 1.25e6f);
    std::array<float, 61> cpu{};
    std::array<float, 61> receive{};
    std::array<float, 61> send{};
    for (int i = 1; i <= 60; ++i) {
        cpu[static_cast<std::size_t>(i)] = static_cast<float>(40 + (i * 37) % 55); // free
        receive[static_cast<std::size_t>(i)] = 1.25e6f * static_cast<float>((i * 53) % 100) / 100;
        send[static_cast<std::size_t>(i)] =
            (i % 4 == 0) ? 0.0f : 1.25e6f * static_cast<float>((i * 29) % 40) / 100;
    }
    m.History(2, 0) = cpu;
    m.History(4, 1) = receive;
    m.History(5, 1) = send;
    m.diskTypes[0] = 3;
    m.disks[0] = {480e9f, 212e9f, 268e9f, 480e9f};
}

// The layout a first start gets: memory and drive bars, history graphs of the processor,
// receive and send, and a clock. The interfaces of the history graphs are `interface`.
inline void DefaultLayout(Settings& s, const StandardStyles& standard, int interface = 1) {
    s.showStartUnit = 1;
    s.showEndUnit = 1;
    s.containerCount = 5;
    for (int c = 0; c < kContainerCount; ++c) {
        s.historyContainer[static_cast<std::size_t>(c)] = 0;
        s.clockContainer[static_cast<std::size_t>(c)] = 0;
        s.kind[static_cast<std::size_t>(c)].fill(0);
        s.device[static_cast<std::size_t>(c)].fill(0);
    }
    s.kind[0][1] = 8;
    for (int c = 1; c <= 3; ++c) {
        s.historyContainer[static_cast<std::size_t>(c)] = 1;
    }
    s.kind[1][0] = 2;
    s.kind[2][0] = 4;
    s.kind[3][0] = 5;
    s.device[2][0] = static_cast<std::int16_t>(interface);
    s.device[3][0] = static_cast<std::int16_t>(interface);
    s.clockContainer[4] = 1;
    for (int c = 0; c < kContainerCount; ++c) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            SetSlotStyle(s, standard, c, slot, 0, StyleSet::Force);
        }
    }
}

} // namespace trumbel::test

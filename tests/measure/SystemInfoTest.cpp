#include "base/RuntimeError.h"
#include "measure/PrintValues.h"
#include "measure/SystemMeasure.h"
#include "tests/measure/MeasureFixture.h"

#include <gtest/gtest.h>

namespace trumbel::test {
namespace {

constexpr int kLo = 0, kEth = 1, kUsb = 2, kTun = 3, kPpp = 4;

std::string Traffic(std::uint64_t ethRx, std::uint64_t ethTx, bool withUsb = true,
                    std::uint64_t usbRx = 40000) {
    std::vector<std::tuple<std::string, std::uint64_t, std::uint64_t>> rows{
        {"eth0", ethRx, ethTx}, {"lo", 3267, 3267}, {"ppp0", 1000, 2000}};
    if (withUsb) {
        rows.emplace_back("usb0", usbRx, 50000);
    }
    rows.emplace_back("tun0", 0, 0);
    return NetDevText(rows);
}

TEST(Memory, PhysicalFromMemAvailableAndSwapFromSwapFree) {
    Measured m("two-cpu");
    m.Pass();
    const float total = 16318480.0f * 1024.0f;
    const float avail = 8123456.0f * 1024.0f;
    EXPECT_EQ(m.Value(kParamPhysicalMemory, 0, kShowTotal), total);
    EXPECT_EQ(m.Value(kParamPhysicalMemory, 0, kShowMax), total);
    EXPECT_EQ(m.Value(kParamPhysicalMemory, 0, kShowFree), avail);
    EXPECT_EQ(m.Value(kParamPhysicalMemory, 0, kShowUsed), total - avail);
    EXPECT_EQ(m.Value(kParamPageFile, 0, kShowTotal), 2097148.0f * 1024.0f);
    EXPECT_EQ(m.Value(kParamPageFile, 0, kShowFree), 1048572.0f * 1024.0f);
}

TEST(Memory, UnreadableTableKeepsThePreviousValues) {
    Measured m("two-cpu");
    m.Pass();
    m.tree.Write("proc/meminfo", "garbage\n");
    m.Pass();
    EXPECT_EQ(m.Value(kParamPhysicalMemory, 0, kShowFree), 8123456.0f * 1024.0f);
}

TEST(Resources, AbsentOnEveryPass) {
    Measured m("two-cpu");
    for (int i = 0; i < 2; ++i) {
        m.Pass();
        EXPECT_EQ(m.Value(kParamResources, 0, kShowFree), -1.0f);
        EXPECT_EQ(m.Value(kParamResources, 0, kShowUsed), 101.0f);
        EXPECT_EQ(m.Value(kParamResources, 0, kShowTotal), 100.0f);
    }
}

TEST(Cpu, EveryProcessorLineIsAColumn) {
    Measured two("two-cpu");
    EXPECT_EQ(two.info->CPUNum(), 2);
    Measured many("sixty-four");
    EXPECT_EQ(many.info->CPUNum(), 64);
    EXPECT_EQ(many.Value(kParamCpu, 64, kShowMax), 100.0f);
    EXPECT_THROW(many.Value(kParamCpu, 65, kShowMax), RuntimeError);
}

TEST(Cpu, RoundsHalvesToEven) {
    Measured m("two-cpu");
    // From the fixture (user+sys 1530 of 5630 each) add 200 ticks: 101 and 103 busy.
    m.tree.Write("proc/stat", StatText({{1101, 530, 4099, 100}, {1103, 530, 4097, 100}}));
    m.Pass();
    EXPECT_EQ(m.Value(kParamCpu, 1, kShowUsed), 50.0f); // 50.5
    EXPECT_EQ(m.Value(kParamCpu, 1, kShowFree), 50.0f);
    EXPECT_EQ(m.Value(kParamCpu, 2, kShowUsed), 52.0f); // 51.5
    EXPECT_EQ(m.Value(kParamCpu, 0, kShowUsed), 51.0f); // 204 of 400
    EXPECT_EQ(m.Value(kParamCpu, 0, kShowFree), 49.0f);
}

TEST(Cpu, IdleIncludesIoWait) {
    Measured m("two-cpu");
    m.tree.Write("proc/stat", StatText({{1000, 530, 4050, 150}, {1050, 580, 4000, 100}}));
    m.Pass();
    EXPECT_EQ(m.Value(kParamCpu, 1, kShowUsed), 0.0f);
    EXPECT_EQ(m.Value(kParamCpu, 2, kShowUsed), 100.0f);
}

struct EmptyIntervalCase {
    const char* name;
    std::vector<CpuTicks> second;
    float cpu1, cpu2, all;
};

class CpuEmptyInterval : public ::testing::TestWithParam<EmptyIntervalCase> {};

TEST_P(CpuEmptyInterval, LeavesThatProcessorTheLaterOnesAndTheTotal) {
    const EmptyIntervalCase& c = GetParam();
    Measured m("two-cpu");
    const std::vector<CpuTicks> first{{1101, 530, 4099, 100}, {1103, 530, 4097, 100}};
    m.tree.Write("proc/stat", StatText(first));
    m.Pass(); // 50, 52, 51
    m.tree.Write("proc/stat", StatText(c.second));
    m.Pass();
    EXPECT_EQ(m.Value(kParamCpu, 1, kShowUsed), c.cpu1);
    EXPECT_EQ(m.Value(kParamCpu, 2, kShowUsed), c.cpu2);
    EXPECT_EQ(m.Value(kParamCpu, 0, kShowUsed), c.all);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CpuEmptyInterval,
    ::testing::Values(
        // Processor 1 idle-still: nothing after it moves, though processor 2 was fully busy.
        EmptyIntervalCase{"first", {{1101, 530, 4099, 100}, {1203, 530, 4097, 100}}, 50, 52, 51},
        // Processor 2 still: processor 1 updates (fully busy), processor 2 and total wait.
        EmptyIntervalCase{"second", {{1201, 530, 4099, 100}, {1103, 530, 4097, 100}}, 100, 52, 51}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cpu, ProcessorLeftOutKeepsItsTimesAndOthersGoOn) {
    Measured m("two-cpu");
    // Processor 1 went offline: its line is missing, its column shows its last usage.
    m.tree.Write("proc/stat", "cpu  2100 10 1000 8100 200 0 50 0 0 0\n"
                              "cpu0 1100 5 500 4100 100 0 25 0 0 0\nintr 1\n");
    m.Pass();
    EXPECT_EQ(m.Value(kParamCpu, 1, kShowUsed), 50.0f);
    EXPECT_EQ(m.Value(kParamCpu, 2, kShowUsed), 0.0f);
    EXPECT_EQ(m.Value(kParamCpu, 0, kShowUsed), 50.0f);
}

// History of one kind over passes, with the refresh loop's sample counter.
struct HistoryCase {
    const char* name;
    std::int16_t speed;
    std::int16_t sampleMode;
    std::vector<std::uint64_t> ethRxPerPass; // bytes received in each 500 ms pass
    std::vector<float> log1AfterPass;        // Log(1) of eth0 receive after each pass
};

class NetHistory : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(NetHistory, FollowsTheRateByMaximumOrAverage) {
    const HistoryCase& c = GetParam();
    Measured m("two-cpu");
    m.settings.historyUpdateSpeed = c.speed;
    m.settings.historySampleMode = c.sampleMode;
    std::uint64_t rx = 5000000;
    for (std::size_t i = 0; i < c.ethRxPerPass.size(); ++i) {
        rx += c.ethRxPerPass[i];
        m.tree.Write("proc/net/dev", Traffic(rx, 700000));
        m.Pass();
        EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowLog, 1), c.log1AfterPass[i]) << "pass " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NetHistory,
    ::testing::Values(
        HistoryCase{"speed0", 0, 0, {500, 1000, 0}, {1000, 2000, 0}},
        HistoryCase{"speed3Average",
                    3,
                    0,
                    {500, 1500, 100, 400, 50},
                    {0, 0, 0, (1000.0f + 3000 + 200 + 800) / 4, (1000.0f + 3000 + 200 + 800) / 4}},
        HistoryCase{"speed3Peak", 3, 1, {500, 1500, 100, 400, 50}, {0, 0, 0, 3000, 3000}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(History, MemoryKeepsTheLeastFreeOfTheStep) {
    Measured m("two-cpu");
    m.settings.historyUpdateSpeed = 3;
    const std::vector<int> availKb{9000000, 7000000, 8000000, 7500000, 6000000};
    for (std::size_t i = 0; i < availKb.size(); ++i) {
        m.tree.Write("proc/meminfo",
                     "MemTotal: 16318480 kB\nMemAvailable: " + std::to_string(availKb[i]) +
                         " kB\nSwapTotal: 0 kB\nSwapFree: 0 kB\n");
        m.Pass();
        if (i < 3) {
            EXPECT_EQ(m.Value(kParamPhysicalMemory, 0, kShowLog, 1), 0.0f);
        } else {
            EXPECT_EQ(m.Value(kParamPhysicalMemory, 0, kShowLog, 1), 7000000.0f * 1024);
        }
    }
    // The fifth pass opened a new step: Log(0) holds its first value.
    EXPECT_EQ(m.Value(kParamPhysicalMemory, 0, kShowLog, 0), 6000000.0f * 1024);
}

TEST(History, SpeedZeroShiftsEveryPassAndDropsTheOldest) {
    Measured m("two-cpu");
    for (int i = 0; i < 62; ++i) {
        m.tree.Write("proc/meminfo",
                     "MemTotal: 16318480 kB\nMemAvailable: " + std::to_string(1000 + i) +
                         " kB\nSwapTotal: 0 kB\nSwapFree: 0 kB\n");
        m.Pass();
        EXPECT_EQ(m.Value(kParamPhysicalMemory, 0, kShowLog, 1),
                  m.Value(kParamPhysicalMemory, 0, kShowFree));
    }
    EXPECT_EQ(m.Value(kParamPhysicalMemory, 0, kShowLog, 60), (1000.0f + 2) * 1024);
}

TEST(Network, RateIsDeltaTimesThousandOverElapsed) {
    Measured m("two-cpu");
    m.tree.Write("proc/net/dev", Traffic(5000000 + 1000000, 700000 + 250000));
    m.Pass(500);
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowUsed), 2000000.0f);
    EXPECT_EQ(m.Value(kParamNetSend, kEth, kShowUsed), 500000.0f);
    m.tree.Write("proc/net/dev", Traffic(6000000 + 3000, 950000));
    m.Pass(1500);
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowUsed), 2000.0f);
    EXPECT_EQ(m.Value(kParamNetSend, kEth, kShowUsed), 0.0f);
}

TEST(Network, SixtyFourBitCountersCrossTheOld32BitLimit) {
    Measured m("two-cpu");
    m.tree.Write("proc/net/dev", Traffic(4294967000ULL, 700000));
    m.Pass();
    m.tree.Write("proc/net/dev", Traffic(4294967000ULL + 5000, 700000));
    m.Pass();
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowUsed), 10000.0f);
}

TEST(Network, CounterGoingBackwardsKeepsThePreviousRate) {
    Measured m("two-cpu");
    m.tree.Write("proc/net/dev", Traffic(5001000, 700000));
    m.Pass();
    m.tree.Write("proc/net/dev", Traffic(100, 700000)); // the interface was reset
    m.Pass();
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowUsed), 2000.0f);
    m.tree.Write("proc/net/dev", Traffic(600, 700000));
    m.Pass();
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowUsed), 1000.0f);
}

TEST(Network, ZeroElapsedKeepsThePreviousRate) {
    Measured m("two-cpu");
    m.tree.Write("proc/net/dev", Traffic(5001000, 700000));
    m.Pass();
    m.tree.Write("proc/net/dev", Traffic(5002000, 700000));
    m.Pass(0);
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowUsed), 2000.0f);
}

TEST(Network, VanishedInterfaceKeepsItsSlotWithRateZero) {
    Measured m("two-cpu");
    m.tree.Write("proc/net/dev", Traffic(5000000, 700000, true, 41000));
    m.Pass();
    EXPECT_EQ(m.Value(kParamNetReceive, kUsb, kShowUsed), 2000.0f);
    m.tree.Write("proc/net/dev", Traffic(5000000, 700000, false));
    m.Pass();
    EXPECT_EQ(m.info->GetNetWorkNum(), 5);
    EXPECT_EQ(m.Value(kParamNetReceive, kUsb, kShowUsed), 0.0f);
    EXPECT_EQ(m.info->GetNetWorkDeviceName(kUsb), "[未接続] (LAN) usb0");
    // Back with fresh counters: that pass measures nothing, the next one does.
    m.tree.Write("proc/net/dev", Traffic(5000000, 700000, true, 10));
    m.Pass();
    EXPECT_EQ(m.Value(kParamNetReceive, kUsb, kShowUsed), 0.0f);
    m.tree.Write("proc/net/dev", Traffic(5000000, 700000, true, 510));
    m.Pass();
    EXPECT_EQ(m.Value(kParamNetReceive, kUsb, kShowUsed), 1000.0f);
}

TEST(Network, DisplayNamesCarryStateAndLinkType) {
    Measured m("two-cpu");
    EXPECT_EQ(m.info->GetNetWorkDeviceName(kEth), "[未接続] (LAN) eth0"); // before the first pass
    m.Pass();
    const std::vector<std::pair<int, std::string>> expected{
        {kLo, "[有効] lo"},
        {kEth, "[有効] (LAN) eth0"},
        {kUsb, "[未接続] (LAN) usb0"},
        {kTun, "[未接続] tun0"},
        {kPpp, "[有効] (PPP) ppp0"},
        {5, "[名前の取得に失敗]ネットワークデバイス(5)"},
        {-1, "[名前の取得に失敗]ネットワークデバイス(-1)"}};
    for (const auto& [index, name] : expected) {
        EXPECT_EQ(m.info->GetNetWorkDeviceName(index), name) << index;
    }
    EXPECT_EQ(m.info->GetNetWorkType(kLo), 24);
    EXPECT_EQ(m.info->GetNetWorkType(kTun), 1);
    EXPECT_EQ(m.info->GetNetWorkName(kPpp), "ppp0");
    EXPECT_EQ(m.info->GetNetWorkStatus(kEth), 5);
}

TEST(Network, DeviceLimitsSizedToTheInterfacesAndLongerListsKept) {
    Measured m("two-cpu");
    EXPECT_EQ(m.settings.deviceLimits.size(), 5u);
    Settings settings;
    settings.deviceLimits.resize(8);
    settings.deviceLimits[7].receive.pastMax = 123.0f;
    SystemInfoEnvironment env;
    env.roots = m.tree.Roots();
    SystemInfo info(settings, env);
    EXPECT_EQ(settings.deviceLimits.size(), 8u);
    EXPECT_EQ(settings.deviceLimits[7].receive.pastMax, 123.0f);
}

// Scales of eth0 receive after a burst of 5000 B/s followed by a quiet pass (speed 3).
struct ScaleCase {
    const char* name;
    std::array<std::int16_t, 2> maxMode;
    std::array<float, 2> maxValue;
    float pastMaxBefore;
    float maxAfterBurst, totalAfterBurst;
    float maxAfterQuiet, totalAfterQuiet;
};

class NetScales : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(NetScales, FollowTheirMode) {
    const ScaleCase& c = GetParam();
    Measured m("two-cpu");
    m.settings.historyUpdateSpeed = 3;
    LimitPair& limits = m.settings.deviceLimits[kEth].receive;
    limits.maxMode = c.maxMode;
    limits.maxValue = c.maxValue;
    limits.pastMax = c.pastMaxBefore;
    m.tree.Write("proc/net/dev", Traffic(5002500, 700000));
    m.Pass();
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowMax), c.maxAfterBurst);
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowTotal), c.totalAfterBurst);
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowFree), c.maxAfterBurst - 5000.0f);
    EXPECT_EQ(limits.pastMax, std::max(c.pastMaxBefore, 5000.0f));
    m.Pass();
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowMax), c.maxAfterQuiet);
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowTotal), c.totalAfterQuiet);
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowFree), c.maxAfterQuiet);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NetScales,
    ::testing::Values(
        // Following the history: nothing finished yet, so both scales stay 0 and Free = -Used.
        ScaleCase{"history", {0, 0}, {0, 0}, 0, 0, 0, 0, 0},
        ScaleCase{"highestEver", {1, 1}, {0, 0}, 0, 5000, 5000, 5000, 5000},
        ScaleCase{"highestEverFromSettings", {0, 1}, {0, 0}, 9000, 9000, 0, 9000, 0},
        // Fixed below the rate: Free goes negative.
        ScaleCase{"fixed", {2, 2}, {777, 1000}, 0, 1000, 777, 1000, 777}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NetScales, HistoryModeFollowsTheLargestFinishedSample) {
    Measured m("two-cpu");
    std::uint64_t rx = 5000000;
    for (const std::uint64_t bytes : {2500u, 500u, 0u}) {
        rx += bytes;
        m.tree.Write("proc/net/dev", Traffic(rx, 700000));
        m.Pass();
    }
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowMax), 5000.0f);
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowTotal), 5000.0f);
    for (int i = 0; i < 60; ++i) {
        m.Pass();
    }
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowMax), 0.0f); // the burst fell out
}

struct BadIndexCase {
    const char* name;
    int paramId, deviceId, show, logIndex;
};

class BadIndex : public ::testing::TestWithParam<BadIndexCase> {};

TEST_P(BadIndex, IsASubscriptError) {
    const BadIndexCase& c = GetParam();
    Measured m("two-cpu");
    try {
        m.Value(c.paramId, c.deviceId, c.show, c.logIndex);
        FAIL() << "no error for GetSystemValue";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 9);
    }
    EXPECT_THROW(m.info->SetSystemValue(c.paramId, c.deviceId, c.show, 1.0f, c.logIndex),
                 RuntimeError);
}

INSTANTIATE_TEST_SUITE_P(Cases, BadIndex,
                         ::testing::Values(BadIndexCase{"log61", 0, 0, -1, 61},
                                           BadIndexCase{"logNegative", 4, 0, -1, -1},
                                           BadIndexCase{"param13", 13, 0, 0, 0},
                                           BadIndexCase{"paramNegative", -1, 0, 0, 0},
                                           BadIndexCase{"device5", 4, 5, 2, 0},
                                           BadIndexCase{"deviceNegative", 2, -1, 2, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Values, OtherSelectorsReadZeroAndSetWritesBack) {
    Measured m("two-cpu");
    m.Pass();
    EXPECT_EQ(m.Value(kParamCpu, 0, 4), 0.0f);
    EXPECT_EQ(m.Value(kParamCpu, 0, 4, 99), 0.0f); // the index is not looked at
    m.info->SetSystemValue(kParamNetReceive, kEth, kShowMax, 1234.0f);
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowMax), 1234.0f);
    m.info->SetSystemValue(kParamNetReceive, kEth, kShowLog, 7.0f, 60);
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowLog, 60), 7.0f);
    EXPECT_THROW(m.info->GetNetWorkName(5), RuntimeError);
    EXPECT_THROW(m.info->GetNetWorkType(-1), RuntimeError);
}

TEST(PrintValues, OneLinePerKindDeviceInterfaceAndDrive) {
    Measured m("two-cpu");
    m.Pass();
    const std::string text = FormatValues(*m.info);
    EXPECT_NE(text.find("param\t0\t0\t16710123520\t8318418944\t8391704576\t16710123520\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("param\t3\t0\t100\t-1\t101\t100\n"), std::string::npos);
    EXPECT_NE(text.find("param\t2\t2\t"), std::string::npos);
    EXPECT_NE(text.find("param\t5\t4\t"), std::string::npos);
    EXPECT_NE(text.find("net\t4\t23\t5\t[有効] (PPP) ppp0\n"), std::string::npos);
    EXPECT_NE(text.find("drive\t0\tC\t3\t/\t"), std::string::npos);
    EXPECT_EQ(PlainDecimal(0.5f), "0.5");
    EXPECT_EQ(PlainDecimal(16777216.0f), "16777216");
}

TEST(MeasurePortObject, CreatesRefreshesAndReleasesTheMeasurement) {
    FixtureTree tree("two-cpu");
    Settings settings;
    SystemInfoEnvironment env;
    env.roots = tree.Roots();
    SystemMeasure port(settings, env);
    EXPECT_FALSE(port.Exists());
    port.RefreshParam(0); // no object yet: nothing happens
    port.Create();
    ASSERT_TRUE(port.Exists());
    ASSERT_NE(port.Info(), nullptr);
    port.RefreshParam(0);
    EXPECT_EQ(port.Info()->GetSystemValue(kParamResources, 0, kShowFree), -1.0f);
    EXPECT_EQ(settings.deviceLimits.size(), 5u);
    port.Release();
    EXPECT_FALSE(port.Exists());
    EXPECT_EQ(port.Info(), nullptr);
}

} // namespace
} // namespace trumbel::test

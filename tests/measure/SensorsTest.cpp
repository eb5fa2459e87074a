#include "base/RuntimeError.h"
#include "measure/PrintValues.h"
#include "measure/SensorValues.h"
#include "tests/measure/SensorFixture.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace trumbel::test {
namespace {

struct Shown {
    std::string caption;
    bool present = false;
    float used = 0.0f;
    float max = 0.0f;
    bool operator==(const Shown& o) const {
        return caption == o.caption && present == o.present && std::abs(used - o.used) < 1e-3f &&
               std::abs(max - o.max) < 1e-3f;
    }
    friend std::ostream& operator<<(std::ostream& os, const Shown& s) {
        return os << s.caption << (s.present ? "" : " (absent)") << " " << s.used << "/" << s.max;
    }
};

std::vector<Shown> ShownOf(const SensorMeasure& m, SensorKind kind) {
    std::vector<Shown> shown;
    for (const SensorDevice& d : m.Devices(kind)) {
        shown.push_back({d.caption, d.present, d.values.Used, d.values.Max});
        EXPECT_FLOAT_EQ(d.values.Free, d.values.Max - d.values.Used) << d.caption;
    }
    return shown;
}

constexpr SensorFamilies kEveryFamily{true, true, true, true, true};

struct KindCase {
    const char* name;
    SensorKind kind;
    std::vector<Shown> shown;
};

class SensorKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(SensorKinds, ListDevicesWithCaptionsValuesAndScales) {
    SensorTree tree;
    SensorMeasure m(tree.Roots(), kEveryFamily);
    m.Pass(500, {});
    EXPECT_EQ(ShownOf(m, GetParam().kind), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, SensorKinds,
    ::testing::Values(
        // crit before max before 100; the acpitz zone is shown through its hwmon chip, the
        // other zone up to its critical trip point
        KindCase{"temperature",
                 SensorKind::Temperature,
                 {{"k10temp Tctl", true, 47.25f, 100},
                  {"coretemp Package id 0", true, 52, 100},
                  {"coretemp Core 0", true, 50, 80},
                  {"nvme Composite", true, 38.85f, 84.85f},
                  {"acpitz temp1", true, 27.8f, 105},
                  {"nvme Composite (2)", true, 41.85f, 100},
                  {"x86_pkg_temp", true, 53, 110}}},
        KindCase{"fan",
                 SensorKind::Fan,
                 {{"thinkpad fan1", true, 2900, 2900}, {"thinkpad Exhaust", true, 1200, 4000}}},
        // energy 30/40, charge 1.4/2.8, capacity 81 before energy 10/40; the adapter is none
        KindCase{"battery",
                 SensorKind::Battery,
                 {{"BAT0", true, 75, 100}, {"BAT1", true, 50, 100}, {"BAT2", true, 81, 100}}},
        KindCase{"gpu", SensorKind::Gpu, {{"amdgpu card0", true, 37, 100}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SensorKinds, ChargingFollowsTheBatteryStatus) {
    SensorTree tree;
    SensorMeasure m(tree.Roots(), kEveryFamily);
    m.Pass(500, {});
    tree.Write("sys/class/power_supply/BAT1/status", "Charging");
    tree.Write("sys/class/power_supply/BAT0/status", "Not charging");
    m.Pass(500, {});
    std::vector<bool> charging;
    for (const SensorDevice& d : m.Devices(SensorKind::Battery)) {
        charging.push_back(d.charging);
    }
    EXPECT_EQ(charging, std::vector<bool>({false, true, false}));
}

// Sectors of 512 bytes over 500 ms: a sector a pass is 1024 B/s.
TEST(DiskActivity, WholeDevicesRatesAndDevicesThatComeAndGo) {
    SensorTree tree;
    const std::string mounts[] = {"/dev/sda1", "/dev/loop1"};
    const auto disks = [&](std::uint64_t nvmeRead, std::uint64_t nvmeWritten, bool nvme, bool sdb,
                           std::uint64_t sdaRead) {
        tree.Write(
            "proc/diskstats",
            DiskLine(7, 0, "loop0", 10, 10) + DiskLine(7, 1, "loop1", 20, 20 + sdaRead / 50) +
                DiskLine(1, 0, "ram0", 0, 0) + DiskLine(8, 0, "sda", sdaRead, 2000) +
                DiskLine(8, 1, "sda1", 900, 1900) + (sdb ? DiskLine(8, 16, "sdb", 1, 1) : "") +
                (nvme ? DiskLine(259, 0, "nvme0n1", nvmeRead, nvmeWritten) +
                            DiskLine(259, 1, "nvme0n1p1", 1, 1)
                      : ""));
    };
    disks(5000, 6000, true, false, 1000);
    SensorMeasure m(tree.Roots(), {.disks = true});
    m.Pass(500, mounts);
    disks(4000, 6100, true, false, 3000); // nvme's read counter went back
    m.Pass(500, mounts);
    EXPECT_EQ(ShownOf(m, SensorKind::DiskRead), std::vector<Shown>({{"loop1", true, 0, 0},
                                                                    {"sda", true, 2048000, 2048000},
                                                                    {"nvme0n1", true, 0, 0}}));
    EXPECT_EQ(ShownOf(m, SensorKind::DiskWrite),
              std::vector<Shown>({{"loop1", true, 40960, 40960},
                                  {"sda", true, 0, 0},
                                  {"nvme0n1", true, 102400, 102400}}));
    disks(0, 0, false, true, 3000);
    m.Pass(500, mounts);
    EXPECT_FALSE(m.Devices(SensorKind::DiskWrite)[2].present);
    disks(90000, 90000, true, true, 3000); // back, with counters far ahead: no spike
    m.Pass(500, mounts);
    EXPECT_EQ(ShownOf(m, SensorKind::DiskWrite), std::vector<Shown>({{"loop1", true, 0, 40960},
                                                                     {"sda", true, 0, 0},
                                                                     {"nvme0n1", true, 0, 102400},
                                                                     {"sdb", true, 0, 0}}));
}

// A sensor whose driver goes away keeps its entry; it comes back under another hwmon number,
// while another chip of its name stands first.
TEST(SensorReader, VanishedChipTakesItsEntryBack) {
    SensorTree tree;
    const auto link = [&](const std::string& chip, const std::string& device) {
        tree.Write("sys/devices/" + device + "/uevent", "");
        std::filesystem::create_directory_symlink(
            "../../../devices/" + device, tree.Roots().sys + "/class/hwmon/" + chip + "/device");
    };
    link("hwmon2", "nvme0");
    link("hwmon5", "nvme1");
    SensorSource source(tree.Roots(), {.temperatures = true});
    SensorReadings read;
    source.Read(read);
    tree.Remove("sys/class/hwmon/hwmon2");
    source.Rescan();
    source.Read(read);
    ASSERT_EQ(read.temperatures.size(), 6u);
    EXPECT_FALSE(read.temperatures[3].listed);
    EXPECT_EQ(read.temperatures[5].input, 41850);
    tree.Write("sys/class/hwmon/hwmon7/name", "nvme");
    tree.Write("sys/class/hwmon/hwmon7/temp1_input", "43000");
    link("hwmon7", "nvme0");
    source.Rescan();
    source.Read(read);
    ASSERT_EQ(read.temperatures.size(), 6u);
    EXPECT_EQ(read.temperatures[3].input, 43000);
    EXPECT_EQ(read.temperatures[5].input, 41850);
}

// Which lists a reader fills: temperatures, zones, fans, disks, supplies, gpus.
struct FamilyCase {
    const char* name;
    SensorFamilies wanted;
    std::vector<bool> filled;
};

class SensorFamily : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(SensorFamily, NothingIsReadForAFamilyNobodyAskedFor) {
    SensorTree tree;
    tree.Write("proc/diskstats", DiskLine(8, 0, "sda", 1, 1));
    SensorSource source(tree.Roots(), GetParam().wanted);
    SensorReadings r;
    source.Read(r);
    EXPECT_EQ(std::vector<bool>({!r.temperatures.empty(), !r.thermalZones.empty(), !r.fans.empty(),
                                 !r.disks.empty(), !r.powerSupplies.empty(), !r.gpus.empty()}),
              GetParam().filled);
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, SensorFamily,
    ::testing::Values(FamilyCase{"temperatures", {.temperatures = true}, {1, 1, 0, 0, 0, 0}},
                      FamilyCase{"fans", {.fans = true}, {0, 0, 1, 0, 0, 0}},
                      FamilyCase{"disks", {.disks = true}, {0, 0, 0, 1, 0, 0}},
                      FamilyCase{"supplies", {.powerSupplies = true}, {0, 0, 0, 0, 1, 0}},
                      FamilyCase{"gpus", {.gpus = true}, {0, 0, 0, 0, 0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

// Sensor lines come after the others, only where sensors are read.
TEST(SensorKinds, PrintedAfterTheOtherValues) {
    SensorTree tree;
    Settings settings;
    SystemInfoEnvironment env;
    env.roots = tree.Roots();
    SystemInfo plain(settings, env);
    plain.RefreshParam(0);
    env.sensors = kEveryFamily;
    SystemInfo info(settings, env);
    info.RefreshParam(0);
    const std::string text = FormatValues(info);
    for (const char* line :
         {"\nparam\t7\t0\t100\t52.75\t47.25\t100\n", "\nparam\t11\t2\t100\t19\t81\t100\n",
          "\nsensor\t7\t6\t5\t0\tx86_pkg_temp\n", "\nsensor\t11\t0\t5\t1\tBAT0\n",
          "\nsensor\t12\t0\t5\t0\tamdgpu card0\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    }
    EXPECT_EQ(FormatValues(plain).find("sensor"), std::string::npos);
    EXPECT_TRUE(text.starts_with(FormatValues(plain))) << text;
}

// Slots read sensors by ParamID like any value: Free is Max - Used, histories keep a level's
// free share and a rate's traffic, a device not seen reads 0.
TEST(SensorKinds, ServedAsSystemValues) {
    SensorTree tree;
    tree.Write("proc/diskstats", DiskLine(8, 0, "sda", 0, 0));
    Settings settings;
    // The read peak of an earlier run scales the graph; this run's write peak is kept by name.
    settings.diskLimits = {{"sda", {{1, 1}, {0.0f, 0.0f}, 5e6f}, {}}};
    SystemInfoEnvironment env;
    env.roots = tree.Roots();
    env.sensors = kEveryFamily;
    std::int64_t now = 0;
    env.tickCount = [&] { return now; };
    SystemInfo info(settings, env);
    now += 500;
    tree.Write("proc/diskstats", DiskLine(8, 0, "sda", 0, 100));
    info.RefreshParam(0);
    struct Read {
        int param, device, show, log;
        float value;
    };
    for (const Read r : {Read{7, 0, kShowUsed, 0, 47.25f}, Read{7, 0, kShowFree, 0, 52.75f},
                         Read{7, 0, kShowLog, 1, 52.75f}, Read{8, 1, kShowMax, 0, 4000},
                         Read{10, 0, kShowUsed, 0, 102400}, Read{10, 0, kShowLog, 1, 102400},
                         Read{10, 0, kShowFree, 0, 0}, Read{11, 2, kShowTotal, 0, 100},
                         Read{12, 0, kShowFree, 0, 63}, Read{12, 5, kShowUsed, 0, 0},
                         Read{9, 0, kShowMax, 0, 5e6f}}) {
        EXPECT_FLOAT_EQ(info.GetSystemValue(r.param, r.device, r.show, r.log), r.value)
            << r.param << "/" << r.device << "/" << r.show;
    }
    EXPECT_EQ(settings.diskLimits.at(0).write.pastMax, 102400.0f);
    EXPECT_THROW(info.GetSystemValue(13, 0, kShowUsed), RuntimeError);
    EXPECT_THROW(info.GetSystemValue(7, -1, kShowUsed), RuntimeError);
}

// A family is read while a shown slot or tray icon has one of its kinds, and only then.
TEST(SensorKinds, ReadWhileShown) {
    SensorTree tree;
    Settings settings;
    SystemInfoEnvironment env;
    env.roots = tree.Roots();
    SystemInfo info(settings, env);
    const auto listed = [&](SensorKind kind) {
        info.RefreshParam(0);
        return info.Sensors() ? info.Sensors()->Devices(kind).size() : 0u;
    };
    EXPECT_EQ(listed(SensorKind::Temperature), 0u);
    settings.kind[9][0] = 9; // a container beyond the shown ones
    EXPECT_EQ(listed(SensorKind::Temperature), 0u);
    settings.trayIcons[1].kind = 13;
    EXPECT_EQ(listed(SensorKind::Battery), 3u);
    EXPECT_EQ(listed(SensorKind::Temperature), 0u);
    settings.kind[1][2] = 9;
    EXPECT_EQ(listed(SensorKind::Temperature), 7u);
    EXPECT_FLOAT_EQ(info.GetSystemValue(kParamTemperature, 0, kShowUsed), 47.25f);
    settings.kind[1][2] = 0;
    settings.trayIconCount = 0;
    info.RefreshParam(0);
    EXPECT_EQ(info.Sensors(), nullptr);
}

// A temperature at its limit is told once; again only after it fell back below, whatever an
// absent reading said in between.
TEST(LimitWatch, OnceUntilBackBelowTheLimit) {
    struct Pass {
        float used;
        bool present;
        bool told;
    };
    const Pass passes[] = {{90, true, false}, {100, true, true},  {104, true, false},
                           {0, false, false}, {101, true, false}, {99.5f, true, false},
                           {100, true, true}, {0, false, false},  {80, true, false}};
    LimitWatch watch;
    std::vector<SensorDevice> devices(2);
    devices[0] = {"cool", true, false, 0, {100, 0, 20, 100, {}}};
    for (const Pass& p : passes) {
        devices[1] = {"hot", p.present, false, 0, {100, 100 - p.used, p.used, 100, {}}};
        watch.Update(devices);
        EXPECT_EQ(watch.Reached(), p.told ? std::vector<int>{1} : std::vector<int>{}) << p.used;
    }
}

// Real writes on this machine: the device under the test folder sees them.
TEST(DiskActivity, DirectWriteMovesTheWriteRateOfItsDevice) {
    const std::filesystem::path folder = FreshTestFolder("sensors");
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    const std::string node = "/sys/dev/block/" + std::to_string(major(st.st_dev)) + ":" +
                             std::to_string(minor(st.st_dev));
    std::error_code ec;
    std::filesystem::path device = std::filesystem::canonical(node, ec);
    if (ec) {
        GTEST_SKIP() << "the test folder is on no block device";
    }
    if (std::filesystem::exists(device / "partition")) {
        device = device.parent_path();
    }
    SensorMeasure m(SourceRoots{}, kEveryFamily); // the live /sys, with or without NVIDIA's library
    const std::string source = "/dev/" + device.filename().string();
    const std::span<const std::string> mounts(&source, 1);
    m.Pass(500, mounts);
    const auto start = std::chrono::steady_clock::now();
    const std::string dd = "dd if=/dev/zero of='" + (folder / "written").string() +
                           "' bs=1M count=8 oflag=direct status=none";
    ASSERT_EQ(std::system(dd.c_str()), 0);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count() +
                    1;
    m.Pass(ms, mounts);
    for (const SensorDevice& d : m.Devices(SensorKind::DiskWrite)) {
        if (d.caption == device.filename()) {
            EXPECT_GE(d.values.Used, 8.0f * 1024 * 1024 * 1000 / static_cast<float>(ms));
            return;
        }
    }
    ADD_FAILURE() << device.filename() << " is not listed";
}

} // namespace
} // namespace trumbel::test

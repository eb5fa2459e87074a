#include "measure/SensorValues.h"
#include "tests/measure/MeasureFixture.h"
#include "tests/measure/SensorFixture.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

// Counts every heap allocation of this test program.
namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace trumbel::test {
namespace {

long AllocationsDuring(Measured& m, int passes) {
    const long before = allocations.load();
    for (int i = 0; i < passes; ++i) {
        m.Pass();
    }
    return allocations.load() - before;
}

TEST(Allocation, NoHeapAllocationPerPassAfterTheFirst) {
    for (const char* fixture : {"two-cpu", "sixty-four"}) {
        Measured m(fixture);
        m.Pass();
        EXPECT_EQ(AllocationsDuring(m, 5), 0) << fixture;
    }
}

TEST(Allocation, NoHeapAllocationPerSensorPassAfterTheFirst) {
    SensorTree tree;
    tree.Write("proc/diskstats", DiskLine(8, 0, "sda", 1, 1) + DiskLine(8, 1, "sda1", 1, 1));
    SensorMeasure m(tree.Roots(), {true, true, true, true, true});
    const std::string mounts[] = {"/dev/sda1"};
    m.Pass(500, mounts);
    const long before = allocations.load();
    for (int i = 0; i < 5; ++i) {
        m.Pass(500, mounts);
    }
    EXPECT_EQ(allocations.load() - before, 0);
}

TEST(Allocation, NoHeapAllocationPerPassOnThisMachine) {
    for (const bool sensors : {false, true}) {
        Settings settings;
        SystemInfoEnvironment env;
        env.sensors = {sensors, sensors, sensors, sensors, sensors};
        SystemInfo info(settings, env);
        info.RefreshParam(0);
        const long before = allocations.load();
        for (int i = 0; i < 5; ++i) {
            info.RefreshParam(0);
        }
        EXPECT_EQ(allocations.load() - before, 0) << sensors;
    }
}

} // namespace
} // namespace trumbel::test

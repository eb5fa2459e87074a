#include "measure/CpuUsage.h"
#include "measure/History.h"
#include "measure/MemoryUsage.h"
#include "tests/measure/MeasureFixture.h"

#include <gtest/gtest.h>

namespace trumbel::test {
namespace {

// 200 ticks pass in one column of /proc/stat, 200 more in idle: which columns count as busy.
struct CpuColumnCase {
    const char* name;
    std::uint64_t CpuTickFields::*column;
    std::optional<std::int32_t> usage;
};

class CpuColumn : public ::testing::TestWithParam<CpuColumnCase> {};

TEST_P(CpuColumn, CountsAsBusyOrIdle) {
    CpuTickFields before{.user = 100, .idle = 100};
    CpuTickFields after = before;
    after.*GetParam().column += 200;
    after.idle += 200;
    EXPECT_EQ(UsageBetween(SampleOf(before), SampleOf(after)), GetParam().usage);
}

INSTANTIATE_TEST_SUITE_P(Cases, CpuColumn,
                         ::testing::Values(CpuColumnCase{"user", &CpuTickFields::user, 50},
                                           CpuColumnCase{"nice", &CpuTickFields::nice, 50},
                                           CpuColumnCase{"system", &CpuTickFields::system, 50},
                                           CpuColumnCase{"idle", &CpuTickFields::idle, 0},
                                           CpuColumnCase{"iowait", &CpuTickFields::iowait, 0},
                                           CpuColumnCase{"irq", &CpuTickFields::irq, 50},
                                           CpuColumnCase{"softirq", &CpuTickFields::softirq, 50},
                                           CpuColumnCase{"steal", &CpuTickFields::steal, 50}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CpuReader, PutsEachColumnInItsField) {
    FixtureTree tree("two-cpu");
    tree.Write("proc/stat", "cpu  2 4 6 8 10 12 14 16 18 20\ncpu0 1 2 3 4 5 6 7 8 9 10\n"
                            "cpu1 1 2 3 4 5 6 7 8 9 10\nintr 1\n");
    SystemSource source(tree.Roots());
    std::vector<CpuTickFields> read(3);
    ASSERT_TRUE(source.ReadCpuTicks(read));
    const CpuTickFields& t = read[2];
    EXPECT_EQ(std::vector<std::uint64_t>(
                  {t.user, t.nice, t.system, t.idle, t.iowait, t.irq, t.softirq, t.steal}),
              std::vector<std::uint64_t>({1, 2, 3, 4, 5, 6, 7, 8}));
}

struct MemoryCase {
    const char* name;
    MemInfoFields fields;
    std::optional<std::uint64_t> availPhys, freeSwap;
};

class Memory : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(Memory, AvailableFallsBackToFreeAndNeedsTheTotal) {
    const std::optional<MemoryBytes> m = MemoryOf(GetParam().fields);
    EXPECT_EQ(m ? std::optional(m->availPhys) : std::nullopt, GetParam().availPhys);
    EXPECT_EQ(m ? std::optional(m->freeSwap) : std::nullopt, GetParam().freeSwap);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Memory,
    ::testing::Values(MemoryCase{"available", {8, 2, 5, 4, 3}, 5 * 1024, 3 * 1024},
                      MemoryCase{"oldKernel", {8, 2, {}, 4, 3}, 2 * 1024, 3 * 1024},
                      MemoryCase{"noSwap", {8, 2, 5, {}, {}}, 5 * 1024, 0},
                      MemoryCase{"noTotal", {{}, 2, 5, 4, 3}, {}, {}},
                      MemoryCase{"neither", {8, {}, {}, 4, 3}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Samples 4, 9, 1 make one step of three; the step before it held 7.
struct FoldCase {
    const char* name;
    HistoryFold fold;
    float log1;
};

class Fold : public ::testing::TestWithParam<FoldCase> {};

TEST_P(Fold, GivesTheStepItsValue) {
    HistoryLog log{};
    log[1] = 7.0f;
    log[kLogSize - 1] = 99.0f;
    std::vector<bool> finished;
    for (int i = 0; i < 3; ++i) {
        finished.push_back(
            AdvanceHistory(log, std::array{4.0f, 9.0f, 1.0f}[i], i, 2, GetParam().fold));
    }
    EXPECT_EQ(finished, std::vector<bool>({false, false, true}));
    EXPECT_EQ(log[1], GetParam().log1);
    EXPECT_EQ(log[2], 7.0f);
    EXPECT_EQ(log[kLogSize - 1], 0.0f); // the oldest fell out
}

INSTANTIATE_TEST_SUITE_P(Cases, Fold,
                         ::testing::Values(FoldCase{"lowest", HistoryFold::Lowest, 1.0f},
                                           FoldCase{"highest", HistoryFold::Highest, 9.0f},
                                           FoldCase{"mean", HistoryFold::Mean, 14.0f / 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShowParam, NumbersOutsideTheSelectorsNameNone) {
    for (int n = -3; n <= 5; ++n) {
        const std::optional<ShowParam> show = ShowParamOf(n);
        EXPECT_EQ(show.has_value(), n >= -1 && n <= 3) << n;
        EXPECT_EQ(show ? ShowNumber(*show) : n, n);
    }
}

} // namespace
} // namespace trumbel::test

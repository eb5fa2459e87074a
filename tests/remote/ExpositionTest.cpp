#include "remote/Exposition.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace trumbel {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Line {
    const char* body;
    const char* name;  // of the last sample; nullptr: no sample
    const char* label; // "b" of the last sample, unescaped; nullptr: none
    double value;
    std::optional<std::int64_t> timestampMs;
    int malformed;
    MetricType type = MetricType::Untyped;
};

TEST(Exposition, ReadsSampleLinesAndSkipsBrokenOnes) {
    const std::vector<Line> lines = {
        {"a 1\n", "a", nullptr, 1, {}, 0},
        {"a{b=\"c\"} 2.5e3 1700000000000\n", "a", "c", 2500, 1700000000000, 0},
        {"a{b=\"x\\\\y\\\"z\\n\"} -Inf", "a", "x\\y\"z\n", -kInf, {}, 0},
        {"a{b=\"1\",} +Inf", "a", "1", kInf, {}, 0},
        {"a {c=\"2\" , b = \"3\"}\tNaN", "a", "3", kNaN, {}, 0},
        {"  x_y:z  1E-3  -5 \r\n", "x_y:z", nullptr, 0.001, -5, 0},
        {"a{} 7\r\n\r\n\n   \n", "a", nullptr, 7, {}, 0},
        {"a{b=\"} {,=\"}1", "a", "} {,=", 1, {}, 0},
        {"a{b=\"é\"} .5", "a", "é", 0.5, {}, 0},
        {"# HELP a text \\\\ \\n more\n#comment\n# TYPE a counter\na 3",
         "a",
         nullptr,
         3,
         {},
         0,
         MetricType::Counter},
        {"# TYPE h histogram\nh_bucket{b=\"+Inf\"} 4",
         "h_bucket",
         "+Inf",
         4,
         {},
         0,
         MetricType::Histogram},
        {"# TYPE h gauge\nh_bucket 4", "h_bucket", nullptr, 4, {}, 0},
        {"a{b=\"c} 1", nullptr, nullptr, 0, {}, 1},
        {"a{b=\"\\t\"} 1\n", nullptr, nullptr, 0, {}, 1},
        {"a{b=\"1\",b=\"2\"} 1", nullptr, nullptr, 0, {}, 1},
        {"a{b=\"c\" d=\"e\"} 1", nullptr, nullptr, 0, {}, 1},
        {"a{b:c=\"1\"} 1", nullptr, nullptr, 0, {}, 1},
        {"a{1b=\"1\"} 1", nullptr, nullptr, 0, {}, 1},
        {"a{b=c} 1", nullptr, nullptr, 0, {}, 1},
        {"1a 1", nullptr, nullptr, 0, {}, 1},
        {"a-b 1", nullptr, nullptr, 0, {}, 1},
        {"a", nullptr, nullptr, 0, {}, 1},
        {"a{b=\"c\"}", nullptr, nullptr, 0, {}, 1},
        {"a x", nullptr, nullptr, 0, {}, 1},
        {"a ++1", nullptr, nullptr, 0, {}, 1},
        {"a 1e999", nullptr, nullptr, 0, {}, 1},
        {"a nan(1)", nullptr, nullptr, 0, {}, 1},
        {"a 0x10", nullptr, nullptr, 0, {}, 1},
        {"a 1 1.5", nullptr, nullptr, 0, {}, 1},
        {"a 1 2 3", nullptr, nullptr, 0, {}, 1},
        {"# TYPE a bogus\n# TYPE 1a gauge\n# HELP a bad \\t escape", nullptr, nullptr, 0, {}, 3},
        {"a{b=\"1\"} 1\nb{ 2\nc 3\n", "c", nullptr, 3, {}, 1},
    };
    for (const Line& l : lines) {
        SCOPED_TRACE(l.body);
        ExpositionReader reader(l.body);
        ExpositionSample sample;
        ExpositionSample last;
        int count = 0;
        while (reader.Next(sample)) {
            last = sample;
            ++count;
        }
        EXPECT_EQ(reader.MalformedLines(), l.malformed);
        if (!l.name) {
            EXPECT_EQ(count, 0);
            continue;
        }
        ASSERT_GE(count, 1);
        EXPECT_EQ(last.name, l.name);
        std::string scratch;
        const auto label = last.Label("b", scratch);
        EXPECT_EQ(label.has_value(), l.label != nullptr);
        if (label && l.label) {
            EXPECT_EQ(*label, l.label);
        }
        if (std::isnan(l.value)) {
            EXPECT_TRUE(std::isnan(last.value));
        } else {
            EXPECT_EQ(last.value, l.value);
        }
        EXPECT_EQ(last.timestampMs, l.timestampMs);
        EXPECT_EQ(last.type, l.type);
    }
}

} // namespace
} // namespace trumbel

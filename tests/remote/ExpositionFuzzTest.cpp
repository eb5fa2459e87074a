#include "tests/support/SeedFiles.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int RunOnce(const std::string& input) {
    return LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()),
                                  input.size());
}

// Random replies built from the format's pieces and the node families, where clang is not there
// to run the fuzzer; a fixed seed keeps runs reproducible.
TEST(RemoteReplyFuzz, SeedFilesAndSeededRandomInputs) {
    for (const auto& [path, bytes] : trumbel::test::ReadSeedFiles(REMOTE_FUZZ_SEED)) {
        SCOPED_TRACE(path);
        ASSERT_EQ(RunOnce(bytes), 0);
    }
    const std::vector<std::string> pieces = {"node_cpu_seconds_total",
                                             "node_network_receive_bytes_total",
                                             "node_disk_read_bytes_total",
                                             "node_filesystem_size_bytes",
                                             "node_memory_MemTotal_bytes",
                                             "node_hwmon_temp_celsius",
                                             "node_power_supply_capacity",
                                             "{",
                                             "}",
                                             "=",
                                             ",",
                                             "\"",
                                             "\\",
                                             "cpu",
                                             "mode",
                                             "idle",
                                             "device",
                                             "mountpoint",
                                             "chip",
                                             "sensor",
                                             "temp1",
                                             "/",
                                             "eth0",
                                             " ",
                                             "\t",
                                             "\n",
                                             "\r\n",
                                             "#",
                                             " TYPE ",
                                             " HELP ",
                                             "1",
                                             "-1",
                                             "0.5",
                                             "1e308",
                                             "NaN",
                                             "+Inf",
                                             "-Inf",
                                             "1700000000000"};
    std::mt19937 random(20261209);
    for (int run = 0; run < 3000; ++run) {
        std::string input;
        const int parts = static_cast<int>(random() % 40);
        for (int i = 0; i < parts; ++i) {
            input += random() % 8 == 0 ? std::string(1, static_cast<char>(random() % 256))
                                       : pieces[random() % pieces.size()];
        }
        ASSERT_EQ(RunOnce(input), 0);
    }
}

} // namespace

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

// The seed replies mutated at random (a piece of the format inserted, a few bytes dropped or
// replaced), where clang is not there to run the fuzzer; a fixed seed keeps runs reproducible.
TEST(RemoteReplyFuzz, SeedFilesAndMutatedReplies) {
    const auto seeds = trumbel::test::ReadSeedFiles(REMOTE_FUZZ_SEED);
    ASSERT_FALSE(seeds.empty());
    for (const auto& [path, bytes] : seeds) {
        SCOPED_TRACE(path);
        ASSERT_EQ(RunOnce(bytes), 0);
    }
    const std::vector<std::string> pieces = {"\\",
                                             "\\t",
                                             "\\n",
                                             "\"",
                                             "{",
                                             "}",
                                             ",",
                                             "=",
                                             " ",
                                             "\n",
                                             "\r\n",
                                             "# TYPE a counter",
                                             "NaN",
                                             "+Inf",
                                             "-1",
                                             "1e999",
                                             " 1700000000000",
                                             "cpu=\"",
                                             "0x"};
    std::mt19937 random(20261209);
    for (int run = 0; run < 2000; ++run) {
        std::string input = seeds[random() % seeds.size()].second;
        for (int m = static_cast<int>(random() % 4); m >= 0; --m) {
            const std::size_t at = random() % (input.size() + 1);
            switch (random() % 3) {
            case 0:
                input.insert(at, pieces[random() % pieces.size()]);
                break;
            case 1:
                input.erase(at, random() % 8);
                break;
            default:
                input.insert(at, 1, static_cast<char>(random() % 256));
                break;
            }
        }
        ASSERT_EQ(RunOnce(input), 0);
    }
}

} // namespace

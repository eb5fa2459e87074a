#include "tests/support/SeedFiles.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int RunOnce(const std::string& input) {
    return LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()),
                                  input.size());
}

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string out;
    while (times-- > 0)
        out += piece;
    return out;
}

// The fuzz run's starting files, also where clang is not there to mutate them.
TEST(SumoraFuzz, SeedFiles) {
    const auto files = trumbel::test::ReadSeedFiles(SUMORA_FUZZ_SEED);
    for (const auto& [path, bytes] : files) {
        SCOPED_TRACE(path);
        ASSERT_EQ(RunOnce(bytes), 0);
    }
    EXPECT_GE(files.size(), 5u);
}

// Random expressions from operators, names, literals and the shorthands, with now and then a
// run of one piece deep enough to reach the nesting bound; a fixed seed keeps runs reproducible.
TEST(SumoraFuzz, SeededRandomInputs) {
    // The first four open a level each.
    const std::vector<std::string> pieces = {
        "(",     "-",      "not ",   "sin(",       ")",      "+",    "*",    "/",     "\\",
        "^",     "&",      "=",      "<>",         "<=",     ">",    ",",    " ",     " mod ",
        " and ", " or ",   " xor ",  " eqv ",      " imp ",  "1",    "0",    "2.5",   ".5",
        "1E308", "1E-400", "32767",  "2147483647", "&HFFFF", "&O7&", "\"",   "\"1\"", "\"a\"",
        "log(",  "sqr(",   "round(", "hex(",       "cint(",  "abs(", "exp(", "true",  "x",
        "deg",   "pi",     "e",      "log10"};
    std::mt19937 random(20261208);
    for (int run = 0; run < 20000; ++run) {
        std::string input;
        const int parts = static_cast<int>(random() % 16);
        for (int i = 0; i < parts; ++i) {
            const unsigned pick = random() % 64;
            if (pick == 0)
                input += static_cast<char>(random() % 256);
            else if (pick == 1)
                input += Repeat(pieces[random() % 4], 200 + random() % 100);
            else
                input += pieces[random() % pieces.size()];
        }
        ASSERT_EQ(RunOnce(input), 0) << input;
    }
}

} // namespace

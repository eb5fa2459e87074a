#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Random inputs built from INI fragments, CP932 and broken UTF-8 bytes; a fixed seed keeps
// runs reproducible and the count keeps the time bounded.
TEST(IniFuzz, SeededRandomInputs) {
    const std::vector<std::string> pieces = {"[",
                                             "]",
                                             "=",
                                             "\n",
                                             "\r\n",
                                             ";",
                                             " ",
                                             "\t",
                                             "[基本設定]",
                                             "[Skin設定]",
                                             "[s]",
                                             "k=",
                                             "デスクトップ吸着=",
                                             "コンテナ0の設定=",
                                             "1,2,3",
                                             "-",
                                             "99999999999999999999",
                                             "1e39",
                                             std::string(1, '\0'),
                                             "\x82\xA0",
                                             "\xE3\x81",
                                             "\xFF\xFE",
                                             "\xEF\xBB\xBF",
                                             "あ",
                                             ".",
                                             std::string(1100, 'x')};
    std::mt19937 random(20261208);
    for (int run = 0; run < 20000; ++run) {
        std::string input;
        const int parts = static_cast<int>(random() % 24);
        for (int i = 0; i < parts; ++i) {
            if (random() % 4 == 0) {
                input += static_cast<char>(random() % 256);
            } else {
                input += pieces[random() % pieces.size()];
            }
        }
        ASSERT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()),
                                         input.size()),
                  0);
    }
}

} // namespace

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

// The fuzz run's starting files, also where clang is not there to mutate them.
TEST(IniFuzz, SeedFiles) {
    const auto files = trumbel::test::ReadSeedFiles(INI_FUZZ_SEED);
    for (const auto& [path, bytes] : files) {
        SCOPED_TRACE(path);
        ASSERT_EQ(RunOnce(bytes), 0);
    }
    EXPECT_GE(files.size(), 3u);
}

// Random inputs built from INI fragments, CP932 and broken UTF-8 bytes; a fixed seed keeps
// runs reproducible and the count keeps the time bounded (each input is also read, written and
// read again as a settings file).
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
                                             "[バージョン情報]",
                                             "VelquorVer=1050000",
                                             "VelquorVer=1320083",
                                             "[ネットワーク設定]",
                                             "デバイス0(受信)=",
                                             "[位置情報設定]",
                                             "吸着Windowタイトル=",
                                             "|",
                                             "[タスクトレイ設定]",
                                             "アイコン表示数=",
                                             "[時計設定]",
                                             "ずらす時間=",
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
    for (int run = 0; run < 4000; ++run) {
        std::string input;
        const int parts = static_cast<int>(random() % 24);
        for (int i = 0; i < parts; ++i) {
            if (random() % 4 == 0) {
                input += static_cast<char>(random() % 256);
            } else {
                input += pieces[random() % pieces.size()];
            }
        }
        ASSERT_EQ(RunOnce(input), 0);
    }
}

} // namespace

#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace trumbel::test {

// The files of a fuzz target's seed folder with their bytes, for the runs that stand in for
// the fuzzer where clang is not there to mutate them.
inline std::vector<std::pair<std::string, std::string>> ReadSeedFiles(const std::string& folder) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files.emplace_back(entry.path().string(), bytes.str());
    }
    return files;
}

} // namespace trumbel::test

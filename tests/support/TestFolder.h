#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace trumbel::test {

// An empty folder of the running test: <TRUMBEL_HOME>/[area/]<Suite>.<Name>. Tests of one binary
// share TRUMBEL_HOME and run in parallel, so each test gets its own folder; parameterised names
// have their slashes replaced.
inline std::filesystem::path FreshTestFolder(const std::string& area = {}) {
    namespace fs = std::filesystem;
    const char* home = std::getenv("TRUMBEL_HOME");
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string leaf = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(leaf.begin(), leaf.end(), '/', '_');
    fs::path folder = home && *home ? fs::path(home) : fs::temp_directory_path();
    if (!area.empty()) {
        folder /= area;
    }
    folder /= leaf;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

} // namespace trumbel::test

#include "measure/PrintValues.h"
#include "platform/AppFolder.h"
#include "tests/support/TestFolder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/statvfs.h>
#include <vector>

namespace trumbel::test {
namespace {

std::vector<std::vector<std::string>> RunPrintValues() {
    const std::string command =
        std::string(TRUMBEL_BINARY_DIR) + "/trumbel --print-values --ticks 1";
    std::vector<std::vector<std::string>> rows;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return rows;
    }
    std::string text;
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) {
        text.append(buf, n);
    }
    EXPECT_EQ(::pclose(pipe), 0);
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream in(line);
        std::string f;
        while (std::getline(in, f, '\t')) {
            fields.push_back(f);
        }
        rows.push_back(fields);
    }
    return rows;
}

std::string ReadCommand(const std::string& command) {
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return text;
    }
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) {
        text.append(buf, n);
    }
    ::pclose(pipe);
    return text;
}

// Interface 0 of the table: the lowest interface index.
std::string FirstInterface() {
    std::string first;
    long lowest = 0;
    for (const auto& e : std::filesystem::directory_iterator("/sys/class/net")) {
        std::ifstream in(e.path() / "ifindex");
        long index = 0;
        if (in >> index && (first.empty() || index < lowest)) {
            first = e.path().filename().string();
            lowest = index;
        }
    }
    return first;
}

std::uint64_t MeminfoKb(const std::string& key) {
    std::ifstream in("/proc/meminfo");
    std::string k;
    std::uint64_t v = 0;
    std::string unit;
    while (in >> k >> v) {
        std::getline(in, unit);
        if (k == key + ":") {
            return v;
        }
    }
    return 0;
}

TEST(PrintValuesRun, AgreesWithThisSystem) {
    const auto rows = RunPrintValues();
    ASSERT_FALSE(rows.empty());
    int cpuColumns = 0, nets = 0, drives = 0;
    for (const auto& r : rows) {
        ASSERT_FALSE(r.empty());
        if (r[0] == "param") {
            ASSERT_EQ(r.size(), 7u);
            if (r[1] == "0") {
                EXPECT_EQ(r[6], PlainDecimal(static_cast<float>(MeminfoKb("MemTotal") * 1024)));
            } else if (r[1] == "1") {
                EXPECT_EQ(r[6], PlainDecimal(static_cast<float>(MeminfoKb("SwapTotal") * 1024)));
            } else if (r[1] == "2") {
                ++cpuColumns;
            }
        } else if (r[0] == "net") {
            ASSERT_EQ(r.size(), 5u);
            EXPECT_TRUE(
                std::filesystem::exists("/sys/class/net/" + r[4].substr(r[4].rfind(' ') + 1)))
                << r[4];
            ++nets;
        } else if (r[0] == "drive") {
            ASSERT_EQ(r.size(), 8u);
            if (drives == 0) {
                EXPECT_EQ(r[4], "/");
                struct statvfs s {};
                ASSERT_EQ(::statvfs("/", &s), 0);
                EXPECT_EQ(r[5], PlainDecimal(static_cast<float>(s.f_blocks * s.f_frsize)));
            }
            ++drives;
        }
    }
    int cpuLines = 0;
    std::ifstream stat("/proc/stat");
    std::string line;
    while (std::getline(stat, line)) {
        cpuLines += line.starts_with("cpu") ? 1 : 0;
    }
    EXPECT_EQ(cpuColumns, cpuLines); // one per processor plus the total
    int interfaces = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/sys/class/net")) {
        ++interfaces;
    }
    EXPECT_EQ(nets, interfaces);
    EXPECT_GE(drives, 1);
}

// A stored network slot whose device is not there is reported at start with the plain name of
// interface 0, as the program reads its settings with the live interface table.
TEST(PrintValuesRun, DeviceCheckAtStartNamesInterfaceZero) {
    const std::filesystem::path home = FreshTestFolder();
    std::ofstream(home / ("setting_" + CurrentUserName() + ".ini"))
        << "[バージョン情報]\nVelquorVer=1320083\n[Skin設定]\n"
           "コンテナ2の設定=1,4,99,0,0,0,0,0,0,0,0,0,0\n";
    const std::string out =
        ReadCommand("TRUMBEL_HOME=" + home.string() + "/ " + TRUMBEL_BINARY_DIR +
                    "/trumbel --snapshot " + (home / "snap.png").string() + " --ticks 1 2>&1");
    const std::string box = "[Velquor]\n"
                            "指定されたネットワークデバイス(ID=99)が見つからないため\n" +
                            FirstInterface() +
                            "\nの情報を表示します。\nユニット番号 : 2 ,スロット番号 : 0\n";
    EXPECT_NE(out.find(box), std::string::npos) << out;
}

} // namespace
} // namespace trumbel::test

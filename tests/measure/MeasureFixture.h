#pragma once

#include "measure/SystemInfo.h"
#include "tests/support/TestFolder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace trumbel::test {

// A private copy of a fixture tree under the test's home, so passes can rewrite the counters.
// Files are rewritten in place: the measurement keeps them open and re-reads them.
class FixtureTree {
public:
    explicit FixtureTree(const std::string& name) {
        base_ = FreshTestFolder("measure");
        std::filesystem::copy(std::filesystem::path(TRUMBEL_TEST_DATA) / "measure" / name, base_,
                              std::filesystem::copy_options::recursive);
    }

    SourceRoots Roots() const { return {(base_ / "proc").string(), (base_ / "sys").string()}; }

    void Write(const std::string& relative, const std::string& text) const {
        std::ofstream out(base_ / relative, std::ios::in | std::ios::out | std::ios::trunc);
        out << text;
    }

private:
    std::filesystem::path base_;
};

struct CpuTicks {
    std::uint64_t user = 0;
    std::uint64_t system = 0;
    std::uint64_t idle = 0;
    std::uint64_t iowait = 0;
};

// A /proc/stat with one line per processor and the sum line first.
inline std::string StatText(const std::vector<CpuTicks>& cpus) {
    CpuTicks sum;
    std::string lines;
    for (std::size_t i = 0; i < cpus.size(); ++i) {
        const CpuTicks& c = cpus[i];
        sum.user += c.user;
        sum.system += c.system;
        sum.idle += c.idle;
        sum.iowait += c.iowait;
        lines += "cpu" + std::to_string(i) + " " + std::to_string(c.user) + " 0 " +
                 std::to_string(c.system) + " " + std::to_string(c.idle) + " " +
                 std::to_string(c.iowait) + " 0 0 0 0 0\n";
    }
    return "cpu  " + std::to_string(sum.user) + " 0 " + std::to_string(sum.system) + " " +
           std::to_string(sum.idle) + " " + std::to_string(sum.iowait) + " 0 0 0 0 0\n" + lines +
           "intr 1 0 0\nctxt 1\n";
}

// A /proc/net/dev with (name, received bytes, sent bytes) rows.
inline std::string
NetDevText(const std::vector<std::tuple<std::string, std::uint64_t, std::uint64_t>>& rows) {
    std::string text = "Inter-|   Receive                                                |  "
                       "Transmit\n face |bytes    packets errs drop fifo frame compressed "
                       "multicast|bytes    packets errs drop fifo colls carrier compressed\n";
    for (const auto& [name, rx, tx] : rows) {
        text += "  " + name + ": " + std::to_string(rx) + " 1 0 0 0 0 0 0 " + std::to_string(tx) +
                " 1 0 0 0 0 0 0\n";
    }
    return text;
}

// The measurement object on a fixture tree with a clock the test advances.
struct Measured {
    explicit Measured(const std::string& fixture, StatFsFunction statFs = &::statvfs)
        : tree(fixture) {
        SystemInfoEnvironment env;
        env.roots = tree.Roots();
        env.tickCount = [this] { return now; };
        env.statFs = statFs;
        info = std::make_unique<SystemInfo>(settings, env);
    }

    // One tick as the refresh loop runs it: pass, then the sample counter moves on.
    void Pass(std::int64_t elapsedMs = 500) {
        now += elapsedMs;
        info->RefreshParam(sampleCounter);
        sampleCounter = (sampleCounter + 1) % (settings.historyUpdateSpeed + 1);
    }

    float Value(int paramId, int device, int show, int logIndex = 0) {
        return info->GetSystemValue(paramId, device, show, logIndex);
    }

    FixtureTree tree;
    Settings settings;
    std::int64_t now = 1000;
    int sampleCounter = 0;
    std::unique_ptr<SystemInfo> info;
};

} // namespace trumbel::test

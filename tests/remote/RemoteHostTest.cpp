#include "remote/RemoteHost.h"

#include "measure/SystemInfo.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace trumbel {
namespace {

std::string Fixture() {
    std::ifstream in(TRUMBEL_TEST_DATA "/remote/node-reply.prom");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The reply with lines changed ("" drops one).
std::string Edited(std::string body,
                   const std::vector<std::pair<std::string, std::string>>& lines) {
    for (const auto& [from, to] : lines) {
        const std::size_t at = body.find(from + "\n");
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) {
            body.replace(at, from.size() + 1, to.empty() ? "" : to + "\n");
        }
    }
    return body;
}

const std::string kCpu0 = "node_cpu_seconds_total{cpu=\"0\",mode=\"";
const std::string kCpu1 = "node_cpu_seconds_total{cpu=\"1\",mode=\"";

// Two seconds after the fixture: processor 0 busy 0.8 s of 2 (iowait counts as idle), 1 busy
// 1.5 s of 2; eth0 received 250000 bytes, its send counter went back (a driver reload); vda read
// 2 MB and wrote 400 kB.
std::string SecondReply() {
    return Edited(Fixture(), {{kCpu0 + "idle\"} 800", kCpu0 + "idle\"} 801"},
                              {kCpu0 + "iowait\"} 50", kCpu0 + "iowait\"} 50.2"},
                              {kCpu0 + "system\"} 50", kCpu0 + "system\"} 50.2"},
                              {kCpu0 + "user\"} 100", kCpu0 + "user\"} 100.6"},
                              {kCpu1 + "idle\"} 900.01", kCpu1 + "idle\"} 900.51"},
                              {kCpu1 + "user\"} 99.99", kCpu1 + "user\"} 101.49"},
                              {"node_network_receive_bytes_total{device=\"eth0\"} 1e+06",
                               "node_network_receive_bytes_total{device=\"eth0\"} 1.25e+06"},
                              {"node_network_transmit_bytes_total{device=\"eth0\"} 500000",
                               "node_network_transmit_bytes_total{device=\"eth0\"} 400000"},
                              {"node_disk_read_bytes_total{device=\"vda\"} 1e+09",
                               "node_disk_read_bytes_total{device=\"vda\"} 1.002e+09"},
                              {"node_disk_written_bytes_total{device=\"vda\"} 5e+08",
                               "node_disk_written_bytes_total{device=\"vda\"} 5.004e+08"}});
}

// Computed by hand from the two replies: all processors busy 2.3 s of 4 (57.5 % rounds to
// even); interfaces by their index (lo first, up though it reports no state); "/" first, the
// bind mount of its volume and /run left out, /tmp kept; partitions and an unmounted zram are
// no disks; rates are their own scale after one history step.
TEST(RemoteHost, ServesTwoRepliesAsThisMachinesValues) {
    Settings settings;
    RemoteHostValues host(settings);
    EXPECT_TRUE(host.Accept(Fixture(), 10000).ok);
    EXPECT_TRUE(host.Accept(SecondReply(), 12000).ok);
    host.RefreshParam(0);
    EXPECT_EQ(FormatValues(host), "param\t0\t0\t8589934592\t2147483648\t6442450944\t8589934592\n"
                                  "param\t1\t0\t2147483648\t1073741824\t1073741824\t2147483648\n"
                                  "param\t2\t0\t100\t42\t58\t100\n"
                                  "param\t2\t1\t100\t60\t40\t100\n"
                                  "param\t2\t2\t100\t25\t75\t100\n"
                                  "param\t3\t0\t100\t-1\t101\t100\n"
                                  "param\t4\t0\t0\t0\t0\t0\n"
                                  "param\t4\t1\t125000\t0\t125000\t125000\n"
                                  "param\t5\t0\t0\t0\t0\t0\n"
                                  "param\t5\t1\t0\t0\t0\t0\n"
                                  "net\t0\t24\t5\t[有効] lo\n"
                                  "net\t1\t6\t5\t[有効] (LAN) eth0\n"
                                  "drive\t0\tC\t3\t/\t274877906944\t68719476736\t80000000000\n"
                                  "drive\t1\tD\t3\t/boot/efi\t1000000000\t500000000\t500000000\n"
                                  "drive\t2\tE\t6\t/tmp\t4000000000\t2000000000\t2000000000\n"
                                  "param\t7\t0\t95\t49.75\t45.25\t95\n"
                                  "param\t7\t1\t84.5\t46\t38.5\t84.5\n"
                                  "param\t9\t0\t1000000\t0\t1000000\t1000000\n"
                                  "param\t10\t0\t200000\t0\t200000\t200000\n"
                                  "param\t11\t0\t100\t19\t81\t100\n"
                                  "sensor\t7\t0\t5\t0\tk10temp Tctl\n"
                                  "sensor\t7\t1\t5\t0\tnvme Composite\n"
                                  "sensor\t9\t0\t5\t0\tvda\n"
                                  "sensor\t10\t0\t5\t0\tvda\n"
                                  "sensor\t11\t0\t5\t1\tBAT0\n");
}

std::string WithoutLines(std::string body, const std::string& containing) {
    std::string kept;
    std::istringstream lines(body);
    for (std::string line; std::getline(lines, line);) {
        if (line.find(containing) == std::string::npos) {
            kept += line + "\n";
        }
    }
    return kept;
}

// What the strip meets between replies: a counter that went back, a machine that restarted
// (processor times from zero), an interface that went away, a host that could not be read for
// a while, and a Prometheus server handing out the same scrape twice.
TEST(RemoteHost, ResetsGapsAndGoneDevicesShowNoSpike) {
    Settings settings;
    RemoteHostValues host(settings);
    host.Accept(Fixture(), 0);
    host.Accept(SecondReply(), 2000);
    const std::string third = WithoutLines(
        Edited(SecondReply(), {{"node_network_transmit_bytes_total{device=\"eth0\"} 400000",
                                "node_network_transmit_bytes_total{device=\"eth0\"} 600000"},
                               {"node_disk_read_bytes_total{device=\"vda\"} 1.002e+09",
                                "node_disk_read_bytes_total{device=\"vda\"} 4096"},
                               {kCpu0 + "idle\"} 801", kCpu0 + "idle\"} 1"}}),
        "device=\"lo\"");
    ASSERT_TRUE(host.Accept(third, 4000).ok);
    EXPECT_EQ(host.GetValue(kParamNetSend, 1, ShowParam::Used), 100000.0f);   // from 400000 on
    EXPECT_EQ(host.GetValue(kParamDiskRead, 0, ShowParam::Used), 1000000.0f); // stands
    EXPECT_EQ(host.GetValue(kParamCpu, 0, ShowParam::Used), 58.0f);           // stands
    EXPECT_EQ(host.GetValue(kParamCpu, 1, ShowParam::Used), 40.0f);
    EXPECT_EQ(host.DeviceCount(kParamNetReceive), 2);
    EXPECT_FALSE(host.DevicePresent(kParamNetReceive, 0));
    EXPECT_EQ(host.NetworkStatus(0), kIfStatusDown);
    EXPECT_EQ(host.GetValue(kParamNetReceive, 0, ShowParam::Used), 0.0f);

    host.Fail("タイムアウト");
    EXPECT_FALSE(host.Connected());
    EXPECT_EQ(host.Reason(), "タイムアウト");
    EXPECT_EQ(host.GetValue(kParamPhysicalMemory, 0, ShowParam::Total), 0.0f);
    EXPECT_EQ(host.NetworkStatus(1), kIfStatusDown);
    host.RefreshParam(0); // the history of a level keeps the free share: the gap draws idle
    EXPECT_EQ(host.GetValue(kParamCpu, 0, ShowParam::Log, 1), 100.0f);
    // Back after a minute, the counters having moved on: nothing is measured across the gap.
    const std::string later =
        Edited(third, {{"node_network_transmit_bytes_total{device=\"eth0\"} 600000",
                        "node_network_transmit_bytes_total{device=\"eth0\"} 9000000"}});
    ASSERT_TRUE(host.Accept(later, 62000).ok);
    EXPECT_TRUE(host.Connected());
    EXPECT_EQ(host.GetValue(kParamNetSend, 1, ShowParam::Used), 0.0f);
    EXPECT_EQ(host.GetValue(kParamPhysicalMemory, 0, ShowParam::Total), 8589934592.0f);

    // Through a server's federation: rates over the time between its scrapes, 15 s apart.
    RemoteHostValues federated(settings);
    const std::string stamp = "node_boot_time_seconds 1.7e+09 ";
    federated.Accept(Fixture() + stamp + "1765270800000\n", 0);
    federated.Accept(SecondReply() + stamp + "1765270815000\n", 2000);
    EXPECT_EQ(federated.GetValue(kParamNetReceive, 1, ShowParam::Used), 250000.0f / 15.0f);
    federated.Accept(SecondReply() + stamp + "1765270815000\n", 4000); // the same scrape again
    EXPECT_EQ(federated.GetValue(kParamNetReceive, 1, ShowParam::Used), 250000.0f / 15.0f);
    EXPECT_FALSE(federated.Accept("<html>Bad gateway</html>\n", 6000).ok);
    EXPECT_FALSE(federated.Connected());
}

// A crafted reply of many devices is read in bounded time and space.
TEST(RemoteHost, ManyDevicesAreCappedNotQuadratic) {
    std::string body = Fixture();
    for (int i = 0; i < 200000; ++i) {
        body += "node_network_receive_bytes_total{device=\"v" + std::to_string(i) + "\"} 1\n";
        body += "node_network_transmit_bytes_total{device=\"v" + std::to_string(i) + "\"} 1\n";
    }
    Settings settings;
    RemoteHostValues host(settings);
    const auto start = std::chrono::steady_clock::now();
    host.Accept(body, 0);
    host.Accept(body, 2000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_LE(host.DeviceCount(kParamNetReceive), 4096);
}

} // namespace
} // namespace trumbel

#include "remote/RemoteHost.h"

#include "measure/SystemInfo.h"

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

} // namespace
} // namespace trumbel

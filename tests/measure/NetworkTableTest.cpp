#include "measure/PrintValues.h"
#include "platform/Connectivity.h"
#include "platform/LinkWatch.h"
#include "tests/measure/MeasureFixture.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <netinet/in.h>
#include <sched.h>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace trumbel::test {
namespace {

namespace fs = std::filesystem;

constexpr int kLo = 0, kEth = 1, kUsb = 2, kTun = 3, kPpp = 4;

void WriteFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::trunc) << text;
}

// Feeds a FIFO one record at a time and sends the next only once the reader has taken the one
// before, so every read comes back short, as /proc's tables do. Gives up waiting after a while
// so that a reader that stops early cannot hang the test.
class RecordByRecordWriter {
public:
    RecordByRecordWriter(const fs::path& fifo, std::vector<std::string> records) {
        fs::create_directories(fifo.parent_path());
        if (::mkfifo(fifo.c_str(), 0600) != 0) {
            ADD_FAILURE() << "mkfifo " << fifo << ": " << std::strerror(errno);
            return;
        }
        thread_ = std::thread([path = fifo.string(), records = std::move(records)] {
            const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
            if (fd < 0) {
                return;
            }
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            for (const std::string& r : records) {
                if (::write(fd, r.data(), r.size()) != static_cast<ssize_t>(r.size())) {
                    break;
                }
                int queued = 0;
                while (std::chrono::steady_clock::now() < deadline &&
                       ::ioctl(fd, FIONREAD, &queued) == 0 && queued > 0) {
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
                }
            }
            ::close(fd);
        });
    }
    ~RecordByRecordWriter() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }

private:
    std::thread thread_;
};

TEST(ShortReads, TablesAreReadToTheirEndNotToTheFirstShortRead) {
    const fs::path base = FreshTestFolder("measure");
    const fs::path data = fs::path(TRUMBEL_TEST_DATA) / "measure" / "two-cpu" / "proc";
    fs::create_directories(base / "proc");
    fs::copy_file(data / "meminfo", base / "proc" / "meminfo");
    fs::copy_file(data / "stat", base / "proc" / "stat");

    std::vector<std::string> netDev{NetDevText({})}; // the two header lines
    std::vector<std::string> names{"lo"};
    for (int i = 1; i <= 30; ++i) {
        names.push_back("va" + std::to_string(i));
        names.push_back("vb" + std::to_string(i));
    }
    for (const std::string& name : names) {
        netDev.push_back(NetDevText({{name, 1, 2}}).substr(netDev[0].size()));
    }
    std::vector<std::string> mounts{"21 1 8:2 / / rw - ext4 /dev/sda2 rw\n"};
    for (int i = 0; i < 70; ++i) {
        mounts.push_back(std::to_string(30 + i) + " 21 0:" + std::to_string(60 + i) + " / /mnt/p" +
                         std::to_string(i) + " rw - proc proc rw\n");
    }
    for (int i = 1; i <= 5; ++i) {
        mounts.push_back(std::to_string(200 + i) + " 21 0:" + std::to_string(200 + i) +
                         " / /mnt/t" + std::to_string(i) + " rw - tmpfs t" + std::to_string(i) +
                         " rw\n");
    }
    RecordByRecordWriter netWriter(base / "proc" / "net" / "dev", netDev);
    RecordByRecordWriter mountWriter(base / "proc" / "self" / "mountinfo", mounts);

    SystemSource source({(base / "proc").string(), (base / "sys").string()});
    const std::vector<NetRow> rows = source.ReadInterfaceTable();
    std::vector<std::string> listed;
    for (const NetRow& r : rows) {
        listed.push_back(r.name);
    }
    EXPECT_EQ(listed, names);
    std::vector<std::string> drives;
    for (const DriveEntry& d : source.ReadDriveTable()) {
        drives.push_back(d.mountPoint);
    }
    EXPECT_EQ(drives, (std::vector<std::string>{"/", "/mnt/t1", "/mnt/t2", "/mnt/t3", "/mnt/t4",
                                                "/mnt/t5"}));
}

// Link state of lo (IFF_UP set) and tun0 (IFF_UP clear) from operstate and carrier; "-" is a
// carrier that cannot be read, as the kernel answers for an interface that is down.
struct LinkCase {
    const char* operstate;
    const char* carrier;
    std::int32_t status;
};

TEST(LinkState, UnknownStateCountsAsUpOnlyWithCarrier) {
    const std::vector<LinkCase> cases{
        {"up", "1", 5},         {"up", "-", 5},   {"unknown", "1", 5}, {"unknown", "0", 2},
        {"unknown", "-", 2},    {"down", "-", 2}, {"dormant", "1", 2}, {"lowerlayerdown", "0", 2},
        {"notpresent", "-", 2},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(std::string(c.operstate) + " carrier " + c.carrier);
        FixtureTree tree("two-cpu");
        for (const char* name : {"lo", "tun0"}) {
            const std::string dir = std::string("sys/class/net/") + name + "/";
            tree.Write(dir + "operstate", std::string(c.operstate) + "\n");
            if (std::string(c.carrier) == "-") {
                fs::remove(fs::path(tree.Roots().sys) / "class/net" / name / "carrier");
            } else {
                tree.Write(dir + "carrier", std::string(c.carrier) + "\n");
            }
        }
        Settings settings;
        SystemInfoEnvironment env;
        env.roots = tree.Roots();
        SystemInfo info(settings, env);
        info.RefreshParam(0);
        EXPECT_EQ(info.GetNetWorkStatus(kLo), c.status);
        EXPECT_EQ(info.GetNetWorkStatus(kTun), c.status);
        EXPECT_EQ(InterfaceIsUp(env.roots.sys, "tun0"), c.status == 5);
    }
}

// Writes a /proc/net/route with IPv4 default routes (interface, flags), and an ipv6_route with
// one default route when ipv6 names an interface.
void WriteRoutes(const fs::path& proc, const std::vector<std::pair<std::string, std::string>>& v4,
                 const std::string& ipv6 = {}) {
    std::string text = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\n"
                       "eth0\t0002A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\n";
    for (const auto& [iface, flags] : v4) {
        text += iface + "\t00000000\t0102A8C0\t" + flags + "\t0\t0\t100\t00000000\n";
    }
    WriteFile(proc / "net/route", text);
    WriteFile(proc / "net/ipv6_route",
              ipv6.empty() ? std::string()
                           : std::string(32, '0') + " 00 " + std::string(32, '0') + " 00 " +
                                 std::string(32, '0') + " 00000400 1 0 00450003 " + ipv6 + "\n");
}

struct OfflineCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> ipv4; // default routes: interface, flags
    std::string ipv6;                                      // interface of an IPv6 default route
    std::vector<std::array<std::string, 3>> links;         // interface, operstate, carrier
    std::string via;                                       // "": offline
};

TEST(OfflineBit, SetUnlessAnInterfaceThatIsUpHoldsADefaultRoute) {
    const std::vector<OfflineCase> cases{
        {"cabled", {{"eth0", "0003"}}, "", {{"eth0", "up", "1"}}, "eth0"},
        {"unplugged, static default route", {{"eth0", "0003"}}, "", {{"eth0", "down", "-"}}, ""},
        {"point-to-point with carrier", {{"ppp0", "0001"}}, "", {{"ppp0", "unknown", "1"}}, "ppp0"},
        {"point-to-point without carrier", {{"ppp0", "0001"}}, "", {{"ppp0", "unknown", "0"}}, ""},
        {"cable unplugged, Wi-Fi over IPv6",
         {{"eth0", "0003"}},
         "wlan0",
         {{"eth0", "down", "-"}, {"wlan0", "up", "1"}},
         "wlan0"},
        {"route through loopback only", {{"lo", "0001"}}, "", {{"lo", "unknown", "1"}}, ""},
        {"up without a default route", {}, "", {{"eth0", "up", "1"}}, ""},
        {"default route not up", {{"eth0", "0002"}}, "", {{"eth0", "up", "1"}}, ""},
    };
    const fs::path folder = FreshTestFolder("measure");
    int i = 0;
    for (const OfflineCase& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path base = folder / std::to_string(i++);
        WriteRoutes(base / "proc", c.ipv4, c.ipv6);
        for (const auto& [iface, operstate, carrier] : c.links) {
            WriteFile(base / "sys/class/net" / iface / "operstate", operstate + "\n");
            if (carrier != "-") {
                WriteFile(base / "sys/class/net" / iface / "carrier", carrier + "\n");
            }
        }
        const ConnectedState s =
            QueryConnectedState((base / "proc").string(), (base / "sys").string());
        EXPECT_EQ(s.connected, !c.via.empty());
        EXPECT_EQ((s.flags & kConnectionOffline) != 0, c.via.empty());
        EXPECT_EQ(s.name, c.via);
    }
}

// The device a layout without stored network slots graphs, on the two-cpu interfaces
// (lo, eth0 up, usb0 down, tun0 down, ppp0 up).
struct DefaultDeviceCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> ipv4Defaults; // interface, flags
    std::string ipv6Default;
    std::vector<std::pair<std::string, std::string>> operstates;
    int device;
};

TEST(DefaultDevice, TheInterfaceOfTheDefaultRouteLoopbackOnlyWhenNothingElseIsUp) {
    const std::vector<DefaultDeviceCase> cases{
        {"route on eth0", {{"eth0", "0003"}}, "", {}, kEth},
        {"route on ppp0, eth0 up too", {{"ppp0", "0001"}}, "", {}, kPpp},
        {"route on an unplugged link", {{"usb0", "0003"}}, "", {}, kUsb},
        {"route on the unplugged link, another one up",
         {{"usb0", "0003"}, {"ppp0", "0001"}},
         "",
         {},
         kPpp},
        {"IPv6 route only", {}, "tun0", {{"tun0", "up"}}, kTun},
        {"no route: the first other interface that is up", {}, "", {}, kEth},
        {"no route, nothing up but loopback", {}, "", {{"eth0", "down"}, {"ppp0", "dormant"}}, kLo},
    };
    for (const DefaultDeviceCase& c : cases) {
        SCOPED_TRACE(c.name);
        FixtureTree tree("two-cpu");
        WriteRoutes(tree.Roots().proc, c.ipv4Defaults, c.ipv6Default);
        for (const auto& [iface, state] : c.operstates) {
            tree.Write("sys/class/net/" + iface + "/operstate", state + "\n");
        }
        Settings settings;
        SystemInfoEnvironment env;
        env.roots = tree.Roots();
        SystemInfo info(settings, env);
        EXPECT_EQ(info.DefaultNetworkDevice(), c.device);
    }
}

TEST(DefaultDevice, NoneWithoutInterfaces) {
    FixtureTree tree("two-cpu");
    tree.Write("proc/net/dev", NetDevText({}));
    Settings settings;
    SystemInfoEnvironment env;
    env.roots = tree.Roots();
    SystemInfo info(settings, env);
    EXPECT_EQ(info.DefaultNetworkDevice(), std::nullopt);
}

std::vector<std::tuple<std::string, std::uint64_t, std::uint64_t>> TwoCpuRows(std::uint64_t ethRx) {
    return {{"eth0", ethRx, 700000},
            {"lo", 3267, 3267},
            {"ppp0", 1000, 2000},
            {"usb0", 40000, 50000},
            {"tun0", 0, 0}};
}

void AddInterface(const FixtureTree& tree, const std::string& name, int ifIndex, int arphrd) {
    const std::string dir = "sys/class/net/" + name + "/";
    fs::create_directories(fs::path(tree.Roots().sys) / "class/net" / name);
    tree.Write(dir + "ifindex", std::to_string(ifIndex) + "\n");
    tree.Write(dir + "type", std::to_string(arphrd) + "\n");
    tree.Write(dir + "operstate", "unknown\n");
    tree.Write(dir + "carrier", "1\n");
}

TEST(InterfacesComeAndGo, NewOnesAreAppendedAndReturningOnesTakeTheirSlot) {
    Measured m("two-cpu");
    m.settings.deviceLimits[kPpp].receive.maxMode = {1, 1};
    m.settings.deviceLimits[kPpp].receive.pastMax = 777.0f;
    m.tree.Write("proc/net/dev", NetDevText(TwoCpuRows(5001000)));
    m.Pass();
    const float ethLog = m.Value(kParamNetReceive, kEth, kShowLog, 1);
    const float cpuMax = m.Value(kParamCpu, 2, kShowMax);
    ASSERT_EQ(ethLog, 2000.0f);

    // A VPN and a tether come up, listed in an order of their own: appended by interface index.
    AddInterface(m.tree, "wg0", 12, 65534);
    AddInterface(m.tree, "usb1", 9, 1);
    auto rows = TwoCpuRows(5002000);
    rows.emplace_back("wg0", 100, 200);
    rows.emplace_back("usb1", 5000, 6000);
    m.tree.Write("proc/net/dev", NetDevText(rows));
    m.Pass();
    ASSERT_EQ(m.info->GetNetWorkNum(), 7);
    EXPECT_EQ(m.info->GetNetWorkName(kEth), "eth0");
    EXPECT_EQ(m.info->GetNetWorkName(kPpp), "ppp0");
    EXPECT_EQ(m.info->GetNetWorkDeviceName(5), "[有効] (LAN) usb1");
    EXPECT_EQ(m.info->GetNetWorkDeviceName(6), "[有効] wg0");
    EXPECT_EQ(m.settings.deviceLimits.size(), 7u);
    // What the existing devices held survives the table's growth.
    EXPECT_EQ(m.Value(kParamNetReceive, kEth, kShowLog, 2), ethLog);
    EXPECT_EQ(m.Value(kParamCpu, 2, kShowMax), cpuMax);
    EXPECT_EQ(m.settings.deviceLimits[kPpp].receive.pastMax, 777.0f);
    EXPECT_EQ(m.Value(kParamNetReceive, kPpp, kShowMax), 777.0f);
    // No rate on the pass an interface appears: there is nothing to measure it against.
    EXPECT_EQ(m.Value(kParamNetReceive, 5, kShowUsed), 0.0f);
    const std::string listed = FormatValues(*m.info);
    EXPECT_NE(listed.find("net\t6\t1\t5\t[有効] wg0\n"), std::string::npos) << listed;
    EXPECT_NE(listed.find("param\t4\t6\t"), std::string::npos);

    rows[6] = {"usb1", 5000 + 1500, 6000};
    m.tree.Write("proc/net/dev", NetDevText(rows));
    m.Pass();
    EXPECT_EQ(m.Value(kParamNetReceive, 5, kShowUsed), 3000.0f);

    // The tether goes: its slot stays, silent and not connected.
    rows.pop_back();
    m.tree.Write("proc/net/dev", NetDevText(rows));
    m.Pass();
    ASSERT_EQ(m.info->GetNetWorkNum(), 7);
    EXPECT_EQ(m.info->GetNetWorkDeviceName(5), "[未接続] (LAN) usb1");
    EXPECT_EQ(m.Value(kParamNetReceive, 5, kShowUsed), 0.0f);

    // It comes back under its name, listed elsewhere now: same slot, no new one.
    rows.insert(rows.begin(), {"usb1", 100, 100});
    m.tree.Write("proc/net/dev", NetDevText(rows));
    m.Pass();
    EXPECT_EQ(m.info->GetNetWorkNum(), 7);
    EXPECT_EQ(m.info->GetNetWorkDeviceName(5), "[有効] (LAN) usb1");
    EXPECT_EQ(m.info->GetNetWorkName(6), "wg0");
}

// ---------------------------------------------------------------------------------------------
// Against the kernel: a network namespace of our own, with veth pairs made and removed between
// passes. Needs root.

struct ChildRun {
    std::string skipped; // why, when namespaces could not be made
    std::string output;
    int status = 0;
};

// Runs body in a child process inside new network and mount namespaces (private mounts, a
// sysfs of the new network namespace); the child's text comes back.
ChildRun InNetworkNamespace(const std::function<std::string()>& body) {
    if (::geteuid() != 0) {
        return {"network namespaces need root", {}, 0};
    }
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return {"no pipe", {}, 0};
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::string out;
        int code = 0;
        if (::unshare(CLONE_NEWNET | CLONE_NEWNS) != 0) {
            out = std::string("SKIP unshare: ") + std::strerror(errno);
            code = 77;
        } else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                   ::mount("sysfs", "/sys", "sysfs", 0, nullptr) != 0) {
            out = std::string("SKIP mount: ") + std::strerror(errno);
            code = 77;
        } else {
            try {
                out = body();
            } catch (const std::exception& e) {
                out = std::string("exception: ") + e.what();
                code = 1;
            }
        }
        for (std::size_t done = 0; done < out.size();) {
            const ssize_t n = ::write(fds[1], out.data() + done, out.size() - done);
            if (n <= 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        ::_exit(code);
    }
    ::close(fds[1]);
    ChildRun run;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) {
        run.output.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    if (run.status == 77) {
        run.skipped = run.output;
    }
    return run;
}

bool Sh(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// After a pass: "name:status" per slot, then the default device's name and the interface the
// connection goes through ("-": offline).
std::string Describe(SystemInfo& info) {
    std::string out;
    for (int n = 0; n < info.GetNetWorkNum(); ++n) {
        out += info.GetNetWorkName(n) + ":" + std::to_string(info.GetNetWorkStatus(n)) + " ";
    }
    const auto device = info.DefaultNetworkDevice();
    const ConnectedState s = QueryConnectedState();
    return out + "default=" + (device ? info.GetNetWorkName(*device) : "none") +
           " via=" + (s.connected ? s.name : "-") + "\n";
}

const char* const kVethUp = "ip link set tva up && ip link set tvb up && "
                            "ip addr add 10.77.0.1/24 dev tva && "
                            "ip route add default via 10.77.0.2 dev tva";

TEST(InterfacesComeAndGo, RealVethPairsInANetworkNamespace) {
    const ChildRun run = InNetworkNamespace([] {
        if (!Sh("ip link set lo up")) {
            return std::string("setup failed: lo\n");
        }
        Settings settings;
        SystemInfo info(settings);
        const auto pass = [&] {
            info.RefreshParam(0);
            return Describe(info);
        };
        std::string out = pass();
        if (!Sh("ip link add tva type veth peer name tvb") || !Sh(kVethUp)) {
            return out + "setup failed: veth\n";
        }
        out += pass();
        // Once the kernel has settled both ends' state, the next pass shows it.
        Sh("ip link set tvb down && timeout 5 sh -c "
           "'while grep -qx up /sys/class/net/tv[ab]/operstate; do sleep 0.01; done'");
        out += pass();
        Sh("ip link set tvb up && timeout 5 sh -c "
           "'until [ \"$(sort -u /sys/class/net/tv[ab]/operstate)\" = up ]; do sleep 0.01; done'");
        out += pass();
        Sh("ip link del tva");
        out += pass();
        // Back, made the other way round, with another pair beside it.
        if (!Sh("ip link add tvb type veth peer name tva") || !Sh(kVethUp) ||
            !Sh("ip link add tvc type veth peer name tvd")) {
            return out + "setup failed: veth again\n";
        }
        return out + pass();
    });
    if (!run.skipped.empty()) {
        GTEST_SKIP() << "cannot make a network namespace here: " << run.skipped;
    }
    ASSERT_EQ(run.status, 0) << run.output;
    std::vector<std::string> passes;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        passes.push_back(line);
    }
    ASSERT_EQ(passes.size(), 6u) << run.output;
    // The kernel numbers the two ends in an order of its own: take it from the table.
    const std::string ends = passes[1].substr(5, 11);
    ASSERT_TRUE(ends == "tva:5 tvb:5" || ends == "tvb:5 tva:5") << passes[1];
    const auto down = [](std::string s) {
        for (const std::size_t at : {s.find(":5"), s.rfind(":5")}) {
            s[at + 1] = '2';
        }
        return s;
    };
    EXPECT_EQ(passes[0], "lo:5 default=lo via=-"); // loopback only when nothing else is up
    EXPECT_EQ(passes[1], "lo:5 " + ends + " default=tva via=tva"); // appended without a restart
    EXPECT_TRUE(passes[2].starts_with("lo:5 " + down(ends) + " default=")) << passes[2];
    EXPECT_EQ(passes[3], passes[1]);
    EXPECT_EQ(passes[4], "lo:5 " + down(ends) + " default=lo via=-"); // gone: slots stay, down
    // Back in their slots; the new pair after them.
    EXPECT_TRUE(passes[5].starts_with("lo:5 " + ends + " tv")) << passes[5];
    EXPECT_NE(passes[5].find(" tvc:"), std::string::npos) << passes[5];
    EXPECT_NE(passes[5].find(" tvd:"), std::string::npos) << passes[5];
    EXPECT_TRUE(passes[5].ends_with(" default=tva via=tva")) << passes[5];
}

// Loopback's rate from the kernel's counters, on passes with and without traffic and with no
// link change between them (the passes that reuse the last listing).
TEST(InterfacesComeAndGo, LoopbackTrafficShowsAsItsRate) {
    const ChildRun run = InNetworkNamespace([] {
        Sh("ip link set lo up");
        Settings settings;
        SystemInfoEnvironment env;
        std::int64_t now = 0;
        env.tickCount = [&] { return now; };
        SystemInfo info(settings, env);
        std::string out;
        // A listener, so that no "port unreachable" comes back over loopback as well.
        const int udp = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        const int sink = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        const int big = 1 << 24;
        ::setsockopt(sink, SOL_SOCKET, SO_RCVBUFFORCE, &big, sizeof big);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof to;
        ::bind(sink, reinterpret_cast<const sockaddr*>(&to), sizeof to);
        ::getsockname(sink, reinterpret_cast<sockaddr*>(&to), &size);
        for (const int datagrams : {0, 0, 100, 0, 50}) {
            const std::string payload(1000, 'x');
            for (int i = 0; i < datagrams; ++i) {
                ::sendto(udp, payload.data(), payload.size(), 0,
                         reinterpret_cast<const sockaddr*>(&to), sizeof to);
            }
            now += 500;
            info.RefreshParam(0);
            // At least the payloads, at most their headers too, per second.
            const float rate = info.GetSystemValue(kParamNetReceive, 0, kShowUsed);
            out += rate >= datagrams * 2000.0f && rate <= datagrams * 2200.0f ? "ok " : "wrong ";
        }
        ::close(udp);
        ::close(sink);
        return out;
    });
    if (!run.skipped.empty()) {
        GTEST_SKIP() << "cannot make a network namespace here: " << run.skipped;
    }
    EXPECT_EQ(run.output, "ok ok ok ok ok ");
}

// Far more link notifications than the socket holds arrive between two drains: the table the
// next drain leaves must still be the kernel's, with every newcomer up and the gone forgotten.
TEST(LinkTable, FollowsTheKernelAcrossLostNotifications) {
    const fs::path folder = FreshTestFolder("measure");
    std::ofstream make(folder / "make"), remove(folder / "remove");
    for (int i = 1; i <= 300; ++i) {
        make << "link add tx" << i << " type veth peer name ty" << i << "\nlink set tx" << i
             << " up\nlink set ty" << i << " up\n";
        remove << "link del tx" << i << "\n";
    }
    make.close();
    remove.close();
    const ChildRun run = InNetworkNamespace([&] {
        LinkWatch links;
        const auto upCount = [&] {
            int n = 0;
            for (int i = 1; i <= 300; ++i) {
                const LinkInfo* link = links.Find("ty" + std::to_string(i));
                n += link && link->up;
            }
            return std::to_string(n);
        };
        Sh("ip -batch " + (folder / "make").string() +
           " && timeout 10 sh -c 'until [ $(grep -lx "
           "up /sys/class/net/t[xy]*/operstate | wc -l) -ge 600 ]; do sleep 0.05; done'");
        links.Drain();
        const std::string made = upCount();
        Sh("ip -batch " + (folder / "remove").string());
        links.Drain();
        return made + " " + upCount();
    });
    if (!run.skipped.empty()) {
        GTEST_SKIP() << "cannot make a network namespace here: " << run.skipped;
    }
    EXPECT_EQ(run.output, "300 0");
}

} // namespace
} // namespace trumbel::test

#!/usr/bin/env bash
# Idle cost of the strip on a machine with many interfaces, processors or mounts, beside the
# same strip on a machine with loopback alone. Every variant runs in network and mount
# namespaces of its own (a sysfs of its own, so /sys/class/net lists its interfaces), all in
# one private X session and measured over the same intervals, so that load hits them alike:
#
#   loopback        lo only
#   500 interfaces  lo and 250 veth pairs (every end up)
#   64 processors   lo only; /proc/stat is the 64-processor fixture (its counters stand still)
#   300 mounts      lo only; 300 tmpfs mounts under /mnt (each one a drive of the drive lists)
#
#   bench/interfaces/run.sh [build/trumbel]    IFACE_SECONDS=60 IFACE_ROUNDS=3 by default
#
# Also prints what the kernel itself spends on one read of /proc/net/dev with 500 interfaces.
# Needs root, unshare, ip, Xvfb, openbox and xprop; exits 77 (skipped) otherwise.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
trumbel=$(realpath "${1:-$here/../../build/trumbel}")
seconds=${IFACE_SECONDS:-60}
rounds=${IFACE_ROUNDS:-3}
pairs=${IFACE_PAIRS:-250}
mounts=${IFACE_MOUNTS:-300}
fixture=$(realpath "$here/../../tests/data/measure/sixty-four/proc/stat")

skip() { echo "interfaces bench: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "needs root (network namespaces)"
for tool in unshare ip Xvfb openbox xprop python3; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done
unshare -n -m true 2>/dev/null || skip "this machine refuses new network and mount namespaces"
[ -x "$trumbel" ] || { echo "interfaces bench: no program at $trumbel"; exit 1; }

. "$here/../lib.sh"
bench_session
export HOME=$home/home XDG_CONFIG_HOME=$home/config
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
XDG_RUNTIME_DIR=$home/wm bench_window_manager

# The namespace's set-up, then the strip in place of the shell. Each variant has its own
# settings folder (default settings, no first-start notice) and lock folder.
inside() {
  local name=$1 setup=$2 dir=$home/$1
  mkdir -p "$dir/trumbel" && mkdir -m 700 "$dir/run"
  printf '[バージョン情報]\nVelquorVer=1320083\n' >"$dir/trumbel/setting_$(id -un).ini"
  TRUMBEL_HOME=$dir/trumbel/ XDG_RUNTIME_DIR=$dir/run unshare -n -m bash -c "
    set -e
    mount --make-rprivate /
    mount -t sysfs sysfs /sys
    ip link set lo up
    $setup
    touch '$dir/ready'
    exec '$trumbel' >'$dir/log' 2>&1" &
  pids+=($!)
  echo "$name $!" >>"$home/variants"
}

veths=$home/veths
for i in $(seq "$pairs"); do echo "link add va$i type veth peer name vb$i"; done >"$veths"
for i in $(seq "$pairs"); do echo "link set va$i up"; echo "link set vb$i up"; done >>"$veths"
inside loopback ":"
inside "500_interfaces" "ip -batch '$veths'"
inside "64_processors" "mount --bind '$fixture' /proc/stat"
inside "300_mounts" "mount -t tmpfs scratch /mnt
    for i in \$(seq $mounts); do mkdir /mnt/m\$i; mount -t tmpfs m\$i /mnt/m\$i; done"

for _ in $(seq 600); do
  [ "$(ls "$home"/*/ready 2>/dev/null | wc -l)" -eq 4 ] && break
  sleep 0.1
done
[ "$(ls "$home"/*/ready 2>/dev/null | wc -l)" -eq 4 ] || { echo "interfaces bench: a variant did not start"; exit 1; }
sleep 5 # past start-up: skin load, first draw, the window manager's configure round

# The kernel's own cost of the 500 interfaces' counters, as /proc/net/dev text and as the
# binary dump (RTM_GETSTATS, 64-bit link counters only) the strip reads, from their namespace.
netdev_pid=$(awk '$1 == "500_interfaces" { print $2 }' "$home/variants")
nsenter -t "$netdev_pid" -n python3 - <<'PY'
import os, socket, struct, time

def proc_net_dev():
    fd = os.open("/proc/net/dev", os.O_RDONLY)
    def read():
        os.lseek(fd, 0, 0)
        size = 0
        while chunk := os.read(fd, 65536):
            size += len(chunk)
        return size
    return read

def stats_dump():
    s = socket.socket(socket.AF_NETLINK, socket.SOCK_RAW, 0)
    s.bind((0, 0))
    def read():
        body = struct.pack("=BBHII", 0, 0, 0, 0, 1)  # IFLA_STATS_FILTER_BIT(IFLA_STATS_LINK_64)
        s.send(struct.pack("=IHHII", 16 + len(body), 94, 0x301, 1, 0) + body)  # RTM_GETSTATS
        size = 0
        while True:
            d = s.recv(65536)
            size += len(d)
            at = 0
            while at < len(d):
                length, kind = struct.unpack_from("=IH", d, at)
                if kind == 3:  # NLMSG_DONE
                    return size
                at += (length + 3) & ~3
    return read

for name, read in (("/proc/net/dev", proc_net_dev()), ("RTM_GETSTATS dump", stats_dump())):
    n = 2000
    t0 = time.process_time()
    for _ in range(n):
        size = read()
    dt = (time.process_time() - t0) / n
    print(f"{name} with 500 interfaces: {size} bytes, {dt * 1e3:.3f} ms CPU a read "
          f"({dt * 2 * 100:.3f} % of a core at two reads a second)")
PY

python3 - "$seconds" "$rounds" "$home/variants" <<'PY'
import glob, sys, time

seconds, rounds = float(sys.argv[1]), int(sys.argv[2])
procs = [(line.split()[0].replace("_", " "), int(line.split()[1])) for line in open(sys.argv[3])]

def cpu_ns(pid):
    # schedstat of every thread: not rounded to 10 ms ticks as /proc/PID/stat's utime + stime.
    total = 0
    for task in glob.glob(f"/proc/{pid}/task/*"):
        try:
            total += int(open(f"{task}/schedstat").read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return total

results = {name: [] for name, _ in procs}
for r in range(rounds):
    before = {name: cpu_ns(pid) for name, pid in procs}
    t0 = time.monotonic()
    time.sleep(seconds)
    dt = time.monotonic() - t0
    line = []
    for name, pid in procs:
        cpu = (cpu_ns(pid) - before[name]) / 1e9 / dt * 100
        results[name].append(cpu)
        line.append(f"{name} {cpu:.3f} %")
    print(f"round {r + 1}: " + ", ".join(line), file=sys.stderr)

base = results["loopback"]
print("| variant | CPU % per round | mean | ratio to loopback (per round) |")
print("|---|---|---|---|")
for name, _ in procs:
    xs = results[name]
    ratios = " ".join(f"{x / b:.2f}" if b > 0 else "-" for x, b in zip(xs, base))
    print(f"| {name} | {' '.join(f'{x:.3f}' for x in xs)} | {sum(xs) / len(xs):.3f} | {ratios} |")
with open("/proc/loadavg") as f:
    print(f"\nload average at the end: {' '.join(f.read().split()[:3])}; "
          f"{rounds} rounds of {seconds:.0f} s")
PY

#!/usr/bin/env bash
# Idle cost of trumbel beside GKrellM (2 updates per second), both running in one private X
# session (Xvfb + openbox) and measured over the same intervals, so that machine load hits both
# alike. Prints one table: CPU %, wakeups/s (context switches of all threads), resident and
# private memory, and trumbel's ratio to the peer.
#
#   bench/idle/run.sh [build/trumbel]      IDLE_SECONDS=60 IDLE_ROUNDS=3 by default
#   IDLE_INI='[Window設定]\nマウスが来たら隠す=1\n' adds settings lines (printf escapes)
#
# Needs Xvfb, openbox, xprop and gkrellm (`apt-get install -y gkrellm`; not part of
# scripts/setup, since neither the build nor the tests need it).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
trumbel=$(realpath "${1:-$here/../../build/trumbel}")
seconds=${IDLE_SECONDS:-60}
rounds=${IDLE_ROUNDS:-3}

for tool in Xvfb openbox xprop gkrellm python3; do
  command -v "$tool" >/dev/null || { echo "idle bench: $tool is missing (gkrellm: apt-get install -y gkrellm)"; exit 77; }
done
[ -x "$trumbel" ] || { echo "idle bench: no program at $trumbel"; exit 1; }

. "$here/../lib.sh"
bench_session

export HOME=$home/home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/run
mkdir -p "$HOME/.gkrellm2" "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
bench_window_manager

# A fresh settings folder with a settings file that holds only its version: every setting at
# its default, and no first-start notice left open on the screen.
mkdir "$home/trumbel"
printf '[バージョン情報]\nVelquorVer=1320083\n%b' "${IDLE_INI:-}" >"$home/trumbel/setting_$(id -un).ini"
TRUMBEL_HOME=$home/trumbel/ "$trumbel" >"$home/trumbel.log" 2>&1 &
trumbel_pid=$!
pids+=($trumbel_pid)
printf 'update_HZ 2\n' >"$HOME/.gkrellm2/user-config"
gkrellm >"$home/gkrellm.log" 2>&1 &
gkrellm_pid=$!
pids+=($gkrellm_pid)
sleep 5 # past start-up: skin load, first draw, the window manager's configure round

python3 - "$seconds" "$rounds" "$trumbel_pid" "$gkrellm_pid" <<'PY'
import glob, os, sys, time

seconds, rounds = float(sys.argv[1]), int(sys.argv[2])
procs = [("trumbel", int(sys.argv[3])), ("gkrellm 2 Hz", int(sys.argv[4]))]

def sample(pid):
    # CPU time of every thread in nanoseconds (schedstat; /proc/PID/stat's utime + stime
    # counts only in 10 ms ticks) and context switches summed over the threads.
    run_ns, switches = 0, 0
    for task in glob.glob(f"/proc/{pid}/task/*"):
        try:
            run_ns += int(open(f"{task}/schedstat").read().split()[0])
            for line in open(f"{task}/status"):
                if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                    switches += int(line.split()[1])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended between the listing and the read
    stat = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    ticks = int(stat[11]) + int(stat[12])  # utime + stime
    return run_ns, switches, ticks

def memory(pid):
    kb = {}
    for line in open(f"/proc/{pid}/status"):
        if line.startswith(("VmRSS", "RssAnon")):
            kb[line.split(":")[0]] = int(line.split()[1])
    for line in open(f"/proc/{pid}/smaps_rollup"):
        if line.startswith(("Private_Clean", "Private_Dirty")):
            kb["Private"] = kb.get("Private", 0) + int(line.split()[1])
        if line.startswith("Private_Dirty"):
            kb["Dirty"] = int(line.split()[1])
    return kb

hz = os.sysconf("SC_CLK_TCK")
results = {name: [] for name, _ in procs}
for r in range(rounds):
    before = {name: sample(pid) for name, pid in procs}
    t0 = time.monotonic()
    time.sleep(seconds)
    dt = time.monotonic() - t0
    for name, pid in procs:
        after = sample(pid)
        b = before[name]
        cpu = (after[0] - b[0]) / 1e9 / dt * 100
        cpu_ticks = (after[2] - b[2]) / hz / dt * 100
        wake = (after[1] - b[1]) / dt
        results[name].append((cpu, cpu_ticks, wake))
        print(f"round {r + 1} {name:13s} cpu {cpu:.3f} % (stat {cpu_ticks:.3f} %)  "
              f"wakeups {wake:.1f}/s", file=sys.stderr)

def mean(xs):
    return sum(xs) / len(xs)

print(f"| program | CPU % | wakeups/s | RSS MB | RssAnon MB | private MB | private dirty MB |")
print(f"|---|---|---|---|---|---|---|")
rows = {}
for name, pid in procs:
    cpu = mean([x[0] for x in results[name]])
    wake = mean([x[2] for x in results[name]])
    kb = memory(pid)
    rows[name] = (cpu, wake, kb)
    print(f"| {name} | {cpu:.3f} | {wake:.1f} | {kb['VmRSS'] / 1024:.1f} | "
          f"{kb['RssAnon'] / 1024:.1f} | {kb['Private'] / 1024:.1f} | {kb['Dirty'] / 1024:.1f} |")
t, g = rows["trumbel"], rows["gkrellm 2 Hz"]
print(f"| ratio trumbel / gkrellm | {t[0] / g[0]:.2f} | {t[1] / g[1]:.2f} | | | | |")
with open("/proc/loadavg") as f:
    print(f"\nload average at the end: {' '.join(f.read().split()[:3])}; "
          f"{rounds} rounds of {seconds:.0f} s")
PY

#!/usr/bin/env bash
# A start that adjusts the clock, with /noballoon, against chronyd on this machine, by a
# process that may not set the time and has no system bus to ask timedated: the window comes
# up at the bottom-right corner, the log says the set failed for lack of privilege, the window
# closes by itself after 10 s, and the system clock has not moved (the settings ask for one hour
# ahead, so a set that went through could not hide).
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool xev chronyd python3 capsh
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: chronyd needs root to start"
  exit 77
fi
start_session

# The system clock against the monotonic one: a step of the clock changes the difference.
clock_base() { python3 -c 'import time; print(time.time() - time.clock_gettime(time.CLOCK_MONOTONIC))'; }

port=$(python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
cat >"$home/chrony.conf" <<CONF
port $port
bindaddress 127.0.0.1
allow 127.0.0.1
local stratum 8
cmdport 0
pidfile $home/chronyd.pid
CONF
# -x: chronyd never touches the clock itself.
chronyd -x -d -u root -f "$home/chrony.conf" >"$home/chronyd.log" 2>&1 &
chronyd_pid=$!
pids+=("$chronyd_pid")
answers() {
  python3 - "$port" <<'PY'
import socket, sys
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.settimeout(0.3)
s.sendto(b"\x23" + b"\0" * 47, ("127.0.0.1", int(sys.argv[1])))
s.recvfrom(512)
PY
}
wait_for 10 answers || fail "chronyd does not answer: $(cat "$home/chronyd.log")"

cat >"$home/setting_$(id -un).ini" <<INI
[バージョン情報]
VelquorVer=1320083
[時計設定]
使用するタイムサーバー=テスト (127.0.0.1)
起動時に時計を合わせる=1
使用するポート=$port
一定時間ごとにあわせる=0
ずらしてあわせる=1
ずらす時間=0,1,0,0
INI

# Top-level windows map and unmap under the root (no window manager here): the log shows
# whether the result takes the clock window down and maps it again.
xev -root -event substructure >"$home/xev.log" 2>&1 &
pids+=($!)
before=$(clock_base)
"$trumbel" /noballoon >"$home/trumbel.log" 2>&1 &
app=$!
pids+=("$app")
title='^時計の調節 - Velquor$'
wait_for 15 xdotool search --onlyvisible --name "$title" ||
  fail "the clock-adjust window did not appear: $(cat "$home/trumbel.log")"
shown=$SECONDS
win=$(xdotool search --onlyvisible --name "$title" | head -n1)
[ -n "$win" ] || fail "the clock-adjust window vanished right after it appeared"
geometry=$(xdotool getwindowgeometry --shell "$win") || fail "the clock-adjust window $win went away"
eval "$geometry"
((X + WIDTH == 1280 && Y + HEIGHT == 1024)) ||
  fail "the window is not at the bottom-right corner: ${WIDTH}x$HEIGHT at $X,$Y"

wait_for 5 grep -q 'clock adjustment failed: .*時刻を設定する権限がありません' "$home/trumbel.log" ||
  fail "the log does not say the set failed for lack of privilege: $(cat "$home/trumbel.log")"
grep -q 'clock adjustment working: 以下のサーバーへ時間を取得中 / テスト (127.0.0.1)' "$home/trumbel.log" ||
  fail "the log does not say whom it asked: $(cat "$home/trumbel.log")"
if grep -q 'clock adjustment adjusted' "$home/trumbel.log"; then
  fail "a refused set was reported as success: $(cat "$home/trumbel.log")"
fi
# The result enables the close command without the window flickering out and back.
sleep 0.3
unmaps=$(grep -A1 '^UnmapNotify' "$home/xev.log" | grep -c "window $(printf '0x%x' "$win"),")
((unmaps == 0)) || fail "the window was unmapped $unmaps times when the result came in"
# ...and the window manager is offered the close function (Motif hints: functions has CLOSE).
functions=$(xprop -id "$win" _MOTIF_WM_HINTS | awk -F'= ' '{split($2, f, ", "); print f[2]}')
(((functions & 0x20) != 0)) || fail "no close function after the result: _MOTIF_WM_HINTS functions $functions"

wait_for 15 bash -c "! xdotool search --onlyvisible --name '$title'" ||
  fail "the window did not close by itself"
closed_after=$((SECONDS - shown))
((closed_after >= 9 && closed_after <= 12)) || fail "the window closed after ${closed_after} s, not 10"

after=$(clock_base)
python3 -c "import sys; sys.exit(abs($after - $before) > 0.5)" ||
  fail "the system clock moved by $(python3 -c "print($after - $before)") s"

kill -0 "$app" || fail "the program ended: $(cat "$home/trumbel.log")"
stop_program "$app"
[ $? -ne 124 ] || fail "no exit after SIGTERM"
# chronyd ends before its folder goes.
kill "$chronyd_pid"
wait "$chronyd_pid"
pids=()
echo "PASS"

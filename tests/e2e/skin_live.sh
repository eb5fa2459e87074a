#!/usr/bin/env bash
# The running window under a real X server shows live values: two captures taken a second and
# a half apart differ (at least the clock moves), no error box comes up, and a headless
# snapshot writes the composed picture at the window's size.
set -u
trumbel=$1
here=$(dirname "$0")
. "$here/lib.sh"
need xdotool xwd python3
start_session

capture() { # capture NAME: the window's picture as NAME.png; prints its width and height
  xwd -silent -id "$win" >"$home/$1.xwd" && python3 "$here/xwd2png.py" "$home/$1.xwd" "$home/$1.png"
}

"$trumbel" >"$home/run.log" 2>&1 &
pid=$!
pids=("$pid")
# A first start: the standard settings (with the clock) after the notice.
answer_box 'Velquor - 確認' || fail "no notice about the missing settings file"
win=$(skin_window) || fail "the skin window did not appear"
sleep 1.2
size=$(capture first) || fail "cannot capture the window"
sleep 1.5
[ "$(capture second)" = "$size" ] || fail "the window changed its size"
same=0
cmp -s "$home/first.png" "$home/second.png" && same=1
colours=$(python3 - "$home/second.xwd" <<'PY'
import struct, sys
d = open(sys.argv[1], "rb").read()
h = struct.unpack(">25I", d[:100])
off = h[0] + 12 * h[19]
print(len(set(d[off + i:off + i + 3] for i in range(0, h[12] * h[5], 4))))
PY
)
[ "$colours" -ge 8 ] || fail "the window shows only $colours colours: nothing was drawn"
if xdotool search --name 'エラー - Velquor$' >/dev/null 2>&1; then
  fail "an error box came up: $(cat "$home/run.log")"
fi
stop_program "$pid"
[ $? -ne 124 ] || fail "no exit after SIGTERM"
pids=()

# The headless snapshot is the composed picture, as large as the window was.
QT_QPA_PLATFORM=offscreen "$trumbel" --snapshot "$home/snap.png" --ticks 2 >"$home/snap.log" 2>&1 ||
  fail "snapshot failed: $(cat "$home/snap.log")"
snap=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' "$home/snap.png")
[ "$snap" = "$size" ] || fail "snapshot is $snap, the window $size"
# The standard layout of a first start has a clock: two captures 1.5 s apart differ.
[ "$same" = 0 ] || fail "the window showed the same picture 1.5 s apart"
echo "PASS ($size)"

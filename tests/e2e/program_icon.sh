#!/usr/bin/env bash
# The real executable carries its icons: the skin window offers the window manager the program
# icon in every drawn size (_NET_WM_ICON), with the drawn pixels.
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool xprop python3
start_session

"$trumbel" >"$home/run.log" 2>&1 &
pids+=($!)
answer_box 'Velquor - 確認' || fail "no notice about the missing settings file"
win=$(skin_window) || fail "the skin window did not appear: $(cat "$home/run.log")"
wait_for 10 bash -c "xprop -id $win _NET_WM_ICON | grep -q 'Icon ('" ||
  fail "the window has no icon"
xprop -id "$win" -notype 32c _NET_WM_ICON >"$home/icon.txt"
python3 - "$home/icon.txt" <<'PY' || fail "unexpected icon: $(head -c 300 "$home/icon.txt")"
import sys
text = open(sys.argv[1]).read().split("=", 1)[1]
values = [int(v) for v in text.replace("\n", " ").split(",") if v.strip()]
sizes, images, i = [], {}, 0
while i + 2 <= len(values):
    w, h = values[i], values[i + 1]
    images[w] = values[i + 2:i + 2 + w * h]
    sizes.append((w, h))
    i += 2 + w * h
expected = [(s, s) for s in (16, 32, 48, 64, 128, 256)]
if sorted(sizes) != expected:
    sys.exit(f"sizes {sorted(sizes)}")
small = images[16]
# The drawn symbol: a transparent corner, the panel's bevel colour inside it.
if small[0] >> 24 != 0 or small[1 * 16 + 1] != 0xFF5C6A7A:
    sys.exit(f"pixels {small[0]:#x} {small[17]:#x}")
PY
echo "PASS"

#!/usr/bin/env bash
# The settings written at exit while auto-snap holds the window at another window: the start
# position in the file is where the window was before auto-snap moved it, and the next start
# puts it there.
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool xprop openbox xmessage
start_session
start_window_manager

user=$(id -un)
ini=$home/setting_$user.ini
cat >"$ini" <<INI
[バージョン情報]
VelquorVer=1320083
[位置情報設定]
起動位置設定=0
起動位置X=40
起動位置Y=500
自動吸着=1
吸着基準位置1=1
吸着基準位置2=0
吸着除外設定=1
吸着除外サイズWidth=400
吸着除外サイズHeight=300
INI

position() { xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y)=' | tr '\n' ' '; }

start_trumbel "$home/first.log"
at "$win" 40 500 || fail "not at the start position of the file: $(position "$win")"

xmessage -geometry 500x300+200+150 -title "snap target" "target" &
target=$!
pids+=("$target")
wait_for 10 xdotool search --name '^snap target$' || fail "the test window did not appear"
twin=$(xdotool search --name '^snap target$' | head -n1)
xdotool windowactivate --sync "$twin" 2>/dev/null
wait_for 10 bash -c "[ \"\$(xdotool getwindowgeometry --shell $win | sed -n 's/^X=//p')\" -ge 700 ]" ||
  fail "auto-snap did not take the window: $(position "$win")"

stop_program "$app"
[ $? -ne 124 ] || fail "no exit after SIGTERM"
grep -qx '起動位置X=40' "$ini" || fail "start position X is not the place before auto-snap: $(grep 起動位置 "$ini")"
grep -qx '起動位置Y=500' "$ini" || fail "start position Y is not the place before auto-snap: $(grep 起動位置 "$ini")"
grep -qx '自動吸着=1' "$ini" || fail "auto-snap setting lost: $(cat "$ini")"

# Without the other window, the next start is back at that place.
kill "$target"
wait_for 10 bash -c "! xdotool search --name '^snap target\$'" || fail "the test window stayed"
start_trumbel "$home/second.log"
at "$win" 40 500 || fail "the next start is not at the place before auto-snap: $(position "$win")"
stop_program "$app"
[ $? -ne 124 ] || fail "no exit after the second SIGTERM"
echo "PASS"

#!/usr/bin/env bash
# The skin window's behaviour under a real EWMH window manager (openbox): dragging snaps to the
# screen edge, the hot key reaches the function button, auto-snap follows a window and comes
# back, and the close button ends the program in order.
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool xprop openbox xmessage
start_session
start_window_manager

# Ctrl+Shift+F12 (123) as the hot key; auto-snap to the foreground window when it is at least
# 400x300.
user=$(id -un)
cat >"$home/setting_$user.ini" <<INI
[バージョン情報]
VelquorVer=1320083
[位置情報設定]
起動位置設定=1
自動吸着=1
吸着基準位置1=1
吸着基準位置2=0
吸着除外設定=1
吸着除外サイズWidth=400
吸着除外サイズHeight=300
[その他設定]
ファンクションID=-1
ファンクション名=mark.sh
[ホットキー設定]
使用する=1
Ctrl使用=1
Alt使用=0
Shift使用=1
キーコード=123
INI

# The function the hot key starts leaves a mark.
mkdir -p "$home/Function"
printf '#!/bin/sh\necho started >>"%s/hotkey.mark"\n' "$home" >"$home/Function/mark.sh"
chmod +x "$home/Function/mark.sh"

start_trumbel "$home/trumbel.log" \
  QT_LOGGING_RULES="trumbel.hotkey.info=true;trumbel.window.info=true"
# Topmost (the default) through the window manager's state, not by re-creating the window.
wait_for 5 bash -c "xprop -id $win _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" ||
  fail "not kept above: $(xprop -id "$win" _NET_WM_STATE)"

# geometry WINDOW -> "X Y W H"
geometry() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '
    /^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2} END {print x, y, w, h}'
}

# The skin's buttons as the program logs them: "button N at X,Y size WxH" (window pixels).
wait_for 10 grep -q 'button 0 at' "$home/trumbel.log" || fail "the skin has no close button: $(cat "$home/trumbel.log")"
read -r close_x close_y close_w close_h < <(sed -n 's/.*button 0 at \([0-9]*\),\([0-9]*\) size \([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/p' "$home/trumbel.log" | tail -n1)
# The buttons, one "X Y W H" line each.
buttons=$(sed -n 's/.*button [0-5] at \([0-9]*\),\([0-9]*\) size \([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/p' "$home/trumbel.log")
# grip: a window point on no button (the middle, else the lower middle) as "X Y"
grip() {
  local w=$1 h=$2 px py
  for py in $((h / 2)) $((h - 3)); do
    px=$((w / 2))
    if ! echo "$buttons" | awk -v px="$px" -v py="$py" '
        $1 <= px && px <= $1 + $3 && $2 <= py && py <= $2 + $4 {hit = 1} END {exit !hit}'; then
      echo "$px $py"
      return
    fi
  done
  fail "no point of the window is free of buttons"
}

# drag DX DY: presses on the window outside the buttons and moves the cursor by (DX, DY)
drag() {
  read -r x y w h < <(geometry "$win")
  local gx gy
  read -r gx gy < <(grip "$w" "$h")
  local cx=$((x + gx)) cy=$((y + gy))
  # --sync would wait forever when the pointer is already there
  xdotool mousemove "$cx" "$cy"
  sleep 0.2
  xdotool mousedown 1
  for i in 1 2 3 4; do
    xdotool mousemove $((cx + $1 * i / 4)) $((cy + $2 * i / 4))
    sleep 0.1
  done
  sleep 0.2
  xdotool mouseup 1
  sleep 0.3
}

# Put the window somewhere known, well away from the edges.
read -r x y w h < <(geometry "$win")
drag $((300 - x)) $((300 - y))
at "$win" 300 300 || fail "drag to (300,300) left the window at $(geometry "$win")"

# Left edge dragged to 7 (within the strength of 10): snaps to 0. To 40: stays.
drag -293 0
at "$win" 0 300 || fail "no snap to the left edge: $(geometry "$win")"
drag 40 0
at "$win" 40 300 || fail "moved without snapping expected: $(geometry "$win")"
# Bottom edge dragged within 6 pixels of the screen's bottom (1024): flush with it.
read -r x y w h < <(geometry "$win")
drag 0 $((1024 - 6 - h - y))
at "$win" 40 $((1024 - h)) || fail "no snap to the bottom edge: $(geometry "$win")"
drag 0 $((500 - (1024 - h)))
at "$win" 40 500 || fail "drag back to (40,500) failed: $(geometry "$win")"

# The hot key of the settings file: Ctrl+Shift+F12.
hotkey_fired() { grep -c 'hot key: function button' "$home/trumbel.log"; }
xdotool key ctrl+shift+F12
wait_for 3 bash -c "[ \$(grep -c 'hot key: function button' '$home/trumbel.log') -ge 1 ]" ||
  fail "the hot key did not reach the function button: $(cat "$home/trumbel.log")"
wait_for 5 test -s "$home/hotkey.mark" || fail "the hot key did not start the configured function"
fired=$(hotkey_fired)
xdotool key ctrl+F12 # a different combination: not the hot key
sleep 1
[ "$(hotkey_fired)" -eq "$fired" ] || fail "a key without the hot key's modifiers fired it"

{
  # Auto-snap mode 1: the skin window goes to the foreground window's top-right corner.
  xmessage -geometry 500x300+200+150 -title "snap target" "target" &
  target=$!
  pids+=("$target")
  wait_for 10 xdotool search --name '^snap target$' || fail "the test window did not appear"
  twin=$(xdotool search --name '^snap target$' | head -n1)
  xdotool windowactivate --sync "$twin" 2>/dev/null
  read -r tx ty tw th < <(geometry "$twin")
  ok=0
  for _ in $(seq 40); do
    read -r x y w h < <(geometry "$win")
    # The frame's right edge: openbox draws a border outside the client geometry.
    if [ "$y" -le "$ty" ] && [ "$x" -ge $((tx + tw)) ] && [ "$x" -le $((tx + tw + 12)) ]; then
      ok=1
      break
    fi
    sleep 0.25
  done
  [ "$ok" -eq 1 ] || fail "auto-snap did not follow: skin $(geometry "$win"), target $tx $ty $tw $th"
  # The target follows a move; the skin window follows the target.
  xdotool windowmove --sync "$twin" 100 400
  read -r tx ty tw th < <(geometry "$twin")
  wait_for 5 bash -c "x=\$(xdotool getwindowgeometry --shell $win | sed -n 's/^X=//p'); [ \$x -ge $((tx + tw)) ] && [ \$x -le $((tx + tw + 12)) ]" ||
    fail "auto-snap did not follow the moved target: $(geometry "$win")"
  # A window too small to snap to comes to the front: back to where the window was before
  # auto-snap took it.
  xmessage -geometry 200x100+700+700 -title "small" "small" &
  pids+=($!)
  wait_for 10 xdotool search --name '^small$' || fail "the small test window did not appear"
  xdotool windowactivate --sync "$(xdotool search --name '^small$' | head -n1)" 2>/dev/null
  at "$win" 40 500 || fail "no return when the foreground window is no target: $(geometry "$win")"
}

# A click on the close button ends the program in order, exit code 0.
read -r x y w h < <(geometry "$win")
xdotool mousemove $((x + close_x + close_w / 2)) $((y + close_y + close_h / 2))
sleep 0.3
xdotool click 1
wait_for 10 bash -c "! kill -0 $app" || fail "the program did not end after a click on the close button"
wait "$app"
rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc after close"
grep -q '^\[基本設定\]' "$home/setting_$user.ini" || fail "settings were not written at exit"
echo "PASS"

#!/usr/bin/env bash
# The clock-adjust window under openbox, shown with /noballoon or because no tray could carry a
# balloon: its whole frame sits in the screen's corner, so the last line of a reason (port 9
# on loopback: nobody answers) shows.
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool xprop xwininfo
start_session
start_window_manager
unset DBUS_SESSION_BUS_ADDRESS # no notification service either
printf '[バージョン情報]\nVelquorVer=1320083\n[時計設定]\n使用するタイムサーバー=テスト (127.0.0.1)\n起動時に時計を合わせる=1\n使用するポート=9\n' \
  >"$home/setting_$(id -un).ini"

# The window with its _NET_FRAME_EXTENTS (left, right, top, bottom) ends in the corner.
frame_in_corner() {
  read -r x y w h < <(xwininfo -id "$win" | awk '/Absolute upper-left|Width:|Height:/ {printf "%s ", $NF}')
  read -r l r t b < <(xprop -id "$win" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
  placed="${w}x$h at $x,$y, frame $l,$r,$t,$b"
  ((${b:-0} > 0 && x - l >= 0 && y - t >= 0 && x + w + r == 1280 && y + h + b == 1024))
}

for mode in /noballoon ""; do
  "$trumbel" $mode >"$home/trumbel.log" 2>&1 &
  app=$! && pids+=("$app")
  wait_for 15 xdotool search --onlyvisible --name '^時計の調節 - Velquor$' ||
    fail "${mode:-balloons}: no clock-adjust window: $(cat "$home/trumbel.log")"
  win=$(xdotool search --onlyvisible --name '^時計の調節 - Velquor$' | head -n1)
  wait_for 5 frame_in_corner || fail "${mode:-balloons}: the frame is not in the corner: $placed"
  stop_program "$app"
done
echo "PASS"

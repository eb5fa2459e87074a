#!/usr/bin/env bash
# Tray icons in a real XEmbed tray (trayer): the configured icons appear, a hovered icon shows
# its tooltip, and a left click runs its action after the 300 ms click discrimination.
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool xprop xwininfo trayer
start_session
# No desktop bus: the icons go to the XEmbed tray.
unset DBUS_SESSION_BUS_ADDRESS

settings=$home/setting_$(id -un).ini
cat >"$settings" <<'INI'
[バージョン情報]
VelquorVer=1320083
[タスクトレイ設定]
アイコン表示数=3
アイコン(1)=0,0
アイコン(2)=2,0
アイコン(3)=4,0
動作設定=16,6,1,2
INI

trayer --edge top --align right --widthtype request --height 24 --transparent false \
  >"$home/trayer.log" 2>&1 &
pids+=("$!")
if ! wait_for 10 xdotool search --classname '^panel$'; then
  echo "SKIP: trayer could not start a tray here"
  exit 77
fi
panel=$(xdotool search --classname '^panel$' | head -n1)

"$trumbel" >"$home/trumbel.log" 2>&1 &
program=$!
pids+=("$program")

icons() { xwininfo -id "$panel" -tree | awk '/"trumbel": \("trumbel"/ {print $1}'; }
has_icons() { [ -n "$(icons)" ]; }
wait_for 15 has_icons || fail "no tray icon appeared: $(cat "$home/trumbel.log")"
sleep 1 # the other icons follow within the same start-up
icon_count=$(icons | wc -l)
first=$(icons | tail -n1) # trayer packs from the right: the first icon added is the last child

# Hovering an icon shows its tooltip; its window carries the text as its title.
eval "$(xdotool getwindowgeometry --shell "$first")"
xdotool mousemove $((X + 8)) $((Y + 8))
tip_window() {
  for w in $(xdotool search --onlyvisible --classname trumbel); do
    if xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP; then
      echo "$w"
      return 0
    fi
  done
  return 1
}
wait_for 10 tip_window || fail "no tooltip appeared over the tray icon"
tip=$(xprop -id "$(tip_window)" -notype _NET_WM_NAME | sed -e 's/^_NET_WM_NAME = "//' -e 's/"$//')
first_line=$(printf '%b' "$tip" | head -n1)
[ "$first_line" = "Velquor" ] || fail "tooltip begins with '$first_line': $tip"
tip_label=$(printf '%b' "$tip" | sed -n 2p)

# A left click: the action runs 300 ms later (it flashes and focuses the skin window first).
skin=$(xdotool search --name '^Velquor ver' | head -n1)
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$skin" ]; }
xdotool windowfocus "$panel" 2>/dev/null # whatever start-up focused, the click must move it
focused && fail "the skin window kept the focus before the click"
start=$(date +%s%N)
xdotool click 1
early=""
while ! focused; do
  (($(date +%s%N) - start > 10000000000)) && fail "no tray action within 10 s of the click"
  sleep 0.02
done
elapsed=$((($(date +%s%N) - start) / 1000000))
((elapsed >= 250)) || early="after only $elapsed ms"

stop_program "$program"
[ $? -ne 124 ] || fail "no exit after SIGTERM"

# The settings file asked for three icons, the first showing memory; the exit wrote it back.
grep -q '^\[基本設定\]' "$settings" || fail "the settings were not written at exit: $(cat "$settings")"
want_icons=3 want_label="物理メモリー残量"
want_label_alt="物理メモリー使用量"
[ "$icon_count" -eq "$want_icons" ] || fail "$icon_count tray icons, expected $want_icons"
[ "$tip_label" = "$want_label" ] || [ "$tip_label" = "$want_label_alt" ] ||
  fail "tooltip label '$tip_label', expected $want_label"
[ -z "$early" ] || fail "the click action ran $early, before the double-click wait"
echo "PASS ($icon_count icons, tooltip '$tip', action after $elapsed ms)"

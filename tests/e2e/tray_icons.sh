#!/usr/bin/env bash
# Tray icons in a real XEmbed tray (trayer): the configured icons appear, a hovered icon shows
# its tooltip, and a left click runs its action after the 300 ms click discrimination. The
# actions chosen open the program's folders through the desktop: a recording xdg-open, first
# on PATH, tells which folder each click asked for.
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
動作設定=16,17,18,2
INI

trayer --edge top --align right --widthtype request --height 24 --transparent false \
  >"$home/trayer.log" 2>&1 &
pids+=("$!")
if ! wait_for 30 xdotool search --classname '^panel$'; then
  echo "SKIP: trayer could not start a tray here"
  exit 77
fi
panel=$(xdotool search --classname '^panel$' | head -n1)

# The desktop's opener, as Qt finds it on PATH: it records what it was asked to open.
mkdir -p "$home/bin"
opened=$home/opened.txt
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$opened" >"$home/bin/xdg-open"
chmod +x "$home/bin/xdg-open"
PATH=$home/bin:$PATH "$trumbel" >"$home/trumbel.log" 2>&1 &
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

# What each click opened, as a local path (Qt hands the opener a file URL).
nth_opened() {
  [ -f "$opened" ] || return 1
  local url
  url=$(sed -n "$1p" "$opened")
  [ -n "$url" ] || return 1
  python3 -c 'import sys, urllib.parse as u; print(u.unquote(u.urlparse(sys.argv[1]).path))' "$url"
}
wait_for 10 nth_opened 1 || fail "the left click (action 16) opened nothing: $(cat "$home/trumbel.log")"
[ "$(nth_opened 1)" = "$home/" ] || fail "action 16 opened '$(nth_opened 1)', expected $home/"
# A double click (action 17), then a right click (action 18).
xdotool click --repeat 2 --delay 80 1
wait_for 10 nth_opened 2 || fail "the double click (action 17) opened nothing"
[ "$(nth_opened 2)" = "$home/Function" ] || fail "action 17 opened '$(nth_opened 2)'"
sleep 0.5
xdotool click 3
wait_for 10 nth_opened 3 || fail "the right click (action 18) opened nothing"
[ "$(nth_opened 3)" = "$home/Skin/" ] || fail "action 18 opened '$(nth_opened 3)'"
[ "$(wc -l <"$opened")" -eq 3 ] || fail "the clicks opened more than asked: $(cat "$opened")"

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
echo "PASS ($icon_count icons, tooltip '$tip', action after $elapsed ms, opened $(tr '\n' ' ' <"$opened"))"

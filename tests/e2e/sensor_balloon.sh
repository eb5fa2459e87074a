#!/usr/bin/env bash
# A temperature reaching its critical limit shows the balloon beside its icon in a real XEmbed
# tray (trayer), once while it stays there and again after it fell back below. The hwmon chip
# is a fixture laid over /sys/class in the test's own mount namespace; the balloon's text is
# read from the program's log, its window from the X server.
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool xprop xwininfo trayer
[ "$(id -u)" -eq 0 ] || { echo "SKIP: laying a chip over /sys/class needs root"; exit 77; }
start_session
unset DBUS_SESSION_BUS_ADDRESS # no desktop bus: the balloon is Qt's own beside the icon

chip=$home/hwmon/hwmon0
mkdir -p "$chip" "$home/class"
for f in name=k10temp temp1_input=47000 temp1_label=Tctl temp1_crit=95000; do
  echo "${f#*=}" >"$chip/${f%=*}"
done
mount --make-rprivate / && mount --bind /sys/class "$home/class" &&
  mount -t tmpfs class /sys/class || { echo "SKIP: cannot lay a tree over /sys/class"; exit 77; }
for c in "$home"/class/* "$home/hwmon"; do
  [ "${c##*/}" = hwmon ] && [ "$c" != "$home/hwmon" ] && continue
  mkdir -p "/sys/class/${c##*/}" && mount --bind "$c" "/sys/class/${c##*/}"
done
# The machine's /sys/class is bound under $home: unbind it before the session removes $home.
trap 'umount -l /sys/class; umount -l "$home/class"; end_session' EXIT

cat >"$home/setting_$(id -un).ini" <<'INI'
[バージョン情報]
VelquorVer=1320083
[タスクトレイ設定]
アイコン表示数=1
アイコン(1)=9,0
INI
trayer --edge top --align right --widthtype request --height 24 >"$home/trayer.log" 2>&1 &
pids+=("$!")
wait_for 30 xdotool search --classname '^panel$' || { echo "SKIP: trayer did not start"; exit 77; }
panel=$(xdotool search --classname '^panel$' | head -n1)
QT_LOGGING_RULES="trumbel.tray.info=true" "$trumbel" >"$home/trumbel.log" 2>&1 &
program=$!
pids+=("$program")
xdotool mousemove 10 500
balloons() { grep -c 'balloon: 温度 k10temp Tctl が限界の 95°C に達しました' "$home/trumbel.log"; }
balloon_window() {
  for w in $(xdotool search --onlyvisible --classname trumbel 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP && return 0
  done
  return 1
}
has_icon() { xwininfo -id "$panel" -tree | grep -q '"trumbel": ("trumbel"'; }
wait_for 15 has_icon || fail "no tray icon: $(cat "$home/trumbel.log")"
sleep 1
[ "$(balloons)" -eq 0 ] || fail "a balloon at 47°C: $(cat "$home/trumbel.log")"

echo 95000 >"$chip/temp1_input"
wait_for 10 bash -c "[ \$(grep -c 'balloon: 温度 k10temp Tctl' '$home/trumbel.log') -ge 1 ]" ||
  fail "no balloon at the limit: $(cat "$home/trumbel.log")"
wait_for 5 balloon_window || fail "the balloon was logged but no balloon window showed"
sleep 3 # six passes at the limit
[ "$(balloons)" -eq 1 ] || fail "$(balloons) balloons while the limit held"
echo 60000 >"$chip/temp1_input" && sleep 1.5 && echo 96000 >"$chip/temp1_input"
wait_for 10 bash -c "[ \$(grep -c 'balloon: 温度' '$home/trumbel.log') -ge 2 ]" ||
  fail "no balloon after falling below and rising again"
echo "PASS ($(balloons) balloons: $(grep -m1 'balloon:' "$home/trumbel.log"))"

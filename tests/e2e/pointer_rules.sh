#!/usr/bin/env bash
# The mouse-over rules under a window manager, with the pointer watched by an input-only window
# and with the pointer polled (TRUMBEL_POINTER=poll): a topmost strip with "hide when the mouse
# comes" hides when the pointer comes onto it or into the margin around it, shows again when it
# goes, stays while Shift was held on the way in and hides once the pointer leaves the strip
# itself. While the pointer is away and nothing moves, the program wakes only for its refresh
# tick when watching. Prints how long each change took from the pointer's move.
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool xwininfo openbox
start_session
start_window_manager

cat >"$home/setting_$(id -un).ini" <<INI
[バージョン情報]
VelquorVer=1320083
[Window設定]
マウスが来たら隠す=1
INI

deadline_ms=2000
# voluntary context switches of all the program's threads
switches() {
  local n=0 t
  for t in /proc/"$app"/task/*/status; do
    n=$((n + $(awk '/^voluntary_ctxt_switches/ {print $2}' "$t" 2>/dev/null || echo 0)))
  done
  echo "$n"
}
# wakeups per second over 3 s with the pointer and keys idle, to one decimal
idle_wakeups() {
  local a b
  a=$(switches)
  sleep 3
  b=$(switches)
  echo "$(((b - a) * 10 / 3))" | sed 's/\(.\)$/.\1/'
}
# move X Y, then the ms until the strip is in the state the command checks
move() {
  xdotool mousemove "$1" "$2"
  until_true "$3"
}

for pointer in watched poll; do
  if [ "$pointer" = poll ]; then
    export TRUMBEL_POINTER=poll
  else
    unset TRUMBEL_POINTER
  fi
  xdotool mousemove 1200 1000
  start_trumbel "$home/trumbel-$pointer.log"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  size=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
  read -r W H <<<"$size"
  left=$X top=$Y right=$((X + W)) mid=$((Y + H / 2))
  sleep 1
  quiet=$(idle_wakeups)

  t_in=$(move $((left + W / 2)) "$mid" hidden)
  ((t_in <= deadline_ms)) || fail "$pointer: the pointer on the strip did not hide it (${t_in} ms)"
  t_out=$(move 1200 1000 viewable)
  ((t_out <= deadline_ms)) || fail "$pointer: the pointer going away did not show it (${t_out} ms)"
  sleep 0.6 # past the poll that hands over to the watch
  t_margin=$(move $((right + 10)) "$mid" hidden)
  ((t_margin <= deadline_ms)) || fail "$pointer: the margin did not hide it (${t_margin} ms)"
  t_far=$(move $((right + 30)) "$mid" viewable)
  ((t_far <= deadline_ms)) || fail "$pointer: 30 pixels off did not show it (${t_far} ms)"
  sleep 0.6

  # In with Shift held: exempt while the pointer stays on the strip, even once Shift is up.
  xdotool keydown shift
  xdotool mousemove $((left + W / 2)) "$mid"
  sleep 0.6
  viewable || fail "$pointer: hidden although Shift was held on the way in"
  xdotool keyup shift
  sleep 0.6
  viewable || fail "$pointer: hidden on the strip after an entry with Shift"
  t_left=$(move $((right + 10)) "$mid" hidden)
  ((t_left <= deadline_ms)) || fail "$pointer: leaving the strip did not end the exemption (${t_left} ms)"
  xdotool mousemove 1200 1000
  wait_for 5 viewable || fail "$pointer: not shown once away"
  sleep 1
  again=$(idle_wakeups)

  echo "$pointer pointer: onto the strip ${t_in} ms, away ${t_out} ms, margin ${t_margin} ms," \
    "off the margin ${t_far} ms, out of the strip after Shift ${t_left} ms;" \
    "idle wakeups/s ${quiet} at start, ${again} after"
  if [ "$pointer" = watched ]; then
    # The refresh tick wakes twice a second; the 200 ms poll would add five more.
    for w in "$quiet" "$again"; do
      ((${w%.*} < 5)) || fail "watched: $w wakeups/s with the pointer away: is the poll running?"
    done
  fi
  stop_program "$app" >/dev/null
  pids=("${pids[@]/$app/}")
done
echo "PASS"

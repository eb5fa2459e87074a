#!/usr/bin/env bash
# Each program's windows carry the WM_CLASS its menu entry names in StartupWMClass, so a
# desktop puts the running window under the entry it was started from (and its icon).
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool xprop
entries=$(cd "$(dirname "$0")/../../packaging/applications" && pwd)
start_session

# wm_class PID: the class part of WM_CLASS of the process's first visible window.
wm_class() {
  local win
  wait_for 15 xdotool search --onlyvisible --pid "$1" || return 1
  win=$(xdotool search --onlyvisible --pid "$1" | head -n1)
  xprop -id "$win" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p'
}

for program in trumbel pelmin dorvik sumora; do
  case $program in
  trumbel) binary=$trumbel ;;
  *) binary=$trumbel_build/tools/$program/$program ;;
  esac
  [ -x "$binary" ] || fail "$binary is not built"
  # The address-echo page of a closed local port: pelmin asks nothing of the network.
  PELMIN_ECHO_HOST=http://127.0.0.1:9 DORVIK_OPEN_COMMAND=true "$binary" /noballoon \
    >"$home/$program.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  got=$(wm_class "$pid") || fail "$program showed no window: $(cat "$home/$program.log")"
  want=$(sed -n 's/^StartupWMClass=//p' "$entries/org.example.velquor.$program.desktop")
  [ -n "$want" ] || fail "the entry of $program names no StartupWMClass"
  [ "$got" = "$want" ] || fail "$program's window has the class '$got', its entry says '$want'"
  kill "$pid" 2>/dev/null
done
echo "PASS: every program's window class matches its menu entry"

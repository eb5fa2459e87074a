# Shared helpers for the end-to-end tests: a private X server with a temporary home, waiting
# with a deadline and answering message boxes.
# Sourcing scripts exit 77 (ctest: skipped) when a tool they need is missing.

need() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed (scripts/setup installs it)"
      exit 77
    fi
  done
}

# A first start adjusts the clock, and the tests run as root: the program under test gets
# neither the capability to set the time nor a system bus to ask timedated, so no test can
# move this machine's clock. Scripts set trumbel=$1 before sourcing this file.
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent/trumbel-test-system-bus
# The tests read the Japanese texts whatever the locale of the machine running them; a test of
# another language sets TRUMBEL_LANG itself.
export TRUMBEL_LANG=${TRUMBEL_LANG:-ja}
# The build folder of the program under test, for the programs built beside it (sumora).
trumbel_build=$(dirname "${trumbel:-.}")
clock_guard=
if [ -n "${trumbel:-}" ] && [ "$(id -u)" -eq 0 ]; then
  need capsh
  clock_guard=$(mktemp)
  # Absolute paths: a test may run the program with a PATH of its own.
  printf '#!/bin/sh\nexec %q --drop=cap_sys_time -- -c '"'"'exec "$0" "$@"'"'"' %q "$@"\n' \
    "$(command -v capsh)" "$trumbel" >"$clock_guard"
  chmod +x "$clock_guard"
  trumbel=$clock_guard
  trap 'rm -f "$clock_guard"' EXIT
fi

start_xvfb() {
  need Xvfb
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.05
  done
  if [ ! -s "$fdfile" ]; then
    echo "SKIP: Xvfb did not start"
    exit 77
  fi
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# start_session: a private X server and a temporary home for the program (TRUMBEL_HOME,
# XDG_RUNTIME_DIR under $home). At exit the processes listed in the pids array are killed and
# the X server and the home removed; a script empties pids once it has ended them itself.
start_session() {
  start_xvfb
  home=$(mktemp -d)
  export TRUMBEL_HOME=$home/
  export XDG_RUNTIME_DIR=$home/run
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"
  pids=()
  trap end_session EXIT
}

end_session() {
  if ((${#pids[@]})); then
    kill "${pids[@]}" 2>/dev/null || true
  fi
  kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$home"
  [ -z "$clock_guard" ] || rm -f "$clock_guard"
}

# start_window_manager: openbox (an EWMH window manager) on the session's X server, its
# settings under $home; exits 77 when it does not come up.
start_window_manager() {
  need openbox
  export XDG_CONFIG_HOME=$home/config
  mkdir -m 700 -p "$XDG_CONFIG_HOME"
  openbox --sm-disable >"$home/openbox.log" 2>&1 &
  pids+=($!)
  wait_for 15 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
    { echo "SKIP: openbox did not start"; exit 77; }
}

# wait_for SECONDS COMMAND...: retries the command until it succeeds or the time is up.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      return 1
    fi
    sleep 0.1
  done
}

# at WINDOW X Y: waits until the window's top-left is there
at() { wait_for 5 bash -c "[ \"\$(xdotool getwindowgeometry --shell $1 | grep -E '^(X|Y)=' | tr '\n' ' ')\" = 'X=$2 Y=$3 ' ]"; }

fail() {
  echo "FAIL: $*"
  exit 1
}

# skin_window: waits for the shown skin window and prints its id.
skin_window() {
  wait_for 15 xdotool search --onlyvisible --name '^Velquor ver' || return 1
  xdotool search --onlyvisible --name '^Velquor ver' | head -n1
}

# start_trumbel LOG [NAME=VALUE...]: starts the program under test with these variables, its
# output in LOG; sets app (its pid, also in pids) and win (its shown skin window) or fails.
start_trumbel() {
  local log=$1
  shift
  env "$@" "$trumbel" >"$log" 2>&1 &
  app=$!
  pids+=("$app")
  win=$(skin_window) || fail "the skin window did not appear: $(cat "$log")"
}

# stop_program PID: SIGTERM, then waits for the end; returns the program's exit code, 124 when
# it is still running after 10 s.
stop_program() {
  kill -TERM "$1"
  wait_for 10 bash -c "! kill -0 $1" || return 124
  wait "$1"
}

# answer_box TITLE [KEY]: waits for a message box with exactly this title and presses KEY
# (Return by default) in it.
answer_box() {
  local title=$1 key=${2:-Return} box
  local deadline=$((SECONDS + 15))
  # The box may be found before it is mapped: retry until it takes the key and goes away.
  while ((SECONDS < deadline)); do
    box=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
    if [ -n "$box" ]; then
      xdotool windowfocus --sync "$box" 2>/dev/null
      xdotool key --window "$box" "$key" 2>/dev/null
      # A box that closes on the press can leave the release unsent; the server would then
      # repeat the held key into whatever window takes the focus next.
      xdotool keyup "$key" 2>/dev/null
      sleep 0.3
      xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 || return 0
    fi
    sleep 0.1
  done
  return 1
}

# now_ms: the wall clock in milliseconds.
now_ms() { date +%s%3N; }
# until_true COMMAND...: polls the command without the sleep of wait_for and prints the elapsed
# ms, or 99999 after five seconds.
until_true() {
  local start end
  start=$(now_ms)
  until "$@" >/dev/null 2>&1; do
    if (($(now_ms) - start > 5000)); then
      echo 99999
      return
    fi
  done
  end=$(now_ms)
  echo $((end - start))
}
# viewable / hidden: the state of the window $win.
viewable() { xwininfo -id "$win" | grep -q IsViewable; }
hidden() { ! viewable; }
# button N: the centre of skin button N, from the last "button N at" line of $home/trumbel.log.
button() {
  sed -n "s/.*button $1 at \([0-9]*\),\([0-9]*\) size \([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/p" "$home/trumbel.log" |
    tail -n1 | awk '{print int($1 + $3 / 2), int($2 + $4 / 2)}'
}

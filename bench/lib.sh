# Shared by the desktop benchmarks: a private X session in a scratch folder that goes at exit.
# bench_session sets home (the scratch folder), pids (what to end at exit) and DISPLAY;
# bench_window_manager then starts openbox with the caller's environment and waits for it.

bench_cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$home"
}

bench_session() {
  home=$(mktemp -d)
  pids=()
  trap bench_cleanup EXIT
  local fdfile=$home/display
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$fdfile")"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

bench_window_manager() {
  openbox --sm-disable >"$home/openbox.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 150); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
}

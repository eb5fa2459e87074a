#!/usr/bin/env bash
# The main menu, the about box and every page of the options dialog read through the
# accessibility bus from the running program (tests/e2e/english_walk.py).
# english_walk.sh TRUMBEL en: no Japanese text under English. english_walk.sh TRUMBEL ja: under
# the C locale the texts are exactly those of english_walk_ja.txt; TRUMBEL_WALK_WRITE=1 writes
# that file from this run instead.
set -u
trumbel=$1
mode=$2
here=$(cd "$(dirname "$0")" && pwd)
if [ "$mode" = ja ]; then
  unset TRUMBEL_LANG LANGUAGE LC_ALL LC_MESSAGES
  export LANG=C
else
  export TRUMBEL_LANG=en
fi
. "$here/lib.sh"
need xdotool openbox dbus-run-session
# The distribution's Python carries the accessibility bindings.
python=
for p in python3 /usr/bin/python3; do
  if command -v "$p" >/dev/null && "$p" -c 'import pyatspi' 2>/dev/null; then
    python=$p
    break
  fi
done
if [ -z "$python" ]; then
  echo "SKIP: pyatspi is not installed (scripts/setup --tests installs it)"
  exit 77
fi
[ "$mode" = ja ] && unset TRUMBEL_LANG
start_session
start_window_manager
cat >"$home/setting_$(id -un).ini" <<INI
[バージョン情報]
VelquorVer=1320083
[時計設定]
起動時に時計を合わせる=0
[ホットキー設定]
使用する=0
INI

# The bus is started once the private X server is up, so the accessibility bus it starts
# announces itself on that server and never on the desktop running the tests.
unset AT_SPI_BUS_ADDRESS
export HOME_DIR=$home USER_NAME=$(id -un) home trumbel here python mode
export -f start_trumbel skin_window wait_for fail button
write=()
[ -n "${TRUMBEL_WALK_WRITE:-}" ] && write=(--write)
dbus-run-session -- bash -c '
  pids=()
  trap '"'"'kill "${pids[@]}" 2>/dev/null'"'"' EXIT
  start_trumbel "$home/trumbel.log" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    QT_LOGGING_RULES="trumbel.window.info=true;trumbel.menus.info=true"
  wait_for 10 grep -q "button 2 at" "$home/trumbel.log" || fail "the skin has no option button"
  # The window manager may still be placing the strip: its size once it stops moving.
  last=
  for _ in $(seq 20); do
    now=$(xdotool getwindowgeometry --shell "$win")
    [ "$now" = "$last" ] && break
    last=$now
    sleep 0.25
  done
  eval "$now"
  WIN=$win GRIP="$((WIDTH / 2)) $((HEIGHT - 2))" OPTIONS="$(button "[25]")" \
    "$python" "$here/english_walk.py" "$mode" "$here/english_walk_ja.txt" "$@"
  rc=$?
  [ $rc -eq 0 ] || grep -v "button . at" "$home/trumbel.log"
  exit $rc
' walk "${write[@]}"

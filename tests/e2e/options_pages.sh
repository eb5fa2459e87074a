#!/usr/bin/env bash
# The clock and window pages of the options dialog in the running program under Xvfb and
# openbox: "通常表示" takes the strip out of the topmost layer at once and 取消 puts it back;
# a port typed with letters after it is stored as its number by 決定.
set -uo pipefail
trumbel=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
need xdotool xprop openbox
start_session
start_window_manager

user=$(id -un)
ini=$home/setting_$user.ini
cat >"$ini" <<INI
[バージョン情報]
VelquorVer=1320083
[基本設定]
最後に使用したページを開く=0
[Window設定]
最前面表示=1
[時計設定]
起動時に時計を合わせる=0
INI

start_trumbel "$home/trumbel.log" \
  QT_LOGGING_RULES="trumbel.settings.info=true;trumbel.window.info=true"
wait_for 10 grep -q 'button 2 at' "$home/trumbel.log" || fail "the skin has no option button"

dialog() { xdotool search --onlyvisible --name '^Velquorのオプション$' 2>/dev/null | head -n1; }
above() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
# open_page N: opens the dialog with the option button and shows page N from the page list,
# which has the focus when the dialog opens.
open_page() {
  local ox oy d
  read -r ox oy < <(button '[25]')
  xdotool mousemove --window "$win" "$ox" "$oy" sleep 0.2 click 1
  wait_for 10 bash -c '[ -n "$(xdotool search --onlyvisible --name "^Velquorのオプション\$" 2>/dev/null)" ]' ||
    return 1
  d=$(dialog)
  xdotool windowactivate --sync "$d" 2>/dev/null || xdotool windowfocus --sync "$d"
  xdotool key Home
  for _ in $(seq "$1"); do xdotool key Down; done
}
closed() { wait_for 10 bash -c '[ -z "$(xdotool search --onlyvisible --name "^Velquorのオプション\$" 2>/dev/null)" ]'; }

wait_for 5 above || fail "the strip did not start topmost: $(xprop -id "$win" _NET_WM_STATE)"

# 1. Page 7: the first Tab stop is "通常表示"; Space chooses it.
open_page 7 || fail "no options dialog: $(cat "$home/trumbel.log")"
xdotool key Tab space
wait_for 10 bash -c "! xprop -id $win _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" ||
  fail "通常表示 left the strip topmost: $(xprop -id "$win" _NET_WM_STATE)"
echo "通常表示: $(xprop -id "$win" _NET_WM_STATE)"
xdotool key Escape
closed || fail "Escape did not close the dialog"
wait_for 10 above || fail "取消 did not make the strip topmost again: $(xprop -id "$win" _NET_WM_STATE)"
echo "取消: $(xprop -id "$win" _NET_WM_STATE)"

# 2. Page 5: the port field is the fourth stop (server, 時計を合わせる, the start box, port).
open_page 5 || fail "no options dialog the second time"
xdotool key Tab Tab Tab Tab ctrl+a
xdotool type --delay 50 '80abc'
xdotool key Return
closed || fail "Return (決定) did not close the dialog"
wait_for 10 grep -q 'settings saved to' "$home/trumbel.log" || fail "決定 wrote no settings"
grep -q '^使用するポート=80$' "$ini" || fail "the file does not hold port 80: $(grep ポート "$ini")"
grep -q '^最前面表示=1$' "$ini" || fail "the cancelled z-order was written: $(grep 最前面 "$ini")"

stop_program "$app" || fail "the program did not end"
pids=()
echo "PASS"

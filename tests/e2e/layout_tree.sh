#!/usr/bin/env bash
# The layout tree of the options dialog in the running program under Xvfb and openbox, driven
# from the keyboard as a person without a mouse would: the page list to "拡張Skin設定", Tab into
# the tree, Down to the first container, the Menu key opens the container menu at that line,
# Up and Return choose its last item "このコンテナを削除"; the strip is one graph unit shorter
# at once, and Escape (取消) gives the container back.
set -uo pipefail
trumbel=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
need xdotool openbox
start_session
start_window_manager

cat >"$home/setting_$(id -un).ini" <<INI
[バージョン情報]
VelquorVer=1320083
[基本設定]
最後に使用したページを開く=0
[時計設定]
起動時に時計を合わせる=0
INI

start_trumbel "$home/trumbel.log" \
  QT_LOGGING_RULES="trumbel.window.info=true;trumbel.menus.info=true"
wait_for 10 grep -q 'button 2 at' "$home/trumbel.log" || fail "the skin has no option button"

size() { xdotool getwindowgeometry --shell "$win" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' '; }
dialogs() { xdotool search --onlyvisible --name '^Velquorのオプション$' 2>/dev/null; }
read -r ox oy < <(sed -n 's/.*button 2 at \([0-9]*\),\([0-9]*\) size \([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/p' \
  "$home/trumbel.log" | tail -n1 | awk '{print int($1 + $3 / 2), int($2 + $4 / 2)}')
xdotool mousemove --window "$win" "$ox" "$oy" sleep 0.2 click 1
wait_for 10 dialogs || fail "no options dialog: $(cat "$home/trumbel.log")"
dialog=$(dialogs | head -n1)
# Away from the strip, which stays on top in the top-left corner.
xdotool windowmove --sync "$dialog" 160 120
xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
before=$(size)

# The page list has the focus: Home is page 0, two Downs the tree's page; Tab enters the tree,
# whose selected line is the window; three Downs reach the first container.
xdotool key Home Down Down
sleep 0.5
xdotool key Tab Down Down Down
sleep 0.3
xdotool key Menu
wait_for 10 grep -qF 'menu opened: ユニットコンテナ' "$home/trumbel.log" ||
  fail "the Menu key opened no container menu: $(grep 'menu opened' "$home/trumbel.log")"
sleep 0.3
xdotool key Up Return
wait_for 10 grep -qF 'menu closed: MnuDeleteConteiner' "$home/trumbel.log" ||
  fail "the container was not deleted: $(grep 'menu closed' "$home/trumbel.log")"
wait_for 10 bash -c "[ \"\$(xdotool getwindowgeometry --shell $win | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')\" != '$before' ]" ||
  fail "the strip kept its size $before after the delete"
after=$(size)
echo "strip before: $before after the delete: $after"
# Shorter along one side, the same along the other.
read -r w0 h0 < <(echo "$before" | sed 's/[A-Z]*=//g')
read -r w1 h1 < <(echo "$after" | sed 's/[A-Z]*=//g')
{ [ "$w1" -lt "$w0" ] && [ "$h1" -eq "$h0" ]; } || { [ "$h1" -lt "$h0" ] && [ "$w1" -eq "$w0" ]; } ||
  fail "the strip did not get shorter: $before → $after"

xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
xdotool key Escape
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Velquorのオプション\$'" ||
  fail "Escape did not close the dialog"
wait_for 10 bash -c "[ \"\$(xdotool getwindowgeometry --shell $win | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')\" = '$before' ]" ||
  fail "取消 did not give the container back: $(size) instead of $before"

stop_program "$app" || fail "the program did not end"
pids=()
echo "PASS"

#!/usr/bin/env bash
# The popup menus and the function launcher under a real window manager: a right click opens
# the main menu, a skin chosen from the skin list is loaded, a configured file that is missing
# is reported, the built-in calculator falls back to sumora, and "x" in the main menu ends the
# program, writing the settings once.
set -u
trumbel=$1
here=$(dirname "$0")
. "$here/lib.sh"
need xdotool xprop openbox
start_session
start_window_manager
sumora=$trumbel_build/tools/sumora/sumora
[ -x "$sumora" ] || { echo "SKIP: sumora is not built"; exit 77; }

# A file skin in a subfolder of the program's folder (the skin folder), with a missing file as
# the function button's function and the vertical built-in skin in use.
mkdir -p "$home/Skin/sub"
cp "$here/../skin/fuzz/seed/english.skn" "$home/Skin/sub/english.skn"
cp "$here/../../resources/skin101.bmp" "$home/Skin/sub/art.bmp"
user=$(id -un)
cat >"$home/setting_$user.ini" <<INI
[バージョン情報]
VelquorVer=1320083
[位置情報設定]
起動位置設定=1
[Skin設定]
Skinフォルダー=$home/Skin
[その他設定]
ファンクションID=-1
ファンクション名=gone.sh
[ホットキー設定]
使用する=0
INI

# No calculator on the search path: the built-in calculator must fall back to sumora.
start_trumbel "$home/trumbel.log" \
  PATH=/nonexistent QT_LOGGING_RULES="trumbel.menus.info=true;trumbel.settings.info=true;trumbel.window.info=true;trumbel.functions.info=true"

geometry() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '
    /^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2} END {print x, y, w, h}'
}
# button N -> "X Y" of its middle (window pixels), from the program's log; N may be a list
# such as [14] (the function button of the start or the end unit)
# opened CAPTION: waits until the log shows a menu with this caption opened (each menu of this
# test opens once)
opened() {
  wait_for 10 grep -qF "menu opened: $1" "$home/trumbel.log" || return 1
  sleep 0.3 # the menu takes the keyboard once mapped
}
click_at() { # click_at X Y BUTTON (window pixels)
  xdotool mousemove --window "$win" "$1" "$2" sleep 0.2 click "$3"
}
wait_for 10 grep -q 'button 1 at' "$home/trumbel.log" || fail "the skin has no function button"
read -r wx wy ww wh < <(geometry "$win")
read -r fx fy < <(button '[14]')
read -r ox oy < <(button '[25]')

# A point on no button: the middle of the window, or below the buttons.
grip_x=$((ww / 2))
grip_y=$((wh - 4))

# 1. The function button with a configured file that is gone.
click_at "$fx" "$fy" 1
answer_box 'エラー - Velquor' || fail "no box for the missing function file: $(cat "$home/trumbel.log")"

# 2. The skin list (option button, middle button): the skin in the subfolder is listed and
#    loaded; the window takes its size.
click_at "$ox" "$oy" 2
opened スキン一覧 || fail "no skin list: $(cat "$home/trumbel.log")"
xdotool key Down Return
wait_for 10 bash -c "[ \"\$(xdotool getwindowgeometry --shell $win | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')\" != 'WIDTH=$ww HEIGHT=$wh ' ]" ||
  fail "the window kept its size $ww x $wh after choosing a skin: $(cat "$home/trumbel.log")"
grep -q 'menu closed: MnuSkinUserSkinList(1)' "$home/trumbel.log" || fail "the skin entry was not chosen"
read -r wx wy ww wh < <(geometry "$win")
echo "skin loaded: window ${ww}x${wh}"
read -r fx fy < <(button '[14]')

# 3. The whole function list (function button, middle button): the fourth built-in, the
#    calculator, is sumora when no calculator is installed.
click_at "$fx" "$fy" 2
opened 全リスト || fail "no function list: $(cat "$home/trumbel.log")"
xdotool key Down Down Down Down Return
wait_for 10 xdotool search --onlyvisible --name '^Sumora$' ||
  fail "sumora did not start: $(cat "$home/trumbel.log")"
calc=$(xdotool search --onlyvisible --name '^Sumora$' | head -n1)
calc_pid=$(xdotool getwindowpid "$calc")
grep -q "started .*sumora" "$home/trumbel.log" || fail "the start of sumora was not logged"
kill "$calc_pid" 2>/dev/null

# 4. The main menu on a right click outside the buttons; "x" ends the program once.
read -r wx wy ww wh < <(geometry "$win")
click_at $((ww / 2)) $((wh - 2)) 3
opened 'メニュー(&M)' || fail "no main menu on a right click: $(cat "$home/trumbel.log")"
xdotool key x
wait_for 10 bash -c "! kill -0 $app" || fail "the program did not end after x: $(cat "$home/trumbel.log")"
wait "$app"
rc=$?
pids=("${pids[@]/$app/}")
[ "$rc" -eq 0 ] || fail "exit code $rc after the menu's exit"
grep -q 'menu closed: MnuEnd(-1)' "$home/trumbel.log" || fail "the exit item was not chosen"
saves=$(grep -c 'settings saved to' "$home/trumbel.log")
[ "$saves" -eq 1 ] || fail "settings written $saves times: $(cat "$home/trumbel.log")"
grep -q '^Skin名=sub/english.skn' "$home/setting_$user.ini" ||
  fail "the chosen skin is not in the settings: $(cat "$home/setting_$user.ini")"
echo "PASS"

#!/usr/bin/env bash
# The options dialog in the running program under Xvfb and openbox: the option button opens one
# dialog, the built-in skin box changes the strip at once, Escape (取消) restores it, the main
# menu opens the dialog again, and Return (決定) writes the settings file once. Then: the dialog
# stays above the topmost strip; a skin folder typed key by key, a pasted "１２３" and "-50",
# and an exit with the dialog open store what the dialog shows and the person confirmed.
set -uo pipefail
trumbel=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
need xdotool xprop openbox xclip
start_session
start_window_manager

# A file skin in use, so that the built-in box has something to switch away from.
mkdir -p "$home/Skin" "$home/Skin2/sub"
cp "$here/../skin/fuzz/seed/english.skn" "$home/Skin/english.skn"
cp "$here/../skin/fuzz/seed/english.skn" "$home/Skin2/sub/typed.skn"
cp "$here/../../resources/skin101.bmp" "$home/Skin2/sub/art.bmp"
cp "$here/../../resources/skin101.bmp" "$home/Skin/art.bmp"
user=$(id -un)
ini=$home/setting_$user.ini
cat >"$ini" <<INI
[バージョン情報]
VelquorVer=1320083
[基本設定]
最後に使用したページを開く=0
[Skin設定]
Skinフォルダー=$home/Skin
Skin名=english.skn
デフォルトSkin使用=0
[位置情報設定]
起動位置設定=1
[時計設定]
起動時に時計を合わせる=0
INI

start_trumbel "$home/trumbel.log" \
  QT_LOGGING_RULES="trumbel.settings.info=true;trumbel.window.info=true;trumbel.menus.info=true"
wait_for 10 grep -q 'button 2 at' "$home/trumbel.log" || fail "the skin has no option button"

size() { xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' '; }
dialogs() { xdotool search --onlyvisible --name '^Velquorのオプション$' 2>/dev/null; }
# focus_dialog: the dialog's id, focused
focus_dialog() {
  local d
  d=$(dialogs | head -n1)
  [ -n "$d" ] || return 1
  xdotool windowactivate --sync "$d" 2>/dev/null || xdotool windowfocus --sync "$d"
  echo "$d"
}
# Keys go through the server's keyboard (XTEST), as typed: events sent to a window that closes
# on the press leave the release unsent.
# toggle_builtin: page 1 (Skin設定) from the page list, then the fifth control of the page,
# "内蔵のスキンを使用する", with Space.
toggle_builtin() {
  local d
  d=$(focus_dialog) || return 1
  xdotool key Home Down Tab Tab Tab Tab Tab space
}
saves() { grep -c 'settings saved to' "$home/trumbel.log"; }

# 1. The option button opens one dialog titled "Velquorのオプション".
read -r ox oy < <(button '[25]')
xdotool mousemove --window "$win" "$ox" "$oy" sleep 0.2 click 1
wait_for 10 dialogs || fail "no options dialog after the option button: $(cat "$home/trumbel.log")"
[ "$(dialogs | wc -l)" -eq 1 ] || fail "more than one options dialog"
xdotool mousemove --window "$win" "$ox" "$oy" sleep 0.2 click 1
sleep 0.5
[ "$(dialogs | wc -l)" -eq 1 ] || fail "a second click opened a second dialog"

# 2. The built-in skin box changes the strip at once; 取消 (Escape) brings it back.
before=$(size "$win")
toggle_builtin || fail "the dialog could not be focused"
wait_for 10 bash -c "[ \"\$(xdotool getwindowgeometry --shell $win | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')\" != '$before' ]" ||
  fail "the strip kept its size $before after the built-in skin box"
echo "built-in skin: strip $(size "$win") (file skin: $before)"
focus_dialog >/dev/null
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a && xdotool type "$home/Skin2"
xdotool key Escape
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Velquorのオプション\$'" ||
  fail "Escape did not close the dialog"
wait_for 10 bash -c "[ \"\$(xdotool getwindowgeometry --shell $win | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')\" = '$before' ]" ||
  fail "取消 did not bring back the file skin: $(size "$win") instead of $before"
[ "$(saves)" -eq 0 ] || fail "取消 wrote the settings"

# 3. The main menu opens the dialog again; the box and 決定 (Return) keep the built-in skin
#    and write the file once.
read -r _ _ ww wh < <(xdotool getwindowgeometry --shell "$win" | awk -F= '/^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2} END {print x, y, w, h}')
xdotool mousemove --window "$win" $((ww / 2)) $((wh - 2)) sleep 0.2 click 3
wait_for 10 grep -qF 'menu opened: メニュー(&M)' "$home/trumbel.log" || fail "no main menu: $(cat "$home/trumbel.log")"
sleep 0.3
xdotool key o
wait_for 10 dialogs || fail "the menu's オプション did not open the dialog: $(cat "$home/trumbel.log")"
toggle_builtin || fail "the dialog could not be focused again"
wait_for 10 bash -c "[ \"\$(xdotool getwindowgeometry --shell $win | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')\" != '$before' ]" ||
  fail "the strip kept its size after the built-in skin box, second time"
focus_dialog >/dev/null
xdotool key Return
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Velquorのオプション\$'" ||
  fail "Return (決定) did not close the dialog"
wait_for 10 grep -q 'settings saved to' "$home/trumbel.log" || fail "決定 wrote no settings"
[ "$(saves)" -eq 1 ] || fail "決定 wrote the settings $(saves) times"
grep -q '^デフォルトSkin使用=1' "$ini" || fail "the file does not hold the built-in skin: $(cat "$ini")"
grep -qxF "Skinフォルダー=$home/Skin" "$ini" || fail "the folder typed before 取消 was kept: $(grep Skin "$ini")"
[ "$(size "$win")" != "$before" ] || fail "the strip went back to the file skin after 決定"

# 4. Laid over the strip, the dialog stays above it in the window manager's stacking.
reopen() {
  read -r ox oy < <(button '[25]') && xdotool mousemove --window "$win" "$ox" "$oy" sleep 0.2 click 1
  wait_for 10 dialogs && d=$(focus_dialog) || fail "the option button did not open the dialog again"
}
reopen
xdotool windowmove --sync "$d" 0 0 sleep 0.3
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | cut -d'#' -f2 | tr -d ' ' | tr ',' '\n')
[ "$(grep -x -e "$(printf '0x%x' "$win")" -e "$(printf '0x%x' "$d")" <<<"$stacking" | tail -n1)" = "$(printf '0x%x' "$d")" ] ||
  fail "the strip covers the options dialog (bottom to top: $stacking; strip $win, dialog $d)"

# 5. The folder typed key by key, then its skin chosen in the list and 決定.
saved() { [ "$(saves)" -ge "$1" ]; }
ok() { xdotool key Return && wait_for 10 saved "$1" || fail "決定 wrote no settings"; }
xdotool key Home Down Tab ctrl+a BackSpace
xdotool type --delay 40 "$home/Skin2"
xdotool key Tab Tab Home
ok 2
grep -qxF "Skinフォルダー=$home/Skin2/" "$ini" && grep -qxF "Skin名=sub/typed.skn" "$ini" || fail "not the typed folder and its list: $(grep Skin "$ini")"

# 6. Pastes into page 6's start X field.
reopen
xdotool key Home Down Down Down Down Down Down Tab Tab ctrl+a
printf '１２３' | xclip -selection clipboard && xdotool key ctrl+v
printf -- '-50' | xclip -selection clipboard && xdotool key ctrl+a ctrl+v
ok 3
grep -qx '起動位置X=123' "$ini" || fail "the pasted numbers were not stored as shown: $(grep '起動位置' "$ini")"

# 7. The exit with an edit never confirmed (the built-in box) writes the confirmed settings.
confirmed=$(grep '^デフォルトSkin使用=' "$ini")
reopen
toggle_builtin && sleep 0.5
stop_program "$app" || fail "the program did not end"
pids=()
grep -qx "$confirmed" "$ini" || fail "an unconfirmed edit was written at exit: $(grep 'デフォルトSkin' "$ini")"
echo "PASS"

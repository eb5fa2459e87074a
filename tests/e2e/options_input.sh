#!/usr/bin/env bash
# The options dialog as a person types into it, under Xvfb and openbox: it stays above the
# always-on-top strip; a skin folder typed key by key is the one stored and listed; a pasted
# full-width number is taken as digits and a pasted "-50" refused; an exit with the dialog
# open writes only what was confirmed.
set -uo pipefail
trumbel=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
need xdotool xprop openbox xclip
start_session
start_window_manager

mkdir -p "$home/Skin" "$home/Skin2/sub"
cp "$here/../skin/fuzz/seed/english.skn" "$home/Skin/english.skn"
cp "$here/../skin/fuzz/seed/english.skn" "$home/Skin2/sub/typed.skn"
for d in Skin Skin2/sub; do cp "$here/../../resources/skin101.bmp" "$home/$d/art.bmp"; done
ini=$home/setting_$(id -un).ini
cat >"$ini" <<INI
[バージョン情報]
VelquorVer=1320083
[基本設定]
最後に使用したページを開く=0
[Skin設定]
Skinフォルダー=$home/Skin/
Skin名=english.skn
デフォルトSkin使用=0
[位置情報設定]
起動位置設定=1
起動位置X=40
起動位置Y=40
[時計設定]
起動時に時計を合わせる=0
INI

start_trumbel "$home/trumbel.log" QT_LOGGING_RULES="trumbel.settings.info=true;trumbel.window.info=true"
wait_for 10 grep -q 'button 2 at' "$home/trumbel.log" || fail "the skin has no option button"
dialogs() { xdotool search --onlyvisible --name '^Velquorのオプション$' 2>/dev/null; }
open_dialog() {
  read -r ox oy < <(button '[25]')
  xdotool mousemove --window "$win" "$ox" "$oy" sleep 0.2 click 1
  wait_for 10 dialogs || fail "no options dialog: $(cat "$home/trumbel.log")"
  dlg=$(dialogs | head -n1)
  xdotool windowactivate --sync "$dlg" 2>/dev/null || xdotool windowfocus --sync "$dlg"
}
shot() { [ -z "${TRUMBEL_OPTIONS_SHOT:-}" ] || import -window root "$TRUMBEL_OPTIONS_SHOT-$1.png"; }

# 1. Laid over the topmost strip, the dialog stays above it.
open_dialog
xdotool windowmove --sync "$dlg" 20 20
sleep 0.3
# The clients bottom to top, one a line, and the line of each window.
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | cut -d'#' -f2 | tr -d ' ' | tr ',' '\n')
strip_at=$(grep -nx "$(printf '0x%x' "$win")" <<<"$stacking" | cut -d: -f1)
dialog_at=$(grep -nx "$(printf '0x%x' "$dlg")" <<<"$stacking" | cut -d: -f1)
[ -n "$strip_at" ] && [ -n "$dialog_at" ] && ((dialog_at > strip_at)) ||
  fail "the strip covers the options dialog (bottom to top: $(xprop -root _NET_CLIENT_LIST_STACKING); strip $win, dialog $dlg)"
shot stacking

# 2. Page 1's folder field, typed key by key: the folder stored is the one typed, and the list
#    is of that folder (its skin is what gets chosen). Return is 決定.
saves() { grep -c 'settings saved to' "$home/trumbel.log"; }
ok() {
  xdotool key Return
  wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Velquorのオプション\$'" || fail "決定 did not close the dialog"
  wait_for 10 bash -c "[ \$(grep -c 'settings saved to' $home/trumbel.log) -ge $1 ]" || fail "決定 wrote no settings"
}
xdotool key Home Down Tab ctrl+a BackSpace
xdotool type --delay 40 "$home/Skin2"
xdotool key Tab
shot folder
xdotool key Tab Home
ok 1
grep -qxF "Skinフォルダー=$home/Skin2/" "$ini" || fail "the typed folder $home/Skin2 was not stored: $(grep 'Skin' "$ini")"
grep -qxF "Skin名=sub/typed.skn" "$ini" || fail "the list was not of the typed folder: $(grep 'Skin' "$ini")"

# 3. Page 6's start X field: a pasted full-width "１２３" is 123; a pasted "-50" changes nothing.
open_dialog
xdotool key Home Down Down Down Down Down Down Tab Tab ctrl+a
printf '１２３' | xclip -selection clipboard
xdotool key ctrl+v
printf -- '-50' | xclip -selection clipboard
xdotool key ctrl+a ctrl+v
shot paste
ok 2
grep -qx '起動位置X=123' "$ini" || fail "the pasted numbers were not stored as shown: $(grep '起動位置' "$ini")"

# 4. Exit with the dialog open and an unconfirmed edit (the built-in skin box): not written.
open_dialog
xdotool key Home Down Tab Tab Tab Tab Tab space
sleep 0.5
stop_program "$app" || fail "the program did not end"
pids=()
grep -qx 'デフォルトSkin使用=0' "$ini" || fail "an edit never confirmed was written at exit: $(grep 'デフォルトSkin' "$ini")"
echo "PASS"

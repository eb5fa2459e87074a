#!/usr/bin/env bash
# The launcher on the real desktop path: a configured name that leaves the function folder is
# refused; a document with the execute bit goes to the real xdg-open; a document nothing can
# open is reported in a box naming it; a drag that offers only a move is taken as
# a copy, so "No" leaves the file where it was. Every box is one line of the log.
set -u
trumbel=$1
here=$(dirname "$0")
. "$here/lib.sh"
need xdotool xprop openbox xdg-open file
start_session
start_window_manager
mover=$trumbel_build/tests/e2e/xdnd_move_source
[ -x "$mover" ] || { echo "SKIP: the drag source is not built"; exit 77; }

# The desktop's applications, private to the test: text/plain records what it was handed,
# nothing takes a picture. No browser is ever tried.
export XDG_DATA_HOME=$home/data XDG_DATA_DIRS=$home/nodata BROWSER=false
mkdir -p "$XDG_DATA_HOME/applications" "$home/Function" "$home/Skin" "$home/outside"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$home/opened" >"$home/record"
chmod +x "$home/record"
printf '[Desktop Entry]\nType=Application\nName=record\nExec=%s %%f\n' "$home/record" \
  >"$XDG_DATA_HOME/applications/record.desktop"
printf '[Default Applications]\ntext/plain=record.desktop\n' >"$XDG_CONFIG_HOME/mimeapps.list"

printf 'notes\n' >"$home/Function/exec-doc.txt"
chmod 755 "$home/Function/exec-doc.txt"
printf '\x89PNG\r\n\x1a\n' >"$home/Function/picture.png"
printf '#!/bin/sh\ntouch "%s"\n' "$home/escaped" >"$home/Skin/run.sh"
chmod +x "$home/Skin/run.sh"
printf 'keep me\n' >"$home/outside/dropme.txt"
user=$(id -un)
cat >"$home/setting_$user.ini" <<INI
[バージョン情報]
VelquorVer=1320083
[その他設定]
ファンクションID=-1
ファンクション名=../Skin/run.sh
[ホットキー設定]
使用する=0
[時計設定]
起動時に時計を合わせる=0
INI

start_trumbel "$home/trumbel.log" QT_LOGGING_RULES="trumbel.menus.info=true;trumbel.window.info=true"
log() { cat "$home/trumbel.log"; }
wait_for 10 grep -q 'button 1 at' "$home/trumbel.log" || fail "the skin has no function button"
read -r fx fy < <(button '[14]')
click_at() { xdotool mousemove --window "$win" "$1" "$2" sleep 0.2 click "$3"; }
list_entry() { # list_entry N: the N-th entry of the whole function list (middle click on FN)
  local before
  before=$(grep -c 'menu opened: 全リスト' "$home/trumbel.log")
  click_at "$fx" "$fy" 2
  wait_for 10 bash -c "[ \$(grep -c 'menu opened: 全リスト' '$home/trumbel.log') -gt $before ]" ||
    fail "no function list: $(log)"
  sleep 0.3
  xdotool key $(printf 'Down %.0s' $(seq "$1")) Return
}

# 1. A configured name with a path in it is refused with the missing-file box.
click_at "$fx" "$fy" 1
answer_box 'エラー - Velquor' || fail "no box for a name outside the function folder: $(log)"
grep -qF "box [エラー - Velquor] ファンクションに設定されていたファイル / $home/Function/../Skin/run.sh / が見つかりません" \
  "$home/trumbel.log" || fail "the box was not logged as one line: $(log)"
sleep 0.5
[ ! -e "$home/escaped" ] || fail "the FN button started a file outside the function folder"

# 2. A text file with the execute bit opens with its application (entry 6, after the built-ins).
list_entry 6
wait_for 10 test -s "$home/opened" || fail "the document was not handed to its application: $(log)"
[ "$(cat "$home/opened")" = "$home/Function/exec-doc.txt" ] || fail "opened $(cat "$home/opened")"
[ "$(grep -c 'box \[' "$home/trumbel.log")" -eq 1 ] || fail "opening the document showed a box: $(log)"

# 3. The application for the picture fails: a box names the file.
list_entry 7
answer_box 'エラー - Velquor' || fail "no box when no application opened the picture: $(log)"
grep -qF "box [エラー - Velquor] $home/Function/picture.png / を起動できませんでした｡ / " \
  "$home/trumbel.log" || fail "the failed open was not reported with the file: $(log)"

# 4. A real drag that offers only a move, dropped on the strip and then refused with "No".
"$mover" "$home/outside/dropme.txt" >"$home/mover.log" 2>&1 &
pids+=($!)
wait_for 10 xdotool search --onlyvisible --name '^move source$' || fail "the drag source did not appear"
source_win=$(xdotool search --onlyvisible --name '^move source$' | head -n1)
read -r tx ty < <(xdotool getwindowgeometry --shell "$win" |
  awk -F= '/^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2} END {print x + int(w / 2), y + int(h / 2)}')
xdotool windowmove --sync "$source_win" "$((tx + 50))" "$((ty + 300))"
sleep 0.5
xdotool mousemove --window "$source_win" 60 60 sleep 0.3 mousedown 1 sleep 0.3
for step in 1 2 3 4 5 6; do
  xdotool mousemove "$((tx + 60 - step))" "$((ty + 300 - step * 50 + 40))" sleep 0.15
done
xdotool mousemove "$tx" "$ty" sleep 0.3 mousemove "$((tx + 1))" "$ty" sleep 0.3 mouseup 1
answer_box 'ファンクション登録の確認Velquor' Escape || fail "no question after the drop: $(log) $(cat "$home/mover.log")"
wait_for 10 grep -q 'drag ended' "$home/mover.log" || fail "the drag did not end: $(cat "$home/mover.log")"
grep -qF 'box [ファンクション登録の確認Velquor] ファンクション一覧に / dropme.txt / を加えてもよろしいですか？' \
  "$home/trumbel.log" || fail "the question was not logged: $(log)"
[ -f "$home/outside/dropme.txt" ] || fail "the dropped file is gone after No ($(cat "$home/mover.log"))"
[ ! -e "$home/Function/dropme.txt" ] || fail "No copied the file all the same"
echo "PASS ($(cat "$home/mover.log"))"

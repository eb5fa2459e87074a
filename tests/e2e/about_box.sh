#!/usr/bin/env bash
# The about box from the main menu under a window manager: it opens titled
# "バージョン情報 - Velquor", and while it is open with "マウスが来たら隠す" on, the strip stays
# visible with the pointer over it; after OK the rule hides the strip again. With
# TRUMBEL_ABOUT_SHOT=FILE.png the box is also written to that picture.
set -u
trumbel=$1
here=$(dirname "$0")
. "$here/lib.sh"
need xdotool xprop xwininfo xwd openbox python3
start_session
start_window_manager

# Topmost with the mouse rule on; Shift held keeps the strip visible (the default), which is
# how the right click reaches it. No hot key.
cat >"$home/setting_$(id -un).ini" <<INI
[バージョン情報]
VelquorVer=1320083
[位置情報設定]
起動位置設定=1
[Window設定]
最前面表示=1
マウスが来たら隠す=1
[ホットキー設定]
使用する=0
INI

# The desktop's opener is a stand-in that writes down what it was asked to open.
mkdir -p "$home/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$home/opened" >"$home/bin/xdg-open"
chmod +x "$home/bin/xdg-open"
start_trumbel "$home/trumbel.log" \
  PATH="$home/bin:$PATH" QT_LOGGING_RULES="trumbel.menus.info=true;trumbel.about.info=true"
# The window manager may still be placing the strip when it first shows: take its place once it
# has stopped moving.
geometry() { xdotool getwindowgeometry --shell "$win" | grep -E '^(X|Y|WIDTH|HEIGHT)='; }
last=$(geometry)
for _ in $(seq 20); do
  sleep 0.25
  now=$(geometry)
  [ "$now" = "$last" ] && break
  last=$now
done
eval "$last"
mid_x=$((X + WIDTH / 2))
mid_y=$((Y + HEIGHT / 2))

# The rule works: the pointer over the strip hides it.
xdotool mousemove 900 900 sleep 0.5 mousemove "$mid_x" "$mid_y"
wait_for 5 hidden || fail "the pointer over the strip at $mid_x,$mid_y did not hide it: $(xdotool getmouselocation) $(xwininfo -id "$win" | grep -E "Absolute|Map State") $(cat "$home/trumbel.log")"
xdotool mousemove 900 900
wait_for 5 viewable || fail "the strip did not come back when the pointer left"

# Shift held keeps it visible for the right click that opens the main menu; the first item is
# the about box.
xdotool keydown shift
xdotool mousemove "$mid_x" "$mid_y" sleep 0.5 click 3
xdotool keyup shift
wait_for 10 grep -qF 'menu opened: メニュー(&M)' "$home/trumbel.log" ||
  fail "no main menu on a right click: $(cat "$home/trumbel.log")"
sleep 0.3
xdotool key Down Return
wait_for 10 xdotool search --onlyvisible --name '^バージョン情報 - Velquor$' ||
  fail "no about box: $(cat "$home/trumbel.log")"
box=$(xdotool search --onlyvisible --name '^バージョン情報 - Velquor$' | head -n1)
# Openbox offers to minimise any window: the modal box comes straight back.
xdotool windowminimize "$box" sleep 1
wait_for 5 bash -c "xwininfo -id $box | grep -q IsViewable" || fail "the about box was minimised away"

# While it is open the pointer over the strip leaves it visible, poll after poll.
xdotool mousemove 900 900 sleep 0.5 mousemove "$mid_x" "$mid_y"
for _ in $(seq 10); do
  sleep 0.2
  viewable || fail "the strip was hidden while the about box was open"
done
if [ -n "${TRUMBEL_ABOUT_SHOT:-}" ]; then
  # The window manager's frame too, for the title: the box's ancestor just below the root.
  frame=$box
  root=$(xwininfo -root | awk '/Window id:/ {print $4}')
  while parent=$(xwininfo -tree -id "$frame" | awk '/Parent window id:/ {print $4}') &&
    [ -n "$parent" ] && [ "$parent" != "$root" ]; do
    frame=$parent
  done
  xwd -silent -id "$frame" >"$home/about.xwd" && python3 "$here/xwd2png.py" "$home/about.xwd" "$TRUMBEL_ABOUT_SHOT"
fi

# The mail link hands the desktop the address with the subject, percent-encoded.
wait_for 5 grep -q 'link .*@.* at' "$home/trumbel.log" || fail "the links were not placed"
read -r lx ly lw lh < <(sed -n 's/.*link [^ ]*@[^ ]* at \([0-9]*\),\([0-9]*\) size \([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/p' "$home/trumbel.log" | tail -n1)
xdotool mousemove --window "$box" $((lx + lw / 2)) $((ly + lh / 2)) sleep 0.2 click 1
wait_for 5 test -s "$home/opened" || fail "clicking the mail link opened nothing: $(cat "$home/trumbel.log")"
subject=Velquor%E3%81%AB%E3%81%A4%E3%81%84%E3%81%A6%E3%81%AE%E5%A0%B1%E5%91%8A%E3%81%8A%E3%82%88%E3%81%B3%E8%B3%AA%E5%95%8F
grep -qxF "mailto:support@velquor.example.org?Subject=$subject" "$home/opened" ||
  fail "the mail link opened $(cat "$home/opened")"
xdotool mousemove "$mid_x" "$mid_y"

# OK (the default button) closes it; the rule applies again with the pointer still there.
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key --window "$box" Return
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^バージョン情報 - Velquor\$'" ||
  fail "the about box did not close on OK"
wait_for 5 hidden || fail "the strip stayed visible after OK with the pointer over it"
grep -q 'about box closed' "$home/trumbel.log" || fail "the box's close was not logged"
echo "PASS"

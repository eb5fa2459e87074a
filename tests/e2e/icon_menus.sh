#!/usr/bin/env bash
# The program-drawn menus as a person sees them: the main menu carries a navy-to-blue title
# band with white text down its left edge; the function list opened alone has none but shows
# its file's icon; with icon menus off at start the menus are the toolkit's own, without band
# and icons. TRUMBEL_SCREENSHOTS=FOLDER also keeps a picture of the main menu with its skin
# submenu and skin list open (menus.png) there; TRUMBEL_KEEP=FOLDER keeps every capture.
set -u
trumbel=$1
here=$(dirname "$0")
. "$here/lib.sh"
need xdotool xwininfo openbox python3
[ -x /usr/bin/import ] || { echo "SKIP: ImageMagick's import is not installed"; exit 77; }
start_session
start_window_manager
menu_id=

user=$(id -un)
mkdir -p "$home/Function" "$home/Skin/sub"
echo "notes" >"$home/Function/notes.txt"
cp "$here/../skin/fuzz/seed/english.skn" "$home/Skin/sub/english.skn"
cp "$here/../../resources/skin101.bmp" "$home/Skin/sub/art.bmp"
settings() { # settings ICON_MENUS
  cat >"$home/setting_$user.ini" <<INI
[バージョン情報]
VelquorVer=1320083
[基本設定]
アイコンメニュー使用=$1
[位置情報設定]
起動位置設定=1
[Skin設定]
Skinフォルダー=$home/Skin
[ホットキー設定]
使用する=0
INI
}

start_program() {
  : >"$home/trumbel.log"
  start_trumbel "$home/trumbel.log" \
    QT_LOGGING_RULES="trumbel.menus.info=true;trumbel.window.info=true"
  wait_for 10 grep -q 'button 1 at' "$home/trumbel.log" || fail "the skin has no function button"
}

end_program() {
  stop_program "$app" || fail "the program did not end"
  pids=("${pids[@]/$app/}")
}

# button N -> "X Y" of its middle (window pixels), from the program's log

# popups: "ID W H X Y" of every open menu of the program, a popup being a top-level window of
# the program the window manager does not frame
popups() {
  xwininfo -root -children | awk '/"trumbel": \("trumbel" "trumbel"\)/ {
    split($NF, a, "+"); n = split($(NF-1), g, /[x+]/);
    if (g[1] > 10 && g[2] > 10) print $1, g[1], g[2], g[3], g[4] }'
}

# open_menu CAPTION X Y BUTTON: clicks on the skin window and waits for the menu
open_menu() {
  local before
  before=$(grep -c "menu opened: $1" "$home/trumbel.log")
  xdotool mousemove --window "$win" "$2" "$3" sleep 0.2 click "$4"
  wait_for 10 bash -c "[ \$(grep -c 'menu opened: $1' '$home/trumbel.log') -gt $before ]" ||
    fail "menu $1 did not open: $(cat "$home/trumbel.log")"
  wait_for 5 bash -c "[ -n \"\$(xwininfo -root -children | grep '\"trumbel\": (\"trumbel\"' | grep -v ' 1x1+')\" ]"
  sleep 0.5 # mapped and painted
  read -r menu_id _ < <(popups | head -n1)
  [ -n "$menu_id" ] || fail "no popup window for $1"
}

close_menu() {
  xdotool key Escape Escape Escape
  wait_for 5 bash -c "[ -z \"\$(xwininfo -root -children | grep '\"trumbel\": (\"trumbel\"' | grep -v ' 1x1+')\" ]"
}

# look FILE: the band and icon facts of a captured menu, as "key=value" lines
look() {
  python3 - "$1" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
# P6 header: magic, width, height, maximum, then the pixels
parts = data.split(maxsplit=4)
w, h = int(parts[1]), int(parts[2])
px = parts[4]
def at(x, y):
    i = 3 * (y * w + x)
    return px[i], px[i + 1], px[i + 2]
def navy_blue(p):
    return p[0] < 30 and p[1] < 30 and p[2] >= 50
# The band's leftmost column: the first column, inside the frame, that is blue from top to bottom.
band_x = next((x for x in range(min(6, w))
               if all(navy_blue(at(x, y)) for y in range(4, h - 4))), -1)
print("size=%dx%d" % (w, h))
print("band_x=%d" % band_x)
blue_pixels = sum(1 for y in range(h) for x in range(w) if navy_blue(at(x, y)))
print("blue_pixels=%d" % blue_pixels)
if band_x >= 0:
    col = [at(band_x, y) for y in range(h)]
    inner = [p for p in col if navy_blue(p)]
    print("band_top=%d" % inner[0][2])
    print("band_bottom=%d" % inner[-1][2])
    rising = all(b[2] >= a[2] for a, b in zip(inner, inner[1:]))
    print("band_rising=%d" % rising)
    # the band's width: blue columns from band_x on, in the bottom row (the text starts with
    # blanks there)
    width = 0
    while band_x + width < w and navy_blue(at(band_x + width, h - 3)):
        width += 1
    print("band_width=%d" % width)
    white = sum(1 for y in range(h) for x in range(band_x, band_x + width)
                if min(at(x, y)) > 200)
    print("band_white=%d" % white)
# The icon column of the first item after any band: pixels unlike the item's background.
left = (band_x + int(width) if band_x >= 0 else 1)
bg = at(w - 3, h // 2)
icon = 0
for y in range(2, h - 2):
    for x in range(left + 1, left + 22):
        if max(abs(a - b) for a, b in zip(at(x, y), bg)) > 40:
            icon += 1
print("icon_pixels=%d" % icon)
PY
}

capture() { # capture NAME: the open popup as $home/NAME.ppm
  /usr/bin/import -window "$menu_id" -depth 8 "ppm:$home/$1.ppm" || fail "import could not capture the menu"
  look "$home/$1.ppm" >"$home/$1.txt"
  [ -z "${TRUMBEL_KEEP:-}" ] || cp "$home/$1.ppm" "$TRUMBEL_KEEP/"
  echo "$1: $(tr '\n' ' ' <"$home/$1.txt")"
}
value() { sed -n "s/^$2=//p" "$home/$1.txt"; }

# 1. Icon menus on (the default): the main menu's band.
settings 1
start_program
read -r fx fy < <(button '[14]')
read -r ww wh < <(xdotool getwindowgeometry --shell "$win" | awk -F= '/^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2} END {print w, h}')
open_menu 'メニュー(&M)' $((ww / 2)) $((wh - 2)) 3
capture main
[ "$(value main band_x)" -ge 0 ] || fail "the main menu has no band"
top=$(value main band_top)
bottom=$(value main band_bottom)
[ "$top" -ge 60 ] && [ "$top" -le 70 ] || fail "the band starts at blue $top, not about 64"
[ "$bottom" -ge 245 ] || fail "the band ends at blue $bottom, not about 255"
[ "$(value main band_rising)" = 1 ] || fail "the band does not brighten downwards"
[ "$(value main band_white)" -ge 100 ] || fail "no white text in the band"
width=$(value main band_width)
[ "$width" -ge 12 ] && [ "$width" -le 40 ] || fail "band width $width"

if [ -n "${TRUMBEL_SCREENSHOTS:-}" ]; then
  # The skin submenu by its mnemonic, then its first entry, the skin list.
  xdotool key s
  sleep 0.5
  xdotool key Right
  sleep 0.8
  box=$(popups | awk '{x2 = $4 + $2; y2 = $5 + $3; if (NR == 1 || $4 < x1) x1 = $4;
    if (NR == 1 || $5 < y1) y1 = $5; if (x2 > mx) mx = x2; if (y2 > my) my = y2}
    END {print mx - x1 "x" my - y1 "+" x1 "+" y1}')
  mkdir -p "$TRUMBEL_SCREENSHOTS"
  /usr/bin/import -window root -crop "$box" +repage "$TRUMBEL_SCREENSHOTS/menus.png"
  echo "screenshot: $TRUMBEL_SCREENSHOTS/menus.png ($box)"
fi
close_menu

# 2. The function list alone (function button, middle button): no band, the file's icon.
open_menu '全リスト' "$fx" "$fy" 2
capture alone
[ "$(value alone band_x)" = -1 ] || fail "the function list opened alone has a band"
[ "$(value alone blue_pixels)" -lt 20 ] || fail "band-coloured pixels in the function list alone"
[ "$(value alone icon_pixels)" -gt 0 ] || fail "the function list shows no file icon"
close_menu
end_program

# 3. Icon menus off at start: the toolkit's menus, no band, no icons.
settings 0
start_program
read -r fx fy < <(button '[14]')
open_menu 'メニュー(&M)' $((ww / 2)) $((wh - 2)) 3
capture plain
[ "$(value plain band_x)" = -1 ] || fail "a band with icon menus off"
[ "$(value plain blue_pixels)" -lt 20 ] || fail "band-coloured pixels with icon menus off"
close_menu
open_menu '全リスト' "$fx" "$fy" 2
capture plain_list
[ "$(value plain_list icon_pixels)" = 0 ] || fail "icons in the function list with icon menus off"
close_menu
end_program
echo "PASS"

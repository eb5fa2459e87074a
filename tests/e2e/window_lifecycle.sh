#!/usr/bin/env bash
# The window under a real X server: the first start's notice, its title and frame, the
# second-instance refusal, and an orderly end on SIGTERM that writes the settings once.
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool xprop
start_session

QT_LOGGING_RULES="trumbel.settings.info=true" "$trumbel" >"$home/first.log" 2>&1 &
first=$!
pids+=("$first")
# No settings file yet: the standard settings apply after a notice.
answer_box 'Velquor - 確認' || fail "no notice about the missing settings file"
win=$(skin_window) || fail "the skin window did not appear"
title=$(xprop -id "$win" -notype _NET_WM_NAME | sed -e 's/^_NET_WM_NAME = "//' -e 's/"$//')
[ "$title" = "Velquor ver.1.32  (Revision : 0083)" ] || fail "title is '$title'"
# Frameless: the Motif hints ask for no decorations (third field).
hints=$(xprop -id "$win" -notype _MOTIF_WM_HINTS)
decorations=$(echo "$hints" | sed -e 's/.*= //' | cut -d, -f3 | tr -d ' ')
[ "$decorations" = "0x0" ] || [ "$decorations" = "0" ] || fail "window has decorations: $hints"

# A second copy for the same user and folder refuses to start and leaves the first alone.
"$trumbel" >"$home/second.log" 2>&1 &
second=$!
pids+=("$second")
answer_box 'エラー - Velquor' || fail "no second-instance message box"
wait_for 10 bash -c "! kill -0 $second" || fail "second copy did not end after its message"
wait "$second"
rc=$?
[ "$rc" -ne 0 ] || fail "second copy exited with 0"
kill -0 "$first" || fail "first copy died"

# A copy from another program folder is the same user's second copy as well.
mkdir -p "$home/elsewhere"
TRUMBEL_HOME=$home/elsewhere/ "$trumbel" >"$home/elsewhere.log" 2>&1 &
elsewhere=$!
pids+=("$elsewhere")
answer_box 'エラー - Velquor' || fail "a copy from another folder started beside the first"
wait_for 10 bash -c "! kill -0 $elsewhere" || fail "the copy from another folder did not end"
kill -0 "$first" || fail "first copy died"

# SIGTERM: an orderly end with exit code 0.
stop_program "$first"
rc=$?
[ "$rc" -ne 124 ] || fail "no exit after SIGTERM"
[ "$rc" -eq 0 ] || fail "exit code $rc after SIGTERM"
saves=$(grep -c 'settings saved to' "$home/first.log")
[ "$saves" -eq 1 ] || fail "settings written $saves times at exit: $(cat "$home/first.log")"
ini=$home/setting_$(id -un).ini
grep -q '^VelquorVer=1320083' "$ini" || fail "the settings file lacks its version: $(cat "$ini")"

# The next start reads that file: no notice, straight to the window.
"$trumbel" >"$home/third.log" 2>&1 &
third=$!
pids+=("$third")
skin_window >/dev/null || fail "the window did not appear on the second start"
if xdotool search --name '^Velquor - ' >/dev/null 2>&1; then
  fail "a box came up although the settings file exists: $(cat "$home/third.log")"
fi
stop_program "$third"
[ $? -ne 124 ] || fail "no exit after SIGTERM (second start)"
echo "PASS"

#!/usr/bin/env bash
# A strip with a slot of this machine and a slot of a host read from a real node exporter on
# loopback. Killing the exporter shows the host's slots as not connected within one interval
# while the 500 ms passes keep their pace; a restarted exporter brings the values back without
# a jump in the rates.
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool
need prometheus-node-exporter
need curl
need python3

start_session
port=19100
exporter() {
  prometheus-node-exporter --web.listen-address=127.0.0.1:$port >>"$home/exporter.log" 2>&1 &
  exporter=$!
  pids+=("$exporter")
  wait_for 10 curl -sf -o /dev/null "http://127.0.0.1:$port/metrics" || fail "no exporter"
}
exporter
address=http://127.0.0.1:$port/metrics

cat >"$home/setting_$(id -un).ini" <<INI
[バージョン情報]
VelquorVer=1320083
[時計設定]
起動時に時計を合わせる=0
[Skin設定]
表示ユニット数=2
コンテナ0の設定=0,2,0,0,2,0,0,0,0,0,0,0,0
コンテナ1の設定=0,4,0,0,4,9,0,0,0,0,0,0,0
[リモートホスト設定]
更新間隔=1000
ホスト数=1
ホスト(1)の名前=nas
ホスト(1)のアドレス=$address
コンテナ0のホスト=0,1,0,0
コンテナ1のホスト=1,1,0,0
INI
start_window_manager
log=$home/trumbel.log
start_trumbel "$log" QT_LOGGING_RULES="trumbel.ticks.debug=true;trumbel.remote.values.debug=true"
monotonic_ms() { python3 -c 'import time; print(int(time.monotonic() * 1000))'; }
# passes: one line per pass: its time, the host's state and the rate its first disk is read at.
passes() {
  awk '$1 == "trumbel.ticks:" { t = $3 } $1 == "trumbel.remote.values:" { print t, $4, $10 }' "$log"
}
wait_for 10 grep -q 'host 1 connected' "$log" || fail "the host was never read: $(tail -5 "$log")"
sleep 3
peak=$(passes | awk '$2 == "connected" && $3 > m { m = $3 } END { print m + 0 }')
[ -n "${README_SHOT:-}" ] && import -window "$win" "$README_SHOT"
# The digits of the host's two interface slots, 11 px apart in the built-in skin: device 0, and
# device 9, which the host does not have, so it always shows the placeholder of an interface
# that is not connected.
rows_alike() {
  import -window "$win" "$home/strip.png" || return 2
  convert "$home/strip.png" -crop 84x9+0+41 +repage "rgb:$home/a.rgb" &&
    convert "$home/strip.png" -crop 84x9+0+52 +repage "rgb:$home/b.rgb" &&
    cmp -s "$home/a.rgb" "$home/b.rgb"
}
! rows_alike || fail "the host's interface shows as not connected while the host answers"

killed=$(monotonic_ms)
kill "$exporter"
wait "$exporter" 2>/dev/null
until rows_alike; do
  (($(monotonic_ms) - killed < 5000)) || fail "the host's interface never showed as not connected"
done
# Timed by the program's own passes: taking pictures is slow on a loaded machine.
down_after=$(passes | awk -v k="$killed" '$1 >= k && $2 == "down" { print $1 - k; exit }')
echo "drawn as not connected by the pass $down_after ms after the kill"
# One interval, plus the pass that draws it, plus a little for a loaded machine.
((down_after <= 1000 + 500 + 200)) || fail "not connected only after $down_after ms"
sleep 3
# Every pass from the kill on came within 500 ms plus a little.
gaps=$(awk -v k="$killed" '$1 == "trumbel.ticks:" && $3 >= k { if (p) print $3 - p; p = $3 }' "$log")
widest=$(sort -n <<<"$gaps" | tail -1)
echo "passes after the kill: $(wc -l <<<"$gaps"), widest gap $widest ms"
((widest <= 650)) || fail "a pass came $widest ms after the one before"

restarted=$(monotonic_ms)
exporter
# After failures the attempts back off: one, two, four seconds.
wait_for 15 bash -c "passes() { awk '\$1 == \"trumbel.ticks:\" { t = \$3 } \$1 == \"trumbel.remote.values:\" { print t, \$4, \$10 }' '$log'; }
  passes | awk -v r=$restarted '\$1 >= r && \$2 == \"connected\" { n++ } END { exit !(n >= 6) }'" ||
  fail "the values did not come back: $(tail -3 "$log")"
after=$(passes | awk -v r="$restarted" '$1 >= r && $2 == "connected" && $3 > m { m = $3 } END { print m + 0 }')
echo "disk read rate of the host: up to $peak B/s before, up to $after B/s after the restart"
# The counters' whole total since boot in one step would be gigabytes.
awk -v a="$after" -v p="$peak" 'BEGIN { exit !(a <= 4 * p + 10000000) }' ||
  fail "a rate jump after the restart: $after against $peak"
grep -q 'remote host nas cannot be read' "$log" || fail "the failure was not logged"
[ "$(grep -c 'remote host nas cannot be read' "$log")" -eq 1 ] || fail "the failure was logged more than once"

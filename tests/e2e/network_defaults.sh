#!/usr/bin/env bash
# The network graphs of a first start follow the interface of the default route, not loopback:
# with no settings file and with a file that stores no network slot, the file written at exit
# holds that interface for the receive and send graphs and the fixed-skin device. A file that
# stores them keeps what it stores.
set -u
trumbel=$1
. "$(dirname "$0")/lib.sh"
need xdotool

route_if=
while read -r iface dest _ flags _ _ _ mask _; do
  if [ "$iface" != lo ] && [ "$dest" = 00000000 ] && [ "$mask" = 00000000 ] &&
    (((16#$flags & 1) != 0)); then
    route_if=$iface
    break
  fi
done < <(tail -n +2 /proc/net/route)
if [ -z "$route_if" ]; then
  echo "SKIP: this machine has no IPv4 default route"
  exit 77
fi
# Its index in the program's interface table, while it is up.
device=$("$trumbel" --print-values --ticks 1 |
  awk -F'\t' -v n="$route_if" '$1 == "net" && $4 == 5 { k = split($5, w, " "); if (w[k] == n) print $2 }')
if [ -z "$device" ]; then
  echo "SKIP: $route_if holds the default route but is not up"
  exit 77
fi
[ "$device" -ne 0 ] || fail "the default route's interface $route_if is device 0"

start_session
ini=$home/setting_$(id -un).ini

# run_once: starts the program, waits for its window, ends it with SIGTERM (which saves).
run_once() {
  "$trumbel" >>"$home/run.log" 2>&1 &
  local app=$!
  pids+=("$app")
  if [ "${1:-}" = notice ]; then
    answer_box 'Velquor - 確認' || fail "no notice about the missing settings file"
  fi
  skin_window >/dev/null || fail "the skin window did not appear: $(cat "$home/run.log")"
  stop_program "$app"
  [ $? -ne 124 ] || fail "no exit after SIGTERM"
}

expect_devices() { # receive send fixed
  grep -q "^コンテナ2の設定=1,4,$1," "$ini" || fail "$2: receive graph: $(grep 'コンテナ2' "$ini")"
  grep -q "^コンテナ3の設定=1,5,$1," "$ini" || fail "$2: send graph: $(grep 'コンテナ3' "$ini")"
  grep -qx "固定Skin時使用デバイス名=$1" "$ini" ||
    fail "$2: fixed-skin device: $(grep '固定Skin' "$ini")"
}

run_once notice
expect_devices "$device" "no settings file"

printf '[バージョン情報]\nVelquorVer=1320083\n' >"$ini"
run_once
expect_devices "$device" "a file without network slots"

printf '[バージョン情報]\nVelquorVer=1320083\n[ネットワーク設定]\n固定Skin時使用デバイス名=0\n[Skin設定]\nコンテナ2の設定=1,4,0,0,0,0,0,0,0,0,0,0,0\nコンテナ3の設定=1,5,0,0,0,0,0,0,0,0,0,0,0\n' >"$ini"
run_once
expect_devices 0 "a file that stores device 0"
echo "PASS ($route_if is device $device)"

#!/usr/bin/env bash
# A strip showing three hosts that are hostile: one accepts and never answers, one sends 100 MB,
# one sends garbage. The 500 ms passes keep their pace and the log says once for each why.
set -u
trumbel=$1
here=$(dirname "$0")
. "$here/lib.sh"
need xdotool
need python3

start_session
hosts=""
n=0
for mode in silent huge garbage; do
  exec {out}< <(exec python3 "$here/hostile_server.py" "$mode")
  pids+=($!)
  read -r -t 5 port <&$out || fail "the $mode server did not start"
  n=$((n + 1))
  hosts+="ホスト($n)の名前=$mode"$'\n'"ホスト($n)のアドレス=http://127.0.0.1:$port/metrics"$'\n'
done
cat >"$home/setting_$(id -un).ini" <<INI
[バージョン情報]
VelquorVer=1320083
[時計設定]
起動時に時計を合わせる=0
[Skin設定]
表示ユニット数=1
コンテナ0の設定=0,2,0,0,2,0,0,2,0,0,2,0,0
[リモートホスト設定]
更新間隔=1000
ホスト数=3
${hosts}コンテナ0のホスト=0,1,2,3
INI
start_window_manager
log=$home/trumbel.log
start_trumbel "$log" QT_LOGGING_RULES="trumbel.ticks.debug=true"
sleep 8
for mode_why in "silent:応答がありません" "huge:応答が大きすぎます" "garbage:ノードの測定値ではありません"; do
  mode=${mode_why%%:*}
  said=$(grep -c "remote host $mode cannot be read.*${mode_why#*:}" "$log")
  [ "$said" -eq 1 ] || fail "$mode host: said $said times why: $(grep "host $mode" "$log")"
done
gaps=$(awk '$1 == "trumbel.ticks:" { if (p) print $3 - p; p = $3 }' "$log")
widest=$(sort -n <<<"$gaps" | tail -1)
echo "passes: $(wc -l <<<"$gaps"), widest gap $widest ms"
((widest <= 650)) || fail "a pass came $widest ms after the one before"
xdotool getwindowname "$win" >/dev/null || fail "the strip is gone"
echo PASS

#!/usr/bin/env bash
# What reading a host costs, against a real node exporter on loopback: the reply's size as sent
# (plain, and gzip as the strip asks for it), the exporter's own CPU time per reply (the cost on
# the watched machine), and the strip's parse of it (remote_bench).
# Usage: bench/remote/scrape_cost.sh [BUILD_DIR] [REPLIES]
set -eu
build=${1:-build}
replies=${2:-50}
command -v prometheus-node-exporter >/dev/null || { echo "needs prometheus-node-exporter"; exit 1; }
home=$(mktemp -d)
trap 'kill $exporter 2>/dev/null; rm -rf "$home"' EXIT
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
prometheus-node-exporter --web.listen-address="127.0.0.1:$port" >"$home/exporter.log" 2>&1 &
exporter=$!
url=http://127.0.0.1:$port/metrics
for _ in $(seq 50); do curl -sf -o "$home/reply" "$url" && break; sleep 0.1; done
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$exporter/stat"; }
before=$(cpu_ticks)
for _ in $(seq "$replies"); do curl -sf --compressed -o /dev/null "$url"; done
after=$(cpu_ticks)
plain=$(curl -sf "$url" | wc -c)
gzip=$(curl -sf -H 'Accept-Encoding: gzip' "$url" | wc -c)
echo "reply: $plain bytes, $gzip bytes gzip-compressed, $(grep -vc '^#' "$home/reply") samples"
echo "exporter CPU per reply: $(((after - before) * 1000000 / $(getconf CLK_TCK) / replies)) µs"
TRUMBEL_SCRAPE_REPLY=$home/reply TRUMBEL_HOME=$home "$build/bench/remote/remote_bench" \
  --benchmark_min_time=0.5

#!/usr/bin/env bash
# trumbel --print-values in a fresh network and mount namespace whose interface and mount tables
# run to many pages: 30 veth pairs and loopback, 70 proc mounts and then 5 tmpfs mounts under
# /mnt. Every interface and every tmpfs drive must be listed. Needs root; exits 77 (skipped)
# where namespaces cannot be made.
set -u
trumbel=$1

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: creating network and mount namespaces needs root"
  exit 77
fi
for tool in unshare ip mount; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
if ! unshare -n -m true 2>/dev/null; then
  echo "SKIP: this machine refuses new network and mount namespaces"
  exit 77
fi

exec unshare -n -m bash -s "$trumbel" <<'INSIDE'
set -u
trumbel=$1
fail() { echo "FAIL: $*"; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }

# Nothing done here may reach the machine's own mounts.
mount --make-rprivate / || skip "cannot make the mount namespace private"
# sysfs shows the interfaces of the namespace that mounts it.
mount -t sysfs sysfs /sys || skip "cannot mount sysfs for the new network namespace"
ip link set lo up
for i in $(seq 30); do
  ip link add "va$i" type veth peer name "vb$i" || skip "cannot create veth pairs"
done
ip link set va1 up
ip link set vb1 up
# A scratch /mnt of our own: /mnt itself is no drive, what is mounted under it may be.
mount -t tmpfs scratch /mnt || skip "cannot mount tmpfs"
for i in $(seq 70); do
  mkdir "/mnt/p$i" && mount -t proc proc "/mnt/p$i" || skip "cannot mount proc"
done
for i in $(seq 5); do
  mkdir "/mnt/t$i" && mount -t tmpfs "t$i" "/mnt/t$i" || skip "cannot mount tmpfs"
done
echo "mountinfo: $(wc -l </proc/self/mountinfo) lines, $(wc -c </proc/self/mountinfo) bytes;" \
  "net/dev: $(wc -c </proc/net/dev) bytes"

# A k10temp chip and a charging battery on a /sys/class rebuilt on tmpfs (sysfs takes no new
# folders), and the disk under the working folder, if any, written to while values are measured.
disk=$(lsblk -nso NAME "$(findmnt -n -o SOURCE -T "$PWD")" | tail -1 | tr -dc 'a-z0-9')
mkdir -p /mnt/s/class /mnt/s/hwmon/hwmon0 /mnt/s/power_supply/{AC,BAT0} && mount --bind /sys/class /mnt/s/class
for f in hwmon/hwmon0/{name=k10temp,temp1_input=47125,temp1_label=Tctl,temp1_crit=95000} power_supply/AC/{type=Mains,online=1} \
  power_supply/BAT0/{type=Battery,status=Charging,capacity=81}; do echo "${f#*=}" >"/mnt/s/${f%=*}"; done
mount -t tmpfs class /sys/class && for c in /mnt/s/class/* /mnt/s/hwmon /mnt/s/power_supply; do
  mkdir -p "/sys/class/${c##*/}" && mount --bind "$c" "/sys/class/${c##*/}"; done
exec 3>"$PWD/written.$$" && rm "$PWD/written.$$" # written through fd 3 until this shell ends
(while kill -0 $$ 2>/dev/null; do dd if=/dev/zero of=/dev/fd/3 bs=1M count=16 oflag=direct 2>/dev/null; done) &
out=$("$trumbel" --print-values --ticks 1) || fail "trumbel --print-values failed"

# The last word of a display name is the interface's name.
listed=$(printf '%s\n' "$out" | awk -F'\t' '$1 == "net" { n = split($5, w, " "); print w[n] }')
expected=$(ip -o link | awk -F': ' '{ sub(/@.*/, "", $2); print $2 }')
total=0
found=0
missing=()
for name in $expected; do
  total=$((total + 1))
  if printf '%s\n' "$listed" | grep -qxF "$name"; then
    found=$((found + 1))
  else
    missing+=("$name")
  fi
done
drives=$(printf '%s\n' "$out" | awk -F'\t' '$1 == "drive" { print $5 }')
tmpfs=0
for i in $(seq 5); do
  printf '%s\n' "$drives" | grep -qxF "/mnt/t$i" && tmpfs=$((tmpfs + 1))
done
echo "interfaces: $found of $total listed; tmpfs drives: $tmpfs of 5 listed"
[ "$found" -eq "$total" ] || fail "interfaces not listed: ${missing[*]}"
[ "$tmpfs" -eq 5 ] || fail "tmpfs drives missing; drive lines: $(printf '%s\n' "$drives" | tr '\n' ' ')"
for line in "param	7	0	95	47.875	47.125	95" "sensor	7	0	5	0	k10temp Tctl" "param	11	0	100	19	81	100" "sensor	11	0	5	1	BAT0"; do
  printf '%s\n' "$out" | grep -qxF "$line" || fail "no line \"$line\" in: $(printf '%s\n' "$out" | grep -v -e ^net -e ^drive)"; done
[ -z "$disk" ] || printf '%s\n' "$out" | awk -F'\t' -v d="$disk" '$1 == "param" && $2 == 10 { r[$3] = $6 } $1 == "sensor" && $2 == 10 && $6 == d { w = r[$3] } END { exit !(w > 0) }' || fail "no write rate of $disk while a file is written"
echo "PASS"
INSIDE

#!/usr/bin/env bash
# Times the network transfer of a store against a plain socket copy, run by hand:
#   bench/net_transfer_bench.sh [work-folder]
# Builds the library optimised in build/bench-net and the benchmark beside
# it. A 1 GiB store (random bytes) goes over loopback five times each way,
# alternating: once between the two network controllers (real sockets, file
# receiver and per-chunk log lines; see net_transfer_bench.cpp) and once as a
# plain blocking send/receive loop with the same 51200-byte blocks, and once
# with `socat -b 1048576` (Debian socat). Each copy is compared with the
# store; the best times are compared (goal: the controllers reach at least
# 0.9 of socat). Then a 256 MiB store
# goes once through the controllers, to show that the receiving PC's peak
# memory does not grow with the store. The processor time each side used is
# shown too: a busy machine disturbs it less than the seconds. Needs about
# 3.5 GiB free.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$(mktemp -d /tmp/tvx-net-bench.XXXXXX)}
runs=5
build=$top/build/bench-net
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

. "$top/bench/build_bench.sh"
build_bench "$build" net_transfer_bench

store=$work/Old/Prog/USMT/USMT.MIG
received=$work/New/Prog/USMT/USMT.MIG
make_store() {  # MiB
  mkdir -p "$(dirname "$store")"
  head -c "$(($1 * 1024 * 1024))" /dev/urandom >"$store"
  cat "$store" >/dev/null  # warm the page cache
}
# socat from the store to a file over loopback: prints "seconds bytes".
socat_copy() {
  local copy=$1 port
  port=$((30000 + RANDOM % 20000))
  local start end
  start=$(date +%s.%N)
  socat -b 1048576 -u "TCP-LISTEN:$port,bind=127.0.0.1,reuseaddr" "OPEN:$copy,creat,trunc" &
  local receiver=$!
  until socat -b 1048576 -u "OPEN:$store" "TCP:127.0.0.1:$port" 2>/dev/null; do sleep 0.01; done
  wait "$receiver"
  end=$(date +%s.%N)
  printf '%.3f %s\n' "$(echo "$end - $start" | bc -l)" "$(stat -c %s "$copy")"
}
# One run: prints "seconds bytes peak-kB receiver-cpu sender-cpu" (socat:
# "seconds bytes"), checks and drops the copy.
run() {  # controllers|plain|socat
  local copy=$received
  [ "$1" = plain ] && copy=$work/plain.MIG
  [ "$1" = socat ] && copy=$work/socat.MIG
  rm -f "$copy" "$work/New/Prog/TVX_LOG.txt"
  # The last run's copy is still being written back: not during this one.
  sync
  local result
  if [ "$1" = socat ]; then result=$(socat_copy "$copy"); else result=$("$work/net_transfer_bench" "$1" "$work"); fi
  cmp -s "$store" "$copy" || { echo "the $1 copy differs from the store" >&2; exit 1; }
  rm -f "$copy"
  echo "$result"
}
mbps() { echo "$2 / 1048576 / $1" | bc -l; }
best() { printf '%s\n' "$@" | sort -g | head -n 1; }

echo "== 1 GiB store, $runs runs each way ($(nproc) processors)"
make_store 1024
ctl_times=() plain_times=() ctl_peaks=() ctl_cpus=() plain_cpus=() ctl_scpus=() plain_scpus=()
controllers() {
  r=$(run controllers); read -r t bytes peak cpu scpu <<<"$r"
  ctl_times+=("$t"); ctl_peaks+=("$peak"); ctl_cpus+=("$cpu"); ctl_scpus+=("$scpu")
}
plain() {
  r=$(run plain); read -r t bytes peak cpu scpu <<<"$r"
  plain_times+=("$t"); plain_peak=$peak; plain_cpus+=("$cpu"); plain_scpus+=("$scpu")
}
socat_times=()
socat_run() {
  r=$(run socat); read -r t bytes <<<"$r"
  socat_times+=("$t")
}
for run in $(seq $runs); do
  # Who goes first changes from run to run.
  if [ $((run % 2)) -eq 1 ]; then plain; controllers; socat_run; else socat_run; controllers; plain; fi
done
big_bytes=$bytes
c=$(best "${ctl_times[@]}") p=$(best "${plain_times[@]}")
printf '%-22s %8s s  %8.1f MB/s   (runs: %s)\n' "controllers" "$c" "$(mbps "$c" "$big_bytes")" "${ctl_times[*]}"
printf '%-22s %8s s  %8.1f MB/s   (runs: %s)\n' "plain socket copy" "$p" "$(mbps "$p" "$big_bytes")" "${plain_times[*]}"
s=$(best "${socat_times[@]}")
printf '%-22s %8s s  %8.1f MB/s   (runs: %s)\n' "socat -b 1048576" "$s" "$(mbps "$s" "$big_bytes")" "${socat_times[*]}"
printf 'controllers / plain copy = %.2f of the throughput\n' "$(echo "$p / $c" | bc -l)"
printf 'controllers / socat      = %.2f of the throughput   (goal: at least 0.90)\n' "$(echo "$s / $c" | bc -l)"
median() { printf '%s\n' "$@" | sort -g | sed -n "$((($# + 1) / 2))p"; }
printf 'median times: controllers %s s, plain copy %s s = %.2f\n' "$(median "${ctl_times[@]}")" \
  "$(median "${plain_times[@]}")" "$(echo "$(median "${plain_times[@]}") / $(median "${ctl_times[@]}")" | bc -l)"
printf 'median times: controllers %s s, socat %s s = %.2f\n' "$(median "${ctl_times[@]}")" \
  "$(median "${socat_times[@]}")" "$(echo "$(median "${socat_times[@]}") / $(median "${ctl_times[@]}")" | bc -l)"
printf 'processor time, receiving side: controllers %s s (runs: %s), plain copy %s s (runs: %s)\n' \
  "$(median "${ctl_cpus[@]}")" "${ctl_cpus[*]}" "$(median "${plain_cpus[@]}")" "${plain_cpus[*]}"
printf 'processor time, sending side:   controllers %s s (runs: %s), plain copy %s s (runs: %s)\n' \
  "$(median "${ctl_scpus[@]}")" "${ctl_scpus[*]}" "$(median "${plain_scpus[@]}")" "${plain_scpus[*]}"

echo "== 256 MiB store"
make_store 256
r=$(run controllers); read -r t small_bytes small_peak _ _ <<<"$r"
printf '%-22s %8s s  %8.1f MB/s\n' "controllers" "$t" "$(mbps "$t" "$small_bytes")"
echo "== receiving PC's peak memory (VmHWM)"
printf '%-34s %8s kB\n' "controllers, 256 MiB store" "$small_peak"
printf '%-34s %8s kB   (runs: %s)\n' "controllers, 1 GiB store" "$(best "${ctl_peaks[@]}")" "${ctl_peaks[*]}"
printf '%-34s %8s kB\n' "plain copy, 1 GiB store" "$plain_peak"
echo "every copy was identical to its store"

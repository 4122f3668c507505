#!/usr/bin/env bash
# Times the data page's size pass against du on the same tree, run by hand:
#   bench/select_size_bench.sh [work-folder]
# Builds the library optimised in build/bench-select, generates 200,000
# files in 20,000 folders (sizes set without writing data), warms the page
# cache, then runs the size pass and "du -sb" three times each, alternating,
# and compares the best times. Both walk the same tree and stat every entry.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$(mktemp -d /tmp/tvx-select-bench.XXXXXX)}
runs=3
build=$top/build/bench-select
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

. "$top/bench/build_bench.sh"
build_bench "$build" select_size_bench

tree=$work/tree
echo "== generating 200,000 files in 20,000 folders under $tree"
python3 - "$tree" <<'PY'
import os, random, sys
root = sys.argv[1]
random.seed(20101)
for top in range(20):
    for sub in range(1000):
        folder = os.path.join(root, "t%02d" % top, "s%04d" % sub)
        os.makedirs(folder)
        for f in range(10):
            path = os.path.join(folder, "file %d.dat" % f)
            with open(path, "wb"):
                pass
            os.truncate(path, random.randint(0, 65536))
PY
echo "   $(find "$tree" -type f | wc -l) files, $(find "$tree" -mindepth 1 -type d | wc -l) folders"

now() { date +%s.%N; }
since() { echo "$(now) - $1" | bc; }
best() { printf '%s\n' "$@" | sort -g | head -n 1; }

du -sb "$tree" >/dev/null  # warm the cache
"$work/select_size_bench" "$tree" >/dev/null

pass_times=() du_times=()
for run in $(seq $runs); do
  if [ $((run % 2)) -eq 1 ]; then
    start=$(now); du -sb "$tree" >/dev/null; du_times+=("$(since "$start")")
    start=$(now); result=$("$work/select_size_bench" "$tree"); pass_times+=("$(since "$start")")
  else
    start=$(now); result=$("$work/select_size_bench" "$tree"); pass_times+=("$(since "$start")")
    start=$(now); du -sb "$tree" >/dev/null; du_times+=("$(since "$start")")
  fi
done

read -r _ folders files bytes <<<"$result"
expected=$(find "$tree" -type f -printf '%s\n' | awk '{s += $1} END {printf "%.0f", s}')
[ "$files" -eq 200000 ] && [ "$folders" -eq 20020 ] && [ "$bytes" -eq "$expected" ] ||
  { echo "the pass counted $folders folders, $files files, $bytes bytes (files hold $expected)" >&2; exit 1; }

p=$(best "${pass_times[@]}") d=$(best "${du_times[@]}")
printf '%-24s %8s s   (runs: %s)\n' "size pass" "$p" "${pass_times[*]}"
printf '%-24s %8s s   (runs: %s)\n' "du -sb" "$d" "${du_times[*]}"
printf 'size pass / du -sb = %.2f   (goal: at most 1.50)\n' "$(echo "$p / $d" | bc -l)"

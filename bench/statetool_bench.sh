#!/usr/bin/env bash
# Times the stand-in state tool against tar on the same tree, run by hand:
#   bench/statetool_bench.sh [tool-folder] [work-folder]
# tool-folder holds scanstate and loadstate (default dist/native/x64; build
# it optimised: cmake --preset native). The tree is 1 GiB in 10,000 files of
# mixed sizes under one user's Documents. Each step runs three times on a
# warm page cache, alternating with its tar counterpart; the best time of
# each is compared:
#   scan (tree -> store)  against  tar -cf (tree -> archive)
#   load (store -> tree)  against  tar -xf (archive -> tree)
# The loaded tree is checked against the original. Needs about 13 GiB free.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
tools=$(cd "${1:-$top/dist/native/x64}" && pwd)
work=${2:-$(mktemp -d /tmp/tvx-bench.XXXXXX)}
runs=3
for tool in scanstate loadstate migapp.xml config.xml; do
  [ -e "$tools/$tool" ] || { echo "missing $tools/$tool" >&2; exit 1; }
done
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

tree=$work/pc1/c/Users/bench/Documents
echo "== generating 1 GiB in 10,000 files under $work"
python3 - "$tree" <<'EOF'
import os, random, sys
root = sys.argv[1]
random.seed(20101)
total, count = 1 << 30, 10000
# Sizes from a few bytes to about 420 KiB, scaled to exactly 1 GiB.
weights = [random.paretovariate(1.6) for _ in range(count)]
scale = total / sum(weights)
sizes = [max(1, int(w * scale)) for w in weights]
sizes[-1] += total - sum(sizes)
block = os.urandom(1 << 22)
for i, size in enumerate(sizes):
    folder = os.path.join(root, "d%03d" % (i // 100))
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "f%04d [%d].bin" % (i, i % 7)), "wb") as out:
        offset = (i * 7919) % len(block)
        left = size
        while left > 0:
            piece = block[offset:offset + left] or block[:left]
            out.write(piece)
            left -= len(piece)
            offset = 0
EOF
echo "   $(find "$tree" -type f | wc -l) files, $(du -sh "$tree" | cut -f1)"

# The tool folders sit on their own drive, D:, so the C: and E: of every
# run can be fresh folders: writing where files were just deleted makes the
# file system slower, for tar and the tool alike.
for pc in pc1 pc2; do
  mkdir -p "$work/$pc-tools/Prog/x64"
  cp "$tools/scanstate" "$tools/loadstate" "$tools/migapp.xml" "$tools/config.xml" "$work/$pc-tools/Prog/x64/"
  cat >"$work/$pc-tools/Prog/x64/MigCustom.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<migration><component type="Documents" context="UserAndSystem"><role role="Data"><rules><include><objectSet>
						<pattern type="File">C:\Users\bench\Documents\* [*]</pattern>
</objectSet></include></rules></role></component></migration>
EOF
done

now() { date +%s.%N; }
since() { echo "$(now) - $1" | bc; }
best() { printf '%s\n' "$@" | sort -g | head -n 1; }

scan() {  # run number
  (cd "$work/pc1-tools/Prog/x64" &&
    TRALVEX_DRIVES="C=$work/pc1/c;D=$work/pc1-tools;E=$work/usb-$1" TRALVEX_COMPUTER_NAME=OLDPC \
    ./scanstate 'E:\TVX' /i:migapp.xml /i:migcustom.xml /config:config.xml /o /v:13 /c \
    /localonly '/listfiles:..\list.txt' '/progress:..\progress.txt' >/dev/null)
}
load() {  # run number
  (cd "$work/pc2-tools/Prog/x64" &&
    TRALVEX_DRIVES="C=$work/pc2-$1;D=$work/pc2-tools;E=$work/usb-$1" \
    ./loadstate 'E:\TVX' /i:migapp.xml /i:migcustom.xml /config:config.xml /lac /lae /c /v:13 \
    '/progress:..\progress_load.txt' '/mu:OLDPC\bench:NEWPC\bench' >/dev/null)
}
tar_c() { tar -cf "$work/bench-$1.tar" -C "$work/pc1/c/Users/bench" Documents; }
tar_x() { tar -xf "$work/bench-$1.tar" -C "$work/tarout-$1"; }

# Warm the page cache so neither side pays for the first read.
cat "$tree"/*/* >/dev/null

scan_times=() tarc_times=() load_times=() tarx_times=()
for run in $(seq $runs); do
  mkdir -p "$work/usb-$run" "$work/pc2-$run" "$work/tarout-$run"
  sync
  # Who goes first changes from run to run.
  if [ $((run % 2)) -eq 1 ]; then
    start=$(now); tar_c "$run"; tarc_times+=("$(since "$start")")
    start=$(now); scan "$run"; scan_times+=("$(since "$start")")
    sync
    start=$(now); tar_x "$run"; tarx_times+=("$(since "$start")")
    start=$(now); load "$run"; load_times+=("$(since "$start")")
  else
    start=$(now); scan "$run"; scan_times+=("$(since "$start")")
    start=$(now); tar_c "$run"; tarc_times+=("$(since "$start")")
    sync
    start=$(now); load "$run"; load_times+=("$(since "$start")")
    start=$(now); tar_x "$run"; tarx_times+=("$(since "$start")")
  fi
done

grep -q 'errorCode, 0' "$work/pc1-tools/Prog/progress.txt" || { echo "scan failed" >&2; exit 1; }
grep -q 'errorCode, 0' "$work/pc2-tools/Prog/progress_load.txt" || { echo "load failed" >&2; exit 1; }
diff -r "$tree" "$work/pc2-$runs/Users/bench/Documents" >/dev/null || { echo "loaded tree differs" >&2; exit 1; }

s=$(best "${scan_times[@]}") c=$(best "${tarc_times[@]}")
l=$(best "${load_times[@]}") x=$(best "${tarx_times[@]}")
printf '%-28s %8s s   (runs: %s)\n' "scan  (tree -> store)" "$s" "${scan_times[*]}"
printf '%-28s %8s s   (runs: %s)\n' "tar -cf (tree -> archive)" "$c" "${tarc_times[*]}"
printf '%-28s %8s s   (runs: %s)\n' "load  (store -> tree)" "$l" "${load_times[*]}"
printf '%-28s %8s s   (runs: %s)\n' "tar -xf (archive -> tree)" "$x" "${tarx_times[*]}"
printf 'scan / tar -cf = %.2f   load / tar -xf = %.2f   (goal: at most 1.50)\n' \
  "$(echo "$s / $c" | bc -l)" "$(echo "$l / $x" | bc -l)"
echo "loaded tree is identical to the original"

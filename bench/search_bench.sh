#!/usr/bin/env bash
# Times the subnet search on the test network (scripts/netns.bash), run by
# hand as root:
#   bench/search_bench.sh [--sequential]
# The receiving PC is at 198.18.0.9 and searches its /24; a listener on port
# 20101 stands for the sending PC. First the sending PC alone at .200 (no
# other address answers), then with a second listener at .150, which comes
# first in the search order (own - 1, own + 1, own - 2, ...) and must be the
# one chosen. --sequential also times a search of one address after another
# for both (about three and two and a half minutes).
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/tvx-search-bench.XXXXXX)
sequential=${1:-}
. "$top/bench/build_bench.sh"
build_bench "$top/build/bench-net" search_bench
. "$top/scripts/netns.bash"
netns_up 198.18.0.9 198.18.0.200 198.18.0.150
trap 'netns_down; rm -rf "$work"' EXIT

listen() {  # ADDRESS
  netns_run b socat -u "TCP-LISTEN:20101,bind=$1,fork,reuseaddr" /dev/null &
}
search() {  # parallel|sequential
  netns_run a "$work/search_bench" "$1" 198.18.0.9 255.255.255.0
}

listen 198.18.0.200
sleep 0.3
echo "== the sending PC at .200 alone"
echo "parallel:   $(search parallel)"
[ "$sequential" = --sequential ] && echo "sequential: $(search sequential)"
listen 198.18.0.150
sleep 0.3
echo "== a second listener at .150"
echo "parallel:   $(search parallel)"
[ "$sequential" = --sequential ] && echo "sequential: $(search sequential)"
echo "(the search order from .9 reaches .150 before .200)"

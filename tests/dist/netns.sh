#!/usr/bin/env bash
# Two headless peers on a test network of their own (scripts/netns.bash):
# the sending PC at 198.18.0.200, whose user accepts only the PC at .9. A
# stranger at .50 connects first and is refused: it gets no file and no
# profile. Then the receiving PC at .9 searches its /24, finds the sending
# PC and migrates; every file arrives byte for byte. Nothing leaves the
# namespaces. Skips when network namespaces cannot be made. Native build only.
#
# Usage: tests/dist/netns.sh [top]   (PEER_BUILD: the native build folder)
set -uo pipefail

top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
build=${PEER_BUILD:-$top/build/native}
peer=$build/tools/peer/tralvex-peer
dist=$top/dist/native
source "$top/scripts/peer_sandbox.bash"
source "$top/scripts/netns.bash"

if [ ! -x "$peer" ] || [ ! -x "$dist/x64/scanstate" ]; then
  echo "netns.sh: build the native peer first ($peer)"
  exit 1
fi
if ! netns_available; then
  echo "SKIP: network namespaces cannot be made here (root and iproute2 needed)"
  exit 0
fi

NETNS_C_ADDRESS=198.18.0.50 netns_up 198.18.0.9 198.18.0.200 || { echo "FAIL: the test network"; exit 1; }
work=$(mktemp -d)
cleanup() {
  netns_down
  rm -rf "$work"
}
trap cleanup EXIT

# run_peer NAMESPACE LOG ROOT ARGS...: one PC whose C: is ROOT/c.
run_peer() {
  local ns=$1 log=$2 root=$3
  shift 3
  netns_run "$ns" "$peer" --drives "C=$root/c" --program-folder 'C:\Tralvex' "$@" >"$log" 2>&1
}
# The files under ROOT/c, without the activity logs and the PC's own
# PCInfo.txt, which every PC writes of itself at start.
files_of() { (cd "$1/c" && find . -type f ! -iname '*log*.txt' ! -path ./Tralvex/PCInfo.txt | sort); }
# Whether FILE names the sending PC (a profile that came from it).
names_sender() { grep -qa OLDPC "$1" || iconv -f UTF-16LE -t UTF-8 "$1" 2>/dev/null | grep -q OLDPC; }

peer_old_pc "$work/old" "$dist" 20000000
peer_new_pc "$work/new" "$dist"
peer_new_pc "$work/stranger" "$dist"
files_of "$work/stranger" >"$work/stranger.before"

run_peer b "$work/send.log" "$work/old" --role send --computer OLDPC --listen 198.18.0.200 \
  --accept-peer 198.18.0.9 --timeout 120 &
sender=$!
peer_wait_for "$work/send.log" 'page 10 ' 60 || peer_fail "the sending PC did not start waiting"

# --- a stranger connects first and is refused -------------------------------------
run_peer c "$work/stranger.log" "$work/stranger" --role receive --computer STRANGER --account mallory \
  --connect 198.18.0.200 --timeout 20
stranger=$?
files_of "$work/stranger" >"$work/stranger.after"
if ! grep -q 'message PEERASK.*198\.18\.0\.50' "$work/send.log" || ! grep -q 'answer no' "$work/send.log"; then
  peer_fail "the sending PC's user was not asked about the stranger"
  peer_show_logs "$work/send.log"
elif [ "$stranger" -eq 0 ] || ! cmp -s "$work/stranger.before" "$work/stranger.after" ||
  names_sender "$work/stranger/c/Tralvex/PCInfo.txt"; then
  peer_fail "the stranger got something (exit $stranger)"
  diff "$work/stranger.before" "$work/stranger.after"
  peer_show_logs "$work/stranger.log"
else
  echo "PASS: a stranger at 198.18.0.50 was refused and got no file"
fi

# --- the intended PC searches, is accepted and migrates ---------------------------
start=$(date +%s.%N)
run_peer a "$work/recv.log" "$work/new" --role receive --computer NEWPC --account carol \
  --search 198.18.0.9/255.255.255.0 --map bob=create:robert --timeout 120
recv=$?
wait "$sender"
send=$?
if [ "$recv" -ne 0 ] || [ "$send" -ne 0 ]; then
  peer_fail "migration on the test network: exit $send (send), $recv (receive)"
  peer_show_logs "$work/send.log" "$work/recv.log"
elif ! grep -q 'message PEERASK.*198\.18\.0\.9\b' "$work/send.log"; then
  peer_fail "the sending PC's user was not asked about the receiving PC"
elif ! grep -q 'connection page: .*198\.18\.0\.200.*198\.18\.0\.9' "$work/recv.log"; then
  peer_fail "the receiving PC did not show both addresses while it waited"
  peer_show_logs "$work/recv.log"
elif ! peer_check_moved "$work/old" "$work/new" bob=robert >"$work/check.log"; then
  peer_fail "migration on the test network: files"
  cat "$work/check.log"
else
  echo "PASS: migration from 198.18.0.200 to 198.18.0.9 found by a search" \
    "($(tail -n 1 "$work/check.log"), $(printf '%.1f' "$(echo "$(date +%s.%N) - $start" | bc -l)") s)"
fi

[ "$peer_failures" -eq 0 ]

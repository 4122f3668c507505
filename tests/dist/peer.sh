#!/usr/bin/env bash
# Two headless peers migrate sandbox PCs on loopback: over the network with
# a subnet search, through a sandbox USB drive, a transfer cut off and
# resumed, an earlier store reused (NEWSCAN no), a language mismatch that
# must leave the new PC untouched, a receiving PC killed during the capture
# and started again, and a connect to a port nobody listens on. Native
# build only.
#
# Usage: tests/dist/peer.sh [top]   (PEER_BUILD: the native build folder)
set -uo pipefail

top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
build=${PEER_BUILD:-$top/build/native}
peer=$build/tools/peer/tralvex-peer
dist=$top/dist/native
source "$top/scripts/peer_sandbox.bash"

if [ ! -x "$peer" ] || [ ! -x "$dist/x64/scanstate" ]; then
  echo "peer.sh: build the native peer first ($peer)"
  exit 1
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT


# run_peer LOG ROOT ARGS...: one PC whose C: is ROOT/c.
run_peer() {
  local log=$1 root=$2
  shift 2
  "$peer" --drives "C=$root/c${usb:+;E=$usb}" --program-folder 'C:\Tralvex' --timeout 120 "$@" >"$log" 2>&1
}
start_sender() {
  local log=$1 root=$2
  shift 2
  run_peer "$log" "$root" --role send --computer OLDPC "$@" &
  sender=$!
  pids+=("$sender")
  peer_wait_for "$log" 'page 10 ' 60 || echo "the sending PC did not start waiting: $(tail -n 3 "$log")"
}

usb=
big=40000000

# --- over the network, the sending PC found by a subnet search -------------------
peer_old_pc "$work/old1" "$dist" "$big"
peer_new_pc "$work/new1" "$dist"
port=$(peer_free_port)
start_sender "$work/send1.log" "$work/old1" --port "$port"
listening=$(ss -Hltn "sport = :$port" 2>/dev/null | awk '{ print $4 }')
if [ "$listening" != "127.0.0.1:$port" ]; then
  peer_fail "the sending PC listens on ${listening:-nothing}, not on loopback alone"
fi
run_peer "$work/recv1.log" "$work/new1" --role receive --computer NEWPC --account carol \
  --port "$port" --search 127.0.0.10/255.255.255.0 --map bob=create:robert
recv=$?
wait "$sender"
send=$?
if [ "$recv" -ne 0 ] || [ "$send" -ne 0 ]; then
  peer_fail "network migration: exit $send (send), $recv (receive)"
  peer_show_logs "$work/send1.log" "$work/recv1.log"
elif ! peer_check_moved "$work/old1" "$work/new1" bob=robert >"$work/check1.log"; then
  peer_fail "network migration: files"
  cat "$work/check1.log"
else
  echo "PASS: network migration with a subnet search ($(tail -n 1 "$work/check1.log"))"
fi

# --- the same PC again, keeping the store it made (NEWSCAN no) ---------------------
printf 'budget 2027, written after the capture\n' >"$work/old1/c/Users/alice/Documents/budget.csv"
peer_new_pc "$work/new2" "$dist"
port=$(peer_free_port)
start_sender "$work/send2.log" "$work/old1" --port "$port" --new-scan no
run_peer "$work/recv2.log" "$work/new2" --role receive --computer NEWPC --account carol \
  --port "$port" --connect 127.0.0.1
recv=$?
wait "$sender"
send=$?
if [ "$recv" -ne 0 ] || [ "$send" -ne 0 ]; then
  peer_fail "NEWSCAN no: exit $send (send), $recv (receive)"
  peer_show_logs "$work/send2.log" "$work/recv2.log"
elif ! grep -q 'message NEWSCAN' "$work/send2.log" || grep -q 'stage SCAN' "$work/send2.log"; then
  peer_fail "NEWSCAN no: the question was not asked, or a new capture ran"
  peer_show_logs "$work/send2.log"
elif ! grep -q '^budget 2026$' "$work/new2/c/Users/alice/Documents/budget.csv"; then
  peer_fail "NEWSCAN no: the files did not come from the earlier store"
else
  echo "PASS: NEWSCAN no sends the earlier store again"
fi

# --- through a sandbox USB drive -----------------------------------------------------
peer_old_pc "$work/old3" "$dist" "$big"
peer_new_pc "$work/new3" "$dist"
usb=$work/usb3
mkdir -p "$usb"
run_peer "$work/send3.log" "$work/old3" --role send --computer OLDPC --method usb --usb E
send=$?
run_peer "$work/recv3.log" "$work/new3" --role receive --computer NEWPC --method usb --usb E --account carol --map bob=exclude
recv=$?
usb=
if [ "$recv" -ne 0 ] || [ "$send" -ne 0 ]; then
  peer_fail "USB migration: exit $send (send), $recv (receive)"
  peer_show_logs "$work/send3.log" "$work/recv3.log"
elif ! grep -q '/ue:OLDPC\\bob' "$work/recv3.log"; then
  peer_fail "USB migration: bob was not left out"
  peer_show_logs "$work/recv3.log"
elif ! peer_check_moved "$work/old3" "$work/new3" bob= >"$work/check3.log"; then
  peer_fail "USB migration: files"
  cat "$work/check3.log"
else
  echo "PASS: USB migration, one account left out ($(tail -n 1 "$work/check3.log"))"
fi

# --- a transfer cut off, resumed by starting the receiving PC again -------------------
peer_old_pc "$work/old4" "$dist" "$big"
peer_new_pc "$work/new4" "$dist"
port=$(peer_free_port)
start_sender "$work/send4.log" "$work/old4" --port "$port"
run_peer "$work/recv4a.log" "$work/new4" --role receive --computer NEWPC --account carol \
  --port "$port" --connect 127.0.0.1 --cut-at 10000000
cut=$?
run_peer "$work/recv4b.log" "$work/new4" --role receive --computer NEWPC --account carol \
  --port "$port" --connect 127.0.0.1 --resume yes
recv=$?
wait "$sender"
send=$?
offset=$(grep -a 'COPY CMD: |.COPY, USMT.MIG' "$work/new4/c/Tralvex/TVX_LOG.txt" | tail -n 1 | sed 's/.*, //;s/\r//')
if [ "$cut" -ne 3 ]; then
  peer_fail "resume: the first receiving PC was not cut off (exit $cut)"
  peer_show_logs "$work/recv4a.log"
elif [ "$recv" -ne 0 ] || [ "$send" -ne 0 ]; then
  peer_fail "resume: exit $send (send), $recv (receive)"
  peer_show_logs "$work/send4.log" "$work/recv4b.log"
elif ! grep -q 'message RESUME' "$work/recv4b.log" || [ "${offset:-0}" -le 0 ]; then
  peer_fail "resume: not asked, or the store started again from 0 (offset ${offset:-none})"
  peer_show_logs "$work/recv4b.log"
elif ! peer_check_moved "$work/old4" "$work/new4" >"$work/check4.log"; then
  peer_fail "resume: files"
  cat "$work/check4.log"
else
  echo "PASS: a cut transfer resumed from byte $offset"
fi

# --- a language mismatch: refused on the receiving PC, nothing applied ---------------
peer_new_pc "$work/new5" "$dist"
port=$(peer_free_port)
start_sender "$work/send5.log" "$work/old4" --port "$port" --new-scan no
run_peer "$work/recv5.log" "$work/new5" --role receive --computer NEWPC --account carol \
  --port "$port" --connect 127.0.0.1 --language 1042
recv=$?
kill "$sender" 2>/dev/null
wait "$sender" 2>/dev/null
if [ "$recv" -eq 0 ]; then
  peer_fail "language mismatch: the receiving PC reported success"
elif ! grep -q 'message EXIT/LANG' "$work/recv5.log"; then
  peer_fail "language mismatch: no LANG refusal"
  peer_show_logs "$work/recv5.log"
elif [ -n "$(ls -A "$work/new5/c/Users")" ]; then
  peer_fail "language mismatch: files were applied"
else
  echo "PASS: a language mismatch ends with the LANG refusal and nothing applied"
fi

# --- the same refusal when the store comes on a USB drive ----------------------------
peer_new_pc "$work/new6" "$dist"
usb=$work/usb3
run_peer "$work/recv6.log" "$work/new6" --role receive --computer NEWPC --method usb --usb E \
  --account carol --language 1042
recv=$?
usb=
if [ "$recv" -eq 0 ] || ! grep -q 'message EXIT/LANG' "$work/recv6.log"; then
  peer_fail "USB language mismatch: exit $recv, no LANG refusal"
  peer_show_logs "$work/recv6.log"
elif [ -n "$(ls -A "$work/new6/c/Users")" ] || grep -q 'stage LOAD' "$work/recv6.log"; then
  peer_fail "USB language mismatch: the store was applied"
else
  echo "PASS: a USB store from a PC of another language is refused before anything is applied"
fi

# --- the receiving PC killed during the capture and started again ---------------------
peer_old_pc "$work/old7" "$dist" 3000000
peer_new_pc "$work/new7" "$dist"
port=$(peer_free_port)
# A slow capture, so the receiving PC can be killed while it runs.
TRALVEX_STATETOOL_SLOW_MS=700 start_sender "$work/send7.log" "$work/old7" --port "$port"
# The program itself in the background, not a shell around it: the kill is for it.
"$peer" --drives "C=$work/new7/c" --program-folder 'C:\Tralvex' --timeout 120 --role receive --computer NEWPC \
  --account carol --port "$port" --connect 127.0.0.1 --map bob=create:robert >"$work/recv7a.log" 2>&1 &
first=$!
pids+=("$first")
peer_wait_for "$work/recv7a.log" 'stage SCAN' 60 || echo "the first receiving PC did not reach the capture"
kill -9 "$first" 2>/dev/null
wait "$first" 2>/dev/null
run_peer "$work/recv7b.log" "$work/new7" --role receive --computer NEWPC --account carol \
  --port "$port" --connect 127.0.0.1 --map bob=create:robert
recv=$?
wait "$sender"
send=$?
if [ "$recv" -ne 0 ] || [ "$send" -ne 0 ]; then
  peer_fail "restart during the capture: exit $send (send), $recv (receive)"
  peer_show_logs "$work/send7.log" "$work/recv7b.log"
elif ! grep -q 'page 4 ' "$work/recv7b.log" || ! grep -q 'account options:.*robert' "$work/recv7b.log"; then
  peer_fail "restart during the capture: no account page, or the mapping was not used"
  peer_show_logs "$work/recv7b.log"
elif [ "$(grep -c 'stage SCAN' "$work/send7.log")" -ne 1 ]; then
  peer_fail "restart during the capture: the sending PC did not capture exactly once"
  peer_show_logs "$work/send7.log"
elif ! peer_check_moved "$work/old7" "$work/new7" bob=robert >"$work/check7.log"; then
  peer_fail "restart during the capture: files"
  cat "$work/check7.log"
else
  echo "PASS: a receiving PC started again during the capture checks the profile, maps the accounts and migrates"
fi

# --- a connect to a port nobody listens on ------------------------------------------
peer_new_pc "$work/new8" "$dist"
port=$(peer_free_port)
started=$SECONDS
run_peer "$work/recv8.log" "$work/new8" --role receive --computer NEWPC --account carol \
  --port "$port" --connect 127.0.0.1
recv=$?
took=$((SECONDS - started))
if [ "$recv" -eq 0 ]; then
  peer_fail "nobody listening: the receiving PC reported success"
elif [ "$took" -gt 15 ] || [ "$(grep -c 'message NOSYSTEM' "$work/recv8.log")" -lt 1 ]; then
  peer_fail "nobody listening: no failure message, or it took $took s"
  peer_show_logs "$work/recv8.log"
else
  echo "PASS: a connect to a port nobody listens on fails with NOSYSTEM after $took s (exit $recv)"
fi

[ "$peer_failures" -eq 0 ]

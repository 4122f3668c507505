#!/usr/bin/env bash
# The portable copy runs from another drive: the folder that the copy-program
# action carries (Tralvex inside the program folder, recreated under its own
# name in the chosen folder) is put on a drive U: of its own under Wine, and
# Tralvex.exe started from there shows its window and keeps its files on U:.
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
source "$top/tests/gui/common.bash"

stick=$(mktemp -d)
drive="$WINEPREFIX/dosdevices/u:"
# The program runs in a network namespace of its own: it never sees a real adapter.
namespace=tvxport$$
netns=()
if ip netns add "$namespace" 2>/dev/null; then netns=(ip netns exec "$namespace"); fi
cleanup_stick() { rm -f "$drive"; rm -rf "$stick"; [ ${#netns[@]} -gt 0 ] && ip netns delete "$namespace"; }
trap cleanup_stick EXIT
rm -f "$drive" && ln -s "$stick" "$drive"

cp -r "$top/dist/win64/Tralvex" "$stick/"
cp "$build/support/netapi32.dll" "$stick/Tralvex/"   # lets Wine's user count as an administrator
(cd / && exec "${netns[@]}" env WINEDLLOVERRIDES="mscoree,mshtml=;netapi32=n,b" wine 'U:\Tralvex\Tralvex.exe') >/dev/null 2>&1 &
program=$!
status=0
if wait_window 'Kelvaro Tralvex' >/dev/null; then
  sleep 1
  import -window root "$shots/portable.png"
  echo "U:\\Tralvex\\Tralvex.exe started, screenshot $shots/portable.png"
else
  echo "the portable copy did not start"; status=1
fi
# Start-up writes this PC's profile beside the program it runs from.
for _ in $(seq 20); do [ -f "$stick/Tralvex/PCInfo.txt" ] && break; sleep 0.5; done
[ -f "$stick/Tralvex/PCInfo.txt" ] && echo "its profile is on U:: $(profile_text "$stick/Tralvex/PCInfo.txt" | head -n 1)" ||
  { echo "no PCInfo.txt on U:"; status=1; }
close_wizard && wait_gone "$program" ||
  { wine taskkill /f /im Tralvex.exe >/dev/null 2>&1; echo "Tralvex.exe did not close"; status=1; }
exit $status

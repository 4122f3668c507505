#!/usr/bin/env bash
# Starts Tralvex.exe under Wine on the virtual display, waits for the wizard
# frame, checks its size, saves a screenshot and closes the program the way a
# user would (a close request, not a kill).
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
exe="$top/dist/win64/Tralvex.exe"
shots="$top/build/win64/screenshots"
mkdir -p "$shots"
[ -f "$exe" ] || { echo "missing $exe"; exit 1; }

(cd "$(dirname "$exe")" && exec wine ./Tralvex.exe) >/dev/null 2>&1 &
program=$!

window=
for _ in $(seq 120); do
  window=$(xdotool search --name '^Kelvaro Tralvex$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  echo "the wizard frame did not appear"
  kill "$program" 2>/dev/null
  exit 1
fi

sleep 1  # let the first paint finish
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root "$shots/frame.png"
echo "frame ${WIDTH}x${HEIGHT}, screenshot $shots/frame.png"

wine taskkill /im Tralvex.exe >/dev/null 2>&1
for _ in $(seq 40); do kill -0 "$program" 2>/dev/null || break; sleep 0.5; done
if kill -0 "$program" 2>/dev/null; then
  echo "Tralvex.exe did not close"
  kill "$program" 2>/dev/null
  exit 1
fi

[ "$WIDTH" = 808 ] && [ "$HEIGHT" = 574 ] || { echo "expected 808x574"; exit 1; }

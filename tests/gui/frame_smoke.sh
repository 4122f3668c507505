#!/usr/bin/env bash
# Starts Tralvex.exe under Wine, waits for the wizard frame, checks its size,
# saves a screenshot and closes the program the way a user would (a close
# request, not a kill).
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
source "$top/tests/gui/common.bash"

folder=$(make_program_folder frame)
program=$(start_program "$folder")
window=$(wait_window 'Kelvaro Tralvex') || { echo "the wizard frame did not appear"; kill "$program"; exit 1; }

sleep 1  # let the first paint finish
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root "$shots/frame.png"
echo "frame ${WIDTH}x${HEIGHT}, screenshot $shots/frame.png"

wine taskkill /im Tralvex.exe >/dev/null 2>&1
wait_gone "$program" || { echo "Tralvex.exe did not close"; kill "$program"; exit 1; }
[ "$WIDTH" = 808 ] && [ "$HEIGHT" = 574 ] || { echo "expected 808x574"; exit 1; }

#!/usr/bin/env bash
# Starts Tralvex.exe under Wine in a network namespace of its own, waits for
# the skinned wizard window, checks its size, presses its close button, checks
# that the exit question shows EXIT/EXITDESC and that "yes" ends the program.
# Then once more at 150 % display scaling (LogPixels 144). Screenshots go to
# build/win64/screenshots/.
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
source "$top/tests/gui/common.bash"

namespace=tvxframe$$
netns=()
if ip netns add "$namespace" 2>/dev/null; then netns=(ip netns exec "$namespace"); fi
dpi_key='HKCU\Control Panel\Desktop'
cleanup() {
  wine reg delete "$dpi_key" /v LogPixels /f >/dev/null 2>&1
  [ ${#netns[@]} -gt 0 ] && ip netns delete "$namespace"
}
trap cleanup EXIT
fail() { echo "frame: $*"; wine taskkill /f /im Tralvex.exe >/dev/null 2>&1; exit 1; }
message() { iconv -f UTF-16 -t UTF-8 "$folder/Lang/LangENG.ini" | tr -d '\r' | grep -a "^$1=" | head -n 1 | cut -d= -f2-; }

folder=$(make_program_folder frame)
run() {  # <screenshot suffix>
  (cd "$folder" && exec "${netns[@]}" env WINEDLLOVERRIDES="mscoree,mshtml=;netapi32=n,b" wine ./Tralvex.exe) \
    >/dev/null 2>&1 &
  program=$!
  window=$(wait_window 'Kelvaro Tralvex') || fail "the wizard did not appear"
  sleep 1.5  # the first paint
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" = 808 ] && [ "$HEIGHT" = 574 ] || fail "wizard is ${WIDTH}x${HEIGHT}, expected 808x574"
  import -window root -crop "808x574+$X+$Y" "$shots/frame$1.png"
  xdotool mousemove $((X + 790)) $((Y + 19)) click 1   # the close button at (780,9)
  sleep 1.5
  import -window root -crop "808x574+$X+$Y" "$shots/frame-exit-question$1.png"
  texts=$(window_texts)
  grep -qF "$(message EXIT)" <<<"$texts" || fail "the exit question's headline is missing"
  grep -qF "$(message EXITDESC)" <<<"$texts" || fail "the exit question's text is missing"
  xdotool key Return
  wait_gone "$program" || fail "Tralvex.exe did not end on yes"
  echo "frame$1: ${WIDTH}x${HEIGHT}, exit question answered, screenshots $shots/frame$1.png"
}
run ""
wine reg add "$dpi_key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
run "-150"

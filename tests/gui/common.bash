# Shared steps of the GUI tests under Wine; sourced, not run.
# Expects DISPLAY, WINEPREFIX and WINEDEBUG from scripts/test.

top=${top:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
build="$top/build/win64"
shots="$build/screenshots"
mkdir -p "$shots"

# A program folder of its own for one test: the built program folder plus
# the test-only netapi32.dll that lets Wine's user count as an administrator.
make_program_folder() {
  local folder="$build/gui/$1"
  rm -rf "$folder"
  mkdir -p "$folder"
  cp -r "$top/dist/win64/." "$folder/"
  cp "$build/support/netapi32.dll" "$folder/"
  echo "$folder"
}

# Starts Tralvex.exe of a program folder in the background; extra variables
# may be given as NAME=value before the folder.
start_program() {
  local env=()
  while [[ $1 == *=* ]]; do env+=("$1"); shift; done
  (cd "$1" && exec env "${env[@]}" WINEDLLOVERRIDES="mscoree,mshtml=;netapi32=n,b" \
     wine ./Tralvex.exe) >/dev/null 2>&1 &
  echo $!
}

# Waits until a window with exactly this title shows; prints its id.
wait_window() {
  local window
  for _ in $(seq 120); do
    window=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] && { echo "$window"; return 0; }
    sleep 0.5
  done
  return 1
}

# Waits up to 20 s for a process to end.
wait_gone() {
  for _ in $(seq 40); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.5; done
  return 1
}

# The texts of every visible window of the Wine session.
window_texts() { wine "$build/support/window_texts.exe" 2>/dev/null | tr -d '\r'; }

# A UTF-16LE or ANSI profile as UTF-8 text without CRs.
profile_text() {
  if [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' ')" = fffe ]; then
    iconv -f UTF-16 -t UTF-8 "$1" | tr -d '\r'
  else
    tr -d '\r' <"$1"
  fi
}

# Closes the wizard as a user would: a close request, answered "yes" at the
# exit question. Returns non-zero when no question showed.
close_wizard() {
  wine taskkill /im Tralvex.exe >/dev/null 2>&1
  for _ in $(seq 40); do
    [ "$(xdotool search --name '^Kelvaro Tralvex$' 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.25
  done
  [ "$(xdotool search --name '^Kelvaro Tralvex$' 2>/dev/null | wc -l)" -ge 2 ] || return 1
  sleep 0.5
  xdotool key Return
}

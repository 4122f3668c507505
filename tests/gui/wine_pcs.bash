# Two PCs under Wine for the GUI runs, each with a Wine prefix, a program
# folder and a network namespace of its own (scripts/netns.bash: the old PC
# at 198.18.0.200 in namespace b, the new PC at 198.18.0.9 in namespace a),
# and the steps a user takes in their wizards: clicks on the controls that
# show a language file's texts, waits for texts, screenshots. Sourced, not
# run: the script sets `run_name` (for messages) and
# `shot_prefix` (of its screenshots, <prefix>-<name>.png) first, `work` (its
# folder under $build) after, and `language` (the language
# file's three letters) and `language_env` (the PC's locale) for each run.
# Skips the calling script when network namespaces cannot be made.
source "$top/tests/gui/common.bash"
source "$top/scripts/netns.bash"
shots=${RUN_SHOTS:-$shots}
mkdir -p "$shots"
language=${language:-eng}
language_env=()

if ! netns_available; then
  echo "SKIP: network namespaces cannot be made here (root and iproute2 needed)"
  exit 0
fi
[ -f "$WINEPREFIX/system.reg" ] || { echo "$run_name: no Wine prefix at $WINEPREFIX"; exit 1; }

# A display of our own, wide enough for both wizards side by side.
display=120
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1660x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

# The Wine user, whose profile folder is drive_c/users/<user>.
user=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public -printf '%f\n' | head -n 1)
cleanup() {
  for pc in old new; do WINEPREFIX=$work/$pc/prefix wineserver -k >/dev/null 2>&1; done
  netns_down
  kill "$xvfb" >/dev/null 2>&1
}
trap cleanup EXIT

fail() {
  echo "$run_name ($language): $*"
  for pc in old new; do
    echo "--- texts on the $pc PC:"
    on "$pc" wine "$build/support/window_texts.exe" --visible 2>/dev/null | tr -d "\r" | head -n 60
  done
  exit 1
}

# One PC: a copy of the test prefix whose management service lists the Wine
# user (tests/support/wine/wmi_accounts.cpp), and a program folder.
make_pc() {
  local pc=$1
  rm -rf "${work:?}/$pc"
  mkdir -p "$work/$pc"
  cp -a "$WINEPREFIX" "$work/$pc/prefix"
  # Wine links the user's Documents, Desktop, Music... to the Unix home
  # folder; each PC gets folders of its own instead.
  local link
  for link in "$work/$pc/prefix/drive_c/users/$user"/*; do
    [ -L "$link" ] && rm "$link" && mkdir "$link"
  done
  cp -r "$top/dist/win64/." "$work/$pc/program/"
  cp "$build/support/netapi32.dll" "$work/$pc/program/"
  WINEPREFIX=$work/$pc/prefix wine reg add \
    'HKLM\Software\Classes\CLSID\{4590F811-1D3A-11D0-891F-00AA004B2E24}\InprocServer32' \
    /ve /d "$(winepath -w "$build/support/wmi_accounts.dll")" /f >/dev/null 2>&1
}

# on PC PROGRAM...: runs a program with that PC's prefix, in that PC's
# namespace.
on() {
  local pc=$1 ns=b
  shift
  [ "$pc" = new ] && ns=a
  WINEPREFIX=$work/$pc/prefix netns_run "$ns" env WINEPREFIX="$work/$pc/prefix" "$@"
}

# text SECTION KEY: a text of the language file of this run.
text() {
  iconv -f UTF-16 -t UTF-8 "$top/dist/win64/Lang/Lang${language^^}.ini" | tr -d '\r' |
    awk -v section="[$1]" -v key="$2" -F= '
      /^\[/ { inside = ($0 == section) }
      inside && $1 == key { sub(/^[^=]*=/, ""); print; exit }'
}

# wait_text PC TEXT [SECONDS]: waits until TEXT shows on that PC.
wait_text() {
  local pc=$1 wanted=$2 seconds=${3:-60}
  for _ in $(seq $((seconds * 2))); do
    on "$pc" wine "$build/support/window_texts.exe" --visible 2>/dev/null | tr -d '\r' | grep -qxF -- "  $wanted" && return 0
    sleep 0.5
  done
  return 1
}

# wait_percent PC: waits until a percentage shows on that PC's page.
wait_percent() {
  for _ in $(seq 120); do
    on "$1" wine "$build/support/window_texts.exe" --visible 2>/dev/null | tr -d '\r' |
      grep -qE '^  [0-9]+%$' && return 0
    sleep 0.25
  done
  return 1
}

# click PC TEXT: a pointer click in the middle of the visible, enabled
# control that shows TEXT (waits up to 30 s for it).
click() {
  local pc=$1 wanted=$2 where
  for _ in $(seq 60); do
    where=$(on "$pc" wine "$build/support/window_texts.exe" --where "$wanted" 2>/dev/null | tr -d '\r')
    if [ -n "$where" ]; then
      # shellcheck disable=SC2086
      xdotool mousemove $where click 1
      sleep 0.5
      return 0
    fi
    sleep 0.5
  done
  fail "no enabled '$wanted' on the $pc PC"
}

# shot PC NAME: the PC's wizard (and any dialog over it) as NAME.
shot() {
  local pc=$1 window=$old_window
  [ "$pc" = new ] && window=$new_window
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "808x574+$X+$Y" +repage "$shots/$shot_prefix-$2.png"
}

# start_pc PC [ARGUMENT]: starts Tralvex.exe of a PC and places its window:
# the old PC on the left. The stand-in tool pauses 2.5 s a file, so every
# stage stays long enough to be seen with its percentage.
start_pc() {
  local pc=$1 x=0 window
  [ "$pc" = new ] && x=830
  local before
  before=$(xdotool search --name '^Kelvaro Tralvex$' 2>/dev/null | sort)
  (cd "$work/$pc/program" && on "$pc" "${language_env[@]}" \
     TVX_USB_DRIVES=E TVX_GUI_OBJECTS_FILE="$(winepath -w "$work/$pc/gui-objects.txt" 2>/dev/null)" \
     TRALVEX_STATETOOL_SLOW_MS=2500 WINEDLLOVERRIDES="mscoree,mshtml=;netapi32=n,b" wine ./Tralvex.exe ${2:+"$2"}) >"$work/$pc.log" 2>&1 &
  for _ in $(seq 120); do
    window=$(comm -13 <(echo "$before") <(xdotool search --name '^Kelvaro Tralvex$' 2>/dev/null | sort) | head -n 1)
    [ -n "$window" ] && break
    sleep 0.5
  done
  [ -n "$window" ] || fail "the $pc PC's wizard did not open"
  sleep 1  # Wine places the window when it first shows
  xdotool windowmove "$window" "$x" 0
  for _ in $(seq 20); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$X" = "$x" ] && break
    sleep 0.25
  done
  sleep 1  # and takes the new place in
  printf -v "${pc}_window" '%s' "$window"
}

# gui_objects PC: "GDI USER OWN", the objects Tralvex.exe of that PC holds
# now, OWN without the device contexts and regions that Wine keeps for each
# window once it has painted (written from inside the program by the test
# netapi32.dll).
gui_objects() {
  local file=$work/$1/gui-objects.txt round
  # The second count written after this call began is all of it now.
  for round in 1 2; do
    rm -f "$file"
    for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.1; done
  done
  tr -d "\r" <"$file" 2>/dev/null
}

# locale_env LOCALE [MESSAGES]: the variables that start a PC's Wine in
# LOCALE, with the user-interface language of MESSAGES when given (the
# display language, which Windows sets apart from the regional format).
# The locales are built for the run: without one installed, Wine reads the
# file names of the Unix side as ASCII.
locale_env() {
  local name
  mkdir -p "$work/locale"
  for name in "$1" ${2:+"$2"}; do
    [ -d "$work/locale/$name.UTF-8" ] ||
      localedef -i "$name" -f UTF-8 "$work/locale/$name.UTF-8" >/dev/null 2>&1 || fail "no locale $name"
  done
  language_env=(LOCPATH="$work/locale" LANG="$1.UTF-8")
  if [ -n "${2:-}" ]; then language_env+=(LC_MESSAGES="$2.UTF-8"); else language_env+=(LC_ALL="$1.UTF-8"); fi
}

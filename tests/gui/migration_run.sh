#!/usr/bin/env bash
# Whole migrations between two Tralvex.exe under Wine, driven by a user's
# clicks: first the old PC (198.18.0.200) sends over the network and the new
# PC (198.18.0.9) searches its /24, finds it, and receives; then the old PC
# captures onto a USB drive (a folder both PCs see as E:, which the test
# netapi32.dll reports on the USB bus) and the new PC applies from it. Each
# PC has a Wine prefix, a program folder and a network namespace of its own
# (scripts/netns.bash), so the programs reading the adapter table see only
# the test network. The clicks are real pointer clicks on the controls that
# show the language file's texts; every page reached is saved as a
# screenshot, and at the end the completion page must show the files, the
# size and the time, and every file of the old PC's documents must have
# arrived byte for byte.
#
# Usage: tests/gui/migration_run.sh [top]
# Environment: RUN_LANGUAGES (default "eng kor"), RUN_SHOTS (screenshot
# folder, default build/win64/screenshots). Skips when network namespaces
# cannot be made. Needs the win64 build and an initialised WINEPREFIX (as
# scripts/test makes it).
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
run_name="migration run"
shot_prefix=run-eng
source "$top/tests/gui/wine_pcs.bash"
work=$build/gui/migration-run

# check_leaks PC BEFORE: the PC holds within a few objects of BEFORE, its
# count on the intro page. Each page loads its pictures, fonts and cached
# button faces the first time it shows and keeps them while the program
# runs (about 16 objects over a whole pass); a leak grows with every paint,
# search or transfer block, far beyond that.
check_leaks() {
  local gdi_before user_before own_before gdi_now user_now own_now
  read -r gdi_before user_before own_before <<<"$2"
  read -r gdi_now user_now own_now <<<"$(gui_objects "$1")"
  [ -n "$own_before" ] && [ -n "$own_now" ] || fail "no object counts from the $1 PC"
  echo "migration run ($language): the $1 PC holds GDI $gdi_before -> $gdi_now (its own $own_before -> $own_now)," \
    "USER $user_before -> $user_now"
  [ $((own_now - own_before)) -le 24 ] && [ $((user_now - user_before)) -le 8 ] ||
    fail "the $1 PC holds more objects at the end than on its first page"
}

# The old PC's documents: random bytes, which no transfer can fake; and two
# installed programs for the software list.
fill_documents() {
  local program
  for program in "Orchard Photo Editor 5" "Quillnote 2026"; do
    on old wine reg add "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$program" \
      /v DisplayName /d "$program" /f >/dev/null 2>&1
    on old wine reg add "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$program" \
      /v UninstallString /d "C:\\Program Files\\$program\\uninstall.exe" /f >/dev/null 2>&1
  done
  local docs=$work/old/prefix/drive_c/users/$user/Documents
  mkdir -p "$docs/Reports 2026" "$work/old/prefix/drive_c/users/$user/Desktop"
  head -c 3000000 /dev/urandom >"$docs/Reports 2026/annual.bin"
  head -c 700000 /dev/urandom >"$docs/Reports 2026/été.png"
  printf 'Dear new PC,\r\nwelcome.\r\n' >"$docs/letter.txt"
  printf 'todo: move\r\n' >"$work/old/prefix/drive_c/users/$user/Desktop/todo.txt"
}

# check_moved WAY: the completion page shows the files, the size and the
# time taken, and every document of the old PC arrived byte for byte.
check_moved() {
  local texts
  texts=$(on new wine "$build/support/window_texts.exe" --visible | tr -d '\r')
  grep -qE '^  (0 |0$)' <<<"$texts" && fail "the completion page shows nothing moved"
  grep -qE '^  [0-9]{2}:[0-9]{2}:[0-9]{2}$' <<<"$texts" || fail "the completion page shows no time taken"

  # Every document arrived byte for byte.
  local moved=0 file
  while IFS= read -r -d '' file; do
    local relative=${file#"$work/old/prefix/drive_c/users/$user/"}
    cmp -s "$file" "$work/new/prefix/drive_c/users/$user/$relative" || fail "'$relative' did not arrive intact"
    moved=$((moved + 1))
  done < <(find "$work/old/prefix/drive_c/users/$user/Documents" "$work/old/prefix/drive_c/users/$user/Desktop" \
             -type f -print0)
  [ "$moved" -ge 4 ] || fail "only $moved documents to compare"
  profile_text "$work/new/program/Applist.ini" | grep -qx "Orchard Photo Editor 5" ||
    fail "the old PC's programs did not reach the new PC's software list"
  echo "$1 run ($language): $moved documents moved byte for byte; completion page: $(
    grep -E '^  ([0-9]|[0-9.]+ [A-Za-z]+$)' <<<"$texts" | tr -d ' ' | tr '\n' ' ')"
}

run_language() {
  language=$1
  shot_prefix=run-$language
  language_env=()
  [ "$language" = kor ] && locale_env ko_KR
  netns_up 198.18.0.9 198.18.0.200 || fail "the test network could not be made"
  trap cleanup EXIT
  make_pc old
  make_pc new
  fill_documents
  local next send receive network yes finish
  next=$(text COMMON NEXT) send=$(text COMMON SENDPC) receive=$(text COMMON RECEIVEPC)
  network=$(text COMMON TNETWORK) yes=$(text COMMON YES) finish=$(text COMMON FINISH)

  # The old PC: send over the network, the data page, then it waits.
  start_pc old
  wait_text old "$next" || fail "the old PC shows no intro page"
  shot old 01-intro
  local old_objects new_objects
  old_objects=$(gui_objects old)
  click old "$next"
  click old "$send"
  click old "$network"
  shot old 02-send-network
  click old "$next"
  wait_text old "$(text SELECTDATA PAGEDESC)" || fail "the old PC shows no data page"
  shot old 03-data
  click old "$next"
  wait_text old "$(text NTCONFIG WAITDESC)" || fail "the old PC does not wait for the new PC"
  shot old 04-waiting

  # The new PC: receive over the network; it searches and finds the old PC.
  start_pc new
  wait_text new "$next" || fail "the new PC shows no intro page"
  new_objects=$(gui_objects new)
  click new "$next"
  click new "$receive"
  click new "$network"
  shot new 05-receive-network
  click new "$next"
  wait_text old "$(text MESSAGE PEERASK)" 60 || fail "the old PC was never asked about the new PC"
  shot new 06-found-connecting
  shot old 07-asked
  click old "$yes"
  wait_text new "$(text ACCOUNT PAGEDESC)" 60 || fail "the new PC shows no account page"
  shot new 08-accounts
  click new "$next"
  # Each stage with its percentage, as the stand-in tool goes slowly.
  wait_text old "$(text RUN SCAN)" 60 || fail "the old PC does not collect"
  wait_percent old || fail "the old PC shows no percentage while collecting"
  shot old 09-collecting
  shot new 10-waiting-for-the-store
  wait_text new "$(text RUN LOAD)" 120 || fail "the new PC does not apply"
  wait_percent new || fail "the new PC shows no percentage while applying"
  shot new 11-applying
  shot old 12-receiver-applies
  wait_text new "$(text COMPLETE PAGEDESC)" 180 || fail "the new PC never completed"
  wait_text old "$(text FINISH PAGEDESC)" 30 || fail "the old PC never finished"
  shot old 13-finish
  shot new 14-complete
  check_leaks old "$old_objects"
  check_leaks new "$new_objects"

  check_moved network
  click new "$finish"
  # The restart question on leaving the completion page: not now.
  click new "$(text COMMON NO)"
  click old "$finish"
  for pc in old new; do on "$pc" wineserver -w; done

  # After the restart the new PC's follow-up starts "/config": the
  # configuration page, and the old PC's programs in the software dialog.
  start_pc new /config
  wait_text new "$(text CONFIGURATION TITLE)" 60 || fail "'/config' shows no configuration page"
  shot new 15-configuration
  click new "$(text CONFIGURATION DESC3)"
  wait_text new "$(text COMMON SAVE)" 30 || fail "the software dialog did not open"
  shot new 16-software-list
  click new "$(text COMMON CLOSE)"
  click new "$finish"
  on new wineserver -w
  netns_down
  usb_run
}

# The same documents through a USB drive: the old PC captures onto E:, the
# new PC applies from it.
usb_run() {
  netns_up 198.18.0.9 198.18.0.200 || fail "the test network could not be made"
  trap cleanup EXIT
  make_pc old
  make_pc new
  fill_documents
  rm -rf "${work:?}/usb"
  mkdir -p "$work/usb"
  # Wine finds its drives when a session starts: end the sessions that
  # setting the PCs up began.
  for pc in old new; do
    ln -sfn "$work/usb" "$work/$pc/prefix/dosdevices/e:"
    WINEPREFIX=$work/$pc/prefix wineserver -k >/dev/null 2>&1
  done
  local next finish usb
  next=$(text COMMON NEXT) finish=$(text COMMON FINISH) usb=$(text COMMON TUSB)

  start_pc old
  click old "$next"
  click old "$(text COMMON SENDPC)"
  click old "$usb"
  click old "$next"
  wait_text old "$(text SELECTDATA PAGEDESC)" || fail "the old PC shows no data page"
  click old "$next"
  wait_text old "$(text SELECTDATASTORE TITLE)" || fail "the old PC shows no USB drive page"
  shot old 21-usb-drives
  click old "(E:)*"
  shot old 22-usb-drive-chosen
  click old "$next"
  wait_percent old || fail "the old PC shows no percentage while capturing onto the drive"
  shot old 23-usb-capturing
  wait_text old "$(text FINISH PAGEDESC)" 120 || fail "the old PC never finished the capture"
  shot old 24-usb-finish
  [ -s "$work/usb/TVX/USMT/USMT.MIG" ] || fail "no store on the USB drive"
  click old "$finish"
  on old wineserver -w

  start_pc new
  click new "$next"
  click new "$(text COMMON RECEIVEPC)"
  click new "$usb"
  click new "$next"
  wait_text new "$(text ACCOUNT PAGEDESC)" 60 || fail "the new PC found no store on the drive"
  shot new 25-usb-accounts
  click new "$next"
  wait_percent new || fail "the new PC shows no percentage while applying from the drive"
  shot new 26-usb-applying
  wait_text new "$(text COMPLETE PAGEDESC)" 120 || fail "the new PC never completed from the drive"
  shot new 27-usb-complete
  check_moved USB
  click new "$finish"
  click new "$(text COMMON NO)"
  on new wineserver -w
  netns_down
}

for language in ${RUN_LANGUAGES:-eng kor}; do run_language "$language"; done
echo "migration run: screenshots $shots/run-*.png"

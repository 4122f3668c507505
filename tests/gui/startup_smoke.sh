#!/usr/bin/env bash
# Start-up under Wine: the OS section of PCInfo.txt is written beside the
# program in its order, a second copy ends silently while the first runs,
# and a refused user-interface language shows its headline and writes nothing.
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
source "$top/tests/gui/common.bash"
fail() { echo "startup: $*"; wine taskkill /f /im Tralvex.exe >/dev/null 2>&1; exit 1; }

folder=$(make_program_folder startup)
first=$(start_program "$folder")
wait_window 'Kelvaro Tralvex' >/dev/null || fail "the wizard did not open"
keys=$(profile_text "$folder/PCInfo.txt" | sed -n '/^\[OS\]/,/^\[/p' | grep -o '^[A-Z]*=' | tr -d '=\n' )
[ "$keys" = OSVEROSSKUOSARCILANG ] || fail "OS section keys: '$keys'"
profile_text "$folder/PCInfo.txt" | grep -q '^OSARCI=8$' || fail "OSARCI is not 8"
echo "OS section: $(profile_text "$folder/PCInfo.txt" | tr '\n' ' ')"

second=$(start_program "$folder")
wait_gone "$second" || fail "the second copy did not end"
count=$(xdotool search --name '^Kelvaro Tralvex$' 2>/dev/null | wc -l)
[ "$count" = 1 ] || fail "$count windows after the second start"
close_wizard || fail "no exit question"
wait_gone "$first" || fail "the first copy did not close"

# The refused languages: each refused with the WMILANG headline of its own
# language file (Ukrainian reads the Russian one), and nothing written.
for refused in ru_RU:LangRUS uk_UA:LangRUS hr_HR:LangSCR; do
  locale=${refused%%:*}
  rm -f "$folder/PCInfo.txt"
  headline=$(grep -a -i '^WMILANG=' <(iconv -f UTF-16 -t UTF-8 "$folder/Lang/${refused#*:}.ini" | tr -d '\r') | head -n 1 | cut -d= -f2-)
  [ -n "$headline" ] || fail "no WMILANG text in ${refused#*:}.ini"
  copy=$(start_program LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 "$folder")
  box=$(wait_window 'Kelvaro Tralvex') || fail "$locale: no refusal was shown"
  sleep 1
  import -window root "$shots/startup-refused-$locale.png"
  window_texts | grep -qF "$headline" || fail "$locale: the refusal does not say '$headline'"
  xdotool key --window "$box" Return 2>/dev/null
  wait_gone "$copy" || fail "$locale: the refused copy did not end"
  if [ -e "$folder/PCInfo.txt" ] && profile_text "$folder/PCInfo.txt" | grep -q '^\[OS\]'; then
    fail "$locale: OS section written"
  fi
  echo "refused language $locale: '$headline'"
done

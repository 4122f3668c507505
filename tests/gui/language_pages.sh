#!/usr/bin/env bash
# Tralvex.exe started under Wine in German, Greek, Arabic, Hebrew, Korean
# and English: each comes up in its language, shows the migration-type page and
# the data page in it, opens its own help file from the help button and
# asks the exit question in its message dialog. Arabic and Hebrew read
# from right to left. Screenshots build/win64/screenshots/lang-<locale>-*.png.
#
# Windows draws every one of these scripts in Segoe UI (Korean through its
# font link to Malgun Gothic). Here each run draws in one face that holds
# its letters in every weight: Noto Sans CJK KR for Korean, DejaVu Sans for
# Arabic (which it shapes) and Hebrew, Noto Sans for the rest.
#
# Arabic runs with the regional format of Egypt and the display language
# Arabic (LC_MESSAGES ar_SA), as Windows has it: its Arabic display
# language is Arabic (Saudi Arabia), whatever the region.
#
# Usage: tests/gui/language_pages.sh [top]
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
run_name="language pages"
shot_prefix=lang
source "$top/tests/gui/wine_pcs.bash"
source "$top/scripts/wine_session.bash"
work=$build/gui/language-pages

# hh_opened FILE: waits until a help viewer runs with FILE of this PC's
# program folder; ends it.
hh_opened() {
  for _ in $(seq 40); do
    if pgrep -af 'hh\.exe' | grep -qF "$1"; then
      on old wine taskkill /f /im hh.exe >/dev/null 2>&1
      return 0
    fi
    sleep 0.5
  done
  return 1
}

# locale:language file:help file[:display language]
runs=(de_DE:ger:help_GER.chm el_GR:gre:help_GRE.chm ar_EG:ara:help_ARA.chm:ar_SA
      he_IL:heb:help_HEB.chm ko_KR:kor:help_kor.chm en_US:eng:help_eng.chm)
netns_up 198.18.0.9 198.18.0.200 || fail "the test network could not be made"
trap cleanup EXIT
make_pc old
for run in "${runs[@]}"; do
  IFS=: read -r locale language help display <<<"$run"
  locale_env "$locale" "$display"
  shot_prefix=lang-$locale
  case $locale in
    ko_*) face="Noto Sans CJK KR" ;;
    ar_* | he_*) face="DejaVu Sans" ;;
    *) face="Noto Sans" ;;
  esac
  wine_ui_fonts "$face" on old
  on old wineserver -w
  start_pc old
  wait_text old "$(text COMMON NEXT)" || fail "$locale: the intro page is not in its language"
  click old "$(text COMMON NEXT)"
  click old "$(text COMMON SENDPC)"
  click old "$(text COMMON TUSB)"
  wait_text old "$(text SELECTMIGRATIONTYPE PAGEDESC)" || fail "$locale: no migration-type page"
  shot old 1-migration-type
  click old "$(text COMMON NEXT)"
  wait_text old "$(text SELECTDATA PAGEDESC)" || fail "$locale: no data page"
  shot old 2-data
  click old "$(text MAIN HELPTOOLTIP)"
  hh_opened "$help" || fail "$locale: the help button did not open $help"
  echo "language pages ($locale): the help button opened $help"
  # The frame's close button, top right.
  xdotool mousemove --window "$old_window" 790 19 click 1
  wait_text old "$(text MESSAGE EXITDESC)" 20 || fail "$locale: the exit question is not in its language"
  shot old 3-exit-question
  click old "$(text COMMON YES)"
  on old wineserver -w
  echo "language pages ($locale): migration type, data page and exit question in $language"
done
echo "language pages: screenshots $shots/lang-*.png"

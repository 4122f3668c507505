#!/usr/bin/env bash
# The installer under Wine: the 64-bit build of the installer script (this
# machine runs no 32-bit code) installs silently into the folder the firewall
# rule names for the program, with its shortcut and its entry in the list of
# installed programs; the installed program starts; the version agrees
# everywhere; the silent uninstall leaves nothing behind.
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
source "$top/tests/gui/common.bash"

version=$(sed -n 's/^#define TVX_VERSION_TEXT "\(.*\)"$/\1/p' "$build/generated/core/program_version.h")
installer="$build/installer/Tralvex-$version-setup-amd64.exe"
shipped="$top/dist/Tralvex-$version-setup.exe"
[ -n "$version" ] && [ -f "$installer" ] || { echo "no installer for version '$version' in $build/installer"; exit 1; }

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvaro Tralvex'
reg_value() { wine reg query "$key" /v "$1" /reg:32 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
unix_path() { winepath -u "$1" 2>/dev/null; }
fail() { echo "$*"; status=1; }
status=0
# The program runs in a network namespace of its own: it never sees a real adapter.
namespace=tvxinst$$
netns=()
if ip netns add "$namespace" 2>/dev/null; then netns=(ip netns exec "$namespace"); fi
trap '[ ${#netns[@]} -gt 0 ] && ip netns delete "$namespace"' EXIT

# The folder the firewall rule names on 64-bit Windows (architecture code 8);
# on 32-bit Windows (code 7) %ProgramFiles% is that same 32-bit folder.
rule_exe=$(wine cmd /c 'echo %ProgramFiles(x86)%\Kelvaro\Kelvaro Tralvex\Tralvex.exe' 2>/dev/null | tr -d '\r')
folder=$(dirname "$(unix_path "$rule_exe")")
menu=$(unix_path "$(wine cmd /c 'echo %ProgramData%' 2>/dev/null | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\Kelvaro Tralvex")

wine "$installer" /S || fail "the installer failed"
[ -f "$(unix_path "$rule_exe")" ] && echo "installed: $rule_exe" || fail "no program at $rule_exe"
for file in Tralvex.ini MigCustom.xml Tralvex.xml Tralvex_64.xml Lang/LangENG.ini Help/help_eng.chm Help/help_kor.chm x86/Readme.txt x64/Readme.txt \
            Tralvex/Tralvex.exe Tralvex/Lang/LangENG.ini Tralvex/Help/help_eng.chm Tralvex/Tralvex_64.xml Uninstall.exe; do
  [ -f "$folder/$file" ] || fail "not installed: $file"
done
ls "$folder"/x86 "$folder"/x64 | grep -qi 'scanstate\|loadstate' && fail "the state tool was installed"
[ -f "$menu/Kelvaro Tralvex.lnk" ] && echo "shortcut: $menu/Kelvaro Tralvex.lnk" || fail "no Start-menu shortcut"
shown=$(reg_value DisplayName)
[ "$shown" = "Kelvaro Tralvex" ] && echo "entry: $shown $(reg_value DisplayVersion), $(reg_value UninstallString)" ||
  fail "no entry in the 32-bit list of installed programs"

# One version: the generated header, the program's version resource, the
# installed entry and both installers' own version resources.
carriers=("$folder/Tralvex.exe" "$installer")
[ -f "$shipped" ] && carriers+=("$shipped")
for exe in "${carriers[@]}"; do
  got=$(strings -el "$exe" | grep -A1 -x ProductVersion | sed -n 2p)
  [ "$got" = "$version" ] || [ "$got" = "$version.0" ] || fail "$(basename "$exe") carries version '$got', not $version"
done
[ "$(reg_value DisplayVersion)" = "$version" ] || fail "the entry carries version $(reg_value DisplayVersion)"
echo "version $version: header, entry, $(for exe in "${carriers[@]}"; do printf '%s ' "$(basename "$exe")"; done)"

# The installed program starts (with the test-only administrator stand-in,
# taken out again before the uninstall).
cp "$build/support/netapi32.dll" "$folder/"
(cd "$folder" && exec "${netns[@]}" env WINEDLLOVERRIDES="mscoree,mshtml=;netapi32=n,b" wine ./Tralvex.exe) \
  >/dev/null 2>&1 &
program=$!
if window=$(wait_window 'Kelvaro Tralvex'); then
  sleep 1
  import -window root "$shots/installed.png"
  echo "the installed program started, screenshot $shots/installed.png"
else
  fail "the installed program did not start"
fi
close_wizard && wait_gone "$program" || { wine taskkill /f /im Tralvex.exe >/dev/null 2>&1; fail "Tralvex.exe did not close"; }
rm -f "$folder/netapi32.dll"

# The uninstaller runs on from a copy of itself, so wait for its work.
wine "$folder/Uninstall.exe" /S
for _ in $(seq 60); do [ -e "$folder" ] || break; sleep 0.5; done
[ -e "$folder" ] && fail "left behind: $(cd "$folder" && find . -mindepth 1 | head -n 5 | tr '\n' ' ')"
[ -e "$(dirname "$folder")" ] && fail "the maker's folder $(dirname "$folder") was left behind"
[ -e "$menu" ] && fail "the Start-menu folder was left behind"
[ -z "$(reg_value DisplayName)" ] || fail "the entry was left behind"
[ $status -eq 0 ] && echo "uninstalled: no file, no shortcut, no entry left"
exit $status

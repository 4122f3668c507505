#!/usr/bin/env bash
# The two Windows programs are of the right kind and need nothing but the
# system's own DLLs: the C++ runtime is linked in, never shipped beside them.
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
system_dlls='^(advapi32|comctl32|comdlg32|gdi32|gdiplus|iphlpapi|kernel32|msvcrt|netapi32|ole32|oleaut32|shell32|shlwapi|user32|version|ws2_32|mswsock|crypt32|setupapi|wbemuuid)\.dll$'
status=0
check() {
  local exe=$1 kind=$2
  file -b "$exe" | grep -q "^$kind" || { echo "$exe: $(file -b "$exe"), expected $kind"; status=1; }
  while read -r dll; do
    echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$system_dlls" || { echo "$exe needs $dll"; status=1; }
  done < <(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
}
check "$top/dist/win32/Tralvex.exe" 'PE32 executable (GUI) Intel 80386'
check "$top/dist/win64/Tralvex.exe" 'PE32+ executable (GUI) x86-64'
[ $status -eq 0 ] && echo "Tralvex.exe: PE32 and PE32+ GUI programs, system DLLs only"
exit $status

#!/usr/bin/env bash
# Every language of the program's table has a help project under res/help/;
# every help project is compiled into Help/ of both Windows
# program folders under the name the program's language table gives it, as a
# valid compiled help file; every language has the same topics as English and
# its project compiles all of them, and its contents and index point only at
# topics that exist.
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
status=0
fail() { echo "help: $*"; status=1; }

names=$(grep -o 'help_[A-Za-z]*\.chm' "$top/src/core/language_table.cpp" | sort -u)
topics() { (cd "$1" && ls -- *.htm 2>/dev/null | sort); }
english=$(topics "$top/res/help/eng")
[ -n "$english" ] || fail "res/help/eng has no topics"

count=0
for dir in "$top"/res/help/*/; do
  code=$(basename "$dir")
  name=$(grep -iFx "help_$code.chm" <<<"$names")
  [ -n "$name" ] || { fail "res/help/$code: no help_$code.chm in the language table"; continue; }
  [ "$(topics "$dir")" = "$english" ] ||
    fail "res/help/$code: topics differ from English: $(diff <(echo "$english") <(topics "$dir") | grep '^[<>]' | tr '\n' ' ')"
  listed=$(sed -n '/^\[FILES\]/,/^\[/p' "$dir/help.hhp" | tr -d '\r' | grep '\.htm$' | sort)
  [ "$listed" = "$(topics "$dir")" ] || fail "res/help/$code/help.hhp does not list exactly the folder's topics"
  for target in $(cat "$dir/toc.hhc" "$dir/index.hhk" | grep -aio 'name="Local" value="[^"#]*' | sed 's/.*value="//' | sort -u); do
    [ -f "$dir/$target" ] || fail "res/help/$code: contents or index points to missing $target"
  done
  for preset in win64 win32; do
    chm="$top/dist/$preset/Help/$name"
    if [ ! -f "$chm" ]; then
      fail "dist/$preset/Help/$name missing"
    elif [ "$(head -c 4 "$chm")" != ITSF ]; then
      fail "dist/$preset/Help/$name is not a compiled help file"
    fi
  done
  count=$((count + 1))
done
# Every language of the table has its help.
for name in $names; do
  code=${name#help_}
  code=${code%.chm}
  [ -d "$top/res/help/${code,,}" ] || fail "$name has no help project res/help/${code,,}"
done
[ $status -eq 0 ] && echo "help: $count languages compiled into both program folders"
exit $status

# Sandbox PCs for the headless peer, shared by scripts/demo and the peer
# integration test (tests/dist/peer.sh). Source it; it defines functions only.
#
# A sandbox PC is a host folder whose c/ is its drive C: (profiles under
# c/Users, the program folder c/Tralvex laid out like dist/native); a USB
# drive is a folder of its own. Everything stays inside the folders given.

# peer_program_folder DEST DIST: the program folder as an installer lays it
# out, with the stand-in state tool from the build.
peer_program_folder() {
  local dest=$1 dist=$2
  mkdir -p "$dest"
  cp -r "$dist/Lang" "$dist/MigCustom.xml" "$dist/x64" "$dist/x86" "$dest/"
}

# peer_fill FILE BYTES: BYTES of random data, which no transfer can fake.
peer_fill() {
  mkdir -p "$(dirname "$1")"
  head -c "$2" /dev/urandom >"$1"
}

# peer_old_pc ROOT DIST [BIG_BYTES]: the old PC: two accounts with documents,
# pictures and a desktop, and one large file.
peer_old_pc() {
  local root=$1 dist=$2 big=${3:-150000000}
  local users=$root/c/Users
  mkdir -p "$users/alice/Documents/Letters" "$users/alice/Pictures/Holiday" "$users/alice/Desktop" \
           "$users/bob/Documents" "$users/bob/Pictures" "$users/bob/Desktop" "$users/Public/Documents"
  printf 'Dear Bob,\r\nthe new PC is here.\r\n' >"$users/alice/Documents/Letters/to bob.txt"
  printf 'budget 2026\n' >"$users/alice/Documents/budget.csv"
  peer_fill "$users/alice/Pictures/Holiday/beach.jpg" 2500000
  peer_fill "$users/alice/Pictures/Holiday/été au lac.png" 700000
  printf '[InternetShortcut]\r\nURL=http://127.0.0.1/\r\n' >"$users/alice/Desktop/start.url"
  peer_fill "$users/alice/Documents/video project.bin" "$big"
  printf 'bob was here\n' >"$users/bob/Documents/notes.txt"
  peer_fill "$users/bob/Pictures/cat.gif" 120000
  printf 'todo: move\n' >"$users/bob/Desktop/todo.txt"
  peer_program_folder "$root/c/Tralvex" "$dist"
}

# peer_new_pc ROOT DIST: the new PC: no profiles yet, the program folder.
peer_new_pc() {
  local root=$1 dist=$2
  mkdir -p "$root/c/Users"
  peer_program_folder "$root/c/Tralvex" "$dist"
}

# peer_free_port: a TCP port nobody on this machine listens on.
peer_free_port() {
  local port
  while :; do
    port=$((20200 + RANDOM % 40000))
    if ! ss -Hltn "sport = :$port" 2>/dev/null | grep -q .; then
      echo "$port"
      return
    fi
  done
}

# peer_check_moved OLD NEW MAP...: every file of the old PC's profiles
# arrived byte for byte in the account it was mapped to ("bob=robert";
# accounts not named keep their name; "bob=" leaves bob out, and then none
# of its files may arrive). Prints one line per file; status 1 on any fault.
peer_check_moved() {
  local old=$1 new=$2
  shift 2
  local -A target=()
  local pair
  for pair in "$@"; do target[${pair%%=*}]=${pair#*=}; done
  local faults=0 moved=0 bytes=0 file relative account rest to
  while IFS= read -r -d '' file; do
    relative=${file#"$old/c/Users/"}
    account=${relative%%/*}
    rest=${relative#*/}
    [ "$account" = Public ] && continue
    to=${target[$account]-$account}
    if [ -z "$to" ]; then
      if [ -e "$new/c/Users/$account/$rest" ]; then
        echo "  LEFT OUT BUT ARRIVED: $account/$rest"
        faults=$((faults + 1))
      fi
      continue
    fi
    if cmp -s "$file" "$new/c/Users/$to/$rest"; then
      moved=$((moved + 1))
      bytes=$((bytes + $(stat -c %s "$file")))
      echo "  moved  $account/$rest -> $to/$rest ($(stat -c %s "$file") bytes)"
    else
      echo "  MISSING OR DIFFERENT: $account/$rest -> $to/$rest"
      faults=$((faults + 1))
    fi
  done < <(find "$old/c/Users" -type f -print0 | sort -z)
  echo "  $moved files, $bytes bytes arrived intact; $faults faults"
  [ "$faults" -eq 0 ]
}

# peer_wait_for LOG PATTERN [SECONDS]: waits until a peer's output has a line
# matching PATTERN (the sending PC shows its address before the receiving
# PC is started, as two users would do it). Status 1 on time-out.
peer_wait_for() {
  local log=$1 pattern=$2 tenths=$((${3:-60} * 10))
  while [ "$tenths" -gt 0 ]; do
    grep -q -- "$pattern" "$log" 2>/dev/null && return 0
    sleep 0.1
    tenths=$((tenths - 1))
  done
  return 1
}

# peer_fail TEXT: a failed check of a test, counted in peer_failures and not
# fatal, so one run reports every failure. peer_show_logs LOG...: the end of
# each log, after a failure.
peer_failures=0
peer_fail() {
  echo "FAIL: $*"
  peer_failures=$((peer_failures + 1))
}
peer_show_logs() {
  for log in "$@"; do echo "--- $log"; tail -n 40 "$log"; done
}

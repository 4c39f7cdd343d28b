#!/usr/bin/env bash
# Menu entries through the real program, headless: the demonstration entry shows map 0 and
# gives the chosen map back when left, down on the last entry (exit) stays there, and a map
# past the player's progress (chosen in test play's editor) is brought back to the progress
# when the editor is switched on in the menu.
# Usage: menu_entries_test.sh PROGRAM MEDIA_FOLDER
set -u
program="$1" media="$2"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
fresh() {  # fresh TENS UNITS: the set, with the player's progress at TENS UNITS
  rm -rf "$tmp/run" && mkdir -p "$tmp/run" && cp -r "$media/Media" "$tmp/run/"
  printf 'PL1\r\n%s\r\n%s\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' "$1" "$2" >"$tmp/run/Media/Zolv-gioc.txt"
}
# run KEYS: past the title, then each key (names joined by spaces) pressed in turn; a key
# written KEY/4 is held for 4 frames (over one reading of the keys in play or the editor).
run() {
  {
    printf 'wait 20\npress Space\nwait 20\n'
    for k in $1; do
      case "$k" in
        */4) printf 'hold %s 4\nwait 12\n' "${k%/4}" ;;
        *) printf 'press %s\nwait 6\n' "$k" ;;
      esac
    done
    printf 'wait 10\nend\n'
  } >"$tmp/script"
  "$program" --headless --script "$tmp/script" --dir "$tmp/run" --seed 1 >"$tmp/summary" 2>&1
}
want() {  # want WHAT FIELD VALUE
  local got
  got=$(sed -n "s/^$2=//p" "$tmp/summary")
  if [ "$got" != "$3" ]; then
    echo "FAIL $1: $2=$got, expected $3"; failed=1
  else
    echo "ok   $1: $2=$got"
  fi
}

fresh A J
ttmenu=$(sed -n 's/^=MENUT *\([0-9]*\).*/\1/p' "$media/Media/Zolv-dat2.txt" | tr -d '\r')
# From entry 1 (records) with map 5 chosen: down to entry 4 (demonstration) shows map 0.
run "Right Right Right Right Right Down Down Down"
want "on the demonstration" opz 4
want "on the demonstration" map 0
run "Right Right Right Right Right Down Down Down Down"
want "down past the demonstration" opz 5
want "down past the demonstration" map 5
run "Right Right Right Right Right Down Down Down Up"
want "up past the demonstration" opz 3
want "up past the demonstration" map 5
# Left and right on the demonstration choose no map.
run "Right Right Down Down Down Right Right Up"
want "right on the demonstration" map 2
# Down on the last entry (exit) stays on it.
run "$(for _ in $(seq $((ttmenu + 3))); do printf 'Down '; done)"
want "down on the exit" opz "$ttmenu"

# Test play (the settings' TEST line matching their NULL line): in the editor of map 0,
# Select and Left choose the set's last map; Select and Start go back to the menu, where the
# editor is off again. Switching the editor on (L and R) brings the map back to the
# progress, map 0.
fresh A A
sed -i 's/^=FINE!/=SETTA TEST\r\n=FINE!/' "$tmp/run/Media/Zolv-dat2.txt"
grep -q '^=SETTA TEST' "$tmp/run/Media/Zolv-dat2.txt" || { echo "no TEST line added"; exit 1; }
last=$(sed -n 's/^=MAPPE [^ ]* *\([0-9]*\).*/\1/p' "$media/Media/Zolv-dat2.txt" | tr -d '\r')
keys="Q+W Up Enter Backspace+Left/4 Backspace+Tab/4"
run "$keys"
want "back from the editor" prova 1
want "back from the editor" editor 0
want "back from the editor" map "$last"
run "$keys Q+W"
want "editor switched on" editor 1
want "editor switched on" map 0
[ "$failed" -eq 0 ] && echo ok
exit "$failed"

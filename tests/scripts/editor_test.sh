#!/usr/bin/env bash
# The map editor through the real program on the headless driver, on a copy of the media so
# the shipped set is never touched.
# Usage: editor_test.sh PROGRAM CHECK
#   edit-save   pick a piece with X, put it elsewhere with Y, save with Y+Start: the file
#               holds the change before the program ends, and the confirmation is shown
#   shift       B with each direction shifts the board with wrap; the cursor stops at column 15
#   chooser     Select with a direction loads another map and drops unsaved changes
#   test-play   in test play, record a solution with one information stop: it is saved,
#               viewed at once, and the replay file holds it; Select+Start into and out of
#               the editor
#   read-only   a save into a media folder that cannot be written says so and changes nothing
set -u
program="$1"
check="$2"
# The shipped set as it is in the source tree, not the copy beside the program (which keeps
# whatever a person played there).
app_dir="$(cd "$(dirname "$0")/../.." && pwd)/media"
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
work="$tmp/work"
mkdir -p "$work"
cp -r "$app_dir/Media" "$work/" || { echo "no shipped media set"; exit 77; }
for f in Leggimi.txt Read_Me.txt smalfont.bmp; do
  [ -e "$app_dir/$f" ] && cp "$app_dir/$f" "$work/"
done
maps="$work/Media/Zolv-sch1-mappe.txt"
memo="$work/Media/Zolv-sch1-memo.txt"
player="$work/Media/Zolv-gioc.txt"
# Maps 0 to 5 reached (progress "A", "F" on lines 1 and 2 of the player file).
sed -i '3s/^[^\r]*/F/' "$player"
cp "$maps" "$tmp/maps.before"

# Board n (0 from the first line) of a map file, without its line end.
board() { sed -n "$(($2 + 1))p" "$1" | tr -d '\r'; }
field() { sed -n "s/^$1=//p" "$tmp/summary"; }
fail() { echo "$1"; cat "$tmp/summary" 2>/dev/null; exit 1; }
run() {
  printf '%s\n' "$@" > "$tmp/script"
  (cd "$work" && TMPDIR="$tmp" "$program" --headless --script "$tmp/script" --dir "$work" \
     --seed 3 > "$tmp/summary") || fail "headless run failed"
}

# Title, the menu's first entry, editor on with L+R, map 1, started with B. The controls are
# read on every fourth frame, so a key held 4 frames counts exactly once.
to_editor=('wait 20' 'press Space' 'wait 3' 'press Q+W' 'wait 3' 'press Up' 'wait 3'
           'press Right' 'wait 3' 'press Enter' 'wait 12')
# Map 1 keeps its start piece in the editor at (5, 6); "T" stands at (7, 5).
start_board=$(board "$tmp/maps.before" 1)

case "$check" in
edit-save)
  run "${to_editor[@]}" 'hold Up 4' 'hold Right 4' 'hold Right 4' 'hold X 4' \
      'hold Down 4' 'hold Down 4' 'hold Z 4' 'hold Z+Tab 4' 'wait 10' 'press M' 'wait 10' 'end'
  [ "$(field editor)" = 1 ] || fail "not in the editor"
  [ "$(field cursor_x),$(field cursor_y)" = "7,7" ] || fail "cursor not at (7, 7)"
  [ "$(field save)" = "MAPPA SALVATA!" ] || fail "no confirmation"
  # The summary is written before the end flushes the files: the save itself wrote the map.
  [ "$(field unsaved)" = 0 ] || fail "the map sat in the cache after the save"
  expected="${start_board:0:119}T${start_board:120}"
  [ "$(board "$maps" 1)" = "$expected" ] || fail "map 1 on disk is not the edited board"
  [ "$(board "$maps" 0)" = "$(board "$tmp/maps.before" 0)" ] || fail "map 0 changed"
  ;;
shift)
  # Ten steps right take the cursor from column 5 to 15; then B with up, right, down, down,
  # left, right, right shifts the board by 16 up, 1 right, 32 down, 1 left, 2 right: 18
  # cells towards the end of the board, with wrap.
  steps=()
  for _ in $(seq 10); do steps+=('hold Right 4'); done
  run "${to_editor[@]}" "${steps[@]}" 'hold Enter+Up 4' 'hold Enter+Right 4' \
      'hold Enter+Down 4' 'hold Enter+Down 4' 'hold Enter+Left 4' 'hold Enter+Right 4' \
      'hold Enter+Right 4' 'hold Z+Tab 4' 'wait 10' 'press M' 'wait 10' 'end'
  [ "$(field cursor_x),$(field cursor_y)" = "15,7" ] || fail "cursor not stopped at (15, 7)"
  expected="${start_board:238}${start_board:0:238}"
  [ "$(board "$maps" 1)" = "$expected" ] || fail "the board did not shift by 18 cells"
  ;;
chooser)
  # Put a piece on map 1, go to map 2 and back without saving, then save map 1 as loaded.
  run "${to_editor[@]}" 'hold X 4' 'hold Up 4' 'hold Z 4' 'hold Backspace+Right 4' 'wait 8' \
      'hold Backspace+Left 4' 'wait 8' 'hold Z+Tab 4' 'wait 10' 'press M' 'wait 10' 'end'
  [ "$(field map)" = 1 ] || fail "not back on map 1"
  [ "$(field cursor_x),$(field cursor_y)" = "5,6" ] || fail "the cursor is not on the start"
  cmp -s "$maps" "$tmp/maps.before" || fail "the change made before choosing a map was kept"
  [ "$(field save)" = "MAPPA SALVATA!" ] || fail "no confirmation"
  # Select with down goes back ten maps: 1 - 10 wraps to 3 within the six maps 0 to 5.
  run "${to_editor[@]}" 'hold Backspace+Down 4' 'wait 8' 'end'
  [ "$(field map)" = 3 ] || fail "map 1 - 10 within 0 to 5 is not 3"
  ;;
test-play)
  sed -i 's/^=FINE!/=SETTA NULL 77\r\n=SETTA TEST 77\r\n=FINE!/' "$work/Media/Zolv-dat2.txt"
  solution=001111122233233311111
  keys=(Up Right Down Left)
  script=('wait 20' 'press Space' 'wait 3' 'press Up' 'wait 3' 'press Right' 'wait 3'
          'press Enter' 'wait 12' 'hold Enter+Down 4' 'wait 12')
  for ((i = 0; i < ${#solution}; i++)); do
    # An information stop after the third move: A, a key to go on.
    [ "$i" = 3 ] && script+=('hold Space 4' 'wait 8' 'press M' 'wait 8')
    script+=("hold ${keys[${solution:$i:1}]} 4" 'wait 28')
  done
  # The level ends, the recording is saved and played back; its information stop waits for
  # a key, then the viewing ends in the menu.
  script+=('wait 200')
  for _ in $(seq 25); do script+=('wait 30' 'press M'); done
  run "${script[@]}" 'wait 10' 'end'
  [ "$(field prova)" = 1 ] || fail "not in test play"
  [ "$(board "$memo" 1)" = "001A111122233233311111" ] || fail "replay line 1 is not the recording"
  [ "$(field rivede)" = 0 ] || fail "viewing did not end"
  [ "$(field steps)" = 21 ] || fail "the recording was not played back"
  case "$(field entry)" in menu*) ;; *) fail "viewing did not end in the menu" ;; esac
  # Select+Start into the editor, held over three readings of the keys as a person might,
  # and out again with a second press, which leaves editing off in test play.
  run 'wait 20' 'press Space' 'wait 3' 'press Up' 'wait 3' 'press Right' 'wait 3' \
      'press Enter' 'wait 12' 'hold Backspace+Tab 12' 'wait 12' 'end'
  [ "$(field editor)" = 1 ] || fail "Select+Start in test play did not open the editor"
  case "$(field entry)" in frame | attempt*) ;; *) fail "the editor was left at once" ;; esac
  run 'wait 20' 'press Space' 'wait 3' 'press Up' 'wait 3' 'press Right' 'wait 3' \
      'press Enter' 'wait 12' 'hold Backspace+Tab 12' 'wait 12' 'hold Backspace+Tab 4' 'wait 12' \
      'end'
  [ "$(field editor)" = 0 ] || fail "Select+Start in the editor did not leave it"
  case "$(field entry)" in menu*) ;; *) fail "leaving the editor did not go to the menu" ;; esac
  # Select with a direction in test play chooses among every map of the set.
  run 'wait 20' 'press Space' 'wait 3' 'press Up' 'wait 3' 'press Right' 'wait 3' \
      'press Enter' 'wait 12' 'hold Backspace+Up 4' 'wait 12' 'end'
  [ "$(field map)" = 11 ] || fail "Select+Up in test play did not choose map 11"
  ;;
read-only)
  if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null || { echo "no setpriv to drop root: skipped"; exit 77; }
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    # The log goes to $tmp, which the other user must be able to write.
    chmod -R a+rX "$work"
    chmod 777 "$tmp"
  else
    as_user=()
  fi
  chmod a-w "$work/Media" "$maps"
  # A read-only program folder sends saves to the player's data folder: here that cannot be
  # written either, so the save fails.
  mkdir -p "$tmp/home"
  chmod a-w "$tmp/home"
  run_ro() {
    printf '%s\n' "$@" > "$tmp/script"
    (cd "$work" && HOME="$tmp/home" XDG_DATA_HOME= TMPDIR="$tmp" "${as_user[@]}" "$program" \
       --headless --script "$tmp/script" \
       --dir "$work" > "$tmp/summary") || fail "headless run failed"
  }
  run_ro "${to_editor[@]}" 'hold X 4' 'hold Up 4' 'hold Z 4' 'hold Z+Tab 4' 'wait 10' \
      'press M' 'wait 10' 'end'
  [ "$(field save)" = "MAPPA NON SALVATA!" ] || fail "the failed save was not reported"
  grep -q "Map 1 not saved" "$tmp/ErrorLog.txt" || fail "no log line for the failed save"
  cmp -s "$maps" "$tmp/maps.before" || fail "the map file changed"
  ;;
*) echo "unknown check $check"; exit 2 ;;
esac
echo ok

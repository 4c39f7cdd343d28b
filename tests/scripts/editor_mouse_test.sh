#!/usr/bin/env bash
# The map editor's mouse, undo and redo and its question before dropping changes, through the
# real program on the headless driver with the mouse injected by the key script, on a copy of
# the media.
# Usage: editor_mouse_test.sh PROGRAM CHECK
#   paint-undo  drag paints a row of six cells; U undoes the stroke, I redoes it, U once
#               more and a second stroke of three cells, one U, I: the saved file holds
#               exactly the second stroke; a right click picks a piece, the wheel steps
#   stale-replay  a save that takes map 4's exit away warns of it and moves the replay and
#               records that no longer fit to the backup file
#   share       a level copied as a line (C) and pasted (L) into another map is the same map
#   test-key    T test-plays the map, asking first when it has unsaved changes
#   verdict     V on map 3: solvable in its 9 steps, the positions reached and the share of
#               dead ends, in English and Italian; map 1 with its exit painted over: no
#               solution and every position a dead end
#   ask-drop    Select with a direction on a changed board asks and stays; the same keys
#               again drop the changes; an unchanged board goes at once
set -u
program="$1"
check="$2"
app_dir="$(cd "$(dirname "$0")/../.." && pwd)/media"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
work="$tmp/work"
mkdir -p "$work"
cp -r "$app_dir/Media" "$work/" || { echo "no shipped media set"; exit 77; }
for f in Leggimi.txt Read_Me.txt smalfont.bmp; do
  [ -e "$app_dir/$f" ] && cp "$app_dir/$f" "$work/"
done
maps="$work/Media/Zolv-sch1-mappe.txt"
player="$work/Media/Zolv-gioc.txt"
sed -i '3s/^[^\r]*/F/' "$player"
cp "$maps" "$tmp/maps.before"

board() { sed -n "$(($2 + 1))p" "$1" | tr -d '\r'; }
field() { sed -n "s/^$1=//p" "$tmp/summary"; }
fail() { echo "$1"; cat "$tmp/summary" 2>/dev/null; exit 1; }
run() {
  printf '%s\n' "$@" > "$tmp/script"
  (cd "$work" && TMPDIR="$tmp" "$program" --headless --script "$tmp/script" --dir "$work" \
     --seed 3 > "$tmp/summary") || fail "headless run failed"
}
to_editor=('wait 20' 'press Space' 'wait 3' 'press Q+W' 'wait 3' 'press Up' 'wait 3'
           'press Right' 'wait 3' 'press Enter' 'wait 12')
start_board=$(board "$tmp/maps.before" 1)
# The editor shows the whole board: cell (x, y) is drawn 20 pixels across and 12 down from
# (0, 12); these are the middles of the cells' faces on the 320 x 240 screen.
px() { echo $(($1 * 20 + 10)); }
py() { echo $(($2 * 12 + 20)); }
# Board text with cells from (x0, y) to (x1, y) set to character c.
painted() {
  local b="$1" c="$2" y="$3" x
  for ((x = $4; x <= $5; x++)); do b="${b:0:$((y * 16 + x))}$c${b:$((y * 16 + x + 1))}"; done
  echo "$b"
}

case "$check" in
paint-undo)
  # The piece of cell (7, 5) is picked with the right button ("T" on map 1).
  piece="${start_board:$((5 * 16 + 7)):1}"
  run "${to_editor[@]}" "mouse $(px 7 0) $(py 0 5)" 'click right' 'wait 4' \
      "mouse $(px 1 0) $(py 0 2)" "drag $(px 6 0) $(py 0 2) 12" 'wait 4' \
      'press U' 'wait 4' 'press I' 'wait 4' 'press U' 'wait 4' \
      "mouse $(px 2 0) $(py 0 9)" "drag $(px 4 0) $(py 0 9) 6" 'wait 4' \
      'press U' 'wait 4' 'press I' 'wait 4' 'hold Z+Tab 4' 'wait 10' 'press M' 'wait 10' 'end'
  [ "$(field save)" = "MAPPA SALVATA!" ] || fail "no confirmation"
  expected=$(painted "$start_board" "$piece" 9 2 4)
  [ "$(board "$maps" 1)" = "$expected" ] || fail "the saved board is not the second stroke"
  # The drag alone, saved, paints exactly cells 1 to 6 of row 2.
  cp "$tmp/maps.before" "$maps"
  run "${to_editor[@]}" "mouse $(px 7 0) $(py 0 5)" 'click right' 'wait 4' \
      "mouse $(px 1 0) $(py 0 2)" "drag $(px 6 0) $(py 0 2) 12" 'wait 4' \
      'hold Z+Tab 4' 'wait 10' 'press M' 'wait 10' 'end'
  [ "$(board "$maps" 1)" = "$(painted "$start_board" "$piece" 2 1 6)" ] ||
    fail "the drag did not paint cells 1 to 6 of row 2"
  ;;
ask-drop)
  # One click changes the board; Select+Right asks and stays on map 1.
  run "${to_editor[@]}" 'hold X 4' "mouse $(px 3 0) $(py 0 3)" 'click left' 'wait 4' \
      'hold Backspace+Right 4' 'wait 12' 'end'
  [ "$(field map)" = 1 ] || fail "a changed board was dropped without asking"
  run "${to_editor[@]}" 'hold X 4' "mouse $(px 3 0) $(py 0 3)" 'click left' 'wait 4' \
      'hold Backspace+Right 4' 'wait 12' 'hold Backspace+Right 4' 'wait 12' \
      'hold Backspace+Left 4' 'wait 12' 'hold Z+Tab 4' 'wait 10' 'press M' 'wait 10' 'end'
  [ "$(field map)" = 1 ] || fail "the second press did not choose map 2, or map 2 asked"
  cmp -s "$maps" "$tmp/maps.before" || fail "the dropped change was kept"
  ;;
test-key)
  # T plays the map at once; with a change not saved it asks first, and a second T goes.
  run "${to_editor[@]}" 'hold T 4' 'wait 12' 'end'
  [ "$(field editor),$(field prova),$(field map)" = "0,1,1" ] || fail "T did not test-play map 1"
  run "${to_editor[@]}" 'hold X 4' 'hold Up 4' 'hold Z 4' 'hold T 4' 'wait 12' 'end'
  [ "$(field editor)" = 1 ] || fail "T dropped a change without asking"
  run "${to_editor[@]}" 'hold X 4' 'hold Up 4' 'hold Z 4' 'hold T 4' 'wait 12' 'hold T 4' \
      'wait 12' 'end'
  [ "$(field editor),$(field prova)" = "0,1" ] || fail "the second T did not test-play"
  ;;
verdict)
  per_cent='([0-9]|[1-9][0-9]|100|<1)%'
  to_map_3=('hold Backspace+Right 4' 'wait 8' 'hold Backspace+Right 4' 'wait 8')
  run "${to_editor[@]}" "${to_map_3[@]}" 'hold V 4' 'wait 4' 'end'
  notice=$(field editor_notice)
  echo "$notice"
  [[ "$notice" =~ ^"START:YES  EXIT:YES  TO TAKE:YES;SOLVABLE IN 9 STEPS;"[1-9][0-9]*" POSITIONS, "$per_cent" DEAD ENDS"$ ]] ||
    fail "not the verdict of a solvable map"
  # Map 3 has dead ends: its ice melts behind the player.
  [[ "$notice" =~ " 0% DEAD" ]] && fail "no dead ends on map 3"
  # The exit (10, 8) painted over with the water of (0, 0).
  run "${to_editor[@]}" "mouse $(px 0 0) $(py 0 0)" 'click right' 'wait 4' \
      "mouse $(px 10 0) $(py 0 8)" 'click left' 'wait 4' 'hold V 4' 'wait 4' 'end'
  notice=$(field editor_notice)
  echo "$notice"
  [[ "$notice" =~ ^"START:YES  EXIT:NO  TO TAKE:YES;NO SOLUTION;"[1-9][0-9]*" POSITIONS, 100% DEAD ENDS"$ ]] ||
    fail "not the verdict of a map without an exit"
  # The same in Italian: the language entry (third in the menu) first.
  run 'wait 20' 'press Space' 'wait 3' 'press Down' 'press Down' 'press Enter' 'wait 3' \
      'press Up' 'press Up' 'wait 3' 'press Q+W' 'wait 3' 'press Up' 'wait 3' 'press Right' \
      'wait 3' 'press Enter' 'wait 12' "${to_map_3[@]}" 'hold V 4' 'wait 4' 'end'
  notice=$(field editor_notice)
  echo "$notice"
  [[ "$notice" =~ ^"PARTENZA:SI  USCITA:SI  DA PRENDERE:SI;RISOLVIBILE IN 9 PASSI;"[1-9][0-9]*" POSIZIONI, "$per_cent" VICOLI CIECHI"$ ]] ||
    fail "not the Italian verdict"
  ;;
share)
  # Map 2 copied (C) with its replay, map 3 chosen, the line pasted (L) and saved: map 3 is
  # the same map with the same replay; map 3's own old replay went to the backup.
  memo="$work/Media/Zolv-sch1-memo.txt"
  run "${to_editor[@]}" 'hold Backspace+Right 4' 'wait 8' 'hold C 4' 'wait 8' \
      'hold Backspace+Right 4' 'wait 8' 'hold L 4' 'wait 8' 'hold Z+Tab 4' 'wait 10' 'press M' \
      'wait 10' 'end'
  [ "$(field map)" = 3 ] || fail "not on map 3"
  [ "$(board "$maps" 3)" = "$(board "$tmp/maps.before" 2)" ] || fail "map 3 is not map 2"
  [ "$(board "$memo" 3)" = "$(board "$app_dir/Media/Zolv-sch1-memo.txt" 2)" ] ||
    fail "map 3 did not get map 2's replay"
  grep -q "^map 3 replay $(board "$app_dir/Media/Zolv-sch1-memo.txt" 3)" \
    "$work/Media/Zolv-sch1-backup.txt" || fail "map 3's own replay was not kept in the backup"
  # A paste alone saves nothing, and a clipboard holding no level changes nothing.
  cp "$tmp/maps.before" "$maps"
  run "${to_editor[@]}" 'hold L 4' 'wait 8' 'end'
  [ "$(field board_changed)" = 0 ] || fail "an empty clipboard changed the board"
  run "${to_editor[@]}" 'hold Backspace+Right 4' 'wait 8' 'hold C 4' 'wait 8' \
      'hold Backspace+Left 4' 'wait 8' 'hold L 4' 'wait 8' 'end'
  [ "$(field board_changed)" = 1 ] || fail "the paste did not change map 1"
  cmp -s "$maps" "$tmp/maps.before" || fail "a paste was saved without a save"
  ;;
stale-replay)
  # Map 4's exit (9, 6) painted over with the empty piece of (0, 0) and saved: the save warns
  # that the map has no exit, and the replay that walked to it moves with the records line to
  # the backup file; the lines become those of a fresh map.
  memo="$work/Media/Zolv-sch1-memo.txt"
  scores="$work/Media/Zolv-sch1-punti.txt"
  old_replay=$(board "$memo" 4)
  old_records=$(board "$scores" 4)
  run "${to_editor[@]}" 'hold Backspace+Right 4' 'wait 8' 'hold Backspace+Right 4' 'wait 8' \
      'hold Backspace+Right 4' 'wait 8' "mouse $(px 0 0) $(py 0 0)" 'click right' 'wait 4' \
      "mouse $(px 9 0) $(py 0 6)" 'click left' 'wait 4' 'hold Z+Tab 4' 'wait 10' 'press M' \
      'wait 10' 'end'
  [ "$(field map)" = 4 ] || fail "not on map 4"
  [ "$(board "$maps" 4)" = "$(painted "$(board "$tmp/maps.before" 4)" '$' 6 9 9)" ] ||
    fail "map 4 was not saved with its exit painted over"
  case "$(field editor_notice)" in *"EXIT:NO"*) ;; *) fail "no warning of the missing exit" ;; esac
  case "$(field editor_notice)" in *BACKUP*) ;; *) fail "no message of the moved lines" ;; esac
  # The save's verdict: with no exit nothing can finish.
  case "$(field editor_notice)" in *"NO SOLUTION;"*" POSITIONS, 100% DEAD ENDS") ;;
    *) fail "the save's verdict lacks the share of dead ends" ;; esac
  backup="$work/Media/Zolv-sch1-backup.txt"
  [ "$(board "$backup" 0)" = "map 4 replay $old_replay" ] || fail "the replay is not in the backup"
  [ "$(board "$backup" 1)" = "map 4 records $old_records" ] || fail "the records are not in the backup"
  [ "$(board "$memo" 4)" = "Ruto_Software" ] || fail "the replay line does not hold the marker"
  [ "$(board "$scores" 4)" = "04 9999 --- ---- --- 9999 --- " ] || fail "the records line is not fresh"
  [ "$(board "$memo" 3)" = "$(board "$app_dir/Media/Zolv-sch1-memo.txt" 3)" ] || fail "map 3's replay moved"
  # Test play of map 4 (T) and its replay viewed (B with up): there is none, which is said
  # until a key, and the viewing goes back to the menu rather than running the clock on.
  run "${to_editor[@]}" 'hold Backspace+Right 4' 'wait 8' 'hold Backspace+Right 4' 'wait 8' \
      'hold Backspace+Right 4' 'wait 8' 'hold T 4' 'wait 12' 'hold Enter+Up 4' 'wait 40' \
      'press M' 'wait 20' 'end'
  [ "$(field prova),$(field map),$(field rivede),$(field steps)" = "1,4,0,0" ] ||
    fail "the viewer of map 4 did not end at once"
  case "$(field entry)" in menu*) ;; *) fail "the empty replay did not go back to the menu" ;; esac
  # A save that keeps the replay finishing moves nothing: map 1 with a "T" in a corner far
  # from its path.
  cp "$backup" "$tmp/backup.before"
  run "${to_editor[@]}" "mouse $(px 7 0) $(py 0 5)" 'click right' 'wait 4' \
      "mouse $(px 15 0) $(py 0 15)" 'click left' 'wait 4' 'hold Z+Tab 4' 'wait 10' 'press M' \
      'wait 10' 'end'
  [ "$(board "$maps" 1)" != "$(board "$tmp/maps.before" 1)" ] || fail "map 1 was not changed"
  cmp -s "$backup" "$tmp/backup.before" || fail "a replay that still finishes was moved"
  [ "$(board "$memo" 1)" = "$(board "$app_dir/Media/Zolv-sch1-memo.txt" 1)" ] || fail "map 1's replay changed"
  ;;
*) echo "unknown check $check"; exit 2 ;;
esac
echo ok

#!/usr/bin/env bash
# The keys of play through the real program, headless: the speed keys and their wrap, zoom
# with A and Start, the view turns (B with L or R, L or R alone), Select restarting with the
# time kept, X+Y switching the walls in test play, a failed attempt going back to the menu
# with nothing saved, and the final sequence after the set's last map leaving the progress at
# that map.
# Usage: play_keys_test.sh PROGRAM MEDIA_FOLDER
# Keys: Y is Z, X is X, A Space, B Enter, L Q, R W, Select Backspace, Start Tab.
set -u
program="$1" media="$2"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
# The title, then entry 0 of the menu (play) on map 0, then the zoom into the level.
into_play='wait 20
press Space
wait 3
press Up
wait 2
press Enter
wait 20'
fresh() {
  rm -rf "$tmp/run" && mkdir -p "$tmp/run" && cp -r "$media/Media" "$tmp/run/"
}
# run NAME BODY: plays into map 0, then BODY (key-script lines), and keeps the summary.
run() {
  printf '%s\n%s\nend\n' "$into_play" "$2" >"$tmp/script"
  "$program" --headless --script "$tmp/script" --dir "$tmp/run" --seed 1 >"$tmp/summary" 2>&1
}
value() { sed -n "s/^$1=//p" "$tmp/summary"; }
want() {  # want NAME FIELD VALUE
  local got
  got=$(value "$2")
  if [ "$got" != "$3" ]; then
    echo "FAIL $1: $2=$got, expected $3"
    failed=1
  else
    echo "ok   $1: $2=$got"
  fi
}
# A key held over one reading of the controls (every 4th frame at rest), then let go.
tap() { printf 'hold %s 4\nwait 4\n' "$1"; }
taps() { local k="$1" n="$2"; for _ in $(seq "$n"); do tap "$k"; done; }

fresh
run start ""
want "level start" entry frame
want "level start" lfps 60
want "level start" zoom 2
start_zoom=$(value zoom)

# Speeds go up and down by 10 and wrap: 60 90, then 100, then 10, and down from 10 to 100.
run "Y three times" "$(taps Z 3)";      want "Y three times" lfps 90
run "Y four times" "$(taps Z 4)";       want "Y four times" lfps 100
run "Y five times" "$(taps Z 5)";       want "Y five times" lfps 10
run "X once" "$(taps X 1)";             want "X once" lfps 50
run "X six times" "$(taps X 6)";        want "X six times" lfps 100
run "Y and X together" "$(tap Z+X)";    want "Y and X together" lfps 60

# Start alone switches the board between fixed and scrolling; on a scrolling board A and
# Start together switch the zoom between 1 and 2, and leave the board scrolling.
run "Start" "$(tap Tab)"
want "Start" fixed_board 0
want "Start" zoom 2
run "Start, A+Start" "$(tap Tab; tap Space+Tab)"
want "Start, A+Start" zoom 1
want "Start, A+Start" fixed_board 0
run "Start, A+Start twice" "$(tap Tab; tap Space+Tab; tap Space+Tab)"
want "Start, A+Start twice" zoom 2
run "A+Start on a fixed board" "$(tap Space+Tab)"
want "A+Start on a fixed board" zoom 2
want "A+Start on a fixed board" fixed_board 0

# B with R turns the picture over; B with L also turns the view by a half; L or R alone by a
# quarter, wrapping.
run "B+R" "$(tap Enter+W)"
want "B+R" video 180
want "B+R" rotation 0
run "B+L" "$(tap Enter+Q)"
want "B+L" video 180
want "B+L" rotation 2
run "B+L twice" "$(tap Enter+Q; tap Enter+Q)"
want "B+L twice" video 0
want "B+L twice" rotation 0
run "L" "$(tap Q)";                     want "L" rotation 3
run "R twice" "$(tap W; tap W)";        want "R twice" rotation 2

# Select starts the level again: steps back to 0, the time kept. Three seconds of play at 60
# frames a second, one step, then Select.
run "Select" "wait 180
$(tap Down)
wait 16
$(tap Backspace)"
want "Select" entry frame
want "Select" steps 0
want "Select" time 3
run "a step" "wait 180
$(tap Down)
wait 16"
want "a step" steps 1

# At 10 frames a second, 900 seconds pass in 9000 frames: the attempt fails, waits for a key
# (Down ends it) and goes back to the menu, and no file of the set changed.
fresh
run "time up" "$(taps X 5)
wait 9100
press Down
wait 20"
want "time up" entry "menu loop"
if diff -r "$media/Media" "$tmp/run/Media" >"$tmp/diff"; then
  echo "ok   time up: nothing saved"
else
  echo "FAIL time up: files changed"; cat "$tmp/diff" | head; failed=1
fi

# The set's last map replaced by start, egg, exit in a row; the player has reached it. The
# level finishes, the records wait for a key, the final sequence runs and waits for a key,
# and the title comes back; the progress stays at the last map.
# X and Y together: in test play they switch the walls' drawing (and leave the speed alone);
# in ordinary play they are speed up and down at once, and the walls stay as the player had them.
for mode in test plain; do
  fresh
  if [ "$mode" = test ]; then
    sed -i 's/^=FINE!/=SETTA NULL 77\r\n=SETTA TEST 77\r\n=FINE!/' "$tmp/run/Media/Zolv-dat2.txt"
  fi
  run "walls $mode" ""
  walls=$(value walls)
  run "walls $mode" "$(tap X+Z)"
  want "X+Y in $mode play" lfps 60
  if [ "$mode" = test ]; then
    want "X+Y in test play" prova 1
    want "X+Y in test play" walls $((1 - walls))
  else
    want "X+Y in plain play" walls "$walls"
  fi
done

fresh
last=$(sed -n 's/^=MAPPE [^ ]* *\([0-9]*\).*/\1/p' "$media/Media/Zolv-dat2.txt" | tr -d '\r')
board=$(printf '%%,5%253s' '' | tr ' ' '#')
awk -v n="$((last + 1))" -v b="$board" 'NR == n { printf "%s\r\n", b; next } { print }' \
  "$media/Media/Zolv-sch1-mappe.txt" >"$tmp/run/Media/Zolv-sch1-mappe.txt"
tens=$(printf "\\$(printf '%03o' $((65 + last / 10)))")
units=$(printf "\\$(printf '%03o' $((65 + last % 10)))")
printf 'PL1\r\n%s\r\n%s\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' "$tens" "$units" >"$tmp/run/Media/Zolv-gioc.txt"
into_play='wait 20
press Space
wait 3
press Up
wait 2
press Left
wait 6
press Enter
wait 20'
run "last map" "$(tap Right)
wait 12
$(tap Right)
wait 200
press Enter
wait 600
press Enter
wait 30"
want "last map" entry title
want "last map" map2 "$last"
got=$(sed -n '2,3p' "$tmp/run/Media/Zolv-gioc.txt" | tr -d '\r\n')
if [ "$got" = "$tens$units" ]; then
  echo "ok   last map: progress on file $got"
else
  echo "FAIL last map: progress on file $got, expected $tens$units"; failed=1
fi
[ "$failed" -eq 0 ] && echo ok
exit "$failed"

#!/usr/bin/env bash
# How many frames a level takes to end, counted from the rules of play rather than from the
# program, and compared with the frames the replay check reports.
#
# Counting, with G the frames of a glide (8, or 4 in turbo) and E the frames between
# readings of the controls (4, or 2 in turbo; G is a whole number of them):
#  - the controls are first read in frame E, so the first step starts there and every step
#    after it starts on the frame after the previous one arrived: step s arrives at the end
#    of frame E + s G - 1;
#  - a character arriving on the exit after the last pickup is drawn there from the next
#    frame on; the first such frame makes the level-end counter 2 and each further one adds
#    1, and the level ends in the frame the counter reaches 2 x lfps + 2: after m steps, in
#    frame E + m G + 2 lfps;
#  - a refused move ends its frame before the level-end test, so a refusal in the frame that
#    would end the level puts the end one frame later.
# Usage: level_end_test.sh PROGRAM MEDIA_DIR
set -u
program="$1"
media="$2"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0

# Map 1 of a copy of the set is replaced by a test board: row 0 holds "START EGG EXIT", row 2
# "START EXIT EGG"; every other cell is floor. Cells: % start, , egg, 5 exit, # floor.
board() {  # board ROW0 -> 256 cells
  local row="$1" cells
  cells=$(printf '%s%*s' "$row" $((256 - ${#row})) '' | tr ' ' '#')
  printf '%s' "$cells"
}
with_lfps() {  # with_lfps LFPS BOARD -> a set in $tmp/LFPS with map 1 = BOARD
  local dir="$tmp/$1-$RANDOM"
  mkdir -p "$dir"
  cp -r "$media/Media" "$dir/Media"
  sed -i "s/^=SETTA LFPS [0-9]*/=SETTA LFPS $1/" "$dir/Media/Zolv-dat2.txt"
  grep -q "^=SETTA LFPS $1" "$dir/Media/Zolv-dat2.txt" || { echo "no LFPS line to change"; exit 1; }
  awk -v b="$2" 'NR == 2 { printf "%s\r\n", b; next } { print }' \
    "$media/Media/Zolv-sch1-mappe.txt" > "$dir/Media/Zolv-sch1-mappe.txt"
  echo "$dir"
}
expect() {  # expect NAME LFPS BOARD MOVES FRAMES [--turbo]
  local name="$1" lfps="$2" b="$3" moves="$4" want="$5"
  shift 5
  local dir report got
  dir=$(with_lfps "$lfps" "$b")
  report=$("$program" --replay-check 1 "$moves" --dir "$dir" "$@" 2>&1)
  got=$(sed -n 's/^frames=//p' <<< "$report")
  if ! grep -qx 'finished=1' <<< "$report" || [ "$got" != "$want" ]; then
    echo "FAIL $name: want finished=1 frames=$want, got:"
    head -n 4 <<< "$report"
    failed=1
  else
    echo "ok   $name: frames=$got"
  fi
}
frames() {  # frames E G STEPS LFPS
  echo $(($1 + $3 * $2 + 2 * $4))
}

egg_then_exit=$(board '%,5')
exit_then_egg=$(board '%5,')
for lfps in 60 30 10; do
  expect "egg then exit at lfps $lfps" "$lfps" "$egg_then_exit" 11 "$(frames 4 8 2 "$lfps")"
done
expect "egg then exit in turbo" 60 "$egg_then_exit" 11 "$(frames 2 4 2 60)" --turbo
# Standing on the exit before the last egg counts nothing: out to the egg and back.
expect "exit, egg, back to the exit" 60 "$exit_then_egg" 113 "$(frames 4 8 3 60)"
# Refused moves up at the top edge on every reading of the controls while on the exit: the
# readings fall on frames E + 2 G + 4 j, the 2 x 60 / 4 + 1 = 31st on the frame that ends the
# level, so 30 refusals change nothing and 31 put the end a frame later.
expect "30 refusals on the exit" 60 "$egg_then_exit" "11$(printf '0%.0s' $(seq 30))" \
  "$(frames 4 8 2 60)"
expect "31 refusals on the exit" 60 "$egg_then_exit" "11$(printf '0%.0s' $(seq 31))" \
  "$(($(frames 4 8 2 60) + 1))"
exit "$failed"

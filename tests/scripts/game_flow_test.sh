#!/usr/bin/env bash
# The game as a person meets it, played headless through the real main program with key
# scripts, on a temporary copy of the media so no save touches the shipped set.
# Usage: game_flow_test.sh PROGRAM CHECK
set -u
program="$1"
check="$2"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
game="$tmp/game"
mkdir -p "$game"
# The shipped set as it is in the source tree: the copy beside the program keeps whatever a
# person played there.
cp -r "$source_dir/media/Media" "$source_dir/media/Leggimi.txt" "$source_dir/media/Read_Me.txt" \
  "$game/"
script="$tmp/script"
: > "$script"

fail() { echo "FAIL: $*"; echo "--- summary"; cat "$tmp/summary" 2>/dev/null; exit 1; }
say() { printf '%s\n' "$@" >> "$script"; }
field() { sed -n "s/^$1=//p" "$tmp/summary"; }
expect() { [ "$(field "$1")" = "$2" ] || fail "$1 is '$(field "$1")', not '$2'"; }
file_line() { sed -n "$(($2 + 1))p" "$game/Media/$1" | tr -d '\r'; }
run() {
  TMPDIR="$tmp" timeout 120 "$program" --headless --script "$script" --dir "$game" --seed 1 \
    > "$tmp/summary" 2> "$tmp/stderr" || { cat "$tmp/stderr"; fail "the run did not end normally"; }
}
set_player() { printf '%s\r\n' "$@" > "$game/Media/Zolv-gioc.txt"; }

# Past the title (its key wait starts at about frame 10) into the menu on entry 1.
title() { say "wait 20" "press Space" "wait 3"; }
menu_down() { for _ in $(seq 1 "$1"); do say "press Down"; done; }
# A direction per move, held over one reading of the controls (every 4th frame), with time
# for the glide; then the level-end count runs out.
play_moves() {
  local moves="$1" c
  for ((k = 0; k < ${#moves}; k++)); do
    c=${moves:$k:1}
    case "$c" in 0) say "hold Up 4" ;; 1) say "hold Right 4" ;; 2) say "hold Down 4" ;; 3) say "hold Left 4" ;; esac
    say "wait 8"
  done
  say "wait 200"
}
# Level 0's solution: its replay line, else the written solutions.
level0_moves() {
  local line
  line=$(file_line Zolv-sch1-memo.txt 0)
  echo "$line" | tr -d 'ABCDEFGHIJKLMNOPQRSTUVWXYZ'
}
start_level0() { title; say "press Up" "wait 2" "press Enter" "wait 14"; }

case "$check" in
records)
  # Play level 0 from the menu; the records line, progress and the next map follow.
  moves=$(level0_moves)
  start_level0
  play_moves "$moves"
  say "press Space" "wait 10" "end"
  run
  expect entry frame
  expect map 1
  line=$(file_line Zolv-sch1-punti.txt 0)
  echo "records line: '$line'"
  [[ "$line" =~ ^00\ 00[0-9][0-9]\ PL1\ 0[0-9]{3}\ PL1\ 00[0-9]{2}\ PL1\ $ ]] || fail "records line '$line'"
  [ "${#line}" -eq 30 ] || fail "records line of ${#line} characters"
  [ "$(file_line Zolv-gioc.txt 1)$(file_line Zolv-gioc.txt 2)" = "AB" ] || fail "progress letters"
  ;;
points-only)
  # Only the points record is beaten: steps, time and their holders stay.
  moves=$(level0_moves)
  { printf '00 0002 AAA 0001 BBB 0001 CCC \r\n'; sed -n '2,$p' "$game/Media/Zolv-sch1-punti.txt"; } \
    > "$tmp/p" && mv "$tmp/p" "$game/Media/Zolv-sch1-punti.txt"
  start_level0
  play_moves "$moves"
  say "press Space" "wait 5" "end"
  run
  line=$(file_line Zolv-sch1-punti.txt 0)
  echo "records line: '$line'"
  [[ "$line" =~ ^00\ 0002\ AAA\ 0[0-9]{3}\ PL1\ 0001\ CCC\ $ ]] || fail "records line '$line'"
  ;;
steps-replay)
  # A steps record makes the attempt's moves, a refused one included, the map's replay;
  # viewing it from the menu finishes the level with the same steps and points.
  moves=$(level0_moves)
  # The first move into the solution the board refuses (against an edge or a wall): the
  # line still finishes, in the solution's steps.
  bumped=""
  for ((k = 0; k < ${#moves}; k++)); do
    [ -n "$bumped" ] && break
    for d in 0 1 2 3; do
      try="${moves:0:$k}$d${moves:$k}"
      check=$("$program" --replay-check 0 "$try" --dir "$game")
      if echo "$check" | grep -qx "finished=1" &&
         [ "$(echo "$check" | sed -n 's/^steps=//p')" -eq "${#moves}" ]; then
        bumped="$try"; break
      fi
    done
  done
  [ -n "$bumped" ] || fail "no refused move found in '$moves'"
  cp "$source_dir/media/Media/Zolv-sch1-punti.txt" "$source_dir/media/Media/Zolv-sch1-memo.txt" \
    "$game/Media/"
  start_level0
  play_moves "$bumped"
  say "press Space" "wait 5" "end"
  run
  steps=$(field steps)
  [ "$(file_line Zolv-sch1-memo.txt 0)" = "$bumped" ] || fail "replay line '$(file_line Zolv-sch1-memo.txt 0)'"
  check=$("$program" --replay-check 0 "$bumped" --dir "$game")
  echo "$check" | grep -qx "finished=1" || fail "the bumped line does not finish"
  [ "$(echo "$check" | sed -n 's/^steps=//p')" -eq "${#moves}" ] || fail "the refused move counted"
  # Now watch it: entry 2 of the menu, map 0.
  : > "$script"
  say "wait 20" "press Space" "wait 3" "press Down" "wait 2" "press Enter" "wait 800" "end"
  run
  expect entry "menu loop"
  expect rivede 0
  expect steps "${#moves}"
  ;;
demo)
  # The demonstration plays map 0 with its stops (each waits for a key) and returns. It
  # starts only when map 0 has a replay line.
  moves=$(level0_moves)
  { echo "$moves"; sed -n '2,$p' "$game/Media/Zolv-sch1-memo.txt"; } > "$tmp/m" &&
    mv "$tmp/m" "$game/Media/Zolv-sch1-memo.txt"
  title
  menu_down 3
  say "press Enter"
  for _ in $(seq 1 12); do say "wait 60" "press Space"; done
  say "wait 300" "end"
  run
  expect entry "menu loop"
  expect rivede 0
  expect testoreplay 1
  [ "$(field steps)" -gt 0 ] || fail "the demonstration made no steps"
  ;;
name)
  # Editing the name: a refused name is undone to the name from before the edit (which the
  # still-held button then confirms), an allowed one is written.
  set_player "ASR" "A" "A"
  title
  menu_down 5
  say "press Enter" "press Right" "press Right" "press Down" "press Space" "wait 2" "end"
  run
  expect name ASR
  [ "$(file_line Zolv-gioc.txt 0)" = "ASR" ] || fail "a refused name was written"
  : > "$script"
  title
  menu_down 5
  say "press Enter" "press Right" "press Right" "press Up" "press Space" "wait 2" "end"
  run
  expect name ASQ
  expect lettera 0
  [ "$(file_line Zolv-gioc.txt 0)" = "ASQ" ] || fail "the name was not written"
  ;;
exit)
  # Sound switched off, then the exit entry: the options are written and the program ends.
  title
  menu_down 6
  say "press Enter" "wait 2"
  menu_down 4
  say "press Enter" "wait 5"
  TMPDIR="$tmp" timeout 60 "$program" --headless --script "$script" --dir "$game" > "$tmp/summary"
  status=$?
  [ "$status" -eq 0 ] || fail "exit status $status"
  expect error 0
  got=""
  for n in 3 4 5 6 7; do got="$got$(file_line Zolv-gioc.txt $n)"; done
  [ "$got" = "10000" ] || fail "player lines 3 to 7 are '$got'"
  ;;
language)
  # The language entry turns the menu Italian; the readme then comes from Leggimi.txt and
  # settles 16 lines above its end marker there.
  title
  menu_down 2
  say "press Enter" "wait 3" "press Up" "wait 2" "end"
  run
  expect lingua 0
  expect menu "RIVEDI"
  # The end of the script kept the language: start the second run in English again.
  cp "$source_dir/media/Media/Zolv-gioc.txt" "$game/Media/"
  : > "$script"
  title
  menu_down 2
  say "press Enter" "wait 3"
  menu_down 2
  say "press Enter" "wait 3" "hold Down 200" "wait 3" "end"
  run
  expect lingua 0
  eof=$(grep -n '^EOF' "$game/Leggimi.txt" | cut -d: -f1)
  expect readme $((eof - 1 - 16))
  ;;
readme)
  # One line per press of Down, however the key is pressed, then it settles above "EOF".
  title
  menu_down 4
  say "press Enter" "wait 3" "press Down" "press Down" "press Down" "wait 3" "end"
  run
  expect readme 3
  : > "$script"
  title
  menu_down 4
  say "press Enter" "wait 3" "hold Down 300" "wait 3" "end"
  run
  eof=$(grep -n '^EOF' "$game/Read_Me.txt" | cut -d: -f1)
  expect readme $((eof - 1 - 16))
  ;;
*) echo "unknown check $check"; exit 2 ;;
esac
echo ok

#!/usr/bin/env bash
# The menu's level chooser through the real program, headless: it offers the maps from 0 to
# the highest the player has reached (the player file's second and third lines, tens and
# units as letters from "A"), one step a press, and wraps at both ends.
# Usage: menu_chooser_test.sh PROGRAM MEDIA_FOLDER
set -u
program="$1" media="$2"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
# check TENS UNITS KEYS EXPECTED: the map the chooser shows after KEYS (names joined by
# spaces) with the player's progress at TENS UNITS.
check() {
  local tens="$1" units="$2" keys="$3" expected="$4"
  rm -rf "$tmp/run" && mkdir -p "$tmp/run" && cp -r "$media/Media" "$tmp/run/"
  printf 'PL1\r\n%s\r\n%s\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' "$tens" "$units" >"$tmp/run/Media/Zolv-gioc.txt"
  {
    printf 'wait 20\npress Space\nwait 20\n'
    for k in $keys; do printf 'press %s\nwait 6\n' "$k"; done
    printf 'wait 10\nend\n'
  } >"$tmp/script"
  local got
  got=$("$program" --headless --script "$tmp/script" --dir "$tmp/run" --seed 1 | sed -n 's/^map=//p')
  if [ "$got" != "$expected" ]; then
    echo "progress $tens$units, keys '$keys': map $got, expected $expected"; failed=1
  else
    echo "progress $tens$units, keys '$keys': map $got"
  fi
}
check A J "" 0
check A J "Left" 9          # below map 0: the highest reached
check A J "Left Left" 8
check A J "Right" 1
check A J "Left Right" 0    # past the highest reached: map 0
check A E "Left" 4
check A E "Left Right Right" 1
check B D "Left" 13         # tens and units read from their letters
check B D "Left Left Left" 11
check B D "Up Left" 13      # up on the first entry stays on it
check A A "Left" 0          # only map 0 reached
check A A "Right" 0
[ "$failed" -eq 0 ] && echo ok
exit "$failed"

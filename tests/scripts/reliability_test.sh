#!/usr/bin/env bash
# Nothing lost, nothing stuck: names, options, the editor's board, the demonstration and the
# settings files, played headless through the real program on a copy of the shipped media.
# Usage: reliability_test.sh PROGRAM CHECK [FIXTURES]
#   name-below-one  stepping a letter below "1" leaves a printable name and a whole player file
#   refused-on-file a refused name on file neither hangs nor sticks: it counts as "PL1"
#   editor-select   Select alone in the editor keeps a piece just put, which a save then writes
#   close-keeps     Alt+F4 after turning turbo on keeps it at the next start
#   demo-no-replay  the demonstration plays the settings' line without a replay file
#   empty-dat2      an empty second settings file stops start-up with a message naming it
#   menut-99        a menu count past the menu table is refused, named by file, line, directive
#   typechar-ff     a piece whose type character is past the piece table is refused, the
#                   rest of the game starts
set -u
program="$1"
check="$2"
fixtures="${3:-}"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
game="$tmp/game"
mkdir -p "$game"
cp -r "$source_dir/media/Media" "$source_dir/media/Leggimi.txt" "$source_dir/media/Read_Me.txt" \
  "$game/"
player="$game/Media/Zolv-gioc.txt"
script="$tmp/script"

fail() { echo "FAIL: $*"; echo "--- summary"; cat "$tmp/summary" 2>/dev/null; echo "--- stderr"; cat "$tmp/stderr" 2>/dev/null; exit 1; }
field() { sed -n "s/^$1=//p" "$tmp/summary"; }
file_line() { sed -n "$(($2 + 1))p" "$1" | tr -d '\r'; }
# Runs the keys given (one command an argument); the status is left in $status.
run() {
  printf '%s\n' "$@" > "$script"
  TMPDIR="$tmp" timeout -k 5 30 "$program" --headless --script "$script" --dir "$game" --seed 1 \
    > "$tmp/summary" 2> "$tmp/stderr"
  status=$?
}
run_ok() { run "$@"; [ "$status" -eq 0 ] || fail "the run ended with status $status"; }
title=('wait 20' 'press Space' 'wait 3')
fixture() {
  [ -n "$fixtures" ] && [ -e "$fixtures/$1" ] && { cp "$fixtures/$1" "$tmp/$1"; return; }
  return 1
}

case "$check" in
name-below-one)
  lines_before=$(wc -l < "$player")
  if fixture name_below_one.keys; then mapfile -t keys < "$tmp/name_below_one.keys"
  else keys=("${title[@]}" 'press Down' 'press Down' 'press Down' 'press Down' 'press Down'
             'press Enter' 'press Right' 'press Right' 'hold Up 39' 'wait 1' 'press Space'
             'wait 3' 'end'); fi
  run_ok "${keys[@]}"
  name=$(file_line "$player" 0)
  echo "name on file: '$name'"
  [ "${#name}" -eq 3 ] || fail "the name on file is '${name}'"
  LC_ALL=C grep -q '^[ -~]*$' <<< "$name" || fail "the name holds unprintable characters"
  [ "$(wc -l < "$player")" -eq "$lines_before" ] || fail "the player file's lines moved"
  [ "$(file_line "$player" 1)" = A ] || fail "progress line 1 moved"
  # The lowest printable character is as far as a letter steps.
  [ "${name:2:1}" = " " ] || fail "stepping did not stop at the blank"
  ;;
refused-on-file)
  printf '%s\r\n' ASS A A 0 0 0 0 0 > "$player"
  run_ok "${title[@]}" 'press Down' 'press Down' 'press Down' 'press Down' 'press Down' \
    'press Enter' 'press Space' 'wait 3' 'press Up' 'wait 3' 'end'
  [ "$(field entry)" = "menu loop" ] || fail "not back in the menu"
  [ "$(field name)" = PL1 ] || fail "the name is '$(field name)', not PL1"
  [ "$(file_line "$player" 0)" = PL1 ] || fail "the refused name stayed on file"
  ;;
editor-select)
  maps="$game/Media/Zolv-sch1-mappe.txt"
  sed -i '3s/^[^\r]*/F/' "$player"
  before=$(file_line "$maps" 1)
  # Into the editor on map 1, pick the piece under the cursor's upper right, put it, press
  # Select alone, then save.
  run_ok "${title[@]}" 'press Q+W' 'wait 3' 'press Up' 'wait 3' 'press Right' 'wait 3' \
    'press Enter' 'wait 12' 'hold Up 4' 'hold Right 4' 'hold Right 4' 'hold X 4' \
    'hold Down 4' 'hold Down 4' 'hold Z 4' 'hold Backspace 4' 'wait 8' 'hold Z+Tab 4' \
    'wait 10' 'press M' 'wait 10' 'end'
  [ "$(field editor)" = 1 ] || fail "not in the editor"
  [ "$(field save)" = "MAPPA SALVATA!" ] || fail "no save"
  after=$(file_line "$maps" 1)
  [ "$after" = "${before:0:119}T${before:120}" ] || fail "the put piece was not kept"
  ;;
close-keeps)
  [ "$(file_line "$player" 6)" = 0 ] || fail "turbo is on in the shipped player file"
  # Down to the turbo switch (entry 10), on, then Alt+F4.
  keys=("${title[@]}")
  for _ in $(seq 9); do keys+=('press Down'); done
  run_ok "${keys[@]}" 'press Enter' 'wait 3' 'press LAlt+F4' 'wait 5' 'end'
  [ "$(file_line "$player" 6)" = 1 ] || fail "turbo was not saved"
  run_ok 'wait 30' 'end'
  [ "$(field turbo)" = 1 ] || fail "turbo is '$(field turbo)' at the next start"
  ;;
demo-no-replay)
  rm -f "$game/Media/Zolv-sch1-memo.txt"
  keys=("${title[@]}" 'press Down' 'press Down' 'press Down' 'press Enter')
  for _ in $(seq 12); do keys+=('wait 60' 'press Space'); done
  run_ok "${keys[@]}" 'wait 300' 'end'
  [ "$(field steps)" -gt 0 ] || fail "the demonstration made no steps"
  ;;
empty-dat2)
  : > "$game/Media/Zolv-dat2.txt"
  run 'wait 700' 'end'
  [ "$status" -ne 0 ] || fail "start-up went on"
  grep -q 'Zolv-dat2.txt is empty' "$tmp/stderr" || fail "the message does not name the file"
  ;;
menut-99)
  if ! fixture F5_dat2_MENUT_99.txt; then
    sed 's/^=MENUT  *[0-9]*/=MENUT      99/' "$game/Media/Zolv-dat2.txt" > "$tmp/F5_dat2_MENUT_99.txt"
  fi
  cp "$tmp/F5_dat2_MENUT_99.txt" "$game/Media/Zolv-dat2.txt"
  line=$(grep -n '^=MENUT' "$game/Media/Zolv-dat2.txt" | head -1 | cut -d: -f1)
  run 'wait 700' 'end'
  grep -q "Zolv-dat2.txt line $line: =MENUT" "$tmp/stderr" ||
    fail "no message naming the file, line $line and =MENUT"
  grep -q "runtime error 9" "$tmp/stderr" && fail "the game still stops with an index error"
  [ "$status" -ne 0 ] || fail "start-up went on without menu texts"
  ;;
typechar-ff)
  if ! fixture F5_dat1_typechar_ff.txt; then
    LC_ALL=C sed '0,/^=PEZZO /s/^\(=PEZZO \)./\1\xff/' "$game/Media/Zolv-dat1.txt" \
      > "$tmp/F5_dat1_typechar_ff.txt"
  fi
  cp "$tmp/F5_dat1_typechar_ff.txt" "$game/Media/Zolv-dat1.txt"
  run_ok "${title[@]}" 'wait 10' 'end'
  grep -q "Zolv-dat1.txt line [0-9]*: =PEZ" "$tmp/stderr" || fail "no message naming the piece line"
  [ "$(field entry)" = "menu loop" ] || fail "the game did not reach the menu"
  ;;
*) echo "unknown check $check"; exit 2 ;;
esac
echo ok

#!/usr/bin/env bash
# Input as a person gives it, played headless through the real main program: quick taps
# between two frames, the help's pages, a game pad alone (a virtual pad driven by the key script) and a pad
# unplugged and plugged in again.
# Usage: input_test.sh PROGRAM CHECK
set -u
program="$1"
check="$2"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
game="$tmp/game"
mkdir -p "$game"
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
  : > "$tmp/summary"
  TMPDIR="$tmp" timeout 120 "$program" --headless --script "$script" --dir "$game" --seed 1 \
    > "$tmp/summary" 2> "$tmp/stderr" || { cat "$tmp/stderr"; fail "the run did not end normally"; }
}

case "$check" in
tap)
  # The menu reads its keys once a frame at 10 frames a second: a tap between two frames
  # (a 3-frame tap at 60) moves the cursor once, as a held press does; two taps move twice.
  say "wait 20" "press Space" "wait 3" "tap Down" "wait 3" "end"
  run
  expect entry "menu loop"
  expect opz 2
  : > "$script"
  say "wait 20" "press Space" "wait 3" "press Down" "wait 3" "end"
  run
  expect opz 2
  : > "$script"
  say "wait 20" "press Space" "wait 3" "tap Down" "tap Down" "wait 1" "tap Up" "wait 3" "end"
  run
  expect opz 2
  ;;
help)
  # F1 shows the help over the menu; the key closing it does not act on the menu, the next
  # key does. On the title, F1 shows the help and the title waits on for its key.
  say "wait 20" "press F1" "wait 3" "press Space" "wait 3" "press Space" "wait 3" \
    "press F1" "wait 3" "press Down" "wait 3" "press Down" "wait 3" "end"
  run
  expect entry "menu loop"
  expect opz 2
  ;;
editor-help)
  # The editor's help has two pages: the key closing the first shows the second, the key
  # closing that does not act, and the next key does (here Right moves the cursor one cell).
  to_editor=("wait 20" "press Space" "wait 3" "press Q+W" "wait 3" "press Up" "wait 3"
             "press Right" "wait 3" "press Enter" "wait 12")
  say "${to_editor[@]}" "end"
  run
  expect editor 1
  x=$(field cursor_x)
  : > "$script"
  say "${to_editor[@]}" "press F1" "wait 3" "press Space" "wait 3" "press Space" "wait 3" \
    "hold Right 4" "wait 4" "end"
  run
  expect cursor_x $((x + 1))
  # Closed after the first page only, the second page takes the Right.
  : > "$script"
  say "${to_editor[@]}" "press F1" "wait 3" "press Space" "wait 3" "hold Right 4" "wait 4" "end"
  run
  expect cursor_x "$x"
  ;;
pad)
  # A game pad alone: past the title with A, up to PLAY, B (Enter) starts level 0, the d-pad
  # plays its solution; the finish is recorded as a keyboard's would be.
  line=$(file_line Zolv-sch1-memo.txt 0)
  moves=$(echo "$line" | tr -d 'ABCDEFGHIJKLMNOPQRSTUVWXYZ')
  say "wait 20" "press PadA" "wait 3" "press PadUp" "wait 2" "press PadB" "wait 14"
  for ((k = 0; k < ${#moves}; k++)); do
    case "${moves:$k:1}" in 0) say "hold PadUp 4" ;; 1) say "hold PadRight 4" ;; 2) say "hold PadDown 4" ;; 3) say "hold PadLeft 4" ;; esac
    say "wait 8"
  done
  say "wait 200" "press PadA" "wait 10" "end"
  run
  expect entry frame
  expect map 1
  records=$(file_line Zolv-sch1-punti.txt 0)
  [[ "$records" =~ ^00\ 00[0-9][0-9]\ PL1\  ]] || fail "records line '$records'"
  [ "$(file_line Zolv-gioc.txt 1)$(file_line Zolv-gioc.txt 2)" = "AB" ] || fail "progress letters"
  ;;
unplug)
  # The pad unplugged while a direction is held on it, mid-level: the hold ends with it (one
  # step up, not a walk up the open column), nothing fails, and the keyboard plays on; a pad
  # plugged in again plays the level to its end.
  pad_moves() {
    local k
    for ((k = 0; k < ${#1}; k++)); do
      case "${1:$k:1}" in 0) say "hold PadUp 4" ;; 1) say "hold PadRight 4" ;; 2) say "hold PadDown 4" ;; 3) say "hold PadLeft 4" ;; esac
      say "wait 8"
    done
  }
  line=$(file_line Zolv-sch1-memo.txt 0)
  [ "$line" = 223000011111122222 ] || fail "level 0's stored solution changed: '$line'"
  start() { say "wait 20" "press PadA" "wait 3" "press PadUp" "wait 2" "press PadB" "wait 14"; }
  start
  pad_moves 223
  say "hold PadUp 4" "pad off" "hold PadUp 60" "wait 20" "end"
  run
  expect entry frame
  expect steps 4
  : > "$script"
  start
  pad_moves 223
  say "hold PadUp 4" "pad off" "hold PadUp 60" "wait 20"
  for _ in 1 2 3; do say "hold Up 4" "wait 8"; done
  say "pad on" "wait 5"
  pad_moves 11111122222
  say "wait 200" "press PadA" "wait 10" "end"
  run
  expect map 1
  # The log (in the temporary folder) names the pad each time it is opened.
  [ "$(grep -c 'Game pad:' "$tmp/ErrorLog.txt")" = 2 ] || fail "the pad was not opened twice"
  ;;
*)
  fail "no check '$check'"
  ;;
esac
echo "ok: $check"

#!/usr/bin/env bash
# Undo, redo and hints in play, through the real main program headless on a temporary copy
# of the media.
# Usage: aids_test.sh PROGRAM SOLVER CHECK
set -u
program="$1"
solver="$2"
check="$3"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
game="$tmp/game"

fail() { echo "FAIL: $*"; echo "--- summary"; cat "$tmp/summary" 2>/dev/null; exit 1; }
fresh() { rm -rf "$game"; mkdir -p "$game"; cp -r "$source_dir/media/Media" "$game/"; : > "$tmp/script"; }
say() { printf '%s\n' "$@" >> "$tmp/script"; }
field() { sed -n "s/^$1=//p" "$tmp/summary"; }
file_line() { sed -n "$(($2 + 1))p" "$game/Media/$1" | tr -d '\r'; }
run() {
  TMPDIR="$tmp" timeout 120 "$program" --headless --script "$tmp/script" --dir "$game" --seed 1 \
    > "$tmp/summary" 2> "$tmp/stderr" || { cat "$tmp/stderr"; fail "the run did not end normally"; }
}
# Every level reached, so that the menu's right key walks to any of them.
all_levels() { printf '%s\r\n' PL1 J J 0 0 0 0 0 > "$game/Media/Zolv-gioc.txt"; }
start_level() {
  say "wait 20" "press Space" "wait 3" "press Up"
  for _ in $(seq 1 "$1"); do say "press Right"; done
  say "wait 2" "press Enter" "wait 14"
}
# One board move per character, held over a reading of the controls, with time to glide.
moves() {
  local c k
  for ((i = 0; i < ${#1}; i++)); do
    c=${1:$i:1}
    case "$c" in 0) k=Up ;; 1) k=Right ;; 2) k=Down ;; 3) k=Left ;; U) k=U ;; I) k=I ;; H) k=H ;; esac
    say "hold $k 4" "wait 12"
  done
}
# The fewest steps of a map, from the solver.
shortest() { "$solver" "$source_dir/media" "$1" | sed -n "s/^map $1: steps=\([0-9]*\).*/\1/p"; }

case "$check" in
undo)
  # Level 3 (ice melts behind the player): three moves off the way, taken back, then a redo
  # of one of them taken back again, and the shortest finish. The stored replay is the
  # finish alone and plays to the end on its own.
  fresh
  all_levels
  # No records yet, so this finish sets all three.
  sed -i '4s/.*/NO_DATA\r/' "$game/Media/Zolv-sch1-punti.txt"
  sed -i '4s/.*/NO_DATA\r/' "$game/Media/Zolv-sch1-memo.txt"
  best=$(file_line Zolv-sch1-memo.txt 3)
  [ -n "$best" ] || best=$("$solver" "$source_dir/media" 3 | sed -n 's/.*line=//p')
  start_level 3
  moves "011" ; moves "233" ; moves "UUU" ; moves "IU" ; moves "122011"
  say "wait 200" "press Space" "wait 10" "end"
  run
  [ "$(field map)" = 4 ] || fail "level 3 did not finish (map $(field map))"
  replay=$(file_line Zolv-sch1-memo.txt 3)
  [ "$replay" = "011122011" ] || fail "stored replay '$replay' is not the finish alone"
  [ "$(file_line Zolv-sch1-aiuti.txt 3)" = 111 ] || fail "the records are not marked as aided"
  "$program" --replay-check 3 "$replay" --dir "$game" > "$tmp/check" || fail "replay check did not run"
  grep -q '^finished=1' "$tmp/check" || { cat "$tmp/check"; fail "the stored replay does not finish"; }
  grep -q '^steps=9$' "$tmp/check" || { cat "$tmp/check"; fail "the stored replay takes other steps"; }
  # Undo with nothing to take back changes nothing and aids nothing: no marks file.
  fresh
  all_levels
  sed -i '4s/.*/NO_DATA\r/' "$game/Media/Zolv-sch1-punti.txt"
  start_level 3
  moves "U" ; moves "011122011"
  say "wait 200" "press Space" "wait 10" "end"
  run
  [ "$(field map)" = 4 ] || fail "level 3 did not finish after an undo at the start"
  [ ! -e "$game/Media/Zolv-sch1-aiuti.txt" ] || fail "an unaided finish wrote the marks file"
  ;;
hints)
  # The hint on every level's start is the first move of a shortest solution, as the
  # solver's full search finds it from the position that move leaves.
  args=()
  levels=$(($(wc -l < "$source_dir/media/Media/Zolv-sch1-mappe.txt")))
  for ((m = 0; m < levels; m++)); do
    fresh
    all_levels
    start_level "$m"
    say "hold H 4" "wait 4" "end"
    run
    hint=$(field hint)
    [ "${hint%%:*}" = "$m" ] || fail "no hint on map $m ('$hint')"
    args+=(--first-move "$hint")
  done
  "$solver" "$source_dir/media" "${args[@]}" > "$tmp/solver"
  grep 'first move' "$tmp/solver" | grep -v 'begins a shortest' && fail "a hint does not begin a shortest solution"
  [ "$(grep -c 'begins a shortest' "$tmp/solver")" = "$levels" ] || fail "not every level was checked"
  ;;
dead_end)
  # Level 9 after moves that strand the player (a cabin turned the wrong way): the hint says
  # no finish is left, and after an undo it gives a move again.
  fresh
  all_levels
  start_level 9
  moves "113" ; moves "H"
  say "end"
  run
  [ "$(field hint)" = "9:none" ] || fail "the hint on a dead end is '$(field hint)'"
  [ "$(field aided)" = 1 ] || fail "the attempt with a hint is not aided"
  fresh
  all_levels
  start_level 9
  moves "113" ; moves "UH"
  say "end"
  run
  case "$(field hint)" in 9:[0-3]) ;; *) fail "no hint after the undo ('$(field hint)')" ;; esac
  ;;
one_step)
  # Level 0 from its start: up is open for two cells. Held for 20 frames a direction walks
  # once with one step per tap and repeats after a longer hold; off, 20 frames walk on.
  for option in off on; do
    for frames in 20 40; do
      fresh
      say "wait 20" "press Space" "wait 3"
      [ "$option" = on ] && say "press F2" "wait 2" "press Right" "wait 2" "press Esc" "wait 3"
      say "press Up" "wait 2" "press Enter" "wait 14" "hold Up $frames" "wait 30" "end"
      run
      got="$option/$frames:$(field steps)"
      case "$got" in
        off/20:2 | on/20:1 | on/40:2 | off/40:2) ;;
        *) fail "one step per tap $option, a hold of $frames frames: $(field steps) steps" ;;
      esac
    done
  done
  # L and R held together in the menu for 10 of its readings: off, the editor switches at
  # every reading (ten times, ending off); on, once per press (ending on).
  for option in off on; do
    fresh
    say "wait 20" "press Space" "wait 3"
    [ "$option" = on ] && say "press F2" "wait 2" "press Right" "wait 2" "press Esc" "wait 3"
    say "hold Q+W 10" "wait 3" "end"
    run
    want=0
    [ "$option" = on ] && want=1
    [ "$(field editor)" = "$want" ] ||
      fail "L and R held with one step per tap $option: editor $(field editor), not $want"
  done
  ;;
pad)
  # A game pad alone on level 3: B held with X undoes (once however long the pair is held),
  # with Y redoes, with A gives a hint; X and Y held with B leave the speed alone. The level
  # then finishes from the position the aids left.
  pad_moves() {
    local k
    for ((k = 0; k < ${#1}; k++)); do
      case "${1:$k:1}" in
        0) say "hold PadUp 4" ;; 1) say "hold PadRight 4" ;; 2) say "hold PadDown 4" ;; 3) say "hold PadLeft 4" ;;
        U) say "hold PadB+PadX 4" ;; I) say "hold PadB+PadY 4" ;; H) say "hold PadB+PadA 4" ;;
      esac
      say "wait 12"
    done
  }
  fresh
  all_levels
  start_level 3
  pad_moves "011"
  say "hold PadB 3" "hold PadB+PadX 40" "wait 12"
  pad_moves "U"
  say "end"
  run
  [ "$(field steps)" = 1 ] || fail "after three moves and two undos $(field steps) steps"
  [ "$(field aided)" = 1 ] || fail "the undos did not mark the attempt aided"
  speed=$(field lfps)
  fresh
  all_levels
  start_level 3
  pad_moves "011UUIH"
  say "end"
  run
  [ "$(field steps)" = 2 ] || fail "after an undo and a redo $(field steps) steps, not 2"
  case "$(field hint)" in 3:[0-3]) ;; *) fail "no hint from B and A ('$(field hint)')" ;; esac
  [ "$(field lfps)" = "$speed" ] || fail "B with X or Y changed the speed ($(field lfps))"
  # The rest of the shortest finish from there.
  fresh
  all_levels
  start_level 3
  pad_moves "011UUI1122011"
  say "wait 200" "press Space" "wait 10" "end"
  run
  [ "$(field map)" = 4 ] || fail "level 3 did not finish after the pad's aids (map $(field map))"
  # X alone does change the speed, and with the aids off so does B with X, which then undoes
  # nothing.
  fresh
  all_levels
  say "wait 20" "press Space" "wait 3" "press F2" "wait 2" "press Down" "press Down"
  say "press Right" "wait 2" "press Esc" "wait 3"
  say "press Up"
  for _ in 1 2 3; do say "press Right"; done
  say "wait 2" "press Enter" "wait 14"
  pad_moves "01U"
  say "end"
  run
  [ "$(field steps)" = 2 ] || fail "with the aids off B and X undid a move ($(field steps) steps)"
  [ "$(field lfps)" != "$speed" ] || fail "with the aids off B and X did not change the speed"
  [ "$(field aided)" = 0 ] || fail "with the aids off the attempt is aided"
  ;;
keys)
  # The up key set on the options screen: a key already taken (Space, button A) is refused,
  # a free one (K) is stored in the player's line and drives the game after a restart.
  fresh
  say "wait 20" "press Space" "wait 3" "press F2" "wait 2" "press Down" "press Down" "press Down"
  say "press Enter" "wait 2" "press Space" "wait 2"
  say "press Enter" "wait 2" "press K" "wait 2" "press Esc" "wait 3" "end"
  run
  line=$(file_line Zolv-opzioni.txt 0)
  set -- $line
  [ "$1 $2 $3 $4" = "PL1 0 1 1" ] || fail "options line '$line'"
  [ "$5" = 37 ] || fail "the up key is '$5', not K (37)"
  [ "$(echo "$line" | tr ' ' '
' | grep -c '^57$')" = 1 ] || fail "Space was taken twice: '$line'"
  [ "$(file_line Zolv-gioc.txt 0)" = PL1 ] || fail "the player file changed"
  # K is up in the menu too.
  : > "$tmp/script"
  say "wait 20" "press Space" "wait 3" "press K" "wait 2" "press Enter" "wait 14"
  say "hold Up 4" "wait 12" "hold K 4" "wait 12" "end"
  run
  [ "$(field steps)" = 1 ] || fail "after a restart K and Up walked $(field steps) steps, not 1"
  [ "$(field cursor_y)" = 5 ] || fail "K did not walk up (y $(field cursor_y))"
  ;;
*)
  echo "unknown check $check"
  exit 2
  ;;
esac
echo "ok: $check"

#!/usr/bin/env bash
# The hint (key H) on the shipped levels with the most positions reachable from their start,
# asked for at the start through the real program on the headless driver, on a copy of the
# media: prints per level the search's processor time and positions from the game's log, the
# fewest, middle and most of RUNS runs, and how the slowest compares with half a second; and
# what a search that runs to the bound (kHintPositions in game/play/play_aids.cpp) would take
# at the slowest rate seen.
# Usage: tools/bench_hint.sh PROGRAM SOLVER [LEVELS] [RUNS]   (LEVELS default 5, RUNS 3)
set -eu
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
solver="$2"
levels="${3:-5}"
runs="${4:-3}"
media="$(cd "$(dirname "$0")/.." && pwd)/media"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The full search's reachable positions rank the levels.
"$solver" "$media" > "$tmp/solver" || true
largest=$(sed -n 's/^map \([0-9]*\): .* states=\([0-9]*\) .*/\2 \1/p' "$tmp/solver" |
  sort -n -r | head -n "$levels")
[ -n "$largest" ] || { echo "the solver gave no figures"; cat "$tmp/solver"; exit 1; }

hint_once() {
  local m=$1
  rm -rf "$tmp/work" "$tmp/ErrorLog.txt"
  mkdir -p "$tmp/work"
  cp -r "$media/Media" "$tmp/work/"
  # Every level reached, so that the menu's right key walks to any of them.
  printf '%s\r\n' PL1 J J 0 0 0 0 0 > "$tmp/work/Media/Zolv-gioc.txt"
  {
    printf '%s\n' "wait 20" "press Space" "wait 3" "press Up"
    for _ in $(seq 1 "$m"); do echo "press Right"; done
    printf '%s\n' "wait 2" "press Enter" "wait 14" "hold H 4" "wait 4" "end"
  } > "$tmp/script"
  TMPDIR="$tmp" "$program" --headless --no-pictures --script "$tmp/script" --dir "$tmp/work" \
    --seed 1 > "$tmp/summary"
  # "hint: map M:D in S steps, P positions, T ms"
  sed -n 's/.*hint: map \([0-9]*\):\([0-9a-z]*\) in \([0-9]*\) steps, \([0-9]*\) positions, \([0-9]*\) ms.*/\1 \2 \3 \4 \5/p' \
    "$tmp/ErrorLog.txt" | tail -n 1
}

bound=$(sed -n 's/^constexpr uint32_t kHintPositions = \([0-9]*\);/\1/p' \
  "$(dirname "$0")/../game/play/play_aids.cpp")
printf '%-5s %-10s %-10s %-6s %-6s %-8s %-8s %s\n' map reachable hint_pos move steps "ms(min" "mid max)" \
  "positions/ms"
worst=0
slowest_rate=0
while read -r reachable m; do
  times=()
  line=""
  for ((r = 0; r < runs; r++)); do
    line=$(hint_once "$m")
    [ -n "$line" ] || { echo "map $m: no hint in the log"; cat "$tmp/summary"; exit 1; }
    set -- $line
    times+=("$5")
  done
  set -- $line
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  mid=${sorted[$((runs / 2))]}
  max=${sorted[$((runs - 1))]}
  rate=$(($4 / (mid > 0 ? mid : 1)))
  printf '%-5s %-10s %-10s %-6s %-6s %-8s %-8s %s\n' "$m" "$reachable" "$4" "$2" "$3" "${sorted[0]}" \
    "$mid $max" "$rate"
  [ "$mid" -gt "$worst" ] && worst=$mid
  if [ "$4" -gt 10000 ] && { [ "$slowest_rate" = 0 ] || [ "$rate" -lt "$slowest_rate" ]; }; then
    slowest_rate=$rate
  fi
done <<< "$largest"
echo "slowest middle time ${worst} ms: $((worst - 500)) ms from half a second (negative: under it)"
[ "$slowest_rate" -gt 0 ] && [ -n "$bound" ] &&
  echo "a search to the bound of $bound positions at $slowest_rate positions/ms: about $((bound / slowest_rate)) ms"
exit 0

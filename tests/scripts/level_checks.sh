#!/usr/bin/env bash
# The shipped levels, proven on every build.
# Usage: level_checks.sh CHECK SOURCE_DIR PROGRAM [MAP...]
#   solve    the solver (PROGRAM) solves every map within its limits, and every line of the
#            replay file finishes its map in the fewest steps, and the set keeps its
#            difficulty curve (blocks of ten climbing to their last level, dead ends, no
#            shared solutions, no near-copies; switches, ice or cabins that matter); and
#            docs/levels.md is what the solver writes for the shipped levels (the same run)
#   doc      docs/levels.md alone
#   replays  every line of the replay file (or the lines of the maps named), played through
#            the real main loop of the game (PROGRAM) headless, finishes its level, also in
#            turbo with the view turned, where every cell's points are doubled; with map 0,
#            so does the demonstration's line of the settings (all in one replay list)
set -u
check="$1"
source_dir="$2"
program="$3"
shift 3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

case "$check" in
solve)
  "$program" "$source_dir/media" --check-replays --check-curve --check-ideas \
    --levels-doc "$tmp/levels.md" \
    --ideas "$source_dir/tools/solver/level_ideas.txt" > "$tmp/out" 2>&1
  status=$?
  cat "$tmp/out"
  [ "$status" -eq 0 ] || { echo "the solver refused a level (status $status)"; exit 1; }
  grep -q '^speed: ' "$tmp/out" || { echo "no speed figure"; exit 1; }
  diff -u "$source_dir/docs/levels.md" "$tmp/levels.md" ||
    { echo "docs/levels.md is out of date: regenerate it with the solver"; exit 1; }
  ;;
doc)
  "$program" "$source_dir/media" --levels-doc "$tmp/levels.md" \
    --ideas "$source_dir/tools/solver/level_ideas.txt" > /dev/null ||
    { echo "the solver refused a level"; exit 1; }
  diff -u "$source_dir/docs/levels.md" "$tmp/levels.md" ||
    { echo "docs/levels.md is out of date: regenerate it with the solver"; exit 1; }
  ;;
replays)
  # The software renderer's drawing threads only cost time here: the check draws no pixels.
  export LP_NUM_THREADS=0
  # A copy of the media set: the checks run from it (viewing a replay writes nothing).
  cp -r "$source_dir/media/Media" "$tmp/Media"
  wanted=("$@")
  if [ "${#wanted[@]}" -eq 0 ]; then
    maps=$(wc -l < "$source_dir/media/Media/Zolv-sch1-mappe.txt")
    wanted=($(seq 0 $((maps - 1))))
  fi
  # One run of the program plays every check: per map its line, then its line in turbo with
  # the view turned once; the demonstration's line last.
  demo_wanted=0
  [[ " ${wanted[*]} " == *" 0 "* ]] && demo_wanted=1
  tr -d '\r' < "$source_dir/media/Media/Zolv-sch1-memo.txt" > "$tmp/memo"
  : > "$tmp/list"
  for m in "${wanted[@]}"; do
    line=$(sed -n "$((m + 1))p" "$tmp/memo")
    printf '%s 0 0 %s\n%s 1 1 %s\n' "$m" "$line" "$m" "$line" >> "$tmp/list"
  done
  if [ "$demo_wanted" -eq 1 ]; then
    demo=$(sed -n 's/^=SETTA DEMO *//p' "$source_dir/media/Media/Zolv-dat2.txt" | tr -d '\r')
    printf '0 0 0 %s\n' "$demo" >> "$tmp/list"
  fi
  SDL_AUDIODRIVER=dummy "$program" --replay-list "$tmp/list" --dir "$tmp" > "$tmp/reports" 2>&1
  status=$?
  # Each line's report ends with an empty line: report k goes to reports.k.
  awk -v out="$tmp/reports." 'BEGIN { k = 1 } /^$/ { k++; next } { print > (out k) }' \
    "$tmp/reports"
  report_of() { cat "$tmp/reports.$1" 2> /dev/null; }
  failed=0
  k=1
  for m in "${wanted[@]}"; do
    report=$(report_of $k)
    turbo=$(report_of $((k + 1)))
    k=$((k + 2))
    if ! grep -qx 'finished=1' <<< "$report"; then
      echo "map $m: the replay line does not finish through the main loop"
      echo "$report" | head -n 8
      failed=1
    else
      echo "map $m: $(grep -E '^(steps|points|frames)=' <<< "$report" | tr '\n' ' ')"
    fi
    if ! grep -qx 'finished=1' <<< "$turbo"; then
      echo "map $m: turbo at rotation 1 does not finish"
      failed=1
    fi
    # A step from slide to slide costs a step there too, so only the points double.
    points=$(sed -n 's/^points=//p' <<< "$report")
    [ "$(sed -n 's/^points=//p' <<< "$turbo")" = "$((2 * ${points:-0}))" ] ||
      { echo "map $m: turbo does not double the points"; failed=1; }
  done
  # The demonstration plays map 0 from the settings' own line, with its information stops.
  if [ "$demo_wanted" -eq 1 ]; then
    report=$(report_of $k)
    if ! grep -qx 'finished=1' <<< "$report"; then
      echo "the demonstration line '$demo' does not finish map 0"
      failed=1
    else
      echo "demonstration: $(grep -E '^(steps|points|frames)=' <<< "$report" | tr '\n' ' ')"
    fi
  fi
  if [ "$failed" -ne 0 ] || [ "$status" -ne 0 ]; then
    echo "the replay list ended with status $status; its last lines:"
    tail -n 4 "$tmp/reports" | cut -c1-200
    exit 1
  fi
  ;;
*)
  echo "unknown check $check"; exit 2 ;;
esac

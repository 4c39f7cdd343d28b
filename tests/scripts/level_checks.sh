#!/usr/bin/env bash
# The shipped levels, proven on every build.
# Usage: level_checks.sh CHECK SOURCE_DIR PROGRAM [MAP...]
#   solve    the solver (PROGRAM) solves every map within its limits, and every line of the
#            replay file finishes its map in the fewest steps
#   doc      docs/levels.md is what the solver writes for the shipped levels
#   replays  every line of the replay file (or the lines of the maps named), played through
#            the real main loop of the game (PROGRAM) headless, finishes its level, also in
#            turbo with the view turned, where every cell's points are doubled; with map 0,
#            so does the demonstration's line of the settings
set -u
check="$1"
source_dir="$2"
program="$3"
shift 3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

case "$check" in
solve)
  "$program" "$source_dir/media" --check-replays > "$tmp/out" 2>&1
  status=$?
  cat "$tmp/out"
  [ "$status" -eq 0 ] || { echo "the solver refused a level (status $status)"; exit 1; }
  grep -q '^speed: ' "$tmp/out" || { echo "no speed figure"; exit 1; }
  ;;
doc)
  "$program" "$source_dir/media" --levels-doc "$tmp/levels.md" \
    --ideas "$source_dir/tools/solver/level_ideas.txt" > /dev/null ||
    { echo "the solver refused a level"; exit 1; }
  diff -u "$source_dir/docs/levels.md" "$tmp/levels.md" ||
    { echo "docs/levels.md is out of date: regenerate it with the solver"; exit 1; }
  ;;
replays)
  # A copy of the media set: finishing a level writes records and replays.
  cp -r "$source_dir/media/Media" "$tmp/Media"
  wanted=("$@")
  if [ "${#wanted[@]}" -eq 0 ]; then
    maps=$(wc -l < "$source_dir/media/Media/Zolv-sch1-mappe.txt")
    wanted=($(seq 0 $((maps - 1))))
  fi
  failed=0
  for m in "${wanted[@]}"; do
    line=$(sed -n "$((m + 1))p" "$source_dir/media/Media/Zolv-sch1-memo.txt" | tr -d '\r')
    report=$(SDL_AUDIODRIVER=dummy "$program" --replay-check "$m" "$line" --dir "$tmp" 2>&1)
    if ! grep -qx 'finished=1' <<< "$report"; then
      echo "map $m: the replay line does not finish through the main loop"
      echo "$report" | head -n 8
      failed=1
    else
      echo "map $m: $(grep -E '^(steps|points|frames)=' <<< "$report" | tr '\n' ' ')"
    fi
    turbo=$(SDL_AUDIODRIVER=dummy "$program" --replay-check "$m" "$line" --turbo --rotation 1 \
      --dir "$tmp" 2>&1)
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
  if [[ " ${wanted[*]} " == *" 0 "* ]]; then
    demo=$(sed -n 's/^=SETTA DEMO *//p' "$source_dir/media/Media/Zolv-dat2.txt" | tr -d '\r')
    report=$(SDL_AUDIODRIVER=dummy "$program" --replay-check 0 "$demo" --dir "$tmp" 2>&1)
    if ! grep -qx 'finished=1' <<< "$report"; then
      echo "the demonstration line '$demo' does not finish map 0"
      failed=1
    else
      echo "demonstration: $(grep -E '^(steps|points|frames)=' <<< "$report" | tr '\n' ' ')"
    fi
  fi
  [ "$failed" -eq 0 ] || exit 1
  ;;
*)
  echo "unknown check $check"; exit 2 ;;
esac

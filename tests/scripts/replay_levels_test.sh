#!/usr/bin/env bash
# Plays every shipped level's solution through the real main loop (the replay check) and
# checks that it finishes, also in turbo with the view turned, with its frames, steps and
# points printed. The shipped replay line is the solution.
set -u
program="$1"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
# A copy of the shipped set: finishing a level writes records and replays.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp -r "$source_dir/media/Media" "$tmp/Media"
media="$source_dir/media/Media"
memo="$media/Zolv-sch1-memo.txt"
maps=$(grep -c '' "$media/Zolv-sch1-mappe.txt")
failed=0
for ((m = 0; m < maps; m++)); do
  line=$(sed -n "$((m + 1))p" "$memo" | tr -d '\r')
  [ -n "$line" ] || { echo "map $m: no solution"; failed=1; continue; }
  out=$("$program" --replay-check "$m" "$line" --dir "$tmp")
  echo "map $m: $(echo "$out" | grep -E '^(finished|frames|steps|points)=' | tr '\n' ' ')"
  echo "$out" | grep -qx 'finished=1' || failed=1
  turbo=$("$program" --replay-check "$m" "$line" --turbo --rotation 1 --dir "$tmp")
  echo "$turbo" | grep -qx 'finished=1' || { echo "map $m: turbo at rotation 1 does not finish"; failed=1; }
  # Turbo doubles every cell's points (a step from slide to slide costs a step there, so the
  # steps are not simply doubled).
  [ "$(echo "$turbo" | sed -n 's/^points=//p')" -eq $((2 * $(echo "$out" | sed -n 's/^points=//p'))) ] ||
    { echo "map $m: turbo does not double the points"; failed=1; }
done
[ "$failed" -eq 0 ] && echo ok
exit "$failed"

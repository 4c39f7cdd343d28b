#!/usr/bin/env bash
# The replay list through the real program: each check reports what a run of its own
# reports, whatever ran before it; lines that are not checks are reported in their place
# without stopping the rest; the exit status says whether every line finished.
# Usage: replay_list_test.sh PROGRAM MEDIA_DIR CASE   (CASE: same-as-runs, refusals, status)
set -u
program="$1"
media="$2"
case_="$3"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export LP_NUM_THREADS=0
mkdir "$tmp/runs" "$tmp/list"
cp -r "$media/Media" "$tmp/runs/Media"
cp -r "$media/Media" "$tmp/list/Media"
memo() { sed -n "$(($1 + 1))p" "$media/Media/Zolv-sch1-memo.txt" | tr -d '\r'; }
maps=$(wc -l < "$media/Media/Zolv-sch1-mappe.txt")
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# What separate runs print for the lines of $tmp/lines, each report followed by an empty line
# (lines that are not checks left out).
separate_runs() {
  while read -r m t r moves; do
    [[ "$m" =~ ^[0-9]+$ && "$t" =~ ^[01]$ && "$r" =~ ^[0-3]$ && "$m" -lt "$maps" ]] || continue
    args=(--replay-check "$m" "$moves" --rotation "$r" --dir "$tmp/runs")
    [ "$t" = 1 ] && args+=(--turbo)
    "$program" "${args[@]}"
    echo
  done < "$tmp/lines"
}

case "$case_" in
same-as-runs)
  # A map, another in turbo with the view turned twice, the first again (nothing of the run
  # before carries over), an attempt that runs out of moves, the demonstration-like line of
  # map 0 with an information stop, and a failed attempt's map once more.
  {
    echo "3 0 0 $(memo 3)"
    echo "7 1 2 $(memo 7)"
    echo "3 0 0 $(memo 3)"
    echo "5 0 1 0"
    echo "0 1 3 A$(memo 0)"
    echo "5 0 1 0"
  } > "$tmp/lines"
  separate_runs > "$tmp/expected" 2>&1
  "$program" --replay-list "$tmp/lines" --dir "$tmp/list" > "$tmp/got" 2>&1
  cmp -s "$tmp/expected" "$tmp/got" || { fail "the list's reports differ from separate runs";
    diff "$tmp/expected" "$tmp/got" | head -20; }
  [ "$(grep -c '^finished=1$' "$tmp/got")" = 4 ] || fail "four of the six lines finish"
  # Viewing replays writes nothing: both copies of the set are as shipped.
  diff -r "$media/Media" "$tmp/list/Media" > /dev/null || fail "the list changed its folder"
  diff -r "$media/Media" "$tmp/runs/Media" > /dev/null || fail "the runs changed their folder"
  ;;
refusals)
  {
    echo "2 0 0 $(memo 2)"
    echo "not a check"
    echo ""
    echo "$maps 0 0 $(memo 2)"
    echo "2 1 4 $(memo 2)"
    echo "4 1 1 $(memo 4)"
  } > "$tmp/lines"
  separate_runs > "$tmp/runs.out" 2>&1
  "$program" --replay-list "$tmp/lines" --dir "$tmp/list" > "$tmp/got" 2>&1
  status=$?
  [ "$status" = 1 ] || fail "a refused line makes the exit status 1, not $status"
  # The refusals stand in their lines' places, between the two checks' reports.
  awk 'BEGIN { RS = "" } { split($0, first, "\n"); print NR ": " first[1] }' "$tmp/got" | grep -v '^[0-9]*: finished=' \
    > "$tmp/refused"
  grep -qx '2: line 2: not MAP TURBO ROTATION MOVES (TURBO 0 or 1, ROTATION 0 to 3): not a check' \
    "$tmp/refused" || fail "the malformed line is not reported as such"
  grep -qx "3: line 4: map $maps is not in the set (maps 0 to $((maps - 1)))" "$tmp/refused" ||
    fail "the map outside the set is not reported"
  grep -q '^4: line 5: not MAP TURBO ROTATION MOVES' "$tmp/refused" ||
    fail "rotation 4 is not refused"
  [ "$(wc -l < "$tmp/refused")" = 3 ] || fail "three refusals: $(cat "$tmp/refused")"
  # The checks around them report as runs of their own do.
  grep -v '^line ' "$tmp/got" | cat -s > "$tmp/checks"
  cmp -s "$tmp/runs.out" "$tmp/checks" || fail "the checks around the refusals differ from runs"
  ;;
status)
  echo "1 0 0 $(memo 1)" > "$tmp/lines"
  "$program" --replay-list "$tmp/lines" --dir "$tmp/list" > "$tmp/got" 2>&1
  status=$?
  [ "$status" = 0 ] || fail "a list whose lines all finish exits 0, not $status"
  [ "$(cat "$tmp/got" | tail -n 1)" = "" ] || fail "a report ends with an empty line"
  echo "1 0 0 0" >> "$tmp/lines"
  "$program" --replay-list "$tmp/lines" --dir "$tmp/list" > "$tmp/got" 2>&1
  status=$?
  [ "$status" = 1 ] || fail "a line that does not finish makes the exit status 1, not $status"
  [ "$(grep -c '^finished=' "$tmp/got")" = 2 ] || fail "both lines report"
  : > "$tmp/empty"
  "$program" --replay-list "$tmp/empty" --dir "$tmp/list" > "$tmp/got" 2>&1
  status=$?
  [ "$status" = 0 ] && [ ! -s "$tmp/got" ] || fail "an empty list prints nothing and exits 0"
  "$program" --replay-list "$tmp/missing" --dir "$tmp/list" > /dev/null 2>&1
  status=$?
  [ "$status" = 2 ] || fail "a list that cannot be read is a usage error (2), not $status"
  ;;
*)
  echo "unknown case $case_"; exit 2 ;;
esac
[ "$failed" -eq 0 ] && echo "replay list $case_: ok"
exit "$failed"

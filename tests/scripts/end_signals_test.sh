#!/usr/bin/env bash
# End signals and the file-size limit through the real program on the headless driver, on a
# copy of the shipped media.
# Usage: end_signals_test.sh PROGRAM CHECK
#   signals     SIGTERM and SIGQUIT at the title's key wait, SIGHUP at the record screen's key
#               wait and SIGINT in play end the run at once, each with error 0, exit status 0,
#               the end report in the log and the line files flushed
#   cr-only     a score file with CR-only line ends keeps its lines when a finish rewrites it
#   file-limit  finishing level 0 under a file-size limit too small for the score file ends
#               normally: the failed save is logged and shown, and no temporary file is left;
#               an old unfinished save of ours is removed at start-up, other files stay
set -u
program="$1"
check="$2"
here="$(cd "$(dirname "$0")" && pwd)"
media="$here/../../media"
finish="$here/data/finish_level0.keys"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A fresh copy of the shipped set in $tmp/$1.
copy() {
  mkdir -p "$tmp/$1"
  cp -r "$media/Media" "$tmp/$1/" || { echo "no shipped media set"; exit 77; }
  cp "$media"/*.txt "$media"/smalfont.bmp "$tmp/$1/" 2>/dev/null
}
fail() { echo "$1"; exit 1; }
field() { sed -n "s/^$2=//p" "$tmp/$1/summary"; }
end_report() { tr -d '\r' < "$tmp/$1/ErrorLog.txt" | sed -n '/^-End On Line$/,$p'; }
# Starts the program in $tmp/$1 on script $2 with key waits that never give up; $! is its pid.
start() {
  (cd "$tmp/$1" && exec env TMPDIR="$tmp/$1" "$program" --headless --script "$2" \
     --dir "$tmp/$1" --seed 1 --key-wait-limit 2000000000 --max-frames 2000000000 \
     > "$tmp/$1/summary") &
}
# Waits up to 30 seconds until command $2... is true for the run in $tmp/$1.
await() {
  local run=$1; shift
  for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
  fail "$run: did not get there in 30 seconds"
}
started() { grep -q 'Init Finalized' "$tmp/$1/ErrorLog.txt" 2>/dev/null; }
# Sends signal $2 to the run in $tmp/$1 (pid $3) and checks that it ended within 5 seconds,
# normally, with its report.
signal_and_check() {
  local run=$1 sig=$2 pid=$3
  kill -0 "$pid" 2>/dev/null || fail "$run: ended before SIG$sig"
  kill -"$sig" "$pid"
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid"; fail "$run: SIG$sig did not end it"; fi
  wait "$pid" || fail "$run: exit status $? after SIG$sig"
  [ "$(field "$run" error)" = 0 ] || fail "$run: error $(field "$run" error) after SIG$sig"
  grep -q "SIG$sig: the program ends" "$tmp/$run/ErrorLog.txt" || fail "$run: no log line"
  [ "$(end_report "$run" | sed -n 2p)" = 0 ] || fail "$run: no end report with error 0"
}

case "$check" in
signals)
  copy title-term; copy title-quit; copy record; copy play
  printf 'wait 5\n' > "$tmp/title.keys"
  # The finishing move of level 0 and no key after it: the record screen waits.
  head -44 "$finish" > "$tmp/record.keys"
  # Level 0 started, then nothing pressed: play goes on for ever with the frame limit raised.
  head -9 "$finish" > "$tmp/play.keys"
  start title-term "$tmp/title.keys"; p1=$!
  start title-quit "$tmp/title.keys"; p2=$!
  start record "$tmp/record.keys"; p3=$!
  start play "$tmp/play.keys"; p4=$!
  old=$(sed -n 1p "$media/Media/Zolv-sch1-punti.txt")
  record_shown() { [ "$(sed -n 1p "$tmp/record/Media/Zolv-sch1-punti.txt")" != "$old" ]; }
  # Well past the title's tenth frame, the title waits for its key for ever.
  await title-term started title-term; sleep 1
  signal_and_check title-term TERM $p1
  await title-quit started title-quit
  signal_and_check title-quit QUIT $p2
  # The record screen saves the new record before it waits for its key.
  await record record_shown
  signal_and_check record HUP $p3
  [ "$(field record map)" = 0 ] || fail "record: not on the record screen of map 0"
  await play started play; sleep 1
  signal_and_check play INT $p4
  [ "$(field play entry)" = frame ] || fail "play: not in play"
  new=$(sed -n 1p "$tmp/record/Media/Zolv-sch1-punti.txt")
  echo "$new"
  ;;
cr-only)
  copy cr
  score="$tmp/cr/Media/Zolv-sch1-punti.txt"
  tr -d '\n' < "$media/Media/Zolv-sch1-punti.txt" > "$score"
  lines=$(tr -cd '\r' < "$score" | wc -c)
  (cd "$tmp/cr" && TMPDIR="$tmp/cr" "$program" --headless --script "$finish" --dir "$tmp/cr" \
     --seed 1 > "$tmp/cr/summary") || fail "the run failed"
  [ "$(tr -cd '\n' < "$score" | wc -c)" = "$lines" ] || fail "score file: not $lines lines"
  diff <(tr -d '\r' < "$score" | sed 1d) <(tr -d '\r' < "$media/Media/Zolv-sch1-punti.txt" | sed 1d) ||
    fail "the other maps' records changed"
  [ "$(sed -n 1p "$score")" != "$(sed -n 1p "$media/Media/Zolv-sch1-punti.txt")" ] ||
    fail "map 0's record was not written"
  ;;
file-limit)
  copy limit
  m="$tmp/limit/Media"
  printf 'half' > "$m/.Zolv-sch1-memo.txt.Ab12Cd"
  touch -d '2 hours ago' "$m/.Zolv-sch1-memo.txt.Ab12Cd"
  for keep in .Zolv-gioc.txt.young1 .Other-file.txt.Ab12Cd Zolv-note.txt.Ab12Cd .Zolv-gioc.txt.A-12Cd; do
    printf 'keep' > "$m/$keep"
    [ "$keep" = .Zolv-gioc.txt.young1 ] || touch -d '2 hours ago' "$m/$keep"
  done
  (cd "$tmp/limit" && ulimit -f 1 && TMPDIR="$tmp/limit" "$program" --headless \
     --script "$finish" --dir "$tmp/limit" --seed 1 > "$tmp/limit/summary")
  status=$?
  [ "$status" = 0 ] || fail "exit status $status under the file-size limit"
  [ "$(end_report limit | sed -n 2p)" = 0 ] || fail "no end report with error 0"
  grep -q 'Line file not written: Media/Zolv-sch1-punti.txt' "$tmp/limit/ErrorLog.txt" ||
    fail "the failed save was not logged"
  [ "$(field limit records_saved)" = 0 ] || fail "the record screen did not tell the failure"
  [ ! -e "$m/.Zolv-sch1-memo.txt.Ab12Cd" ] || fail "the old unfinished save was not removed"
  grep -q 'Unfinished save removed: Media/.Zolv-sch1-memo.txt.Ab12Cd' "$tmp/limit/ErrorLog.txt" ||
    fail "the removal was not logged"
  rm "$m/.Zolv-gioc.txt.young1" "$m/.Other-file.txt.Ab12Cd" "$m/Zolv-note.txt.Ab12Cd" \
     "$m/.Zolv-gioc.txt.A-12Cd" || fail "a file that is not an old save of ours was removed"
  left=$(find "$m" -name '.Zolv-*' | wc -l)
  [ "$left" = 0 ] || fail "$left temporary files left in Media/"
  cmp -s "$tmp/limit/Media/Zolv-sch1-punti.txt" "$media/Media/Zolv-sch1-punti.txt" ||
    fail "the score file changed"
  ;;
*) echo "unknown check $check"; exit 2 ;;
esac
echo ok

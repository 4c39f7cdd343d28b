#!/usr/bin/env bash
# The headless driver plays the real program with the shipped media.
# Usage: headless_test.sh PROGRAM CHECK
#   matches-real  a scripted run through the title into the menu ends with the same
#                 end report as a person's run in a window closed with Alt+F4 (needs X)
#   repeatable    two runs with the same seed and script write byte-identical logs, and so
#                 does a run that draws whole pictures (--pictures) through the menu, a level
#                 played to its end and the editor
#   key-wait      a key wait with no scripted key fails within its frame limit
#   memory        a long run in play holds no more memory at its end than after a short one
#   pictures      "picture" writes the frame shown at its place in the script as a 320 x 240
#                 PPM: the same bytes in two runs, the menu's and a board's pictures differ,
#                 and two pictures of one frame are the same
set -u
program="$1"
check="$2"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/a" "$tmp/b"

end_report() { tr -d '\r' < "$1" | sed -n '/^-End On Line$/,$p'; }

case "$check" in
matches-real)
  if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
    echo "no X display or no xdotool: skipped"; exit 77
  fi
  # The title waits for its key from frame 10 on; the menu runs from then on.
  printf 'wait 20\npress Space\nwait 60\nend\n' > "$tmp/script"
  TMPDIR="$tmp/a" "$program" --headless --script "$tmp/script" --seed 1 > "$tmp/summary" ||
    { echo "headless run failed"; cat "$tmp/summary"; exit 1; }
  grep -qx 'entry=menu loop' "$tmp/summary" || { echo "did not reach the menu"; cat "$tmp/summary"; exit 1; }
  TMPDIR="$tmp/b" "$program" &
  pid=$!
  win=$(timeout 20 xdotool search --sync --name '^Zolv' | head -n 1)
  [ -n "$win" ] || { echo "the window did not appear"; kill "$pid"; exit 1; }
  sleep 3
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  xdotool key --window "$win" space 2>/dev/null; xdotool key space
  sleep 1
  xdotool key --window "$win" alt+F4 2>/dev/null; xdotool key alt+F4
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then echo "Alt+F4 did not end the program"; kill "$pid"; exit 1; fi
  wait "$pid" || { echo "the real run did not exit 0"; exit 1; }
  diff <(end_report "$tmp/a/ErrorLog.txt") <(end_report "$tmp/b/ErrorLog.txt") ||
    { echo "end reports differ (headless, then real)"; exit 1; }
  end_report "$tmp/a/ErrorLog.txt"
  ;;
repeatable)
  printf 'wait 20\npress Enter\nwait 200\nend\n' > "$tmp/script"
  TMPDIR="$tmp/a" "$program" --headless --script "$tmp/script" --seed 42 > "$tmp/s1" || exit 1
  TMPDIR="$tmp/b" "$program" --headless --script "$tmp/script" --seed 42 > "$tmp/s2" || exit 1
  cmp "$tmp/a/ErrorLog.txt" "$tmp/b/ErrorLog.txt" || { echo "logs differ"; exit 1; }
  cmp "$tmp/s1" "$tmp/s2" || { echo "summaries differ"; exit 1; }
  cat "$tmp/s1"
  # Level 0 finished from the menu (its shipped solution), the record screen, then the editor
  # on map 1 with a piece put: one pixel or whole pictures, the same play and the same files.
  media="$(dirname "$program")/Media"
  moves=$(sed -n 1p "$media/Zolv-sch1-memo.txt" | tr -d '\r')
  {
    printf 'wait 20\npress Space\nwait 3\npress Up\nwait 2\npress Enter\nwait 30\n'
    for ((k = 0; k < ${#moves}; k++)); do
      case "${moves:k:1}" in 0) key=Up ;; 1) key=Right ;; 2) key=Down ;; 3) key=Left ;; *) continue ;; esac
      printf 'hold %s 4\nwait 12\n' "$key"
    done
    printf 'wait 300\npress Enter\nwait 60\nhold Q+W 10\npress Enter\nwait 30\npress Z\nwait 10\nend\n'
  } > "$tmp/long"
  for run in one whole; do
    mkdir -p "$tmp/$run" && cp -r "$media" "$tmp/$run/"
    flag=()
    [ "$run" = whole ] && flag=(--pictures)
    TMPDIR="$tmp/$run" "$program" --headless "${flag[@]}" --script "$tmp/long" --seed 42 \
      --dir "$tmp/$run" > "$tmp/$run.summary" || { echo "$run run failed"; cat "$tmp/$run.summary"; exit 1; }
  done
  cmp "$tmp/one.summary" "$tmp/whole.summary" ||
    { echo "summaries differ with whole pictures"; diff "$tmp/one.summary" "$tmp/whole.summary"; exit 1; }
  diff <(sed "s#$tmp/one/#RUN/#" "$tmp/one/ErrorLog.txt") \
    <(sed "s#$tmp/whole/#RUN/#" "$tmp/whole/ErrorLog.txt") || { echo "logs differ with whole pictures"; exit 1; }
  diff -r "$tmp/one/Media" "$tmp/whole/Media" || { echo "saved files differ with whole pictures"; exit 1; }
  grep -E '^(entry|map|steps|editor)=' "$tmp/one.summary"
  ;;
key-wait)
  printf 'wait 5\n' > "$tmp/script"
  TMPDIR="$tmp/a" timeout 60 "$program" --headless --script "$tmp/script" --key-wait-limit 50 \
    > "$tmp/summary" 2> "$tmp/err"
  status=$?
  cat "$tmp/summary" "$tmp/err"
  [ "$status" -eq 1 ] || { echo "exit status $status, not 1"; exit 1; }
  grep -q 'no scripted key within 50 frames' "$tmp/a/ErrorLog.txt" || { echo "no log line"; exit 1; }
  frames=$(sed -n 's/^frames=//p' "$tmp/summary")
  [ "$frames" -le 70 ] || { echo "the wait took $frames frames"; exit 1; }
  ;;
memory)
  # Into level 0, then nothing pressed; the run ends at the frame limit (exit status 1). The
  # frames are drawn (--pictures): drawing left unfinished is what once kept each frame in
  # memory. A sanitizer's quarantine of freed blocks would grow the peak as frames pass by
  # itself (up to 256 MB), so it is kept small here.
  printf 'wait 20\npress Space\nwait 3\npress Up\nwait 2\npress Enter\nwait 9000\nend\n' \
    > "$tmp/script"
  peak() {
    TMPDIR="$tmp/a" ASAN_OPTIONS="${ASAN_OPTIONS:-}:quarantine_size_mb=16" \
      /usr/bin/time -f '%M' -o "$tmp/rss" "$program" --headless --pictures \
      --script "$tmp/script" --seed 1 --max-frames "$1" > /dev/null 2>&1
    cat "$tmp/rss" | tail -n 1
  }
  short=$(peak 300)
  long=$(peak 3000)
  echo "peak memory: $short KB after 300 frames, $long KB after 3000"
  # A frame's drawing kept in memory more than doubled the peak by frame 3000.
  [ $((long * 2)) -le $((short * 3)) ] || { echo "memory grows with the frames played"; exit 1; }
  ;;
pictures)
  for run in a b; do
    printf 'wait 20\npress Space\nwait 3\npicture %s/menu.ppm\npress Up\nwait 2\npress Enter\nwait 30\npicture %s/board.ppm\npicture %s/again.ppm\nwait 1\nend\n' \
      "$tmp/$run" "$tmp/$run" "$tmp/$run" > "$tmp/script"
    TMPDIR="$tmp/$run" "$program" --headless --pictures --script "$tmp/script" --seed 3 \
      > "$tmp/$run.summary" || { echo "run $run failed"; cat "$tmp/$run.summary"; exit 1; }
  done
  for name in menu board; do
    [ -f "$tmp/a/$name.ppm" ] || { echo "no picture $name"; exit 1; }
    [ "$(head -c 15 "$tmp/a/$name.ppm" | tr '\n' ' ')" = "P6 320 240 255 " ] ||
      { echo "$name is no 320 x 240 PPM"; exit 1; }
    [ "$(stat -c %s "$tmp/a/$name.ppm")" -eq $((15 + 320 * 240 * 3)) ] ||
      { echo "$name has the wrong size"; exit 1; }
    cmp "$tmp/a/$name.ppm" "$tmp/b/$name.ppm" || { echo "$name differs between two runs"; exit 1; }
  done
  ! cmp -s "$tmp/a/menu.ppm" "$tmp/a/board.ppm" || { echo "the menu's picture is the board's"; exit 1; }
  cmp "$tmp/a/board.ppm" "$tmp/a/again.ppm" || { echo "two pictures of one frame differ"; exit 1; }
  grep -qx 'entry=frame' "$tmp/a.summary" || { echo "the run did not play"; cat "$tmp/a.summary"; exit 1; }
  ;;
*) echo "unknown check $check"; exit 2 ;;
esac
echo ok

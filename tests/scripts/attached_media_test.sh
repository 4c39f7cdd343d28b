#!/usr/bin/env bash
# The one-file build as the README gives it: attaches the shipped set to a copy of the real
# program with the documented command, starts that copy from an empty folder (no Media/ on
# disk anywhere near it), presses a key on the title, then Alt+F4, and checks that the game
# went past the title and ended normally.
# Usage: attached_media_test.sh PROGRAM ATTACH_MEDIA SHIPPED_SET_FOLDER
set -u
program="$1"; attach="$2"; shipped="$3"
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  echo "no X display or no xdotool: skipped"; exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/bin" "$tmp/empty" "$tmp/log"
cp "$program" "$tmp/bin/zolv"
"$attach" "$tmp/bin/zolv" "$shipped" || { echo "attach_media failed"; exit 1; }
"$attach" --list "$tmp/bin/zolv" | grep -q "Media/Zolv-dat1.txt" ||
  { echo "the settings file is not attached as Media/Zolv-dat1.txt"; exit 1; }
cd "$tmp/empty"
TMPDIR="$tmp/log" "$tmp/bin/zolv" &
pid=$!
win=$(timeout 20 xdotool search --sync --name '^Zolv' | head -n 1)
if [ -z "$win" ]; then echo "the window did not appear"; kill "$pid"; exit 1; fi
# The title waits for a key; the program must still be running, not stopped at the check.
sleep 2
kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "ended early, status $?"; cat "$tmp/log/ErrorLog.txt"; exit 1; }
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key --window "$win" space 2>/dev/null; xdotool key space
sleep 2
kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "ended after the title, status $?"; cat "$tmp/log/ErrorLog.txt"; exit 1; }
xdotool key --window "$win" alt+F4 2>/dev/null; xdotool key alt+F4
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "Alt+F4 did not end the program"; kill "$pid"; exit 1; fi
wait "$pid"; status=$?
log=$(tr -d '\r' < "$tmp/log/ErrorLog.txt")
echo "$log"
[ "$status" -eq 0 ] || { echo "exit status $status"; exit 1; }
echo "$log" | grep -q "not found" && { echo "media reported missing"; exit 1; }
[ "$(echo "$log" | sed -n '/^-End On Line$/{n;p}')" = "0" ] || { echo "error number not 0"; exit 1; }
echo "ok"

#!/usr/bin/env bash
# Starts the real program in a window on the X display, presses Alt+F4 through the XTest
# extension and checks that the program ended normally with its end report.
# Usage: window_keys_test.sh PROGRAM
set -u
program="$1"
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  echo "no X display or no xdotool: skipped"; exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
TMPDIR="$tmp" "$program" &
pid=$!
win=$(timeout 20 xdotool search --sync --name '^Zolv' | head -n 1)
if [ -z "$win" ]; then echo "the window did not appear"; kill "$pid"; exit 1; fi
sleep 0.5
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key --window "$win" alt+F4 2>/dev/null; xdotool key alt+F4
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "Alt+F4 did not end the program"; kill "$pid"; exit 1; fi
wait "$pid"; status=$?
[ "$status" -eq 0 ] || { echo "exit status $status"; exit 1; }
log=$(tr -d '\r' < "$tmp/ErrorLog.txt")
echo "$log"
echo "$log" | grep -qx -- "-End On Line" || { echo "no end report"; exit 1; }
[ "$(echo "$log" | sed -n '/^-End On Line$/{n;p}')" = "0" ] || { echo "error number not 0"; exit 1; }
echo "ok"

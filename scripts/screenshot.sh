#!/usr/bin/env bash
# Starts the game on a virtual X display, optionally presses keys, and saves a screenshot of
# the whole display. Usage: scripts/screenshot.sh OUT.png [SECONDS] [xdotool key names...]
set -euo pipefail
out="$1"; wait_s="${2:-2}"; shift $(( $# >= 2 ? 2 : 1 ))
program="$(cd "$(dirname "$0")/.." && pwd)/build/app/zolv"
keys=("$@")
run() {
  "$program" &
  pid=$!
  sleep "$wait_s"
  for k in "${keys[@]}"; do xdotool key --delay 120 "$k"; sleep 0.3; done
  sleep 0.5
  import -window root "$out"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
export -f run; export program wait_s out
export keys_joined="${keys[*]:-}"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$(declare -f run); keys=(\$keys_joined); run"
echo "saved $out"

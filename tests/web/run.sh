#!/usr/bin/env bash
# Plays the web build in headless Chromium: serves BUILD (build-web/ by default) on 127.0.0.1,
# runs play.js and devices.js against it and stops the server again. puppeteer-core is installed once into
# build-web-deps/node (no browser download: Debian's chromium is used).
# Given the Linux build folder, the page's first board is compared with the Linux program's
# pictures and every level's replay check with its reports.
# Usage: tests/web/run.sh [BUILD [LINUX_BUILD]]   (ZOLV_WEB_TIMEOUT=SECONDS bounds each run,
# 240 by default)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build-web}" && pwd)
linux_build=${2:-}
node_dir=$root/build-web-deps/node
if [ ! -d "$node_dir/node_modules/puppeteer-core" ]; then
  echo "== installing puppeteer-core into $node_dir"
  mkdir -p "$node_dir"
  PUPPETEER_SKIP_DOWNLOAD=1 npm install --no-audit --no-fund --prefix "$node_dir" \
    puppeteer-core@24 >/dev/null
fi
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$build" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/index.html')" \
    2>/dev/null && break
  sleep 0.1
done
profile=$(mktemp -d)
trap 'kill "$server" 2>/dev/null || true; rm -rf "$profile"' EXIT
export NODE_PATH=$node_dir/node_modules
# Given the Linux program, its pictures of level 0's first 160 frames (headless, reached by
# the keys a player would press), for the page's first board to be compared with.
pictures=()
if [ -n "$linux_build" ]; then
  desktop=$profile/desktop
  mkdir -p "$desktop/run" "$desktop/pictures"
  cp -r "$root/media/." "$desktop/run/"
  {
    printf 'wait 20\npress Space\nwait 3\npress Up\nwait 2\npress Enter\n'
    for i in $(seq -w 1 160); do printf 'picture %s/f%s.ppm\nwait 1\n' "$desktop/pictures" "$i"; done
    echo end
  } > "$desktop/script"
  "$linux_build/app/zolv" --headless --pictures --script "$desktop/script" --dir "$desktop/run" \
    > "$desktop/summary" || { echo "the desktop program's pictures failed"; cat "$desktop/summary"; exit 1; }
  pictures=("$desktop/pictures")
fi
t=$(date +%s)
echo "== playing the page in headless Chromium"
timeout "${ZOLV_WEB_TIMEOUT:-240}" node --no-experimental-fetch "$here/play.js" \
  "http://127.0.0.1:$port/" "$profile/play" "$root/media/Media" "${pictures[@]}"
echo "   took $(( $(date +%s) - t )) s"
t=$(date +%s)
echo "== sound, game pads and full screen in headless Chromium"
timeout "${ZOLV_WEB_TIMEOUT:-240}" node --no-experimental-fetch "$here/devices.js" \
  "http://127.0.0.1:$port/" "$profile/devices" "$root/media/Media"
echo "   took $(( $(date +%s) - t )) s"
t=$(date +%s)
if [ -n "$linux_build" ]; then
  echo "== every level's replay check, in the page and in the Linux program"
  mkdir -p "$profile/media"
  cp -r "$root/media/." "$profile/media/"
  maps=$(grep -c '' "$root/media/Media/Zolv-sch1-mappe.txt")
  timeout "${ZOLV_WEB_TIMEOUT:-240}" node --no-experimental-fetch "$here/replay_check.js" \
    "http://127.0.0.1:$port/" "$profile/replay" "$linux_build/app/zolv" "$profile/media" "$maps"
  echo "   took $(( $(date +%s) - t )) s"
fi

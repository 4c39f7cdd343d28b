#!/usr/bin/env bash
# Plays the web build in headless Chromium: serves BUILD (build-web/ by default) on 127.0.0.1,
# runs play.js against it and stops the server again. puppeteer-core is installed once into
# build-web-deps/node (no browser download: Debian's chromium is used).
# Usage: tests/web/run.sh [BUILD]   (ZOLV_WEB_TIMEOUT=SECONDS bounds the whole run, 240 default)
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
echo "== playing the page in headless Chromium"
timeout "${ZOLV_WEB_TIMEOUT:-240}" node --no-experimental-fetch "$here/play.js" \
  "http://127.0.0.1:$port/" "$profile/play" "$root/media/Media"
if [ -n "$linux_build" ]; then
  echo "== every level's replay check, in the page and in the Linux program"
  mkdir -p "$profile/media"
  cp -r "$root/media/." "$profile/media/"
  maps=$(grep -c '' "$root/media/Media/Zolv-sch1-mappe.txt")
  timeout "${ZOLV_WEB_TIMEOUT:-240}" node --no-experimental-fetch "$here/replay_check.js" \
    "http://127.0.0.1:$port/" "$profile/replay" "$linux_build/app/zolv" "$profile/media" "$maps"
fi

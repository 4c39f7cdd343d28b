#!/usr/bin/env bash
# Runs zolv.exe from zolv-windows.zip under Wine on a virtual X display: the program must
# start with the shipped media, show the title screen, end on Alt+F4 with exit status 0 and
# leave ErrorLog.txt in the Wine user's temporary folder, with the start-up stages and the end
# report, every line ending in exactly CR LF. Saves a screenshot of the title.
# Usage: scripts/windows_smoke.sh [BUILD_FOLDER]   (the folder windows.sh built in)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build-windows}" && pwd)
zip=$build/zolv-windows.zip
[ -f "$zip" ] || { echo "no $zip: run ./windows.sh first"; exit 1; }

packages=(wine wine64 xvfb xauth xdotool imagemagick unzip)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

run=$build/smoke
rm -rf "$run"
mkdir -p "$run/game"
unzip -q "$zip" -d "$run/game"
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64 SDL_AUDIODRIVER=dummy
export run

# Everything that talks to the wine server runs inside one X server: a server left from a call
# without a display would make the next window fail.
smoke() {
  set -euo pipefail
  wine wineboot --init >/dev/null 2>&1
  wineserver -w
  local temp
  temp=$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')
  temp=$(winepath -u "$temp" 2>/dev/null | tr -d '\r')
  echo "Windows temporary folder: $temp"
  rm -f "$temp/ErrorLog.txt"
  (cd "$run/game" && exec wine ./zolv.exe) &
  local pid=$!
  local win
  win=$(timeout 60 xdotool search --sync --name '^Zolv' | head -n 1) || true
  if [ -z "$win" ]; then echo "FAIL: the window did not appear"; kill "$pid"; return 1; fi
  sleep 4  # the start-up stages and the title's first frames
  import -window root "$run/title.png"
  local colours
  colours=$(convert "$run/title.png" -format %k info:)
  echo "title screenshot: $run/title.png ($colours colours)"
  xdotool windowfocus --sync "$win"
  xdotool key --clearmodifiers alt+F4
  local status=0
  for _ in $(seq 1 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then echo "FAIL: Alt+F4 did not end the program"; kill "$pid"; return 1; fi
  wait "$pid" || status=$?
  wineserver -w
  cp "$temp/ErrorLog.txt" "$run/ErrorLog.txt" 2>/dev/null || true
  echo "exit status $status"
  [ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; return 1; }
  [ "$colours" -ge 8 ] || { echo "FAIL: the screen shows no title ($colours colours)"; return 1; }
}

xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$(declare -f smoke); smoke"

log=$run/ErrorLog.txt
[ -f "$log" ] || { echo "FAIL: no ErrorLog.txt in the temporary folder"; exit 1; }
echo "--- ErrorLog.txt"
tr -d '\r' < "$log"
echo "---"
python3 - "$log" <<'EOF'
import sys
data = open(sys.argv[1], "rb").read()
problems = []
if not data.endswith(b"\r\n"):
    problems.append("the last line does not end in CR LF")
for i, line in enumerate(data.split(b"\n")[:-1]):
    if not line.endswith(b"\r") or line.endswith(b"\r\r") or b"\r" in line[:-1]:
        problems.append("line %d does not end in exactly CR LF: %r" % (i + 1, line))
lines = data.decode("latin-1").split("\r\n")
if "-End On Line" not in lines:
    problems.append("no end report")
elif lines[lines.index("-End On Line") + 1] != "0":
    problems.append("the error number is not 0")
for stage in ("Init GFX", "Init Input", "Init Sound", "Init Window", "Init Finalized"):
    if stage not in lines:
        problems.append("start-up stage missing: " + stage)
for p in problems:
    print("FAIL:", p)
sys.exit(1 if problems else 0)
EOF
echo "windows smoke test: ok"

#!/usr/bin/env bash
# Runs zolv.exe from zolv-windows.zip under Wine on a virtual X display: the program must
# start with the shipped media, show the title screen, end on Alt+F4 with exit status 0 and
# leave ErrorLog.txt in the Wine user's temporary folder, with the start-up stages and the end
# report, every line ending in exactly CR LF. The game is unpacked into a folder whose name is
# not plain ASCII.
#
# When windows.sh --tests built it, the platform layer's test program runs first.
# With the media-attaching tool given, it also runs the program as one file: a copy of
# zolv.exe with the media attached and no Media folder beside it, which must open itself by
# its own (non-ASCII) path to find its media.
# With the native program given as well, both play the first replay line of the shipped memo
# file on map 0 headless (--replay-check) and must report the same finished attempt: frames,
# steps, points and the rest of the report equal.
#
# Usage: scripts/windows_smoke.sh [BUILD_FOLDER [ATTACH_MEDIA_TOOL [NATIVE_PROGRAM]]]
#   BUILD_FOLDER is the folder windows.sh built in (build-windows by default). Screenshots of
#   the title go to BUILD_FOLDER/smoke.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(cd "${1:-build-windows}" && pwd)
attach=${2:-}
native=${3:-}
[ -z "$native" ] || native=$(cd "$(dirname "$native")" && pwd)/$(basename "$native")
zip=$build/zolv-windows.zip
[ -f "$zip" ] || { echo "no $zip: run ./windows.sh first"; exit 1; }

packages=(wine wine64 xvfb xauth xdotool imagemagick unzip python3)
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
mkdir -p "$run/Zolv città" "$run/Zolv città uno"
unzip -q "$zip" -d "$run/Zolv città"
if [ -n "$attach" ]; then
  cp "$run/Zolv città/zolv.exe" "$run/Zolv città uno/zolv.exe"
  "$attach" "$run/Zolv città uno/zolv.exe" "$root/media/Media" >/dev/null
fi
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64 SDL_AUDIODRIVER=dummy

# Starts the program in folder $1, saves the screen at the title as $2.png, presses Alt+F4,
# and copies the log to $2.log. Fails unless the program ends with status 0.
start_and_close() {
  local folder=$1 out=$run/$2
  rm -f "$temp/ErrorLog.txt"
  (cd "$folder" && exec wine ./zolv.exe) &
  local pid=$!
  local win
  win=$(timeout 60 xdotool search --sync --name '^Zolv' | head -n 1) || true
  if [ -z "$win" ]; then echo "FAIL: the window did not appear"; wineserver -k; return 1; fi
  sleep 4  # the start-up stages and the title's first frames
  import -window root "$out.png"
  local colours
  colours=$(convert "$out.png" -format %k info:)
  echo "$2: title screenshot $out.png ($colours colours)"
  xdotool windowfocus --sync "$win"
  xdotool key --clearmodifiers alt+F4
  for _ in $(seq 1 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: Alt+F4 did not end the program"; wineserver -k; return 1
  fi
  local status=0
  wait "$pid" || status=$?
  wineserver -w
  cp "$temp/ErrorLog.txt" "$out.log" 2>/dev/null || true
  echo "$2: exit status $status"
  [ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; return 1; }
  [ "$colours" -ge 8 ] || { echo "FAIL: the screen shows no title ($colours colours)"; return 1; }
}

# Everything that talks to the wine server runs inside one X server: a server left from a call
# without a display would make the next window fail.
smoke() {
  set -euo pipefail
  wine wineboot --init >/dev/null 2>&1
  wineserver -w
  temp=$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')
  temp=$(winepath -u "$temp" 2>/dev/null | tr -d '\r')
  echo "Windows temporary folder: $temp"
  if [ -f "$unit" ]; then
    echo "== the platform layer's test on Windows"
    if ! wine "$unit" 2>&1 | tr -d '\r' | grep -v -e '^\[ RUN' -e '^\[       OK'; then
      echo "FAIL: the platform layer's test"; return 1
    fi
  fi
  start_and_close "$run/Zolv città" title
  if [ -n "$attach" ]; then
    start_and_close "$run/Zolv città uno" title_one_file
    local left
    left=$(find "$temp" -maxdepth 1 -name 'zolv-media-*' | wc -l)
    [ "$left" -eq 0 ] || { echo "FAIL: $left unpacked media files left in $temp"; return 1; }
  fi
  if [ -n "$native" ]; then
    echo "== replay check under Wine"
    # Headless: the window stays hidden, the clock is virtual and nothing waits for a person.
    (cd "$run/Zolv città" && timeout 300 wine ./zolv.exe --replay-check 0 "$moves") |
      tr -d '\r' > "$run/replay_windows.txt" || { echo "FAIL: the replay check failed"; return 1; }
    wineserver -w
  fi
}
unit=$build/zolv/tests/zolv_tests_runtime_platform.exe
moves=
if [ -n "$native" ]; then
  moves=$(sed -n 1p "$root/media/Media/Zolv-sch1-memo.txt" | tr -d '\r')
  echo "== replay check, native"
  mkdir -p "$run/native"
  cp -r "$root/media/." "$run/native/"
  "$native" --replay-check 0 "$moves" --dir "$run/native" > "$run/replay_native.txt"
fi
export run attach unit native moves
xvfb-run -a -s "-screen 0 1024x768x24" \
  bash -c "$(declare -f start_and_close smoke); smoke"

check_log() {
  echo "--- $1"
  tr -d '\r' < "$1" | grep -v -e '^Loadbmp$' -e '^Shoeboxing$' -e '^OK?$'
  echo "---"
  python3 - "$1" <<'EOF'
import sys
data = open(sys.argv[1], "rb").read()
problems = []
if not data.endswith(b"\r\n"):
    problems.append("the last line does not end in CR LF")
for i, line in enumerate(data.split(b"\n")[:-1]):
    if not line.endswith(b"\r") or line.endswith(b"\r\r") or b"\r" in line[:-1]:
        problems.append("line %d does not end in exactly CR LF: %r" % (i + 1, line))
lines = data.decode("latin-1").split("\r\n")
for stage in ("Init GFX", "Init Input", "Init Sound", "Init Window", "Init Finalized"):
    if stage not in lines:
        problems.append("start-up stage missing: " + stage)
if "-End On Line" not in lines:
    problems.append("no end report")
elif lines[lines.index("-End On Line") + 1] != "0":
    problems.append("the error number is not 0")
for p in problems:
    print("FAIL:", p)
sys.exit(1 if problems else 0)
EOF
}
if [ -n "$native" ]; then
  summary() { grep -E '^(finished|frames|steps|points|time|eggs|chicks|cell)=' "$1" | paste -sd' '; }
  echo "replay check, native : $(summary "$run/replay_native.txt")"
  echo "replay check, Windows: $(summary "$run/replay_windows.txt")"
  grep -qx 'finished=1' "$run/replay_windows.txt" ||
    { echo "FAIL: the replay did not finish the level on Windows"; exit 1; }
  cmp -s "$run/replay_native.txt" "$run/replay_windows.txt" ||
    { echo "FAIL: the replay reports differ"; diff "$run/replay_native.txt" "$run/replay_windows.txt"; exit 1; }
fi
for log in "$run/title.log" ${attach:+"$run/title_one_file.log"}; do
  [ -f "$log" ] || { echo "FAIL: no ErrorLog.txt in the temporary folder"; exit 1; }
  check_log "$log"
done
echo "windows smoke test: ok"

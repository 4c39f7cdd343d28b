#!/usr/bin/env bash
# Runs zolv.exe from zolv-windows.zip under Wine on a virtual X display: the program must
# start with the shipped media, show the title screen, end on Alt+F4 with exit status 0 and
# leave ErrorLog.txt in the Wine user's temporary folder, with the start-up stages and the end
# report, every line ending in exactly CR LF. The game is unpacked into a folder whose name is
# not plain ASCII.
#
# When windows.sh --tests built it, the platform layer's test program runs first. The Windows
# attach_media.exe then makes a one-file copy of zolv.exe (media attached, no Media folder
# beside it), which must open itself by its own (non-ASCII) path to find its media.
# With the native build folder given, the native program and zolv.exe both play every shipped
# level's replay line headless (--replay-check) and must report the same finished attempts,
# byte for byte (frames, steps, points, the board and the rest of the report), and the native
# solver and solver.exe must find the same solution of every map.
#
# Usage: scripts/windows_smoke.sh [BUILD_FOLDER [NATIVE_BUILD_FOLDER]]
#   BUILD_FOLDER is the folder windows.sh built in (build-windows by default); screenshots of
#   the title and the reports go to BUILD_FOLDER/smoke. NATIVE_BUILD_FOLDER is a Linux build
#   (build) with app/zolv and tools/solver/solver.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(cd "${1:-build-windows}" && pwd)
native_build=
[ -z "${2:-}" ] || native_build=$(cd "$2" && pwd)
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
cp "$run/Zolv città/zolv.exe" "$run/Zolv città uno/zolv.exe"
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64 SDL_AUDIODRIVER=dummy
# Wine turns the command line into Windows text by the locale: UTF-8, so that non-ASCII
# folder names reach the tools intact.
export LC_ALL=C.UTF-8

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

  echo "== the one-file program, attached by attach_media.exe"
  local one=$run/"Zolv città uno"/zolv.exe
  wine "$tools/attach_media/attach_media.exe" "$(winepath -w "$one")" \
    "$(winepath -w "$run/Zolv città/Media")" | tr -d '\r'
  wine "$tools/attach_media/attach_media.exe" --list "$(winepath -w "$one")" | tr -d '\r' |
    awk '{print $2}' > "$run/attached.txt"
  local attached shipped
  attached=$(grep -c '^Media/' "$run/attached.txt" || true)
  shipped=$(find "$root/media/Media" -type f | wc -l)
  echo "attached entries: $attached of $shipped shipped media files"
  [ "$attached" -eq "$shipped" ] || { echo "FAIL: the attached archive is not the media set"; return 1; }
  start_and_close "$run/Zolv città uno" title_one_file
  local left
  left=$(find "$temp" -maxdepth 1 -name 'zolv-media-*' | wc -l)
  [ "$left" -eq 0 ] || { echo "FAIL: $left unpacked media files left in $temp"; return 1; }

  if [ -n "$native_build" ]; then
    echo "== replay check and solver under Wine"
    # Headless: the window stays hidden, the clock is virtual and nothing waits for a person.
    local m
    for ((m = 0; m < maps; m++)); do
      (cd "$run/Zolv città" &&
        timeout 300 wine ./zolv.exe --replay-check "$m" "$(sed -n "$((m + 1))p" "$memo" | tr -d '\r')") |
        tr -d '\r' > "$run/replay_windows_$m.txt" ||
        { echo "FAIL: the replay check of map $m failed"; return 1; }
    done
    timeout 300 wine "$tools/solver/solver.exe" "$(winepath -w "$run/Zolv città")" \
      --check-replays | tr -d '\r' > "$run/solver_windows.txt" ||
      { echo "FAIL: solver.exe failed"; cat "$run/solver_windows.txt"; return 1; }
  fi
  wineserver -w
}
unit=$build/zolv/tests/zolv_tests_runtime_platform.exe
tools=$build/zolv/tools
memo=$root/media/Media/Zolv-sch1-memo.txt
maps=$(grep -c '' "$root/media/Media/Zolv-sch1-mappe.txt")
if [ -n "$native_build" ]; then
  echo "== replay check and solver, native"
  mkdir -p "$run/native"
  cp -r "$root/media/." "$run/native/"
  for ((m = 0; m < maps; m++)); do
    "$native_build/app/zolv" --replay-check "$m" "$(sed -n "$((m + 1))p" "$memo" | tr -d '\r')" \
      --dir "$run/native" > "$run/replay_native_$m.txt"
  done
  "$native_build/tools/solver/solver" "$run/native" --check-replays > "$run/solver_native.txt"
fi
export run unit tools native_build memo maps root
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
if [ -n "$native_build" ]; then
  summary() { grep -E '^(finished|frames|steps|points|time|eggs|chicks|cell)=' "$1" | paste -sd' '; }
  for ((m = 0; m < maps; m++)); do
    echo "map $m, Windows: $(summary "$run/replay_windows_$m.txt")"
    grep -qx 'finished=1' "$run/replay_windows_$m.txt" ||
      { echo "FAIL: the replay of map $m did not finish the level on Windows"; exit 1; }
    cmp -s "$run/replay_native_$m.txt" "$run/replay_windows_$m.txt" || {
      echo "FAIL: the replay reports of map $m differ (native, then Windows)"
      diff "$run/replay_native_$m.txt" "$run/replay_windows_$m.txt"; exit 1
    }
  done
  echo "replay checks of $maps maps: the same on both systems"
  # The search speed differs between the machines; the solutions must not.
  solutions() { grep '^map ' "$1" | sed 's/ rate=[^ ]*//'; }
  [ "$(solutions "$run/solver_native.txt" | wc -l)" -eq "$maps" ] &&
    [ "$(solutions "$run/solver_native.txt")" = "$(solutions "$run/solver_windows.txt")" ] ||
    { echo "FAIL: the solvers differ"; diff <(solutions "$run/solver_native.txt") \
        <(solutions "$run/solver_windows.txt"); exit 1; }
  echo "solver: the same $maps solutions on both systems"
fi
for log in "$run/title.log" "$run/title_one_file.log"; do
  [ -f "$log" ] || { echo "FAIL: no ErrorLog.txt in the temporary folder"; exit 1; }
  check_log "$log"
done
echo "windows smoke test: ok"

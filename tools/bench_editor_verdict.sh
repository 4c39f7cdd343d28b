#!/usr/bin/env bash
# The editor's verdict (key V) on a shipped map through the real program on the headless
# driver, on a copy of the media: prints the search's time and the verdict from the log.
# Usage: tools/bench_editor_verdict.sh PROGRAM [MAP]   (MAP 0 to 39, default 35)
set -eu
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
target="${2:-35}"
media="$(cd "$(dirname "$0")/.." && pwd)/media"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/work"
cp -r "$media/Media" "$tmp/work/"
# Every map reached, so the chooser goes to any of them.
sed -i "3s/^[^\r]*/$(printf "\\$(printf '%03o' $((65 + 39)))")/" "$tmp/work/Media/Zolv-gioc.txt"
script=('wait 20' 'press Space' 'wait 3' 'press Q+W' 'wait 3' 'press Up' 'wait 3' 'press Right'
        'wait 3' 'press Enter' 'wait 12')
# From map 1: Select+Up adds ten, Select+Right one, Select+Left takes one away.
at=1
while [ $((at + 10)) -le "$target" ]; do script+=('hold Backspace+Up 4' 'wait 8'); at=$((at + 10)); done
while [ "$at" -lt "$target" ]; do script+=('hold Backspace+Right 4' 'wait 8'); at=$((at + 1)); done
while [ "$at" -gt "$target" ]; do script+=('hold Backspace+Left 4' 'wait 8'); at=$((at - 1)); done
script+=('hold V 4' 'wait 8' 'end')
printf '%s\n' "${script[@]}" > "$tmp/script"
(cd "$tmp/work" && TMPDIR="$tmp" "$program" --headless --script "$tmp/script" --dir "$tmp/work" \
   --seed 1 > "$tmp/summary")
found=$(grep -hs "Editor verdict" "$tmp/ErrorLog.txt" "$tmp/work/ErrorLog.txt" || true)
[ -n "$found" ] || { echo "no verdict in the log"; cat "$tmp/summary"; exit 1; }
echo "$found"

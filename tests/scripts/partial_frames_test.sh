#!/usr/bin/env bash
# Frames drawn only where they changed must show exactly what whole frames show. Runs the
# frame benchmark's moving scenes (a level played from its replay, the editor, the menu with
# its live preview, the title) twice in a real window, once drawing every frame whole
# (ZOLV_WHOLE_FRAMES=1), and compares the fingerprints of every presented frame. It also
# checks that the replay was drawn in parts at all, so the comparison means something.
# Usage: partial_frames_test.sh BENCH_PROGRAM MEDIA_FOLDER
set -u
bench="$1" media="$2"
if [ -z "${DISPLAY:-}" ]; then echo "no X display: skipped"; exit 77; fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/game" && cp -r "$media/." "$tmp/game/"
scenes=replay,editor,menu,title
ZOLV_WHOLE_FRAMES=1 "$bench" --frames 240 --scenes $scenes --hashes "$tmp/whole.txt" "$tmp/game" \
  >"$tmp/whole.log" 2>&1 || { cat "$tmp/whole.log"; echo "whole run failed"; exit 1; }
"$bench" --frames 240 --scenes $scenes --hashes "$tmp/parts.txt" "$tmp/game" \
  >"$tmp/parts.log" 2>&1 || { cat "$tmp/parts.log"; echo "recorded run failed"; exit 1; }
cat "$tmp/parts.log"
if ! grep -q . "$tmp/whole.txt" || [ "$(awk '$3 == "0000000000000000"' "$tmp/whole.txt" | wc -l)" -gt 0 ]; then
  echo "no presented frames to compare (not a software renderer?): skipped"; exit 77
fi
if ! cmp -s "$tmp/whole.txt" "$tmp/parts.txt"; then
  echo "frames drawn in parts differ from whole frames:"
  diff "$tmp/whole.txt" "$tmp/parts.txt" | head -20
  exit 1
fi
parts=$(awk '/^replay/ {getline; print $6}' "$tmp/parts.log")
distinct=$(awk '$1 == "replay" {print $3}' "$tmp/parts.txt" | sort -u | wc -l)
echo "replay: $distinct distinct frames, $parts drawn in parts"
[ "${parts:-0}" -gt 0 ] || { echo "the replay was never drawn in parts"; exit 1; }
[ "$distinct" -gt 100 ] || { echo "the replay hardly moved"; exit 1; }
echo "ok: $(wc -l < "$tmp/parts.txt") frames match"

#!/usr/bin/env bash
# Frames drawn only where they changed must show exactly what whole frames show. Runs the
# frame benchmark's moving scenes (a level played from its replay, the editor, the menu with
# its live preview, the title) and the editor driven by a key script (pieces put and picked
# up with keys and mouse, the board shifted, undo and redo, the piece row stepped and scrolled,
# notices, the map saved, another map chosen) twice in a real window, once
# drawing every frame whole (ZOLV_WHOLE_FRAMES=1), and compares the fingerprints of every
# presented frame. The frames run on the headless driver's clock, so nothing waits for real
# time. It also checks that the replay and the editing were drawn in parts at all, so the
# comparison means something, and that the editing saved its map.
# Usage: partial_frames_test.sh BENCH_PROGRAM MEDIA_FOLDER EDITOR_SCRIPT
set -u
bench="$1" media="$2" keys="$3"
if [ -z "${DISPLAY:-}" ]; then echo "no X display: skipped"; exit 77; fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for run in whole parts; do
  mkdir -p "$tmp/$run" && cp -r "$media/." "$tmp/$run/"
done
run() {  # NAME LOG ARGS...: the bench in folder NAME, whole frames for "whole"
  local name="$1" log="$2"
  shift 2
  if [ "$name" = whole ]; then
    ZOLV_WHOLE_FRAMES=1 "$bench" "$@" "$tmp/$name" >"$log" 2>&1
  else
    "$bench" "$@" "$tmp/$name" >"$log" 2>&1
  fi || { cat "$log"; echo "$name run failed: $*"; exit 1; }
}
for name in whole parts; do
  run $name "$tmp/$name.log" --virtual-clock --frames 240 --scenes replay,editor,menu,title \
    --hashes "$tmp/$name.txt"
  run $name "$tmp/$name-edit.log" --script "$keys" --frames 900 --scenes editing \
    --hashes "$tmp/$name-edit.txt"
  cat "$tmp/$name-edit.txt" >>"$tmp/$name.txt"
done
cat "$tmp/parts.log" "$tmp/parts-edit.log"
if ! grep -q . "$tmp/whole.txt" || [ "$(awk '$3 == "0000000000000000"' "$tmp/whole.txt" | wc -l)" -gt 0 ]; then
  echo "no presented frames to compare (not a software renderer?): skipped"; exit 77
fi
if ! cmp -s "$tmp/whole.txt" "$tmp/parts.txt"; then
  echo "frames drawn in parts differ from whole frames:"
  diff "$tmp/whole.txt" "$tmp/parts.txt" | head -20
  exit 1
fi
for scene in replay editing; do
  log="$tmp/parts.log"
  [ $scene = editing ] && log="$tmp/parts-edit.log"
  parts=$(awk -v s=$scene '$1 == s {getline; print $6}' "$log")
  distinct=$(awk -v s=$scene '$1 == s {print $3}' "$tmp/parts.txt" | sort -u | wc -l)
  echo "$scene: $distinct distinct frames, $parts drawn in parts"
  [ "${parts:-0}" -gt 0 ] || { echo "the $scene was never drawn in parts"; exit 1; }
  [ "$distinct" -gt 50 ] || { echo "the $scene hardly moved"; exit 1; }
done
maps=Media/Zolv-sch1-mappe.txt
cmp -s "$media/$maps" "$tmp/parts/$maps" && { echo "the editing saved no map"; exit 1; }
cmp -s "$tmp/whole/$maps" "$tmp/parts/$maps" || { echo "the two runs saved different maps"; exit 1; }
echo "ok: $(wc -l < "$tmp/parts.txt") frames match"

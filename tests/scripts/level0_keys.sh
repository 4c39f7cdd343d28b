#!/usr/bin/env bash
# Prints a key script for the headless driver that goes from the title into level 0, plays
# the level's shipped solution (line 1 of the replay file given) and ends the program.
# Usage: level0_keys.sh REPLAY_FILE > keys.txt
set -eu
moves=$(sed -n 1p "$1" | tr -d '\rABCDEFGHIJKLMNOPQRSTUVWXYZ')
[ -n "$moves" ] || { echo "no solution line in $1" >&2; exit 1; }
# The title takes its key from about frame 10; Up then Enter starts the first level.
printf '%s\n' "wait 20" "press Space" "wait 3" "press Up" "wait 2" "press Enter" "wait 14"
# A direction per move, held over one reading of the controls, with time for the glide.
for ((k = 0; k < ${#moves}; k++)); do
  case "${moves:$k:1}" in
  0) echo "hold Up 4" ;; 1) echo "hold Right 4" ;; 2) echo "hold Down 4" ;; 3) echo "hold Left 4" ;;
  esac
  echo "wait 8"
done
# The level-end count, then past the records screen.
printf '%s\n' "wait 200" "press Space" "wait 10" "end"

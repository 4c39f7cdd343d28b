#!/usr/bin/env bash
# A run that finishes level 0 (records, progress, the player file saved) killed with SIGKILL
# at 200 moments spread evenly over the run, on copies of the shipped media: afterwards
# every file in Media/ equals either its old version or its complete new version (as an
# unkilled run leaves it), or, for a file the run saves twice (the player file: progress,
# then the options at the end), a whole earlier save: as many lines as the new version, each
# its old or its new line. Only temporary files of unfinished saves, and the probe of a
# check of whether the folder takes files, may lie beside them, named as they are named, for
# the next start to remove.
# Usage: kill_during_save_test.sh PROGRAM [KILLS] [LANES]
set -u
program="$1"
kills="${2:-200}"
lanes="${3:-8}"
here="$(cd "$(dirname "$0")" && pwd)"
media="$here/../../media"
script="$here/data/finish_level0.keys"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
[ -d "$media/Media" ] || { echo "no shipped media set"; exit 77; }

copy() { mkdir -p "$1" && cp -r "$media/Media" "$media"/smalfont.bmp "$1/"; }
run() {
  (cd "$1" && exec env TMPDIR="$1" "$program" --headless --no-pictures --script "$script" \
     --dir "$1" --seed 1 > "$1/summary" 2>&1)
}

# The complete new versions, and how long a whole run takes (milliseconds).
copy "$tmp/new"
t0=$(date +%s%N)
run "$tmp/new" || { echo "the unkilled run failed"; cat "$tmp/new/summary"; exit 1; }
span=$((($(date +%s%N) - t0) / 1000000))
changed=0
for f in "$media"/Media/*; do cmp -s "$f" "$tmp/new/Media/${f##*/}" || changed=$((changed + 1)); done
[ "$changed" -ge 2 ] || { echo "the run changed only $changed files"; exit 1; }

# Whether file $1 is a whole save made of the lines of old version $2 and new version $3.
whole_save() {
  [ -e "$2" ] || return 1
  awk -v old="$2" -v new="$3" '
    BEGIN { while ((getline l < old) > 0) o[n++] = l; while ((getline l < new) > 0) w[m++] = l }
    { if (!(substr($0, length($0)) == "\r" && ($0 == o[NR - 1] || $0 == w[NR - 1]))) bad = 1 }
    END { exit (bad || NR != m) }' "$1" && [ "$(tail -c 2 "$1" | od -An -c | tr -d ' ')" = '\r\n' ]
}

# Kill i of the lane comes i * span / kills milliseconds after the start.
lane() {
  local j=$1 i dir name f
  for ((i = j; i < kills; i += lanes)); do
    dir="$tmp/k$i"
    copy "$dir"
    (cd "$dir" && exec env TMPDIR="$dir" "$program" --headless --no-pictures --script "$script" \
       --dir "$dir" --seed 1 > "$dir/summary" 2>&1) &
    local pid=$!
    sleep "$(printf '0.%03d' $((i * span / kills % 1000)))" 2>/dev/null
    [ $((i * span / kills)) -ge 1000 ] && sleep $((i * span / kills / 1000))
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    for f in "$dir"/Media/* "$dir"/Media/.[!.]*; do
      [ -e "$f" ] || continue
      name=${f##*/}
      if [ -e "$media/Media/$name" ] || [ -e "$tmp/new/Media/$name" ]; then
        cmp -s "$f" "$media/Media/$name" || cmp -s "$f" "$tmp/new/Media/$name" ||
          if whole_save "$f" "$media/Media/$name" "$tmp/new/Media/$name"; then
            echo "$i" >> "$tmp/earlier.$j"
          else
            echo "kill $i: $name is neither old nor new" >> "$tmp/failures"
          fi
      elif [[ "$name" =~ ^\.Zolv-.*\.txt\.[A-Za-z0-9]{6}$ ]] ||
           [[ "$name" =~ ^\.zolv-write-check-[A-Za-z0-9]{6}$ ]]; then
        echo "$i" >> "$tmp/temporaries.$j"
      else
        echo "kill $i: unexpected file $name" >> "$tmp/failures"
      fi
    done
    for f in "$media"/Media/*; do
      [ -e "$dir/Media/${f##*/}" ] || echo "kill $i: ${f##*/} is missing" >> "$tmp/failures"
    done
    grep -q '^frames=' "$dir/summary" && echo "$i" >> "$tmp/finished.$j"
    rm -rf "$dir"
  done
}
for ((j = 0; j < lanes; j++)); do lane "$j" & done
wait
finished=$(cat "$tmp"/finished.* 2>/dev/null | wc -l)
temporaries=$(cat "$tmp"/temporaries.* 2>/dev/null | wc -l)
earlier=$(cat "$tmp"/earlier.* 2>/dev/null | wc -l)
echo "$kills kills over ${span} ms: $((kills - finished)) killed, $finished had ended," \
     "$temporaries left a temporary file, $earlier an earlier whole save"
if [ -s "$tmp/failures" ]; then cat "$tmp/failures"; exit 1; fi
[ "$finished" -lt "$kills" ] || { echo "no run was killed"; exit 1; }
echo ok

#!/usr/bin/env bash
# The runtime's folders are layers: a file includes headers of its own folder and of folders
# below it only, and nothing in runtime/ includes the game. A wrong include fails here with the
# file and the line, before it turns into a circle of folders.
set -euo pipefail
root="$1"
layers=(platform base values image audio headless input gfx frame)
level() {
    local i
    for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
    echo -1
}
bad=0
for folder in "${layers[@]}"; do
    mine=$(level "$folder")
    while IFS=: read -r file line text; do
        target=$(sed -E 's#.*"(runtime|game)/([a-z_]+)/.*#\1 \2#' <<<"$text")
        kind=${target% *} name=${target#* }
        if [ "$kind" = game ]; then
            echo "$file:$line: the runtime includes the game: $text"; bad=1; continue
        fi
        theirs=$(level "$name")
        if [ "$theirs" -lt 0 ]; then
            echo "$file:$line: no such runtime folder: $text"; bad=1
        elif [ "$theirs" -gt "$mine" ]; then
            echo "$file:$line: $folder includes $name, which sits above it: $text"; bad=1
        fi
    done < <(grep -Hn '^#include "\(runtime\|game\)/' "$root/runtime/$folder"/*.cpp "$root/runtime/$folder"/*.h 2>/dev/null || true)
done
unknown=$(cd "$root/runtime" && for d in */; do d=${d%/}; [ "$(level "$d")" -ge 0 ] || echo "$d"; done)
if [ -n "$unknown" ]; then echo "runtime folders not in the layer list: $unknown"; bad=1; fi
[ "$bad" = 0 ] && echo "runtime folders in layers: ${layers[*]}"
exit "$bad"

#!/usr/bin/env bash
# Where saves go, on the real program played headless through level 0.
#   beside     a program folder that can be written keeps the saves beside the program
#   installed  the program in usr/games and its data in usr/share/games/zolv, none of it
#              writable: the data is found, the saves go to $XDG_DATA_HOME/zolv/Media/ and
#              nothing under usr/ changes; a second run reads the player's copies first
# Permissions do not stop root, so as root the runs are made as the user nobody (setpriv).
# Usage: save_folder_test.sh PROGRAM MEDIA_SET CHECK
set -u
program="$1"
media="$2"
check="$3"
here="$(cd "$(dirname "$0")" && pwd)"
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; cat "$tmp/summary" "$tmp/stderr" 2>/dev/null; exit 1; }
field() { sed -n "s/^$1=//p" "$tmp/summary"; }

as_user=()
if [ "$(id -u)" = 0 ]; then
  command -v setpriv >/dev/null || { echo "no setpriv to drop root: skipped"; exit 77; }
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
home="$tmp/home"
mkdir -p "$home"
"$here/level0_keys.sh" "$media/Media/Zolv-sch1-memo.txt" > "$tmp/keys" || fail "no key script"
# Everything but the program tree may be written by the player (the log goes to $tmp).
chmod 777 "$tmp" "$home"
chmod 644 "$tmp/keys"
[ ${#as_user[@]} -gt 0 ] && chown 65534:65534 "$home"

play() {  # PROGRAM_FILE (keys from $tmp/keys)
  (cd / && env HOME="$home" XDG_DATA_HOME= TMPDIR="$tmp" "${as_user[@]}" "$1" --headless \
     --script "$tmp/keys" --seed 1 > "$tmp/summary" 2> "$tmp/stderr") ||
    fail "the run did not end normally"
  [ "$(field error)" = 0 ] || fail "error $(field error)"
}
ship() {  # FOLDER: the shipped set laid out in it
  mkdir -p "$1"
  cp -r "$media/Media" "$media/Leggimi.txt" "$media/Read_Me.txt" "$media/smalfont.bmp" "$1/"
}
player_progress() { sed -n 2,3p "$1" | tr -d '\r\n'; }

case "$check" in
beside)
  app="$tmp/app"
  ship "$app"
  cp "$program" "$app/zolv"
  chmod -R a+rwX "$app"
  play "$app/zolv"
  [ "$(field map)" = 1 ] || fail "level 0 not finished (map $(field map))"
  [ "$(player_progress "$app/Media/Zolv-gioc.txt")" = AB ] || fail "progress not saved beside"
  cmp -s "$app/Media/Zolv-sch1-punti.txt" "$media/Media/Zolv-sch1-punti.txt" &&
    fail "records not saved beside the program"
  [ -e "$home/.local/share/zolv" ] && fail "a writable program folder wrote into HOME"
  grep -q "^Saves beside the program: $app/" "$tmp/ErrorLog.txt" || fail "no log line for the choice"
  ;;
installed)
  usr="$tmp/usr"
  mkdir -p "$usr/games"
  ship "$usr/share/games/zolv"
  cp "$program" "$usr/games/zolv"
  chmod -R a+rX,a-w "$usr"
  (cd "$usr" && find . -type f -exec md5sum {} + | sort) > "$tmp/before"
  play "$usr/games/zolv"
  [ "$(field map)" = 1 ] || fail "level 0 not finished (map $(field map))"
  saves="$home/.local/share/zolv/Media"
  [ "$(player_progress "$saves/Zolv-gioc.txt")" = AB ] || fail "progress not in $saves"
  [ -s "$saves/Zolv-sch1-punti.txt" ] || fail "records not in $saves"
  [ -s "$saves/Zolv-sch1-memo.txt" ] || fail "replay not in $saves"
  cmp -s "$saves/Zolv-sch1-punti.txt" "$media/Media/Zolv-sch1-punti.txt" && fail "records unchanged"
  (cd "$usr" && find . -type f -exec md5sum {} + | sort) > "$tmp/after"
  cmp -s "$tmp/before" "$tmp/after" || fail "the program tree changed: $(diff "$tmp/before" "$tmp/after")"
  grep -q "^Saves in $home/.local/share/zolv/ " "$tmp/ErrorLog.txt" || fail "no log line for the choice"
  # A second run starts from the player's copies: its menu opens on level 1, the last reached
  # (level 0 with the shipped player file).
  printf '%s\n' "wait 20" "press Space" "wait 10" "end" > "$tmp/keys"
  play "$usr/games/zolv"
  [ "$(field map2)" = 1 ] || fail "the second run started from the shipped player file"
  ;;
*) echo "unknown check $check"; exit 2 ;;
esac
echo "ok: $check"

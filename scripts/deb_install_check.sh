#!/usr/bin/env bash
# Installs build/zolv_*.deb into this machine, plays level 0 with the installed program as a
# throwaway system user whose HOME is a fresh folder, checks that the records, replay and
# player file landed under that HOME and nothing under /usr changed, then removes the package
# and checks nothing of it stays. Needs root (CI runs it after package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(ls build/zolv_*_amd64.deb)
export DEBIAN_FRONTEND=noninteractive
fail() { echo "FAIL: $*"; exit 1; }

apt-get install -y -qq "./$deb" >/dev/null
dpkg-query -L zolv | sort > /tmp/zolv-files.txt
[ -x /usr/games/zolv ] || fail "no /usr/games/zolv"

user=zolv-ci-$$
home=$(mktemp -d /tmp/zolv-home.XXXXXX)
useradd --system --no-create-home --home-dir "$home" --shell /usr/sbin/nologin "$user"
trap 'userdel "$user" 2>/dev/null || true; rm -rf "$home"' EXIT
chown "$user:" "$home"
tests/scripts/level0_keys.sh /usr/share/games/zolv/Media/Zolv-sch1-memo.txt > "$home/keys"
chmod 644 "$home/keys"

marker=$(mktemp)
sleep 1
run_as() {
  (cd "$home" && setpriv --reuid="$user" --regid="$user" --init-groups \
     env -i PATH=/usr/bin:/bin HOME="$home" TMPDIR="$home" SDL_AUDIODRIVER=dummy "$@")
}
run_as /usr/games/zolv --headless --script "$home/keys" --seed 1 --summary "$home/summary" ||
  fail "the installed program did not end normally"
grep -qx "error=0" "$home/summary" || fail "error: $(grep ^error= "$home/summary")"
grep -qx "map=1" "$home/summary" || fail "level 0 not finished: $(grep ^map= "$home/summary")"

saves="$home/.local/share/zolv/Media"
for f in Zolv-gioc.txt Zolv-sch1-punti.txt Zolv-sch1-memo.txt; do
  [ -s "$saves/$f" ] || fail "$saves/$f missing"
  [ "$(stat -c %U "$saves/$f")" = "$user" ] || fail "$f not owned by the player"
done
cmp -s "$saves/Zolv-sch1-punti.txt" /usr/share/games/zolv/Media/Zolv-sch1-punti.txt &&
  fail "the records did not change"
grep -q "^Saves in $home/.local/share/zolv/ " "$home/ErrorLog.txt" || fail "no log line for the choice"
echo "saves under HOME:"; (cd "$home" && find .local -type f | sort)

changed=$(find /usr -newer "$marker" 2>/dev/null | head -20)
[ -z "$changed" ] || fail "written under /usr: $changed"
dpkg --verify zolv || fail "installed files changed"

apt-get purge -y -qq zolv >/dev/null
left=()
# Every file of the package is gone, and every folder of its own (shared folders such as
# /usr/share/icons/hicolor/16x16/apps belong to other packages too).
while read -r f; do
  if [ -e "$f" ] && { [ ! -d "$f" ] || [[ "$f" == *zolv* ]]; }; then left+=("$f"); fi
done < /tmp/zolv-files.txt
[ ${#left[@]} -eq 0 ] || fail "left after removal: ${left[*]}"
if dpkg-query -W -f='${Status}' zolv 2>/dev/null | grep -q "ok installed"; then
  fail "zolv still installed"
fi
echo "== package installed, played as $user, removed: ok"

# Sourced by windows.sh and web.sh: the library sources (SDL2, zlib, libpng) from Debian's
# source packages, unpacked into $deps/src. Needs $deps set.

# apt runs with a source list and state folders of the build's own, so the machine's apt
# set-up is left as it is. The security archive carries no sources: the main archive's
# addresses (ending in /debian) are taken from the machine's own apt lists.
fetch_sources() {
  local apt=$deps/apt
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$deps/src"
  local suite
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  local uris
  uris=$( (grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | awk '{print $2}' || true
           grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
             awk '{print ($2 ~ /^\[/) ? $3 : $2}' || true) | grep -E '/debian/?$' | sort -u || true)
  [ -n "$uris" ] || { echo "no Debian archive in the apt sources"; exit 1; }
  : > "$apt/sources.list"
  for u in $uris; do echo "deb-src $u $suite main" >> "$apt/sources.list"; done
  local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
              -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
              -o "APT::Sandbox::User=root" -qq)
  apt-get "${opts[@]}" update
  (cd "$deps/src" && apt-get "${opts[@]}" source libsdl2 zlib libpng1.6 >/dev/null)
}

source_dir() {  # the unpacked folder of one source package: source_dir NAME-PREFIX
  find "$deps/src" -maxdepth 1 -mindepth 1 -type d -name "$1*" | sort | tail -n 1
}

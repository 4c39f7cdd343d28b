# Sourced by windows.sh and web.sh: the library sources (SDL2, zlib, libpng) from Debian's
# source packages, unpacked into $deps/src, and their build. Needs $deps (and $prefix to build) set.

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

# Builds each of zlib, libpng and SDL2 not yet built into $prefix, fetching the sources first
# when any is missing, with the caller's build_zlib, build_libpng and build_sdl2:
# build_libraries "for Windows".
build_libraries() {
  local -A package_of=([zlib]=zlib- [libpng]=libpng1.6- [sdl2]=libsdl2-)
  local need=() lib t
  for lib in zlib libpng sdl2; do [ -e "$prefix/.built-$lib" ] || need+=("$lib"); done
  if [ ${#need[@]} -eq 0 ]; then
    echo "== reusing the libraries $1 in $prefix"
    return
  fi
  [ -n "$(source_dir libsdl2-)" ] && [ -n "$(source_dir zlib-)" ] &&
    [ -n "$(source_dir libpng1.6-)" ] || { echo "== fetching library sources"; fetch_sources; }
  for lib in "${need[@]}"; do
    echo "== building $lib $1 ($(basename "$(source_dir "${package_of[$lib]}")"))"
    t=$(date +%s)
    "build_$lib"
    touch "$prefix/.built-$lib"
    echo "   $lib took $(( $(date +%s) - t )) s"
  done
}

#!/usr/bin/env bash
# Builds Zolv for web browsers on Debian 12: build-web/ then holds index.html, zolv.js,
# zolv.wasm and zolv.data (the media set, preloaded by the page).
#
# Installs Debian's emscripten when missing, builds SDL2, zlib and libpng from Debian's own
# source packages into build-web-deps/prefix (kept and reused by later runs), then the game.
# The page keeps the player's saves in the browser (IndexedDB); see docs/web.md.
#
# Usage: ./web.sh [--serve [PORT]] [--test]   (JOBS=N sets the parallel jobs, 2 by default)
#   --serve  serves build-web/ on 127.0.0.1 (port 8023 by default) until stopped
#   --test   runs the page in headless Chromium (tests/web/), installing chromium and
#            puppeteer-core first when missing; with the Linux program in build/app, the
#            first board is compared with its picture and every level's replay check with
#            its report (unless ZOLV_WEB_REPLAYS=0)
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
serve=OFF
port=8023
test=OFF
while [ $# -gt 0 ]; do
  case "$1" in
    --serve)
      serve=ON
      shift
      if [ $# -gt 0 ] && [[ "$1" =~ ^[0-9]+$ ]]; then port=$1; shift; fi ;;
    --test) test=ON; shift ;;
    *) echo "unknown argument: $1"; exit 2 ;;
  esac
done
jobs=${JOBS:-2}
build=$root/build-web
deps=$root/build-web-deps
prefix=$deps/prefix
# Debian's emscripten finds its JavaScript modules (acorn and others) only through this.
export NODE_PATH=/usr/share/nodejs
# Debian's emscripten comes with its system libraries built (a frozen cache): EM_CACHE must
# stay unset.
unset EM_CACHE

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "== installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

install_missing emscripten cmake make dpkg-dev python3

# --- library sources, from Debian's source packages (fetch_sources, source_dir) ------------
. "$root/scripts/debian_sources.sh"

# zlib and libpng are a handful of C files each: compiled straight, without their configure
# steps (zlib's CMake wants a win32/ file the Debian tarball leaves out).
compile_static() {  # compile_static NAME SOURCE_DIR FILE... : lib/libNAME.a from FILE.c
  local name=$1 src=$2
  shift 2
  local obj=$deps/build/$name
  rm -rf "$obj"
  mkdir -p "$obj"
  printf '%s\n' "$@" | xargs -P "$jobs" -I{} \
    emcc -O2 ${cflags:-} -I"$prefix/include" -c "$src/{}.c" -o "$obj/{}.o"
  emar rcs "$obj/lib$name.a" "$obj"/*.o
  install -D -m 644 "$obj/lib$name.a" "$prefix/lib/lib$name.a"
}

build_zlib() {
  local src
  src=$(source_dir zlib-)
  install -D -m 644 "$src/zlib.h" "$prefix/include/zlib.h"
  install -D -m 644 "$src/zconf.h" "$prefix/include/zconf.h"
  # What zlib's configure would find: unistd.h (for read, write and close).
  cflags=-DHAVE_UNISTD_H compile_static z "$src" adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback \
    inffast inflate inftrees trees uncompr zutil
}

build_libpng() {
  local src
  src=$(source_dir libpng1.6-)
  # The default configuration, as the release ships it; no SIMD code.
  install -D -m 644 "$src/scripts/pnglibconf.h.prebuilt" "$prefix/include/pnglibconf.h"
  install -m 644 "$src/png.h" "$src/pngconf.h" "$prefix/include/"
  compile_static png "$src" png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil \
    pngset pngtrans pngwio pngwrite pngwtran pngwutil
}

build_sdl2() {
  # Video with WebGL, events, keyboard, mouse, game pads, audio, timers; SDL's 2D renderer,
  # haptics, sensors, power and locale stay out. Optimised for size.
  local out=$deps/build/sdl2
  emcmake cmake -S "$(source_dir libsdl2-)" -B "$out" -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF \
    -DSDL_RENDER=OFF -DSDL_HAPTIC=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF -DSDL_LOCALE=OFF \
    >/dev/null
  cmake --build "$out" -j"$jobs" >/dev/null
  cmake --install "$out" >/dev/null
}

start=$(date +%s)
build_libraries "for the web"

# --- the game ---------------------------------------------------------------------------------
echo "== building the page in $build"
t=$(date +%s)
# Warnings are errors, as on the desktop.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
emcmake cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZOLV_TESTS=OFF \
  -DZOLV_WERROR=ON -DCMAKE_FIND_ROOT_PATH="$prefix" \
  -DSDL2_DIR="$prefix/lib/cmake/SDL2" "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$jobs" --target zolv
echo "   the page took $(( $(date +%s) - t )) s"
for f in index.html zolv.js zolv.wasm zolv.data; do
  printf '   %-10s %8d bytes, %8d gzipped\n' "$f" "$(stat -c %s "$build/$f")" \
    "$(gzip -9c "$build/$f" | wc -c)"
done
echo "== took $(( $(date +%s) - start )) s"

if [ "$test" = ON ]; then
  install_missing chromium
  command -v npm >/dev/null || install_missing nodejs npm
  # Given the Linux program (build/, as ./test.sh leaves it), every level's replay check is
  # compared with it too.
  # ZOLV_WEB_REPLAYS=0 leaves that comparison out.
  linux=()
  if [ "${ZOLV_WEB_REPLAYS:-1}" = 0 ]; then
    echo "== ZOLV_WEB_REPLAYS=0: the first board and the replay checks are not compared"
  elif [ -x "$root/build/app/zolv" ]; then
    linux=("$root/build")
  else
    echo "== no Linux program in build/app: the first board and the replay checks are not compared"
  fi
  tests/web/run.sh "$build" "${linux[@]}"
fi
if [ "$serve" = ON ]; then
  echo "== serving $build at http://127.0.0.1:$port/ (Ctrl+C stops)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$build"
fi

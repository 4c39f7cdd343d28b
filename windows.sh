#!/usr/bin/env bash
# Builds zolv.exe for 64-bit Windows on Debian 12 and packs zolv-windows.zip.
#
# Installs the mingw-w64 cross compilers when missing, builds SDL2, zlib and libpng from
# Debian's own source packages into build-windows/deps/prefix (kept and reused by later runs),
# then the game itself, linked statically so that it needs only the DLLs that come with
# Windows. The zip holds zolv.exe, Media/ and the readme files; nothing is attached to the
# program (attach_media does that when one file is wanted). The two tools that also serve on
# Windows are built beside it: zolv/tools/attach_media/attach_media.exe and
# zolv/tools/solver/solver.exe.
#
# Usage: ./windows.sh [-B BUILD_FOLDER] [--tests]   (JOBS=N sets the parallel jobs, 2 by default)
#   --tests also builds GoogleTest (from Debian's googletest sources) and the platform layer's
#   test program, zolv/tests/zolv_tests_runtime_platform.exe, for scripts/windows_smoke.sh.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
build=build-windows
tests=OFF
while [ $# -gt 0 ]; do
  case "$1" in
    -B) build="$2"; shift 2 ;;
    --tests) tests=ON; shift ;;
    *) echo "unknown argument: $1"; exit 2 ;;
  esac
done
mkdir -p "$build"
build=$(cd "$build" && pwd)
jobs=${JOBS:-2}
deps=$build/deps
prefix=$deps/prefix
toolchain=$root/scripts/mingw-w64.cmake
triple=x86_64-w64-mingw32

# --- cross tools --------------------------------------------------------------------------
packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          mingw-w64-x86-64-dev cmake make dpkg-dev)
[ "$tests" = ON ] && packages+=(googletest)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# --- library sources, from Debian's source packages (fetch_sources, source_dir) ------------
. "$root/scripts/debian_sources.sh"

cross_cmake() {  # cross_cmake SOURCE BUILD [options]
  local src=$1 out=$2
  shift 2
  cmake -S "$src" -B "$out" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DZOLV_WINDOWS_PREFIX="$prefix" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >/dev/null
  cmake --build "$out" -j"$jobs" >/dev/null
  cmake --install "$out" >/dev/null
}

# zlib and libpng are a handful of C files each: compiled straight, without their configure
# steps, which would take longer than the compiling.
compile_static() {  # compile_static NAME SOURCE_DIR FILE... : lib/libNAME.a from FILE.c
  local name=$1 src=$2
  shift 2
  local obj=$deps/build/$name
  rm -rf "$obj"
  mkdir -p "$obj"
  printf '%s\n' "$@" | xargs -P "$jobs" -I{} \
    $triple-gcc-posix -O2 -I"$prefix/include" -c "$src/{}.c" -o "$obj/{}.o"
  $triple-ar rcs "$obj/lib$name.a" "$obj"/*.o
  install -D -m 644 "$obj/lib$name.a" "$prefix/lib/lib$name.a"
}

build_zlib() {
  local src
  src=$(source_dir zlib-)
  # Only the static archive goes into the prefix: with an import library beside it, the
  # program would link the DLL.
  compile_static z "$src" adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback \
    inffast inflate inftrees trees uncompr zutil
  install -D -m 644 "$src/zlib.h" "$prefix/include/zlib.h"
  install -D -m 644 "$src/zconf.h" "$prefix/include/zconf.h"
}

build_libpng() {
  local src
  src=$(source_dir libpng1.6-)
  # The default configuration, as the release ships it; no SIMD code (off by default).
  install -D -m 644 "$src/scripts/pnglibconf.h.prebuilt" "$prefix/include/pnglibconf.h"
  install -m 644 "$src/png.h" "$src/pngconf.h" "$prefix/include/"
  compile_static png "$src" png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil \
    pngset pngtrans pngwio pngwrite pngwtran pngwutil
}

build_sdl2() {
  # Only what the game uses: video with OpenGL, events, keyboard, mouse, joysticks, audio,
  # timers. The 2D renderer, haptics, sensors, Vulkan, GLES, Direct3D, power, locale and
  # URL opening stay out; optimised for size, which also compiles faster.
  cross_cmake "$(source_dir libsdl2-)" "$deps/build/sdl2" -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_RENDER=OFF -DSDL_HAPTIC=OFF \
    -DSDL_SENSOR=OFF -DSDL_VULKAN=OFF -DSDL_OPENGLES=OFF -DSDL_RENDER_D3D=OFF -DSDL_POWER=OFF \
    -DSDL_LOCALE=OFF -DSDL_MISC=OFF -DSDL_STATIC_PIC=OFF
}

build_gtest() {
  local src=/usr/src/googletest/googletest obj=$deps/build/gtest
  rm -rf "$obj"
  mkdir -p "$obj"
  printf '%s\n' gtest-all gtest_main | xargs -P "$jobs" -I{} \
    $triple-g++-posix -O1 -std=c++17 -I"$src/include" -I"$src" -c "$src/src/{}.cc" -o "$obj/{}.o"
  $triple-ar rcs "$obj/libgtest.a" "$obj/gtest-all.o"
  $triple-ar rcs "$obj/libgtest_main.a" "$obj/gtest_main.o"
  mkdir -p "$prefix/lib" "$prefix/include"
  install -m 644 "$obj/libgtest.a" "$obj/libgtest_main.a" "$prefix/lib/"
  cp -r "$src/include/gtest" "$prefix/include/"
}

start=$(date +%s)
if [ "$tests" = ON ] && [ ! -e "$prefix/.built-gtest" ]; then
  echo "== building GoogleTest for Windows"
  t=$(date +%s)
  build_gtest
  touch "$prefix/.built-gtest"
  echo "   gtest took $(( $(date +%s) - t )) s"
fi
build_libraries "for Windows"

# --- the game ---------------------------------------------------------------------------------
echo "== building zolv.exe"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build/zolv" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DZOLV_WINDOWS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DZOLV_TESTS="$tests" \
  -DZOLV_WERROR=ON "${launcher[@]}" >/dev/null
# The tools that also serve on Windows are built too (they do not go into the zip).
targets=(zolv attach_media solver)
[ "$tests" = ON ] && targets+=(zolv_tests_runtime_platform)
cmake --build "$build/zolv" -j"$jobs" --target "${targets[@]}"
exe=$build/zolv/app/zolv.exe

# --- the zip --------------------------------------------------------------------------------------
stage=$build/package
rm -rf "$stage" "$build/zolv-windows.zip"
mkdir -p "$stage"
cp "$exe" "$stage/"
cp -r "$root/media/." "$stage/"
(cd "$stage" && cmake -E tar cf "$build/zolv-windows.zip" --format=zip -- *)
echo "== $exe"
echo "== $build/zolv-windows.zip ($(du -k "$build/zolv-windows.zip" | cut -f1) KiB)"
echo "== took $(( $(date +%s) - start )) s"

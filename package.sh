#!/usr/bin/env bash
# Builds build/zolv_VERSION_amd64.deb: the game compiled with Debian's hardening flags in
# build-deb/, installed into the package layout by CPack (dependencies from dpkg-shlibdeps),
# then checked with lintian. Installs what it needs with apt-get (through sudo when not root).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh dpkg-dev lintian file
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags=(-DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
       -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
       -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)")
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLV_TESTS=OFF "${flags[@]}" "${launcher[@]}" "$@"
cmake --build build-deb -j2
(cd build-deb && cpack -G DEB)
mkdir -p build
deb=$(ls build-deb/zolv_*_amd64.deb)
cp "$deb" build/
echo "== lintian $(basename "$deb")"
lintian -I --pedantic "build/$(basename "$deb")" || true
echo "build/$(basename "$deb")"

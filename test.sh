#!/usr/bin/env bash
# Builds everything (installing missing Debian packages first) and runs the whole test suite.
# Extra arguments go to cmake, e.g. ./test.sh -DZOLV_SANITIZE=ON -B build-asan
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
build_dir=build
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    -B) build_dir="$2"; shift 2 ;;
    *) args+=("$1"); shift ;;
  esac
done
cmake -S . -B "$build_dir" "${args[@]}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
# Every recorded frame is checked for OpenGL calls that bypass the recorder.
export ZOLV_GL_CHECK=1
# Tests that need a real window run under a virtual X server when there is no display.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$build_dir" --output-on-failure -j2
fi
exec ctest --test-dir "$build_dir" --output-on-failure -j2

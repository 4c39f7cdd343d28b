#!/bin/sh
# Rewrites the reference pictures of the drawing tests (tests/runtime/gfx/golden/*.png, shared
# by the runtime's drawing tests and the board drawing tests of tests/game/render) from what
# the current code draws. Use it only after a change that is meant to alter the drawing, look
# at every changed picture (git diff --stat, an image viewer), and commit them with the
# change. The tests themselves never write references unless ZOLV_UPDATE_GOLDENS=1 is set,
# as here.
#
# Comparison: exact, tolerance 0 on every channel of every pixel. Mesa's llvmpipe (also
# softpipe and the off-screen EGL driver) draws bit-exactly and repeatably, so any difference
# is a real change. A failing test keeps its drawn picture in BUILD/scratch/golden_out_XXXXXX/
# (the message names the file).
#
# Usage: scripts/refresh_goldens.sh [build-dir]   (default: build)
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
# The runtime's drawing and the game's board drawing keep their references in one folder.
for program in zolv_tests_runtime_gfx zolv_tests_game_render; do
    cmake --build "$build" -j2 --target "$program"
    ZOLV_UPDATE_GOLDENS=1 ZOLV_TEST=1 SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=offscreen \
        "$build/tests/$program"
    # A second run without the update flag must now pass against the new references.
    ZOLV_TEST=1 SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=offscreen \
        "$build/tests/$program" --gtest_brief=1
done
git -C "$root" status --short -- tests/runtime/gfx/golden

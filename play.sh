#!/usr/bin/env bash
# Builds the game (installing missing Debian packages first) and starts it with the shipped
# media set. Saves go to build/app/Media beside the program.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target zolv
exec build/app/zolv "$@"

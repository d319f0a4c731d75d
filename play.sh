#!/usr/bin/env bash
# Builds the game and its pictures into assets/ and starts it from there.
set -euo pipefail
cd "$(dirname "$0")"
tools/dependances.sh
cmake -S . -B build -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)" --target grignotin
cd assets
exec ./grignotin

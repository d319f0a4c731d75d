#!/usr/bin/env bash
# Builds everything and runs the whole test suite, headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/dependances.sh test
cmake -S . -B build-test -DBUILD_TESTING=ON ${GRIGNOTIN_CMAKE_OPTIONS:-} >/dev/null
cmake --build build-test -j"$(nproc)"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"

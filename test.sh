#!/usr/bin/env bash
# Builds everything and runs the whole test suite, headless: the desktop game's, then the
# browser build played with touch events in headless Chromium, and its sound (./web.sh builds the site;
# its libraries are built once and kept in build-web/).
set -euo pipefail
cd "$(dirname "$0")"
tools/dependances.sh test
cmake -S . -B build-test -DBUILD_TESTING=ON ${GRIGNOTIN_CMAKE_OPTIONS:-} >/dev/null
cmake --build build-test -j"$(nproc)"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"

./web.sh --build-only
node tests/navigateur/partie_tactile.mjs build-web/site
node tests/navigateur/son.mjs build-web/site

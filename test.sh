#!/usr/bin/env bash
# Builds everything and runs the whole test suite, headless: the desktop game's, then the
# browser build played with touch events in headless Chromium, its sound, the page around
# it, and the mouse in headless Firefox ESR (./web.sh builds the site;
# its libraries are built once and kept in build-web/).
set -euo pipefail
cd "$(dirname "$0")"
tools/dependances.sh test
cmake -S . -B build-test -DBUILD_TESTING=ON ${GRIGNOTIN_CMAKE_OPTIONS:-} >/dev/null
cmake --build build-test -j"$(nproc)"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"

./web.sh --build-only
# Every browser test runs, whatever one before it found; the script fails if any did.
echec=0
node tests/navigateur/partie_tactile.mjs build-web/site || echec=1
node tests/navigateur/son.mjs build-web/site || echec=1
# The page around the game; its second argument links the game again to check that a
# build with nothing changed keeps the service worker's version.
node tests/navigateur/vie_de_la_page.mjs build-web/site build-web/jeu || echec=1
node tests/navigateur/partie_firefox.mjs build-web/site || echec=1
exit $echec

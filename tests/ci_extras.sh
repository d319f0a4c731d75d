#!/usr/bin/env bash
# What CI runs after the README's test command (./test.sh), on top of it:
#   1. the whole suite again under AddressSanitizer + UndefinedBehaviorSanitizer (build-asan),
#   2. the whole suite again over sdl12-compat, SDL 1.2 on top of SDL 2 (build-test),
#   3. a minute of fuzzing the level file,
#   4. valgrind memcheck over two whole games.
# Installs what it needs through tools/dependances.sh (clang, valgrind, libsdl1.2-compat).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dependances.sh extras
coeurs=$(nproc)
etape() { echo; echo "== ci_extras: $*"; }

etape "whole suite under ASan + UBSan"
cmake -S . -B build-asan -DBUILD_TESTING=ON -DGRIGNOTIN_SANITIZE=ON ${GRIGNOTIN_CMAKE_OPTIONS:-} >/dev/null
cmake --build build-asan -j"$coeurs"
# Not the install tests: they check what ships, and a sanitizer build is not what ships
# (its .deb would depend on libasan, and the launcher's game runs without the
# suppressions that set aside Xlib's own leaks).
ctest --test-dir build-asan --output-on-failure -j"$coeurs" -LE installation

etape "whole suite over sdl12-compat"
# The same build as ./test.sh's; only the library loaded at run time changes.
cmake -S . -B build-test -DBUILD_TESTING=ON ${GRIGNOTIN_CMAKE_OPTIONS:-} >/dev/null
cmake --build build-test -j"$coeurs"
# Each listing is read whole before it is searched: under pipefail, a reader that stops
# at its first match (grep -q, head) may kill the writer with SIGPIPE and fail the line.
compat=$(dirname "$(dpkg -L libsdl1.2-compat | sed -n '\#/libSDL-1\.2\.so\.0$#p' | sed -n 1p)")
liens=$(LD_LIBRARY_PATH=$compat ldd build-test/tests/test_partie)
if [[ $liens != *"$compat/libSDL-1.2.so.0"* ]]; then
  echo "ci_extras: the tests do not pick up $compat/libSDL-1.2.so.0" >&2
  exit 1
fi
# Not the install tests either: they check what ships, which the library loaded at run
# time does not change; the real window is played over sdl12-compat by the xvfb tests.
LD_LIBRARY_PATH=$compat ctest --test-dir build-test --output-on-failure -j"$coeurs" -LE installation

etape "fuzzing the level file for 60 s"
tests/fuzz/lancer.sh -max_total_time=60

etape "valgrind over two whole games"
tests/valgrind.sh build-test

etape "all passed"

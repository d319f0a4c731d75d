#!/usr/bin/env bash
# valgrind memcheck over two whole scripted games (tests/partie_complete.cpp), headless.
# Passes with 0 errors and 0 bytes definitely lost; tests/valgrind.supp sets aside only
# what belongs to SDL or the libraries under it. Takes a few minutes.
# Usage: tests/valgrind.sh [build directory, default build-test]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${1:-$racine/build-test}
cmake --build "$construction" --target partie_complete -j"$(nproc)" >/dev/null
journal=$(mktemp)
trap 'rm -f "$journal"' EXIT
statut=0
SDL_VIDEODRIVER=dummy valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --error-exitcode=3 --num-callers=30 \
  --suppressions="$racine/tests/valgrind.supp" --log-file="$journal" \
  "$construction/tests/partie_complete" || statut=$?
grep -E "in use at exit|All heap blocks|ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable|suppressed:" "$journal" | sed 's/^==[0-9]*== //'
if [ "$statut" != 0 ]; then
  cat "$journal" >&2
  echo "valgrind: FAILED (status $statut)" >&2
  exit 1
fi
grep -q "ERROR SUMMARY: 0 errors" "$journal"
echo "valgrind: 0 errors, 0 bytes definitely lost"

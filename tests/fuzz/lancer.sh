#!/usr/bin/env bash
# Fuzzes the reading of the level file with libFuzzer (clang, ASan, UBSan).
# Usage: tests/fuzz/lancer.sh [-runs=N | -max_total_time=S] (default: one million inputs)
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
racine=$(cd "$ici/../.." && pwd)
sortie=${FUZZ_BUILD:-$racine/build-fuzz}
mkdir -p "$sortie/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$racine/src" "$ici/fuzz_niveau.cpp" "$racine/src/rules/niveau.cpp" -o "$sortie/fuzz_niveau"
# New inputs go to the build's corpus; the seeds in the repository stay as they are.
"$sortie/fuzz_niveau" "${@:--runs=1000000}" -print_final_stats=1 "$sortie/corpus" "$ici/corpus" 2>&1 | tail -n 25

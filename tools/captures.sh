#!/usr/bin/env bash
# Remakes the README's screenshots from the real game: builds it, plays levels 1 and 2 in a
# virtual X server (tests/xvfb_partie.sh, the same run the test suite makes) and keeps
# small PNGs of seven moments in docs/captures/, and a sheet of the 95 foods.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dependances.sh captures
cmake -S . -B build -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)" --target grignotin guetteur

brut=$(mktemp -d)
trap 'rm -rf "$brut"' EXIT
SCREENSHOTS=$brut GRIGNOTIN_GUETTEUR=build/bench/guetteur tests/xvfb_partie.sh assets/grignotin

mkdir -p docs/captures
for moment in intro choix niveau marche verdict perdu regles; do
  [ -s "$brut/$moment.png" ] || { echo "captures: no screenshot of '$moment'" >&2; exit 1; }
  # Half size keeps the text readable; 256 colours are plenty for flat cartoon art.
  convert "$brut/$moment.png" -resize 450x -strip -colors 256 "docs/captures/$moment.png"
  optipng -quiet -o5 "docs/captures/$moment.png"
done
ls -l docs/captures

# The 95 foods as the game shows them, two levels a row, the key colour as the board's cream.
aliments=$(grep -o '"photo/[a-z]*\.bmp", ALIMENT_' src/rules/catalogue.cpp | sed 's/^"\(photo\/[a-z]*\.bmp\)".*/assets\/\1/')
# shellcheck disable=SC2086  # one file name a word
montage $aliments -tile 10x -geometry +2+2 -background '#f4ecd8' "$brut/aliments.png"
convert "$brut/aliments.png" -fill '#f4ecd8' -opaque '#0000ff' -strip -colors 256 docs/captures/aliments.png
optipng -quiet -o5 docs/captures/aliments.png
ls -l docs/captures/aliments.png

#!/usr/bin/env bash
# Builds web/sonde.c against the web libraries in $1 into the folder $2 and runs it in
# headless Chromium: prints the probe's verdict, leaves a screenshot of its page in
# $2/sonde.png, and fails when the probe found something wrong or never finished.
#   web/sonde.sh <libraries' cache> <folder>
set -euo pipefail
cd "$(dirname "$0")/.."
prefixe=$1
dossier=$2
mkdir -p "$dossier"
dossier=$(cd "$dossier" && pwd)
# shellcheck source=web/emscripten.sh
source web/emscripten.sh

# The game's font is drawn from Andika by the picture tool; the probe takes Debian's own.
police=/usr/share/fonts/truetype/andika/Andika-Regular.ttf
debut=$(date +%s%N)
# One file holding the wasm and the font, so that the page opens from file:// with no server.
emcc -O2 -Wall -Wextra -sASYNCIFY -sSINGLE_FILE -I"$prefixe/include/SDL2" web/sonde.c -o "$dossier/sonde.js" \
  -L"$prefixe/lib" -lSDL2_ttf -lfreetype -lSDL2 --embed-file "$police@/police.ttf"
echo "sonde: built in $((($(date +%s%N) - debut) / 1000000)) ms, $(($(stat -c %s "$dossier/sonde.js") / 1024)) KiB"
cat > "$dossier/sonde.html" <<'EOF'
<!doctype html>
<html><head><meta charset="utf-8"><title>sonde</title>
<style>body { margin: 0; background: #888; } canvas { display: block; }</style></head>
<body><canvas id="canvas" width="900" height="640"></canvas>
<script>var Module = { canvas: document.getElementById('canvas') };</script>
<script src="sonde.js"></script></body></html>
EOF

# Through node: Chromium's own --dump-dom and --screenshot do not wait for the wasm (see sonde.mjs).
node web/sonde.mjs "file://$dossier/sonde.html" "$dossier/sonde.png"

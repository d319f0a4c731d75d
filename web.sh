#!/usr/bin/env bash
# Builds the game for the browser into build-web/site/ and serves it on
# http://127.0.0.1:8000/ until interrupted; --build-only stops once the site is written.
# Installs what is missing, builds SDL 2, FreeType and SDL2_ttf for the browser once
# (web/bibliotheques.sh), the pictures with the desktop build's own tool, then the game
# with emscripten. Run it again at will: only what changed is rebuilt.
set -euo pipefail
cd "$(dirname "$0")"

construire_seulement=false
case "${1:-}" in
  --build-only) construire_seulement=true ;;
  "") ;;
  *)
    echo "usage: ./web.sh [--build-only]" >&2
    exit 2
    ;;
esac

debut=$(date +%s%N)
dire() { echo "web.sh: $*" >&2; }
depuis_debut() { echo "$((($(date +%s%N) - debut) / 1000000000)) s"; }

tools/dependances.sh web
bibliotheques=$(web/bibliotheques.sh build-web)

# The pictures, the font and the icons are the desktop's, drawn by its picture tool:
# assets/photo/*.bmp, assets/angelina.ttf, build/icones/<n>x<n>/apps/grignotin.png.
cmake -S . -B build -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)" --target images icones

# The game's CMake files build for the browser in their EMSCRIPTEN branch, which finds
# the libraries under GRIGNOTIN_BIBLIOTHEQUES_WEB (the prefix holding include/ and lib/).
if ! grep -rqs --include=CMakeLists.txt --include='*.cmake' --exclude-dir='build*' GRIGNOTIN_BIBLIOTHEQUES_WEB .; then
  dire "the libraries are ready in $bibliotheques, but this tree's CMake files have no browser build yet (no GRIGNOTIN_BIBLIOTHEQUES_WEB): nothing more to do"
  exit 1
fi
[ -d /usr/share/nodejs ] && export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web/jeu -DGRIGNOTIN_BIBLIOTHEQUES_WEB="$bibliotheques" -DBUILD_TESTING=OFF >/dev/null
cmake --build build-web/jeu -j"$(nproc)"

# The site: the page from web/ and what the game's build made (grignotin.js, its .wasm and
# the packed pictures, .data), plus the icons. web/ also holds what builds the page and
# the libraries; those stay out.
programme=$(find build-web/jeu -name grignotin.js -not -path '*/CMakeFiles/*' -print -quit)
if [ -z "$programme" ]; then
  dire "the game's build made no grignotin.js under build-web/jeu"
  exit 1
fi
site=build-web/site
rm -rf "$site"
mkdir -p "$site"
for f in web/*; do
  case "$(basename "$f")" in
    *.sh | *.c | *.cmake | *.mjs | *.md | pre.js) ;;
    *) cp -r "$f" "$site/" ;;
  esac
done
for f in "$(dirname "$programme")"/grignotin.{js,wasm,data}; do
  if [ -f "$f" ]; then
    cp "$f" "$site/"
  fi
done
cp -r build/icones "$site/icones"
if [ ! -f "$site/index.html" ]; then
  dire "web/ has no index.html yet: the site in $site has no page"
  exit 1
fi
dire "site written in $site in $(depuis_debut): $(cd "$site" && for f in grignotin.*; do
  printf '%s %d KiB  ' "$f" $(($(stat -c %s "$f") / 1024))
done)"

$construire_seulement && exit 0
dire "serving $site on http://127.0.0.1:8000/ (Ctrl-C stops)"
exec python3 -m http.server --bind 127.0.0.1 8000 --directory "$site"

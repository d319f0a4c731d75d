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

dire() { echo "web.sh: $*" >&2; }
maintenant_ms() { echo $(($(date +%s%N) / 1000000)); }
# Milliseconds since $1 (maintenant_ms), as seconds with one decimal.
duree() {
  local ms=$(($(maintenant_ms) - $1))
  printf '%d.%d s' $((ms / 1000)) $((ms % 1000 / 100))
}
debut=$(maintenant_ms)

tools/dependances.sh web
# The browser tests' and the bench's Node packages (playwright-core, which drives Debian's
# Chromium; puppeteer-core, which drives Debian's Firefox ESR and downloads no browser),
# as the committed lock file has them.
if [ ! -d tests/navigateur/node_modules/playwright-core ] || [ ! -d tests/navigateur/node_modules/puppeteer-core ]; then
  npm ci --prefix tests/navigateur --no-audit --no-fund >/dev/null
fi
bibliotheques=$(web/bibliotheques.sh build-web)

# The pictures, the font and the icons are the desktop's, drawn by its picture tool:
# assets/photo/*.bmp, assets/angelina.ttf, build-web/outil/icones/<n>x<n>/apps/grignotin.png.
# A build directory of its own, so that the desktop's `build` (play.sh's, or a plain CMake
# build's with its tests) is left as it was.
etape=$(maintenant_ms)
cmake -S . -B build-web/outil -DBUILD_TESTING=OFF >/dev/null
cmake --build build-web/outil -j"$(nproc)" --target images sons icones
dire "pictures and icons ready in $(duree "$etape")"

# The game's CMake files build for the browser in their EMSCRIPTEN branch, which finds
# the libraries under GRIGNOTIN_BIBLIOTHEQUES_WEB (the prefix holding include/ and lib/).
# shellcheck source=web/emscripten.sh
source web/emscripten.sh
etape=$(maintenant_ms)
emcmake cmake -S . -B build-web/jeu -DGRIGNOTIN_BIBLIOTHEQUES_WEB="$bibliotheques" \
  -DGRIGNOTIN_ICONES_WEB="$PWD/build-web/outil/icones" -DBUILD_TESTING=OFF >/dev/null
cmake --build build-web/jeu -j"$(nproc)"
dire "game built for the browser in $(duree "$etape")"

# The game's build makes the whole site in build-web/jeu/site: the page and its files from
# web/, grignotin.js, .wasm and .data (the packed pictures), the icons, the service worker
# with the list of what it keeps. Published as it is, whole, in build-web/site.
fait=build-web/jeu/site
for f in index.html grignotin.js grignotin.wasm grignotin.data; do
  if [ ! -f "$fait/$f" ]; then
    dire "the game's build left no $f in $fait"
    exit 1
  fi
done
site=build-web/site
rm -rf "$site.nouveau"
cp -r "$fait" "$site.nouveau"
rm -rf "$site"
mv "$site.nouveau" "$site"
dire "site written in $site, $(duree "$debut") in all:$(cd "$site" && for f in grignotin.*; do
  printf ' %s %d KiB' "$f" $(($(stat -c %s "$f") / 1024))
done)"

$construire_seulement && exit 0
dire "serving $site on http://127.0.0.1:8000/ (Ctrl-C stops)"
exec python3 -m http.server --bind 127.0.0.1 8000 --directory "$site"

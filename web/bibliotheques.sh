#!/usr/bin/env bash
# Builds, once, the three libraries that the browser build of the game links: SDL 2,
# FreeType and SDL2_ttf, from Debian's own source packages, with Debian's emscripten,
# into a cache keyed by their versions:
#   <build dir>/bibliotheques/sdl2-<v>_freetype-<v>_ttf-<v>/{include,lib,lib/cmake,lib/pkgconfig}
# Says what it does on standard error and prints the cache's path alone on standard
# output, for ./web.sh (GRIGNOTIN_BIBLIOTHEQUES_WEB). A run that finds the cache built
# with the same options does nothing and says so in one line.
#
#   web/bibliotheques.sh [--sonde] [build dir, default build-web]
#
# --sonde also builds web/sonde.c against the cache and runs it in headless Chromium:
# a window surface, a keyed picture and a line of Latin-1 text, checked pixel by pixel
# by the program itself, and a screenshot of the page (sonde.png) to look at.
#
# Emscripten's own ports of these libraries download their sources while building,
# which cannot work on a machine that reaches only Debian's archive; and its JavaScript
# imitation of SDL 1.2 misses what the game uses (colour keys, shaded Latin-1 text,
# streams from memory). So the game's browser build compiles against the real SDL 2 and
# SDL2_ttf, built here.
set -euo pipefail
cd "$(dirname "$0")/.."
depot=$PWD

sonde=false
if [ "${1:-}" = --sonde ]; then
  sonde=true
  shift
fi
racine=${1:-build-web}
mkdir -p "$racine"
racine=$(cd "$racine" && pwd)

# The upstream versions this game's browser build is made and checked with: Debian 12's.
# Debian's own revision (its patches, security fixes included) is whatever its archive
# holds now. When Debian moves to another upstream version, the fetch below stops and
# says so: the new one is then checked and its number written here.
version_sdl2=2.26.5
version_freetype=2.12.1
version_ttf=2.20.1
cle="sdl2-${version_sdl2}_freetype-${version_freetype}_ttf-${version_ttf}"
prefixe=$racine/bibliotheques/$cle
sources=$racine/sources

dire() { echo "web/bibliotheques.sh: $*" >&2; }
maintenant_ms() { echo $(($(date +%s%N) / 1000000)); }
# Milliseconds since $1 (maintenant_ms), as seconds with one decimal.
duree() {
  local ms=$(($(maintenant_ms) - $1))
  printf '%d.%d s' $((ms / 1000)) $((ms % 1000 / 100))
}

# What each library is configured with; also what the cache's stamp records, so that a
# change of options here rebuilds instead of reusing a cache built otherwise.
commun=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_INSTALL_PREFIX=$prefixe" -DBUILD_SHARED_LIBS=OFF)
# SDL 2 cut down to what the game uses: video (the browser's canvas, presented with
# SDL_UpdateWindowSurface, so no renderer and no GL), events, timers and streams. Off:
# sound, game controllers and the subsystems they pull in, threads (ASYNCIFY gives
# SDL_Delay its wait without them), locale, power, sensors, the file-system paths, the
# drivers that show nothing, the test library.
options_sdl2=(
  -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_TESTS=OFF
  -DSDL_AUDIO=OFF -DSDL_DISKAUDIO=OFF -DSDL_DUMMYAUDIO=OFF
  -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF
  -DSDL_THREADS=OFF -DSDL_PTHREADS=OFF -DSDL_LOCALE=OFF -DSDL_MISC=OFF -DSDL_FILESYSTEM=OFF
  -DSDL_RENDER=OFF -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF
  -DSDL_DUMMYVIDEO=OFF -DSDL_OFFSCREEN=OFF -DSDL_CCACHE=OFF
  # batches of sources per emcc call; web/sdl2-par-lots.cmake keeps the two folders that
  # cannot be batched out of them
  -DCMAKE_UNITY_BUILD=ON "-DCMAKE_PROJECT_SDL2_INCLUDE=$depot/web/sdl2-par-lots.cmake"
)
# FreeType reads the game's one TrueType font: none of the compressed or colour formats.
options_freetype=(
  -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
)
# SDL2_ttf over the FreeType and SDL 2 above (CMAKE_FIND_ROOT_PATH: emscripten's
# toolchain file looks for packages under its roots only); its own copies of FreeType
# and HarfBuzz and its sample programs left out.
options_ttf=(-DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF "-DCMAKE_FIND_ROOT_PATH=$prefixe")

recette() {
  echo "emcc $(emcc -dumpversion 2>/dev/null || echo ?)"
  echo "commun ${commun[*]}"
  echo "sdl2 ${options_sdl2[*]} $(cat "$depot"/web/sdl2-*.cmake | sha256sum | cut -c1-16)"
  echo "freetype ${options_freetype[*]}"
  echo "ttf ${options_ttf[*]}"
}

# shellcheck source=web/emscripten.sh
source web/emscripten.sh

timbre=$prefixe/.recette
if ! $sonde && [ -f "$timbre" ] && command -v emcc >/dev/null 2>&1 && [ "$(recette)" = "$(cat "$timbre")" ]; then
  dire "SDL 2 $version_sdl2, FreeType $version_freetype and SDL2_ttf $version_ttf already built in $prefixe: nothing to do"
  echo "$prefixe"
  exit 0
fi

tools/dependances.sh web

# Debian's source packages, and the upstream version expected of each: their .dsc files
# are named <package>_<version>+<Debian's suffixes>.dsc, e.g. libsdl2_2.26.5+dfsg-1.dsc.
paquets_sources=(libsdl2 freetype libsdl2-ttf)
versions_attendues=("$version_sdl2" "$version_freetype" "$version_ttf")

# The sources through a private apt configuration under the build directory: a deb-src
# copy of this machine's own archive entries (web/apt_prive.sh), its own lists and
# cache, so that the machine's apt setup is left as it was.
recuperer_sources() {
  local apt=$sources/apt i paquet dsc manque=false
  for i in "${!paquets_sources[@]}"; do
    compgen -G "$sources/${paquets_sources[$i]}_${versions_attendues[$i]}[+-]*.dsc" >/dev/null || manque=true
  done
  $manque || return 0
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
  web/apt_prive.sh /etc/apt "$apt"
  local options_apt=(
    -o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/sources.list.d"
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
    # the files land in a folder of root's; apt's own unprivileged user could not write there
    -o APT::Sandbox::User=root
  )
  dire "fetching the Debian sources of ${paquets_sources[*]}"
  apt-get "${options_apt[@]}" -qq update
  (cd "$sources" && apt-get "${options_apt[@]}" -qq source --download-only "${paquets_sources[@]}" >/dev/null)
  for i in "${!paquets_sources[@]}"; do
    paquet=${paquets_sources[$i]}
    if ! compgen -G "$sources/${paquet}_${versions_attendues[$i]}[+-]*.dsc" >/dev/null; then
      dsc=$(cd "$sources" && ls "${paquet}"_*.dsc 2>/dev/null | sort -V | tail -n 1 || true)
      dire "Debian's $paquet is now ${dsc:-missing}, not ${versions_attendues[$i]}: check it and write its version in web/bibliotheques.sh"
      exit 1
    fi
  done
}

# The folder of package $1's sources, unpacked with Debian's patches applied.
deballer() {
  local paquet=$1 version=$2 dsc dossier
  # the latest revision fetched, should Debian have published another since the first
  dsc=$(cd "$sources" && ls "${paquet}_${version}"[+-]*.dsc | sort -V | tail -n 1)
  dossier=$sources/${dsc%.dsc}
  if [ ! -f "$dossier/.deballe" ]; then
    rm -rf "$dossier"
    # dpkg-source checks every file against the .dsc's checksums, and apt checked the
    # .dsc against the archive's signed index; the .dsc's own signature is its
    # maintainer's, whose key is not on the machine: that warning alone is left unsaid.
    if ! dpkg-source -x "$sources/$dsc" "$dossier" > "$dossier.log" 2>&1; then
      cat "$dossier.log" >&2
      exit 1
    fi
    rm -f "$dossier.log"
    touch "$dossier/.deballe"
  fi
  echo "$dossier"
}

construire() {
  local nom=$1 source=$2 debut
  shift 2
  local construction=$racine/bibliotheques/construction/$nom
  debut=$(maintenant_ms)
  rm -rf "$construction"
  mkdir -p "$(dirname "$construction")"
  if ! emcmake cmake -S "$source" -B "$construction" "${commun[@]}" "$@" > "$construction.log" 2>&1 ||
    ! cmake --build "$construction" -j"$(nproc)" >> "$construction.log" 2>&1 ||
    ! cmake --install "$construction" >> "$construction.log" 2>&1; then
    tail -n 30 "$construction.log" >&2
    dire "$nom failed; the whole log is $construction.log"
    exit 1
  fi
  rm -rf "$construction" "$construction.log"
  dire "$(printf '%-8s built in %s' "$nom" "$(duree "$debut")")"
}

if [ ! -f "$timbre" ] || [ "$(recette)" != "$(cat "$timbre")" ]; then
  debut=$(maintenant_ms)
  recuperer_sources
  source_sdl2=$(deballer libsdl2 "$version_sdl2")
  source_freetype=$(deballer freetype "$version_freetype")
  source_ttf=$(deballer libsdl2-ttf "$version_ttf")
  # A cache is whole or absent: its stamp is written last, and a half-built one goes.
  rm -rf "$prefixe"
  dire "building SDL 2 $version_sdl2, FreeType $version_freetype and SDL2_ttf $version_ttf with emcc $(emcc -dumpversion) into $prefixe"
  reponses=()
  if [ "$(emcc -dumpversion)" = 3.1.6 ]; then
    reponses=(-C "$depot/web/sdl2-emscripten-3.1.6.cmake")
  fi
  construire sdl2 "$source_sdl2" "${reponses[@]}" "${options_sdl2[@]}"
  construire freetype "$source_freetype" "${options_freetype[@]}"
  construire sdl2_ttf "$source_ttf" "${options_ttf[@]}"
  rmdir "$racine/bibliotheques/construction" 2>/dev/null || true
  recette > "$timbre"
  tailles=$(cd "$prefixe/lib" && for a in libSDL2.a libfreetype.a libSDL2_ttf.a; do
    printf ', %s %d KiB' "$a" $(($(stat -c %s "$a") / 1024))
  done)
  dire "the three libraries fetched and built in $(duree "$debut")$tailles"
fi

if $sonde; then
  web/sonde.sh "$prefixe" "$racine/sonde" >&2
fi
echo "$prefixe"

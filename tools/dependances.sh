#!/usr/bin/env bash
# Installs the Debian packages that building (and, with "test", testing) needs; "extras"
# adds what tests/ci_extras.sh needs on top of testing, and "web" what ./web.sh needs on
# top of building (the pictures are drawn by the desktop build's tool).
# Installs nothing when everything is there already; uses sudo when not root. On a host
# without dpkg or apt-get it names the packages (Debian's names) and steps aside: CMake
# then finds them wherever that host's own tools put them, or says what is missing.
set -euo pipefail

paquets=(
  cmake g++ make pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev
  # the picture tool: emoji art, text and the font it is made from; fontTools makes the game font
  libcairo2-dev libharfbuzz-dev libfreetype-dev fonts-noto-color-emoji fonts-sil-andika python3-fonttools
  # the desktop's sound; the sound tool: Bidou's voice, and the clips written as Ogg Vorbis
  libsdl-mixer1.2-dev espeak-ng vorbis-tools
)
if [ "${1:-}" = test ] || [ "${1:-}" = extras ]; then
  paquets+=(
    libgtest-dev fonts-dejavu-extra
    # the clips decoded to be heard by the tests
    libvorbis-dev
    # playing the real program in a real window, as a person would
    xvfb xdotool x11-utils x11-xkb-utils imagemagick
    # bench/guetteur times what the real window shows, and moves and clicks through XTEST
    libxtst-dev
    # the desktop entry and AppStream validators; dpkg-shlibdeps for the .deb's Depends; CPack asks file about binaries
    desktop-file-utils appstream dpkg-dev file
  )
fi
if [ "${1:-}" = captures ]; then
  paquets+=(xvfb xdotool imagemagick optipng libxtst-dev)  # the README's screenshots
fi
if [ "${1:-}" = web ]; then
  # web/bibliotheques.sh: Debian's emscripten builds Debian's own sources of SDL 2, FreeType
  # and SDL2_ttf (dpkg-source unpacks them); chromium runs the libraries' probe and the
  # browser tests, firefox-esr the Firefox run (tests/navigateur/partie_firefox.mjs);
  # python3 serves the site
  paquets+=(emscripten dpkg-dev xz-utils chromium firefox-esr python3)
fi
if [ "${1:-}" = extras ]; then
  # tests/ci_extras.sh: libFuzzer, valgrind, and SDL 1.2 over SDL 2 beside the classic one;
  # the clang runtime (libFuzzer, the sanitizers) comes after clang, to match it
  paquets+=(clang valgrind libsdl1.2-compat)
fi

present() { command -v "$1" >/dev/null 2>&1; }

# Node comes with emscripten, as Debian's nodejs; a machine that has node and npm from
# elsewhere keeps them (Debian's npm would want Debian's nodejs in their place).
if [ "${1:-}" = web ]; then
  present node || paquets+=(nodejs)
  present npm || paquets+=(npm)
fi

# The clang runtime must be the one of the clang that compiles: libclang-rt-<major>-dev,
# the major taken from the clang installed, else from the one the package clang would
# install. Releases before that package existed kept the runtime in libclang-common-<major>-dev.
runtime_clang() {
  local majeur=""
  if present clang; then
    majeur=$(clang --version 2>/dev/null | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | sed -n 1p)
  elif present apt-cache; then
    majeur=$(apt-cache depends clang 2>/dev/null | sed -n 's/.*Depends: clang-\([0-9][0-9]*\)$/\1/p' | sed -n 1p)
  fi
  if [ -z "$majeur" ]; then
    echo "libclang-rt-dev"  # the runtime of the default clang, where no clang tells its version
  elif present apt-cache && ! apt-cache show "libclang-rt-$majeur-dev" >/dev/null 2>&1 &&
    apt-cache show "libclang-common-$majeur-dev" >/dev/null 2>&1; then
    echo "libclang-common-$majeur-dev"
  else
    echo "libclang-rt-$majeur-dev"
  fi
}

installe() { [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]; }

if ! present dpkg-query || ! present apt-get; then
  [ "${1:-}" = extras ] && paquets+=("$(runtime_clang)")
  manquants=("${paquets[@]}")
  if present dpkg-query; then
    manquants=()
    for p in "${paquets[@]}"; do installe "$p" || manquants+=("$p"); done
    [ ${#manquants[@]} -eq 0 ] && exit 0
  fi
  echo "dependances.sh: no dpkg or apt-get here; install these (Debian's names) with this system's own tools if they are missing: ${manquants[*]}" >&2
  exit 0
fi

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
a_jour=false
installer() {
  local manquants=() p
  for p in "$@"; do installe "$p" || manquants+=("$p"); done
  [ ${#manquants[@]} -eq 0 ] && return 0
  echo "Installing: ${manquants[*]}" >&2
  if ! $a_jour; then
    "${sudo[@]}" apt-get update -qq
    a_jour=true
  fi
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
}

installer "${paquets[@]}"
if [ "${1:-}" = extras ]; then
  installer "$(runtime_clang)"
fi

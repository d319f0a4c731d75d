#!/usr/bin/env bash
# Installs the Debian packages that building (and, with "test", testing) needs; "extras"
# adds what tests/ci_extras.sh needs on top of testing.
# Installs nothing when everything is there already; uses sudo when not root.
set -euo pipefail

paquets=(
  cmake g++ make pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev
  # the picture tool: emoji art, text and the font it is made from
  libcairo2-dev libharfbuzz-dev libfreetype-dev fonts-noto-color-emoji fonts-sil-andika
)
if [ "${1:-}" = test ] || [ "${1:-}" = extras ]; then
  paquets+=(
    libgtest-dev fonts-dejavu-extra
    # playing the real program in a real window, as a person would
    xvfb xdotool x11-utils imagemagick
    # the desktop entry and AppStream validators; dpkg-shlibdeps for the .deb's Depends; CPack asks file about binaries
    desktop-file-utils appstream dpkg-dev file
  )
fi
if [ "${1:-}" = captures ]; then
  paquets+=(xvfb xdotool imagemagick optipng)  # the README's screenshots
fi
if [ "${1:-}" = extras ]; then
  paquets+=(
    # tests/ci_extras.sh: libFuzzer, valgrind, and SDL 1.2 over SDL 2 beside the classic one
    clang libclang-rt-14-dev valgrind libsdl1.2-compat
  )
fi

manquants=()
for p in "${paquets[@]}"; do
  [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

echo "Installing: ${manquants[*]}" >&2
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"

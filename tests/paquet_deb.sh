#!/usr/bin/env bash
# Builds the .deb from the build directory and checks it as far as a machine without a
# throw-away system allows: its fields, its files, and, unpacked into a root of its own,
# that its launcher starts its program in the person's game directory, linked to the
# package's data (the game itself played under Xvfb when given the script that plays).
# Usage: paquet_deb.sh BUILD_DIR [XVFB_PARTIE]
set -euo pipefail

construction=$(realpath "$1")
essai=$(mktemp -d "${TMPDIR:-/tmp}/grignotin paquet XXXXXX")
trap 'rm -rf "$essai"' EXIT
echec() { echo "paquet_deb: $*" >&2; exit 1; }

cpack -G DEB --config "$construction/CPackConfig.cmake" -B "$essai/sortie" >"$essai/cpack.log" 2>&1 \
  || { cat "$essai/cpack.log" >&2; echec "cpack failed"; }
paquets=("$essai"/sortie/*.deb)
[ ${#paquets[@]} -eq 1 ] && [ -f "${paquets[0]}" ] || echec "expected one .deb, found: ${paquets[*]}"
deb=${paquets[0]}

# Depends: what the program links at run time, nothing the build used.
depends=$(dpkg-deb -f "$deb" Depends)
for p in libsdl1.2debian libsdl-image1.2 libsdl-ttf2.0-0 libsdl-mixer1.2; do
  grep -qE "(^|, )$p( |,|$)" <<<"$depends" || echec "Depends lacks $p: $depends"
done
while read -r p; do
  case $p in
    libsdl1.2debian | libsdl-image1.2 | libsdl-ttf2.0-0 | libsdl-mixer1.2 | libc6 | libstdc++6 | libgcc-s1) ;;
    *) echec "unexpected dependency $p in: $depends" ;;
  esac
done < <(tr ',' '\n' <<<"$depends" | sed 's/([^)]*)//; s/^ *//; s/ *$//')
[ "$(dpkg-deb -f "$deb" Package)" = grignotin ] || echec "package name"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || echec "section"

# Files: owned by root, in the places the system looks.
dpkg-deb -c "$deb" >"$essai/contenu"
! grep -v ' root/root ' "$essai/contenu" || echec "files not owned by root"
for chemin in ./usr/bin/grignotin ./usr/libexec/grignotin/grignotin ./usr/share/grignotin/angelina.ttf \
  ./usr/share/grignotin/photo/fond.bmp ./usr/share/grignotin/sons/croque.ogg ./usr/share/applications/io.github.grignotin.Grignotin.desktop \
  ./usr/share/metainfo/io.github.grignotin.Grignotin.metainfo.xml \
  ./usr/share/icons/hicolor/48x48/apps/io.github.grignotin.Grignotin.png ./usr/share/doc/grignotin/copyright \
  ./usr/share/doc/grignotin/changelog.gz ./usr/share/man/man6/grignotin.6.gz; do
  grep -q " $chemin\$" "$essai/contenu" || echec "$chemin missing from the package"
done

# Unpacked where a person would not install it: the launcher finds its program and data.
racine="$essai/racine du système"
dpkg-deb -x "$deb" "$racine"
manquantes=$(ldd "$racine/usr/libexec/grignotin/grignotin" | grep 'not found' || true)
[ -z "$manquantes" ] || echec "libraries not found: $manquantes"
maison="$essai/maison de C"
mkdir -p "$maison"
if [ $# -ge 2 ]; then
  env -u XDG_DATA_HOME HOME="$maison" "$2" --lanceur "$racine/usr/bin/grignotin" "$maison/.local/share/grignotin"
else
  # The program is the build's, which the installation test plays through the same
  # launcher; what the package adds is where its files lie. So its launcher runs a probe
  # in the program's place, which must be exec'd in the person's game directory.
  programme="$racine/usr/libexec/grignotin/grignotin"
  mv "$programme" "$programme.vrai"
  printf '#!/bin/sh\npwd -P\n' >"$programme"
  chmod +x "$programme"
  ou=$(cd / && env -u XDG_DATA_HOME HOME="$maison" "$racine/usr/bin/grignotin") || echec "the launcher failed"
  [ "$ou" = "$(realpath "$maison")/.local/share/grignotin" ] || echec "the program ran in '$ou'"
  mv "$programme.vrai" "$programme"
fi
for n in photo sons angelina.ttf; do
  [ "$(readlink "$maison/.local/share/grignotin/$n")" = "$racine/usr/share/grignotin/$n" ] \
    || echec "the game directory does not link the unpacked $n"
done
echo "paquet_deb: $(basename "$deb"), $(stat -c %s "$deb") bytes; Depends: $depends"

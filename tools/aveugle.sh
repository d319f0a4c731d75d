#!/usr/bin/env bash
# The foods without their names, for a blind check: can someone who has never seen the
# labels name each food from its picture alone? From a built photo/ folder, writes into
# SORTIE the picture part of the 95 food tiles (the label rows cut off), the blue key
# colour shown as light grey, three times larger pixel for pixel so the game's own pixels
# show, shuffled by GRAINE and numbered 01.png to 95.png, plus planche.png: all of them on
# one numbered sheet. The answer key (number, picture file) goes to CLE, which must lie
# outside SORTIE, since SORTIE is what the checker is given.
#
# Usage: tools/aveugle.sh SORTIE CLE [GRAINE] [PHOTO]
#   GRAINE  a whole number (up to 9 digits), 1 by default: the same number gives the same order
#   PHOTO   the built pictures, assets/photo of this tree by default
# Needs ImageMagick and the DejaVu fonts (tools/dependances.sh test installs both).
set -euo pipefail

usage() { echo "usage: $0 SORTIE CLE [GRAINE] [PHOTO]" >&2; exit 2; }
if [ $# -lt 2 ] || [ $# -gt 4 ]; then usage; fi
racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=$1 cle=$2 graine=${3:-1} photo=${4:-$racine/assets/photo}
[[ $graine =~ ^[0-9]{1,9}$ ]] || { echo "aveugle: the seed must be a whole number of at most 9 digits, not '$graine'" >&2; exit 2; }
[ -d "$photo" ] || { echo "aveugle: no picture folder $photo (build the images target first)" >&2; exit 1; }
police=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
[ -f "$police" ] || { echo "aveugle: missing $police (package fonts-dejavu-core)" >&2; exit 1; }

# The food list and the tile's layout come from the tree the pictures were built in
# (assets/photo sits at its root), else from this script's own tree.
arbre=$(cd "$photo/../.." && pwd)
if [ ! -f "$arbre/src/rules/catalogue.cpp" ] || [ ! -f "$arbre/src/draw/geometrie.hpp" ]; then arbre=$racine; fi
# The picture's box is the top of the tile, as tall as the picture tool makes it (trees
# older than HAUTEUR_IMAGE_ALIMENT kept it in the tool as HAUT_IMAGE, where a two-line
# label still covered the picture's foot); HAUT_IMAGE=N in the environment overrides it.
hauteur=${HAUT_IMAGE:-}
[ -n "$hauteur" ] || hauteur=$(sed -n 's/^inline constexpr int HAUTEUR_IMAGE_ALIMENT = \([0-9]*\);.*/\1/p' "$arbre/src/draw/geometrie.hpp")
[ -n "$hauteur" ] || hauteur=$(sed -n 's/^constexpr [a-z]* HAUT_IMAGE = \([0-9]*\);.*/\1/p' "$arbre/tools/images/aliments.cpp" 2>/dev/null)
[ -n "$hauteur" ] || { echo "aveugle: the picture box's height is not found in $arbre; set HAUT_IMAGE" >&2; exit 1; }
largeur=$(sed -n 's/^inline constexpr int LARGEUR_ALIMENT = \([0-9]*\);/\1/p' "$arbre/src/draw/geometrie.hpp")

mkdir -p "$sortie"
sortie=$(cd "$sortie" && pwd)
mkdir -p "$(dirname "$cle")"
cle=$(cd "$(dirname "$cle")" && pwd)/$(basename "$cle")
case "$cle/" in "$sortie"/*) echo "aveugle: the key $cle must not be inside $sortie" >&2; exit 2 ;; esac
if compgen -G "$sortie/[0-9][0-9].png" >/dev/null; then
  echo "aveugle: $sortie already holds numbered pictures; give an empty folder" >&2
  exit 2
fi

# The foods, in the catalogue's order.
mapfile -t aliments < <(grep -o '"photo/[a-z0-9_]*\.bmp"' "$arbre/src/rules/catalogue.cpp" | sed 's|"photo/||; s|\.bmp"||')
[ ${#aliments[@]} -eq 95 ] || { echo "aveugle: ${#aliments[@]} foods in the catalogue, expected 95" >&2; exit 1; }

# Fisher-Yates with a small linear congruential generator: the same order for the same
# seed on any machine, which neither shuf nor awk's rand promise.
etat=$(( (10#$graine * 2654435761 + 12345) % 4294967296 ))
for ((i = ${#aliments[@]} - 1; i > 0; i--)); do
  etat=$(( (etat * 1103515245 + 12345) % 2147483648 ))
  j=$(( (etat >> 8) % (i + 1) ))
  t=${aliments[i]}; aliments[i]=${aliments[j]}; aliments[j]=$t
done

: >"$cle"
for i in "${!aliments[@]}"; do
  n=$(printf '%02d' $((i + 1)))
  nom=${aliments[i]}
  [ -f "$photo/$nom.bmp" ] || { echo "aveugle: missing $photo/$nom.bmp" >&2; exit 1; }
  convert "$photo/$nom.bmp" -crop "${largeur}x${hauteur}+0+0" +repage \
    -fill '#d8d8d8' -opaque '#0000ff' -sample 300% "PNG24:$sortie/$n.png"
  echo "$n $nom" >>"$cle"
done

montage -font "$police" -pointsize 20 -label '%t' "$sortie"/[0-9][0-9].png \
  -tile 10x -geometry +8+6 -background white "$sortie/planche.png"
echo "aveugle: ${#aliments[@]} pictures and planche.png in $sortie, the key in $cle (seed $graine)"

#!/usr/bin/env bash
# Plays level 1 as a person would: the real program in a real X server, real keys and
# clicks through XTEST. Checks the saved level and the exit status; with SCREENSHOTS=dir
# set, leaves PNG screenshots of the main moments there.
# Usage: xvfb_partie.sh path/to/grignotin [directory with photo/ and angelina.ttf]
#        xvfb_partie.sh --lanceur path/to/bin/grignotin DIR
# The second form starts an installed game through its launcher, from an unrelated working
# directory, and expects the level file in DIR, the player's own game directory.
set -euo pipefail

travail=$(mktemp -d)
trap 'kill "${jeu:-}" "${serveur:-}" 2>/dev/null || true; rm -rf "$travail"' EXIT
if [ "$1" = --lanceur ]; then
  commande=$(realpath "$2")
  niveau=$3/niveau.lvl
else
  commande=$(realpath "$1")
  ressources=$(realpath "${2:-$(dirname "$commande")}")
  ln -s "$ressources/photo" "$travail/photo"
  ln -s "$ressources/angelina.ttf" "$travail/angelina.ttf"
  niveau=$travail/niveau.lvl
fi

nom_script=xvfb_partie
# shellcheck source=tests/xvfb_commun.sh
source "$(dirname "$0")/xvfb_commun.sh"

photo() { [ -n "${SCREENSHOTS:-}" ] && import -window root -crop 900x640+0+0 "$SCREENSHOTS/$1.png" || true; }

cd "$travail"
"$commande" &
jeu=$!
fenetre_du_jeu
# The intro lasts a little over 12 seconds, its second picture settling in as it goes;
# keys pressed meanwhile wait their turn.
sleep 9; photo intro
sleep 5; photo choix
xdotool mousemove 450 320
xdotool key KP_End   # keypad 1 with NumLock off: the easy track
sleep 1.5; photo niveau

# Level 1 by the answer key: bin, bowl, bowl, bowl, bin (right click = bin).
boutons=(3 1 1 1 3)
for k in 0 1 2 3 4; do
  xdotool mousemove 580 $((110 + 100 * k)) click "${boutons[$k]}"
  sleep 0.3
  if [ "$k" = 2 ]; then photo tri; fi
done
sleep 1; photo marche
attendre_que 30 grep -sqx 5 "$niveau"
sleep 1; photo verdict
xdotool key r; sleep 1; photo regles
xdotool key j; sleep 0.5
xdotool key s; sleep 1
xdotool key Escape
statut=0; wait "$jeu" || statut=$?
jeu=
contenu=$(cat "$niveau")
if [ "$statut" != 0 ] || [ "$contenu" != 5 ]; then
  echo "xvfb_partie: exit status $statut, niveau.lvl holds '$contenu' (expected 0 and 5)" >&2
  exit 1
fi
echo "xvfb_partie: level 1 played in a real window; niveau.lvl holds 5; exit status 0"

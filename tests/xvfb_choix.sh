#!/usr/bin/env bash
# The track choice from a French keyboard without a keypad, in a real window: the key
# marked 2 and é, unshifted. Classic SDL 1.2 reports it as é (SDLK_WORLD_73), SDL 1.2
# over SDL 2 as SDLK_2; either must choose the medium track. From a stored 10, the
# medium track starts at 30, which s then saves.
# Usage: xvfb_choix.sh path/to/grignotin [directory with photo/ and angelina.ttf]
set -euo pipefail

travail=$(mktemp -d)
trap 'kill "${jeu:-}" "${serveur:-}" 2>/dev/null || true; rm -rf "$travail"' EXIT
commande=$(realpath "$1")
ressources=$(realpath "${2:-$(dirname "$commande")}")
ln -s "$ressources/photo" "$travail/photo"
ln -s "$ressources/sons" "$travail/sons"
ln -s "$ressources/angelina.ttf" "$travail/angelina.ttf"
niveau=$travail/niveau.lvl
printf 10 >"$niveau"

nom_script=xvfb_choix
# shellcheck source=tests/xvfb_commun.sh
source "$(dirname "$0")/xvfb_commun.sh"
setxkbmap -layout fr

cd "$travail"
"$commande" &
jeu=$!
fenetre_du_jeu
xdotool mousemove 450 530  # over the window (it takes the keys), off the cards
# Keys pressed during the intro and the fade are dropped: the key is pressed again, as a
# child would, until the choice screen takes it and s, on the level it opened, saves it.
for _ in $(seq 30); do
  xdotool key eacute
  sleep 0.3
  xdotool key s
  attendre_que 1 grep -sqx 30 "$niveau" 2>/dev/null && break
done
xdotool key Escape
statut=0; wait "$jeu" || statut=$?
jeu=
contenu=$(cat "$niveau")
if [ "$statut" != 0 ] || [ "$contenu" != 30 ]; then
  echo "xvfb_choix: exit status $statut, niveau.lvl holds '$contenu' (expected 0 and 30)" >&2
  exit 1
fi
echo "xvfb_choix: the French keyboard's 2/é chose the medium track; niveau.lvl holds 30"

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

# -displayfd picks a free display; -noreset keeps the server up between clients.
exec 3>"$travail/ecran"
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 2>/dev/null &
serveur=$!
for _ in $(seq 100); do [ -s "$travail/ecran" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$travail/ecran")"
unset SDL_VIDEODRIVER

photo() { [ -n "${SCREENSHOTS:-}" ] && import -window root -crop 900x640+0+0 "$SCREENSHOTS/$1.png" || true; }
attendre_que() {  # seconds, then a command that must become true
  local limite=$1; shift
  for _ in $(seq $((limite * 10))); do "$@" && return 0; sleep 0.1; done
  echo "xvfb_partie: timed out waiting for: $*" >&2; return 1
}

cd "$travail"
"$commande" &
jeu=$!
attendre_que 10 xdotool search --name '^Grignotin$' >/dev/null
fenetre=$(xdotool search --name '^Grignotin$' | head -n1)
xdotool windowmove "$fenetre" 0 0
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

#!/usr/bin/env bash
# Plays as a person would, with the left button alone as on a touch screen: the track
# chosen by its card, level 1 won, a tap on the verdict's button to level 2, level 2
# lost, a tap on the message to play it again. The real program in a real X server, real
# clicks (and r, the one way to open the rules) through XTEST, and eyes on the window.
# On each screen it passes through, checks a part of the screen that only that screen
# shows (the intro, the choice cards, the panel and the first food of level 1, the rules,
# the fat pet of a won level and its button, the red crosses of a lost one and its
# button), that a click during the walk changed nothing, and that the
# intro, the difficulty fade and the walk take the time they are meant to (the fade and
# the walk are paced by deadlines on the clock: a deadline wait that stopped waiting would
# cut them short). Then the saved level and the exit status. With SCREENSHOTS=dir set,
# leaves PNG screenshots of the main moments there.
# Usage: xvfb_partie.sh path/to/grignotin [directory with photo/ and angelina.ttf]
#        xvfb_partie.sh --lanceur path/to/bin/grignotin DIR
# The second form starts an installed game through its launcher, from an unrelated working
# directory, and expects the level file in DIR, the player's own game directory; it stops
# after level 1, since what follows tests the game, not the install.
set -euo pipefail

guetteur=$(realpath "${GRIGNOTIN_GUETTEUR:?set GRIGNOTIN_GUETTEUR to the path of bench/guetteur (build target guetteur)}")
travail=$(mktemp -d)
trap 'kill "${guet:-}" "${jeu:-}" "${serveur:-}" 2>/dev/null || true; rm -rf "$travail"' EXIT
installe=
if [ "$1" = --lanceur ]; then
  installe=1
  commande=$(realpath "$2")
  images=$3/photo  # linked there by the launcher
  niveau=$3/niveau.lvl
else
  commande=$(realpath "$1")
  ressources=$(realpath "${2:-$(dirname "$commande")}")
  ln -s "$ressources/photo" "$travail/photo"
  ln -s "$ressources/sons" "$travail/sons"
  ln -s "$ressources/angelina.ttf" "$travail/angelina.ttf"
  images=$ressources/photo
  niveau=$travail/niveau.lvl
fi

nom_script=xvfb_partie
# shellcheck source=tests/xvfb_commun.sh
source "$(dirname "$0")/xvfb_commun.sh"

echec() { echo "xvfb_partie: $*" >&2; exit 1; }
photo() { if [ -n "${SCREENSHOTS:-}" ]; then import -window root -crop 900x640+0+0 "$SCREENSHOTS/$1.png"; fi; }
ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

# The score panel along the bottom: its light-yellow boxes fill most of the left part.
panneau() {
  import -window root -crop 300x40+0+600 +repage "$travail/vu.png" 2>/dev/null || return 1
  local faux
  faux=$(compare -metric AE -fuzz 2% "$travail/vu.png" -size 300x40 xc:'#ffff80' null: 2>&1) || true
  [[ $faux =~ ^[0-9]+$ ]] && [ "$faux" -le $((300 * 40 * 6 / 10)) ]
}
voir() {  # seconds, what, then a check that must become true
  local limite=$1 quoi=$2; shift 2
  attendre_que "$limite" "$@" 2>/dev/null || echec "never saw $quoi"
}

cd "$travail"
"$commande" &
jeu=$!
fenetre_du_jeu
debut=$(ms)
# What the desktop shows of the window: its title, exactly, and an icon of its own
# (classic SDL gives the icon as a pixmap in WM_HINTS, SDL 2 under sdl12-compat as _NET_WM_ICON).
fenetre=$(xdotool search --name '^Grignotin$' | sed -n 1p)
titre=$(xprop -id "$fenetre" WM_NAME)
[[ $titre =~ ^WM_NAME\([A-Z0-9_]+\)\ =\ \"Grignotin\"$ ]] || echec "the window's title: $titre"
# Read whole, then searched: grep -q would close the pipe on xprop's long icon listing,
# and pipefail would take the SIGPIPE for a missing icon.
indices=$(xprop -id "$fenetre" WM_HINTS || true)
icone=$(xprop -id "$fenetre" _NET_WM_ICON || true)
[[ $indices == *"bitmap id # to use for icon"* || $icone == "_NET_WM_ICON(CARDINAL) = "* ]] ||
  echec "the window has no icon"
# The intro: the title picture settles in over the first one, whose pet shows through
# the round window, 241 frames 50 ms apart; what is pressed meanwhile is dropped.
voir 20 "the intro's title" montre debut2.bmp 400x90+200+35 0 0
montre debut1.bmp 150x100+375+330 0 0 || echec "the intro's first picture does not show through the title picture"
photo intro
# The difficulty fade: 256 frames 8 ms apart, about 2 s, though the choice screen has
# settled in after a few tenths of a second. The watcher (bench/guetteur, its path in
# GRIGNOTIN_GUETTEUR) reads, every 2 ms, a strip of ground at the bottom that the intro
# never changes: the fade's first frame paints it yellow, each frame after it blends the
# choice picture further in. A tap on a card during the fade would end it at once, so the
# card is tapped only once the strip has stayed still for a second and a half (the blend
# settles before the last frame, which sets the picture's own colours): from the first
# frame to the last change then, the fade's own last frame: at least the 2.04 s of the
# frames' deadlines, where an unpaced fade takes a few tenths of a second (a second and a
# half on a machine busy with builds); at most 8 s.
"$guetteur" 60 0,605,300,30 >"$travail/fondu" &
guet=$!
attendre_que 40 eval '[ "$(wc -l <"$travail/fondu")" -ge 2 ]' 2>/dev/null || echec "never saw the intro end"
intro=$(($(ms) - debut))
[ "$intro" -ge 10000 ] || echec "the intro lasted ${intro} ms; 241 frames 50 ms apart take 12 s"
voir 5 "the choice of track" montre difficulte.bmp 800x120+50+130 0 0
lignes=0 immobile=0
for _ in $(seq 40); do
  sleep 0.5
  n=$(wc -l <"$travail/fondu")
  if [ "$n" = "$lignes" ]; then immobile=$((immobile + 1)); else immobile=0; fi
  [ "$immobile" -lt 3 ] || break
  lignes=$n
done
fondu=$(awk 'NR == 2 { debut = $1 } { fin = $1 } END { printf "%d", (NR >= 3 ? 1000 * (fin - debut) : -1) }' "$travail/fondu")
photo choix
# A tap on the easy track's card, again until it is taken.
for _ in $(seq 10); do
  xdotool mousemove 170 295 click 1
  attendre_que 1 montre laitue.bmp 36x12+17+66 550 76 2>/dev/null && break
done
voir 10 "level 1's first food" montre laitue.bmp 36x12+17+66 550 76
voir 5 "the score panel" panneau
kill "$guet"; wait "$guet" 2>/dev/null || true
guet=
if [ "$fondu" -lt 1800 ] || [ "$fondu" -gt 8000 ]; then
  echec "the difficulty fade took about ${fondu} ms; 256 frames 8 ms apart take 2 s"
fi
photo niveau

# Level 1 by the answer key, bin, bowl, bowl, bowl, bin, with the left button alone, as
# on a touch screen: a click on a row's bin puts its food there, a click on the food
# itself puts it in the bowl.
x_clics=(765 580 580 580 765)
sleep 0.4  # a tap within 300 ms of the card's would be taken for a double tap's
for k in 0 1 2 3 4; do
  xdotool mousemove "${x_clics[$k]}" $((140 + 100 * k)) click 1
  if [ "$k" = 2 ]; then sleep 0.3; photo tri; fi
  [ "$k" = 4 ] || sleep 0.3
done
cinquieme=$(ms)
# The walk to the bowls and back: 3.6 s of rests (0.7 s at each row going up, 0.2 s
# going down) and some 370 steps 9 ms apart, about 6.9 s; the verdict saves as soon as
# the pet is back. Unpaced, the steps would add only a few tenths of a second to the
# rests; at most 15 s, for a loaded machine.
sleep 1; photo marche
# A tap on row 0's bowl while Bidou walks: dropped when the walk ends, so that food
# stays in its bin under the verdict.
xdotool mousemove 468 140 click 1
attendre_que 30 grep -sqx 5 "$niveau"
marche=$(($(ms) - cinquieme))
if [ "$marche" -lt 6500 ] || [ "$marche" -gt 15000 ]; then
  echec "the walk, from the fifth click to the verdict, took ${marche} ms (about 6.9 s)"
fi
voir 5 "the fat pet of a won level" montre bidou_gros.bmp 60x40+40+25 0 300
voir 5 "the button on of a won level" montre bouton_suivant.bmp 16x16+14+14 848 29
montre poubelle_pleine.bmp 30x14+40+10 700 100 || echec "a click during the walk moved level 1's first food"
photo verdict
xdotool key r
voir 5 "the rules" montre regle.bmp 600x300+150+150 0 0
photo regles
xdotool mousemove 450 320 click 1; sleep 0.5  # a tap anywhere goes back
xdotool mousemove 870 51 click 1             # the verdict's button: level 2
# An installed game has shown it plays; the rest is the game's, and takes a second walk.
if [ -n "$installe" ]; then
  sleep 1
  xdotool key Escape
  wait "$jeu" || echec "the installed game's exit status: $?"
  jeu=
  [ "$(cat "$niveau")" = 5 ] || echec "niveau.lvl holds '$(cat "$niveau")' (expected 5)"
  echo "xvfb_partie: the installed game's level 1 won with the left button alone (intro ${intro} ms, walk ${marche} ms); niveau.lvl holds 5; exit status 0"
  exit 0
fi
# Level 2 (tomato, rusk, biscuit, meat, wheat: bin, bowl, bowl, bin, bowl) lost: every
# food put in its bowl by a click on the bowl. After the walk, the two wrong foods stand
# in the column again under a red cross, and the three right ones do not.
voir 10 "level 2's first food" montre tomate.bmp 36x12+17+66 550 76
sleep 0.4  # a tap within 300 ms of the one that went on would be taken for a double tap's
for k in 0 1 2 3 4; do
  xdotool mousemove 468 $((140 + 100 * k)) click 1
  sleep 0.3
done
croix() { montre croix.bmp 8x8+31+22 550 $((76 + 100 * $1)); }
voir 30 "the cross over level 2's wrong first food" croix 0
croix 3 || echec "no cross over level 2's wrong fourth food"
for k in 1 2 4; do ! croix "$k" || echec "a cross over level 2's right food in row $k"; done
voir 5 "the button again of a lost level" montre bouton_rejouer.bmp 16x16+14+14 848 29
photo perdu
xdotool mousemove 300 50 click 1  # a tap on the message: level 2 again
voir 10 "level 2 again" montre tomate.bmp 36x12+17+66 550 76
! croix 0 || echec "level 2 played again still shows a cross"
xdotool key Escape
statut=0; wait "$jeu" || statut=$?
jeu=
contenu=$(cat "$niveau")
if [ "$statut" != 0 ] || [ "$contenu" != 5 ]; then
  echec "exit status $statut, niveau.lvl holds '$contenu' (expected 0 and 5)"
fi
echo "xvfb_partie: with the left button alone, level 1 won, level 2 lost and its two wrong foods crossed, then played again, in a real window (intro ${intro} ms, difficulty fade ${fondu} ms, walk ${marche} ms); niveau.lvl holds 5; exit status 0"

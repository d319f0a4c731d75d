#!/usr/bin/env bash
# Times the real program in a real window (a private Xvfb), as a player would meet it:
#   - the time from starting the program to its first frame on the screen,
#   - the CPU that the game and the X server use together over 10 s at rest in level 1
#     (% of one core, from /proc/<pid>/stat), and the memory the game holds then,
#   - Bidou's walk once level 1 is sorted: outward and return,
#   - the time from the start of level 2 to its time-up screen,
#   - then, in level 2 played again, the CPU of the game and the X server over 10 s while
#     the pointer moves over the board 100 times a second,
#   - and the time from a click on a food to the screen showing it in its bowl or bin.
# A measurement, not a test: on a shared machine run it more than once.
# Usage: bench/fenetre_reelle.sh path/to/grignotin path/to/guetteur [directory with photo/ and angelina.ttf]
#   (guetteur: `cmake --build build-test --target guetteur`, in build-test/bench/)
set -euo pipefail

travail=$(mktemp -d)
trap 'kill "${guet:-}" "${jeu:-}" "${serveur:-}" 2>/dev/null || true; rm -rf "$travail"' EXIT
commande=$(realpath "$1")
guetteur=$(realpath "$2")
ressources=$(realpath "${3:-$(dirname "$commande")}")
ln -s "$ressources/photo" "$travail/photo"
ln -s "$ressources/sons" "$travail/sons"
ln -s "$ressources/angelina.ttf" "$travail/angelina.ttf"

nom_script=fenetre_reelle
# shellcheck source=tests/xvfb_commun.sh
source "$(dirname "$0")/../tests/xvfb_commun.sh"

# utime + stime of a process, in clock ticks.
cpu() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# cout WHAT SECONDS COMMAND...: runs the command (which should take about that long) and
# prints what the game and the X server spent meanwhile, in % of one core.
cout() {
  local quoi=$1 duree=$2; shift 2
  local jeu_avant x_avant t_avant jeu_apres x_apres t_apres
  jeu_avant=$(cpu "$jeu"); x_avant=$(cpu "$serveur"); t_avant=$EPOCHREALTIME
  "$@"
  jeu_apres=$(cpu "$jeu"); x_apres=$(cpu "$serveur"); t_apres=$EPOCHREALTIME
  awk -v quoi="$quoi" -v j=$((jeu_apres - jeu_avant)) -v x=$((x_apres - x_avant)) -v hz="$(getconf CLK_TCK)" \
      -v t0="$t_avant" -v t1="$t_apres" 'BEGIN {
    d = t1 - t0
    printf "%s, %.1f s: game %.1f %%, X server %.1f %%, together %.1f %% of one core\n",
           quoi, d, 100 * j / hz / d, 100 * x / hz / d, 100 * (j + x) / hz / d }'
}

cd "$travail"
# The first frame: the first change the watcher sees where the intro's first picture
# shows Bidou, once the program is started (no window manager: the window opens at 0, 0).
"$guetteur" 10 445,400,10,10 > "$travail/premiere" &
guet=$!
sleep 0.5
lancement=$EPOCHREALTIME
"$commande" &
jeu=$!
fenetre_du_jeu
wait "$guet"; guet=
awk -v debut="$lancement" 'NR == 2 { printf "first frame: %d ms after the start\n", 1000 * ($1 - debut) }' "$travail/premiere"
# The intro and the difficulty fade; then keypad 1 (NumLock off: KP_End) starts level 1.
sleep 8
xdotool mousemove 450 320
xdotool key KP_End
sleep 2

# At rest: nobody touches anything, nothing watches the screen.
cout "at rest in level 1" 10 sleep 10
awk '/VmRSS/ { printf "memory at rest in level 1: the game resident %.0f MB\n", $2 / 1024 }' "/proc/$jeu/status"

# The walk. Region 0: the hutch, where the pet waits and comes back to. Region 1: a
# patch at the middle of the pet's first climb beside the bowls, which the outward
# walk never crosses: once the walk has begun, it changes 700 ms after the pet reaches
# the bowls.
"$guetteur" 14 0,300,110,82 420,421,10,10 > "$travail/marche" &
guet=$!
sleep 0.3
boutons=(3 1 1 1 3)  # level 1 by the answer key: bin, bowl, bowl, bowl, bin
for k in 0 1 2 3 4; do
  xdotool mousemove 580 $((110 + 100 * k)) click "${boutons[$k]}"
  sleep 0.2
done
wait "$guet"; guet=
awk '
  $2 == 0 { n0++; if (n0 == 2) depart = $1; fin = $1 }
  $2 == 1 && depart && !montee { montee = $1 }  # the clicks fill its bowl before
  END {
    if (!depart || !montee) { print "fenetre_reelle: the walk was not seen" > "/dev/stderr"; exit 1 }
    arrivee = montee - 0.7         # the first climb comes 700 ms after the arrival
    printf "walk: outward %.2f s, return %.2f s, whole walk %.2f s\n",
           arrivee - depart, fin - (arrivee + 3.6), fin - depart }' "$travail/marche"

# Level 2 from the key s to its time-up picture. Region 0: a patch of background that
# nothing else draws on until the time-up picture covers it.
"$guetteur" 35 100,100,10,10 > "$travail/niveau" &
guet=$!
sleep 0.3
t_s=$EPOCHREALTIME
xdotool key s
wait "$guet"; guet=
awk -v debut="$t_s" '
  $2 == 0 { n++; if (n == 2) fini = $1 }
  END {
    if (!fini) { print "fenetre_reelle: no time-up screen within 35 s" > "/dev/stderr"; exit 1 }
    printf "level 2: time-up screen %.2f s after it starts\n", fini - debut }' "$travail/niveau"

# r leaves the time-up screen; the file still holds level 2, which starts again.
xdotool key r
sleep 1
cout "pointer moving over level 2's board" 10 "$guetteur" --mouvements 10
# Left and right presses in turn on the first food: it goes to the bowl, then the bin,
# and so on; both are watched.
"$guetteur" --clics 10 580 110 400,100,136,88 700,100,130,88 | tail -n1
xdotool key Escape
wait "$jeu" || true
jeu=

#!/usr/bin/env bash
# The real game's sound as a person meets it, in a real window (Xvfb) driven by real
# clicks. With SDL's disk audio driver: the easy track chosen by its card, one food
# sorted into its bin; what the device wrote for that sort is not silent, lasts more than
# a click, never reaches full scale, and the device closes again once the clips are over
# (nothing runs for sound while nothing plays). Then the level won, its walk's steps and
# its verdict's tune and message together (the loudest the game plays): still under full
# scale, and the device closes again. With an audio driver that cannot open: the game
# plays on (the sort shows), says so in one line on standard error, once for all the
# clips it asked, and quits cleanly. Both runs at once, each in its own X server (~40 s).
# Usage: xvfb_son.sh path/to/grignotin [directory with photo/, sons/ and angelina.ttf]
set -euo pipefail

commande=$(realpath "$1")
ressources=$(realpath "${2:-$(dirname "$commande")}")
mode=${3:-}
if [ -z "$mode" ]; then
  "$0" "$commande" "$ressources" disk &
  avec=$!
  "$0" "$commande" "$ressources" sans &
  sans=$!
  statut=0
  wait "$avec" || statut=1
  wait "$sans" || statut=1
  [ "$statut" = 0 ] && echo "xvfb_son: passed"
  exit "$statut"
fi

travail=$(mktemp -d)
trap 'kill "${jeu:-}" "${serveur:-}" 2>/dev/null || true; rm -rf "$travail"' EXIT
for f in photo sons angelina.ttf; do ln -s "$ressources/$f" "$travail/$f"; done
images=$ressources/photo
niveau=$travail/niveau.lvl
audio=$travail/audio.raw

nom_script="xvfb_son ($mode)"
# shellcheck source=tests/xvfb_commun.sh
source "$(dirname "$0")/xvfb_commun.sh"
echec() { echo "$nom_script: $*" >&2; exit 1; }

pilote=disk
[ "$mode" = disk ] || pilote=pilote_qui_n_existe_pas
cd "$travail"
# SDL 1.2's disk driver waits 150 ms per 46 ms buffer unless told: a clip would last
# three times as long. 40 ms keeps it at about the pace of a sound card.
SDL_AUDIODRIVER=$pilote SDL_DISKAUDIOFILE=$audio SDL_DISKAUDIODELAY=40 "$commande" 2>"$travail/erreurs" &
jeu=$!
fenetre_du_jeu
# Taps on the easy track's card until level 1 shows: the intro drops them, the first one
# during the fade or after it chooses.
for _ in $(seq 80); do
  xdotool mousemove 170 295 click 1
  montre laitue.bmp 36x12+17+66 550 76 && break
  sleep 0.3
done
montre laitue.bmp 36x12+17+66 550 76 || echec "never saw level 1's first food"
sleep 0.4  # a tap within 300 ms of the card's would be taken for a double tap's

taille() { stat -c %s "$audio" 2>/dev/null || echo 0; }
# The device closes (or was never opened) within SECONDS: the disk driver, which writes a
# buffer every 40 ms while it is open, writes nothing for a second.
se_ferme() {
  local fin=$((SECONDS + $1)) avant
  while [ "$SECONDS" -lt "$fin" ]; do
    avant=$(taille); sleep 1; [ "$(taille)" = "$avant" ] && return 0
  done
  return 1
}
# 16-bit samples: the loudest and the root mean square in full-scale thousandths, and the
# tenths of a second from the first sample over 2 % of full scale to the last, at the
# clips' 22050 Hz mono (a device opened at a higher rate or in stereo, as sdl12-compat's
# disk driver may be, only lengthens that figure).
mesurer() {
  od -An -v -td2 -w2 "$1" | awk '
    { v = $1 < 0 ? -$1 : $1; if (v > m) m = v; s += $1 * $1; n++
      if (v > 655) { if (!d) d = NR; f = NR } }
    END { printf "%d %d %d\n", m * 1000 / 32768, (n ? sqrt(s / n) : 0) * 1000 / 32768, (f - d) * 10 / 22050 }'
}
sous_pleine_echelle() {  # what, file: not silent, not clipping; prints the figures
  local crete efficace duree
  read -r crete efficace duree < <(mesurer "$2")
  echo "$nom_script: $1: $(stat -c %s "$2") bytes, peak ${crete}/1000, RMS ${efficace}/1000, sounding ${duree}/10 s"
  [ "$crete" -ge 300 ] || echec "$1: the audio written is silent or nearly (peak ${crete}/1000)"
  [ "$crete" -lt 1000 ] || echec "$1: the audio written clips"
  [ "$duree" -ge 3 ] || echec "$1: sounds for ${duree}/10 s, less than a clip"
}

if [ "$mode" = disk ]; then
  # Whatever the cards said has ended and the device closed: what it writes next is the sort's
  # (each opening starts the file afresh).
  se_ferme 20 || echec "the audio device stayed open on a silent level"
  avant=$(taille)
  xdotool mousemove 765 140 click 1  # row 0's bin: the lettuce, a wrong food, into it
  attendre_que 5 eval '[ "$(taille)" != "$avant" ]' || echec "nothing written after a sort"
  montre poubelle_pleine.bmp 30x14+40+10 700 100 || echec "the sort does not show"
  se_ferme 15 || echec "the audio device stayed open after the sort's clips"
  cp "$audio" "$travail/tri.raw"
  sous_pleine_echelle "a sort" "$travail/tri.raw"
  # The rest of level 1 by the answer key (bowl, bowl, bowl, bin), then the walk and the verdict.
  avant=$(taille)
  for k in 1 2 3 4; do
    x=580; [ "$k" = 4 ] && x=765
    xdotool mousemove "$x" $((140 + 100 * k)) click 1
    sleep 0.3
  done
  attendre_que 30 grep -sqx 5 "$niveau" || echec "level 1 was not won"
  se_ferme 20 || echec "the audio device stayed open after the verdict's clips"
  sous_pleine_echelle "the sorts, the walk and the won verdict" "$audio"
  xdotool key Escape
else
  xdotool mousemove 765 140 click 1
  attendre_que 5 montre poubelle_pleine.bmp 30x14+40+10 700 100 || echec "without a device, the sort does not show"
  sleep 0.4
  xdotool mousemove 580 240 click 1  # a second sort, which asks for its clips again
  sleep 0.5
  xdotool key Escape
fi
statut=0; wait "$jeu" || statut=$?
jeu=
[ "$statut" = 0 ] || echec "exit status $statut: $(cat "$travail/erreurs")"
if [ "$mode" = disk ]; then
  # SDL's disk driver announces itself (SDL 1.2 and SDL 2 in their own words); the game
  # must add nothing.
  ! grep -v -e 'You are using the SDL disk' -e ' Writing to file \[' -e '^$' "$travail/erreurs" \
    || echec "said on standard error (above)"
else
  [ "$(wc -l <"$travail/erreurs")" = 1 ] || echec "expected one line without a device, got: $(cat "$travail/erreurs")"
  grep -q "^grignotin: no sound" "$travail/erreurs" || echec "unexpected line: $(cat "$travail/erreurs")"
  echo "$nom_script: two sorts played silently, one line said: $(cat "$travail/erreurs")"
fi

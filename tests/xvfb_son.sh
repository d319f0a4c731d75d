#!/usr/bin/env bash
# The desktop's sound in a real window (Xvfb), through SDL's disk audio driver: after the
# platform plays a crunch and a food's name, then a won verdict's tune and message together,
# the audio written is not silent and never reaches full scale, and the device is closed
# again by the time a key comes 9 s after the start (nothing runs for sound while
# nothing plays). Then with an audio driver that cannot open: the program goes on, silent,
# and says so in one line. Plays tests/son_fenetre.cpp until the game's own flow asks for
# sounds. Usage: xvfb_son.sh path/to/son_fenetre directory-with-sons
set -euo pipefail

travail=$(mktemp -d)
trap 'kill "${jeu:-}" "${serveur:-}" 2>/dev/null || true; rm -rf "$travail"' EXIT
commande=$(realpath "$1")
ln -s "$(realpath "$2")/sons" "$travail/sons"

nom_script=xvfb_son
# shellcheck source=tests/xvfb_commun.sh
source "$(dirname "$0")/xvfb_commun.sh"
echec() { echo "xvfb_son: $*" >&2; exit 1; }

joue() {  # driver; leaves $travail/sortie and $travail/erreurs
  # SDL 1.2's disk driver waits 150 ms per 46 ms buffer unless told: a clip would last
  # three times as long. 40 ms keeps it at about the pace of a sound card.
  (cd "$travail" && SDL_AUDIODRIVER=$1 SDL_DISKAUDIOFILE="$travail/audio.raw" SDL_DISKAUDIODELAY=40 "$commande" \
    >"$travail/sortie" 2>"$travail/erreurs") &
  jeu=$!
  attendre_que 10 grep -sq joue "$travail/sortie"
  attendre_que 10 xdotool search --name '^Grignotin son$' >/dev/null
  xdotool windowmove "$(xdotool search --name '^Grignotin son$' | sed -n 1p)" 0 0
  xdotool mousemove 450 300  # over the window, which then takes the keys
  sleep 9
  xdotool key space
  local statut=0
  wait "$jeu" || statut=$?
  jeu=
  [ "$statut" = 0 ] || echec "exit status $statut with SDL_AUDIODRIVER=$1: $(cat "$travail/erreurs")"
  grep -qx "audio ouvert a la touche: 0" "$travail/sortie" || echec "the audio device was still open 4 s after the clips ($1)"
}

joue disk
# SDL's disk driver announces itself (SDL 1.2 and SDL 2 in their own words); the game
# must add nothing.
! grep -v -e 'You are using the SDL disk' -e ' Writing to file \[' -e '^$' "$travail/erreurs" \
  || echec "said on standard error (above)"
[ -s "$travail/audio.raw" ] || echec "the disk driver wrote nothing"
# 16-bit samples: the loudest and the root mean square, in full-scale thousandths.
read -r crete efficace < <(od -An -v -td2 -w2 "$travail/audio.raw" |
  awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v; s += $1 * $1; n++ }
       END { printf "%d %d\n", m * 1000 / 32768, (n ? sqrt(s / n) : 0) * 1000 / 32768 }')
echo "xvfb_son: $(stat -c %s "$travail/audio.raw") bytes written, peak ${crete}/1000, RMS ${efficace}/1000"
[ "$crete" -ge 300 ] || echec "the audio written is silent or nearly (peak ${crete}/1000)"
[ "$crete" -lt 1000 ] || echec "the audio written clips"

joue pilote_qui_n_existe_pas
[ "$(wc -l <"$travail/erreurs")" = 1 ] || echec "expected one line without a device, got: $(cat "$travail/erreurs")"
grep -q "^grignotin: no sound" "$travail/erreurs" || echec "unexpected line: $(cat "$travail/erreurs")"
echo "xvfb_son: passed"

#!/usr/bin/env bash
# The real program, killed with SIGKILL right after a verdict, a few times: niveau.lvl
# must then hold the old value or the new one, never nothing and never a part.
# Each round: a fresh directory holding "0", keypad 1 and the five right clicks of
# level 1 sent at once (they wait their turn through the intro), then, as soon as the
# file changes or its temporary file appears, SIGKILL after 0 to 20 ms. The rounds run
# side by side, each with its own X server: most of a round is the game waiting.
# Usage: xvfb_arret_brutal.sh path/to/grignotin [directory with photo/ and angelina.ttf] [rounds]
set -euo pipefail

programme=$(realpath "$1")
ressources=$(realpath "${2:-$(dirname "$programme")}")
tours=${3:-${GRIGNOTIN_ARRETS_XVFB:-3}}
racine=$(mktemp -d)
trap 'rm -rf "$racine"' EXIT

nom_script=xvfb_arret_brutal

# One round in a subshell of its own; prints what niveau.lvl held after the kill.
tour() {
  local tour=$1
  travail=$racine/tour$tour
  mkdir -p "$travail/partie"
  trap 'kill -9 "${jeu:-}" 2>/dev/null || true; kill "${serveur:-}" 2>/dev/null || true' EXIT
  # shellcheck source=tests/xvfb_commun.sh
  source "$(dirname "$0")/xvfb_commun.sh"
  local dossier=$travail/partie
  ln -s "$ressources/photo" "$dossier/photo"
  ln -s "$ressources/angelina.ttf" "$dossier/angelina.ttf"
  printf 0 >"$dossier/niveau.lvl"
  cd "$dossier"
  "$programme" 2>"$travail/erreurs" &
  jeu=$!
  fenetre_du_jeu
  sleep 0.5
  # Keypad 1 with NumLock off, then level 1 by the answer key: bin, bowl, bowl, bowl, bin.
  xdotool key KP_End
  local boutons=(3 1 1 1 3) k
  for k in 0 1 2 3 4; do
    xdotool mousemove 580 $((110 + 100 * k)) click "${boutons[$k]}"
  done
  # The intro (12 s), the difficulty fade (2 s), the choice, the walk (7 s): the file
  # changes after ~21 s, much later with three rounds side by side over sdl12-compat on
  # a busy machine. Looked at calmly for the first 12 s, then with shell builtins only,
  # as fast as they go.
  local calme=$((SECONDS + 12)) limite=$((SECONDS + 150)) contenu=0
  while [ "$contenu" = 0 ] && ! compgen -G "niveau.lvl.tmp.*" >/dev/null; do
    [ $SECONDS -lt $limite ] || { echo "$nom_script: round $tour: niveau.lvl never changed" >&2; exit 1; }
    [ $SECONDS -ge $calme ] || sleep 0.5
    IFS= read -r contenu <niveau.lvl || true
  done
  sleep "$(printf '0.%03d' $((RANDOM % 21)))"
  kill -9 "$jeu"
  wait "$jeu" 2>/dev/null || true
  jeu=
  cat niveau.lvl 2>/dev/null || echo "(none)"
}

for tour in $(seq "$tours"); do
  (tour "$tour") >"$racine/resultat$tour" &
done
echecs=0
for _ in $(seq "$tours"); do wait -n || echecs=$((echecs + 1)); done
[ "$echecs" = 0 ] || exit 1

bons=0 anciens=0
for tour in $(seq "$tours"); do
  contenu=$(cat "$racine/resultat$tour")
  case "$contenu" in
    5) bons=$((bons + 1)) ;;
    0) anciens=$((anciens + 1)) ;;
    *) echo "$nom_script: round $tour: niveau.lvl holds '$contenu' after SIGKILL" >&2; exit 1 ;;
  esac
done
echo "$nom_script: $tours kills right after the verdict: niveau.lvl held 5 ${bons} times, the old 0 ${anciens} times, nothing else"

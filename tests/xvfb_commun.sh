# Sourced by the scripts that drive the real program under Xvfb. Needs $travail (a
# scratch directory) and $nom_script (for messages). Starts a private X server on a free
# display (-displayfd picks it; -noreset keeps it up between clients) as $serveur, and
# defines attendre_que.

exec 3>"$travail/ecran"
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 2>/dev/null &
serveur=$!
for _ in $(seq 100); do [ -s "$travail/ecran" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$travail/ecran")"
unset SDL_VIDEODRIVER

attendre_que() {  # seconds, then a command that must become true
  local limite=$1; shift
  for _ in $(seq $((limite * 10))); do "$@" && return 0; sleep 0.1; done
  echo "$nom_script: timed out waiting for: $*" >&2; return 1
}

# The game's window, once it is up, moved to the screen's corner.
fenetre_du_jeu() {
  attendre_que 10 xdotool search --name '^Grignotin$' >/dev/null
  local fenetre
  fenetre=$(xdotool search --name '^Grignotin$' | sed -n 1p)
  xdotool windowmove "$fenetre" 0 0
}

# Sourced by the scripts that drive the real program under Xvfb. Needs $travail (a
# scratch directory) and $nom_script (for messages). Starts a private X server on a free
# display (-displayfd picks it; -noreset keeps it up between clients) as $serveur, and
# defines attendre_que, fenetre_du_jeu and montre (which reads the pictures from $images).

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

# montre PICTURE WxH+I+J X Y: the window, whose corner is at the screen's, shows the part
# WxH+I+J of photo/PICTURE with the picture's corner at X, Y: at most one pixel in twenty
# off by more than 8 %. Every part the scripts name is opaque and unlike the other screens.
montre() { montre_dans "" "$@"; }
# The same on a screenshot of the whole screen taken earlier ("" takes one now).
montre_dans() {
  local zone=$3 l h i j ecran=$1
  IFS='x+' read -r l h i j <<<"$zone"
  if [ -n "$ecran" ]; then
    convert "$ecran" -crop "${l}x${h}+$(($4 + i))+$(($5 + j))" +repage "$travail/vu.png" 2>/dev/null || return 1
  else
    import -window root -crop "${l}x${h}+$(($4 + i))+$(($5 + j))" +repage "$travail/vu.png" 2>/dev/null || return 1
  fi
  local faux
  faux=$(compare -metric AE -fuzz 8% "$images/$2[$zone]" "$travail/vu.png" null: 2>&1) || true
  [[ $faux =~ ^[0-9]+$ ]] && [ "$faux" -le $((l * h / 20)) ]
}

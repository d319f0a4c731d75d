#!/usr/bin/env bash
# Installs the build into a throw-away prefix with spaces and accents in its path and checks
# what a person gets: the layout, and the launcher's per-person game directory.
# Usage: installation.sh BUILD_DIR                 layout and launcher, the program swapped
#                                                  for a probe (no display needed)
#        installation.sh BUILD_DIR XVFB_PARTIE     two people play the real game at once
set -euo pipefail

construction=$(realpath "$1")
essai=$(mktemp -d "${TMPDIR:-/tmp}/grignotin essai XXXXXX")
trap 'rm -rf "$essai"' EXIT
prefixe="$essai/pré fixe"
cmake --install "$construction" --prefix "$prefixe" >/dev/null

echec() { echo "installation: $*" >&2; exit 1; }
attendu() { [ "$1" = "$2" ] || echec "$3: got '$1', expected '$2'"; }

if [ $# -ge 2 ]; then
  # ---- Two people, each with their own progress, playing the real game -----------------
  xvfb_partie=$2
  maison_a="$essai/maison de A"
  maison_b="$essai/maison de B"
  xdg_b="$essai/données de B"
  mkdir -p "$maison_a" "$maison_b"
  dossier_a="$maison_a/.local/share/grignotin"
  dossier_b="$xdg_b/grignotin"

  # Side by side, each in its own X server: most of a game is waiting. Each game writes
  # only into the game directory its launcher chose, so a launcher that gave both people
  # one directory, or sent B's game to HOME, shows below as a missing file of the other's.
  env -u XDG_DATA_HOME HOME="$maison_a" "$xvfb_partie" --lanceur "$prefixe/bin/grignotin" "$dossier_a" &
  partie_a=$!
  HOME="$maison_b" XDG_DATA_HOME="$xdg_b" "$xvfb_partie" --lanceur "$prefixe/bin/grignotin" "$dossier_b" &
  partie_b=$!
  wait "$partie_a" || echec "A's game failed"
  wait "$partie_b" || echec "B's game failed"
  for qui in A B; do
    [ "$qui" = A ] && dossier=$dossier_a || dossier=$dossier_b
    [ -f "$dossier/niveau.lvl" ] && [ ! -L "$dossier/niveau.lvl" ] || echec "$qui's niveau.lvl is not a file of $qui's own"
    attendu "$(stat -c %A "$dossier/niveau.lvl" | cut -c2-3)" rw "$qui's niveau.lvl mode"
    attendu "$(cat "$dossier/niveau.lvl")" 5 "$qui's level"
  done
  [ "$(stat -c %i "$dossier_a/niveau.lvl")" != "$(stat -c %i "$dossier_b/niveau.lvl")" ] || echec "A and B share one niveau.lvl"
  [ ! -e "$maison_b/.local/share/grignotin" ] || echec "B's game went to HOME despite XDG_DATA_HOME"
  [ -z "$(find "$prefixe" -name 'niveau.lvl*')" ] || echec "a level file was written into the installed tree"
  echo "installation: A and B played the installed game side by side; each has their own niveau.lvl"
  exit 0
fi

# ---- The layout -------------------------------------------------------------------------
[ -x "$prefixe/bin/grignotin" ] || echec "no launcher bin/grignotin"
[ -x "$prefixe/libexec/grignotin/grignotin" ] || echec "no program libexec/grignotin/grignotin"
donnees="$prefixe/share/grignotin"
sources=$(dirname "$(realpath "$0")")/..
for f in angelina.ttf angelina-OFL.txt; do
  cmp -s "$sources/assets/$f" "$donnees/$f" || echec "$f not installed as built"
done
# Every picture the game loads, named in the code, is installed.
grep -ohE '"photo/[a-z0-9_]+\.bmp"' "$sources/src/rules/catalogue.cpp" "$sources/src/draw/noms_images.hpp" \
  | tr -d '"' | sort -u >"$essai/attendues"
(cd "$donnees" && find photo -type f | sort) >"$essai/installees"
diff "$essai/attendues" "$essai/installees" >&2 || echec "installed pictures differ from the ones the game loads"
# Every clip the build made, as it made it.
(cd "$sources/assets" && find sons -name '*.ogg' | sort) >"$essai/sons_faits"
(cd "$donnees" && find sons -type f | sort) >"$essai/sons_installes"
[ -s "$essai/sons_faits" ] || echec "the build made no clips"
diff "$essai/sons_faits" "$essai/sons_installes" >&2 || echec "installed clips differ from the ones the build made"
cmp -s "$sources/assets/sons/croque.ogg" "$donnees/sons/croque.ogg" || echec "sons/croque.ogg not installed as built"
id=io.github.grignotin.Grignotin
[ -f "$prefixe/share/applications/$id.desktop" ] || echec "no desktop entry"
[ -f "$prefixe/share/metainfo/$id.metainfo.xml" ] || echec "no AppStream file"
for cote in 16 24 32 48 64 128 256; do
  icone="$prefixe/share/icons/hicolor/${cote}x${cote}/apps/$id.png"
  attendu "$(identify -format '%m %wx%h' "$icone" 2>/dev/null)" "PNG ${cote}x${cote}" "icon $cote"
done
grep -qx "Icon=$id" "$prefixe/share/applications/$id.desktop" || echec "desktop entry names another icon"
zgrep -q '^\.TH GRIGNOTIN 6' "$prefixe/share/man/man6/grignotin.6.gz" || echec "no manual page"
zgrep -q '^grignotin (' "$prefixe/share/doc/grignotin/changelog.gz" || echec "no changelog"
grep -q "MIT License" "$prefixe/share/doc/grignotin/copyright" || echec "copyright does not carry the code's licence"

# ---- The launcher, with the program swapped for a probe -----------------------------------
# The probe notes where it runs and its process id; the launcher must exec it in its
# per-person directory, whatever the caller's working directory.
sonde_sortie="$essai/sonde"
cat >"$prefixe/libexec/grignotin/grignotin" <<'SONDE'
#!/bin/sh
pwd -P >"$SONDE_SORTIE"
echo $$ >>"$SONDE_SORTIE"
SONDE
export SONDE_SORTIE=$sonde_sortie

lancer() {  # env assignments..., then the launcher's path; checks the exec, sets $ou
  (cd /; env "$@" & pid=$!; wait "$pid"; echo "$pid") >"$essai/pid" || echec "launcher failed: $*"
  ou=$(head -n1 "$sonde_sortie")
  attendu "$(sed -n 2p "$sonde_sortie")" "$(cat "$essai/pid")" "the program's pid (the launcher must exec it)"
}
liens_vers() {  # directory, data directory
  local n
  for n in photo sons angelina.ttf angelina-OFL.txt; do
    [ -L "$1/$n" ] || echec "$1/$n is not a link"
    attendu "$(readlink "$1/$n")" "$2/$n" "link $n"
  done
  [ -f "$1/photo/fond.bmp" ] || echec "pictures not reachable through $1/photo"
}

maison_a="$essai/maison de A"
maison_b="$essai/maison de B"
mkdir -p "$maison_a" "$maison_b"
dossier_a="$maison_a/.local/share/grignotin"

lancer -u XDG_DATA_HOME HOME="$maison_a" "$prefixe/bin/grignotin"
attendu "$ou" "$dossier_a" "A's game directory"
liens_vers "$dossier_a" "$donnees"
echo 7 >"$dossier_a/niveau.lvl"

lancer HOME="$maison_b" XDG_DATA_HOME="$essai/données de B" "$prefixe/bin/grignotin"
attendu "$ou" "$essai/données de B/grignotin" "B's game directory (XDG_DATA_HOME)"
liens_vers "$ou" "$donnees"
[ ! -e "$ou/niveau.lvl" ] || echec "B sees a level file before playing"

# A relative XDG_DATA_HOME does not count.
lancer HOME="$maison_b" XDG_DATA_HOME="relatif" "$prefixe/bin/grignotin"
attendu "$ou" "$maison_b/.local/share/grignotin" "game directory with a relative XDG_DATA_HOME"

# The installed tree moves (or is unpacked elsewhere): A's links follow, progress stays.
ailleurs="$essai/ailleurs, même répertoire"
mv "$prefixe" "$ailleurs"
lancer -u XDG_DATA_HOME HOME="$maison_a" "$ailleurs/bin/grignotin"
attendu "$ou" "$dossier_a" "A's game directory after the move"
liens_vers "$dossier_a" "$ailleurs/share/grignotin"
attendu "$(cat "$dossier_a/niveau.lvl")" 7 "A's progress after the move"

# Found through PATH, and through a symlink to the launcher.
lancer -u XDG_DATA_HOME HOME="$maison_a" PATH="$ailleurs/bin:$PATH" grignotin
attendu "$ou" "$dossier_a" "game directory when started through PATH"
ln -s "$ailleurs/bin/grignotin" "$essai/raccourci"
lancer -u XDG_DATA_HOME HOME="$maison_a" "$essai/raccourci"
liens_vers "$dossier_a" "$ailleurs/share/grignotin"

# A file of the person's own where a link would go is kept, with a word on stderr.
echo "ma police" >"$maison_b/.local/share/grignotin/angelina.ttf.tmp"
rm "$maison_b/.local/share/grignotin/angelina.ttf"
mv "$maison_b/.local/share/grignotin/angelina.ttf.tmp" "$maison_b/.local/share/grignotin/angelina.ttf"
lancer -u XDG_DATA_HOME HOME="$maison_b" "$ailleurs/bin/grignotin" 2>"$essai/erreurs"
attendu "$(cat "$maison_b/.local/share/grignotin/angelina.ttf")" "ma police" "a person's own file"
grep -q "angelina.ttf is not a link" "$essai/erreurs" || echec "no word about the person's own file"

# Nowhere to keep progress, or a broken install: a clear failure, not a game without data.
if env -u HOME -u XDG_DATA_HOME "$ailleurs/bin/grignotin" 2>"$essai/erreurs"; then echec "ran without HOME"; fi
grep -q "HOME" "$essai/erreurs" || echec "no word about HOME"
mv "$ailleurs/share/grignotin/photo" "$essai/photo"
statut=0; HOME="$maison_a" "$ailleurs/bin/grignotin" 2>"$essai/erreurs" || statut=$?
attendu "$statut" 127 "exit status without the pictures"
echo "installation: layout and launcher checked in '$ailleurs'"

#!/usr/bin/env bash
# web/apt_prive.sh, the private apt configuration the web libraries' sources are fetched
# through: machines' apt entries in both forms, and what it must make of each.
set -euo pipefail
script=$(realpath "$(dirname "$0")/../web/apt_prive.sh")
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
echecs=0

# A case: its name, what the private sources.list must hold and the private
# sources.list.d/ files' content ("-" for none, \n for new lines), then the machine's
# files as name=content, written under a fresh etc/apt.
cas() {
  local nom=$1 liste_attendue=$2 deb822_attendu=$3 f
  shift 3
  local etc=$travail/$nom/etc prive=$travail/$nom/prive
  mkdir -p "$etc/sources.list.d"
  for f in "$@"; do
    printf '%b' "${f#*=}" > "$etc/${f%%=*}"
  done
  if ! "$script" "$etc" "$prive" 2> "$travail/$nom.err"; then
    echo "FAIL $nom: $(cat "$travail/$nom.err")"
    echecs=$((echecs + 1))
    return
  fi
  local liste deb822=-
  liste=$(cat "$prive/sources.list")
  if compgen -G "$prive/sources.list.d/*" >/dev/null; then
    deb822=$(cat "$prive/sources.list.d/"*)
  fi
  if [ "$liste" != "$(printf '%b' "$liste_attendue")" ] || [ "$deb822" != "$(printf '%b' "$deb822_attendu")" ]; then
    printf 'FAIL %s:\n sources.list: [%s]\n expected:     [%b]\n deb822: [%s]\n expected: [%b]\n' \
      "$nom" "$liste" "$liste_attendue" "$deb822" "$deb822_attendu"
    echecs=$((echecs + 1))
  fi
}

stanza='URIs: http://archive.example/debian\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'

# Debian 12's own form, and its stanzas that were deb and deb-src at once, or turned off.
cas debian12 "" "Types: deb-src\n$stanza" "sources.list.d/debian.sources=Types: deb\n$stanza"
cas deux_types "" "Types: deb-src\n$stanza\nTypes: deb-src\nEnabled: no\n$stanza" \
  "sources.list.d/debian.sources=Types: deb deb-src\n$stanza\nTypes: deb\nEnabled: no\n$stanza"
# The one-line form: options in brackets kept, comments and existing deb-src lines
# left out (the deb line gives them), blanks and tabs before and after "deb".
cas une_ligne "deb-src [signed-by=/k.gpg] http://archive.example/debian bookworm main\ndeb-src http://archive.example/debian-security bookworm-security main" - \
  "sources.list=# deb http://old.example/debian buster main\ndeb [signed-by=/k.gpg] http://archive.example/debian bookworm main\ndeb-src http://archive.example/debian bookworm main\n \tdeb\thttp://archive.example/debian-security bookworm-security main\n"
# Files of sources.list.d/ in the one-line form; one turned off by its name.
cas listes "deb-src http://a.example/debian bookworm main" - \
  "sources.list.d/a.list=deb http://a.example/debian bookworm main\n" \
  "sources.list.d/b.list.disabled=deb http://b.example/debian bookworm main\n"

# A machine with no archive entry: a failure that says so, not an empty configuration.
mkdir -p "$travail/vide/etc/sources.list.d"
if "$script" "$travail/vide/etc" "$travail/vide/prive" 2> "$travail/vide.err" ||
  ! grep -q "no Debian archive entry" "$travail/vide.err"; then
  echo "FAIL vide: no failure, or not said: $(cat "$travail/vide.err")"
  echecs=$((echecs + 1))
fi

# Run again after the machine dropped a .sources file: its old copy goes with it.
cas rerun "" "Types: deb-src\n${stanza}Types: deb-src\n$stanza" \
  "sources.list.d/autre.sources=Types: deb\n$stanza" "sources.list.d/debian.sources=Types: deb\n$stanza"
rm "$travail/rerun/etc/sources.list.d/autre.sources"
"$script" "$travail/rerun/etc" "$travail/rerun/prive"
if [ -e "$travail/rerun/prive/sources.list.d/autre.sources" ]; then
  echo "FAIL rerun: the dropped file's copy is still there"
  echecs=$((echecs + 1))
fi

[ "$echecs" -eq 0 ] && echo "web_apt_prive: all cases pass"
exit "$echecs"

#!/usr/bin/env bash
# Writes into $2 a private apt configuration that can fetch Debian source packages:
# $2/sources.list and $2/sources.list.d/, the machine's own archive entries read from
# $1 (normally /etc/apt) and turned into deb-src entries. web/bibliotheques.sh runs apt
# with these and with its own lists and cache, so that the machine's apt setup, which
# may have no deb-src entry at all, stays as it was.
#   web/apt_prive.sh /etc/apt <folder>
# Fails, saying so, when $1 holds no archive entry.
set -euo pipefail
etc=$1
prive=$2
mkdir -p "$prive/sources.list.d"
rm -f "$prive/sources.list.d/"*
: > "$prive/sources.list"

# One-line entries: each "deb [options] URI suite components" gives the same with
# deb-src; entries that are deb-src already are left out, as the deb line gives them.
for f in "$etc/sources.list" "$etc"/sources.list.d/*.list; do
  [ -f "$f" ] || continue
  sed -n 's/^[[:space:]]*deb[[:space:]]\{1,\}/deb-src /p' "$f" >> "$prive/sources.list"
done
# deb822 entries (Debian 12's own form): the Types of each stanza become deb-src; a
# stanza turned off (Enabled: no) stays off. A third-party archive that publishes no
# sources costs apt a notice, not a failure.
entrees=false
for f in "$etc"/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  sed 's/^Types:.*/Types: deb-src/' "$f" > "$prive/sources.list.d/$(basename "$f")"
  entrees=true
done
if [ ! -s "$prive/sources.list" ] && ! $entrees; then
  echo "web/apt_prive.sh: no Debian archive entry in $etc to fetch the sources from" >&2
  exit 1
fi

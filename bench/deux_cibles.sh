#!/usr/bin/env bash
# The desktop game and the browser build measured one after the other, in one run, on
# the same machine: the time to the first frame, the CPU at rest in level 1 over 10 s and
# the memory held then (bench/fenetre_reelle.sh for the desktop, bench/navigateur.mjs for
# the browser). A measurement, not a test: on a shared machine run it more than once.
# Usage: bench/deux_cibles.sh [desktop build directory] [site directory]
#   (defaults: build-test, with its guetteur target built, and build-web/site from ./web.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
construction=${1:-build-test}
site=${2:-build-web/site}
echo "== desktop (SDL 1.2, a real window under Xvfb)"
bench/fenetre_reelle.sh assets/grignotin "$construction/bench/guetteur" assets
echo "== browser (SDL 2 in headless Chromium)"
node bench/navigateur.mjs "$site"

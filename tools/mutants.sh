#!/usr/bin/env bash
# How many realistic faults does the suite catch? Plants one fault at a time in src/
# (each mutant below: one exact piece of text replaced by another), builds incrementally
# in its own build directory, runs the suite until the first failing test, and puts the
# source back after each mutant, interruptions included.
#
# Usage: tools/mutants.sh [-n 3,7,12] [-x REGEX] [-B] [-l] [-c] [source tree]
#   -n   only these mutants (numbers as -l shows them)
#   -x   leave the tests matching REGEX out of every run (say which, and why, when reporting)
#   -B   skip the run of the unmutated suite (when it is known to pass, to save its time)
#   -l   list the mutants and stop
#   -c   check that every mutant still applies to the source (its text found exactly
#        once), without building anything, and stop: a few seconds, worth running after
#        any change to src/
#   source tree: defaults to the one this script lives in; give an exported copy
#   (git archive HEAD | tar -x -C DIR) to keep working in yours meanwhile.
# The build goes to TREE/build-mutants. A summary line ends the run:
#   mutants: K killed, S survived, B did not build, of N (T s)
# A mutant whose text is no longer in its file tests nothing: it is listed as NOT APPLIED,
# counted apart (", A not applied") and makes the script exit 1, so that a stale mutant
# is rewritten rather than silently dropped from the count. The exit is also 1 when a
# mutant survives or does not build; 0 means every mutant applied and was killed.
#
# The tests run in groups, fastest first, each stopping at its first failure, so that a
# mutant that a unit test catches costs seconds. The installation tests are left out:
# they play the same build through its launcher and its package, and look at what ships.
set -uo pipefail

seuls=""
lister=0
verifier=0
sans_reference=0
exclus=()
while getopts "n:x:Blc" option; do
  case $option in
    n) seuls=",$OPTARG," ;;
    x) exclus=(-E "$OPTARG") ;;
    B) sans_reference=1 ;;
    l) lister=1 ;;
    c) verifier=1 ;;
    *) echo "usage: $0 [-n 1,2] [-x regex] [-B] [-l] [-c] [source tree]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
arbre=$(realpath "${1:-$(dirname "$0")/..}")
construction=$arbre/build-mutants
coeurs=$(nproc)

# file @@ text as it is (exactly once in the file) @@ text of the fault @@ what it does
mutants=$(cat <<'FIN'
src/rules/catalogue.cpp @@ {"photo/angelique.bmp", ALIMENT_MAUVAIS},
    {"photo/treflevert.bmp", ALIMENT_BON}, @@ {"photo/angelique.bmp", ALIMENT_BON},
    {"photo/treflevert.bmp", ALIMENT_MAUVAIS}, @@ two neighbouring answers of level 16 swapped
src/rules/catalogue.cpp @@ {"photo/mache.bmp", ALIMENT_BON},
    {"photo/brocolis.bmp", ALIMENT_BON},
    {"photo/kiwi.bmp", ALIMENT_BON},
    {"photo/graine.bmp", ALIMENT_BON},
    {"photo/calla.bmp", ALIMENT_MAUVAIS}, @@ {"photo/mache.bmp", ALIMENT_BON},
    {"photo/brocolis.bmp", ALIMENT_BON},
    {"photo/kiwi.bmp", ALIMENT_BON},
    {"photo/graine.bmp", ALIMENT_MAUVAIS},
    {"photo/calla.bmp", ALIMENT_BON}, @@ the last two answers of level 12 swapped
src/rules/tableau.cpp @@ == CHOIX_AUCUN) @@ != CHOIX_AUCUN) @@ tous_choisi tests the wrong way
src/rules/tableau.cpp @@ ++justes; @@ justes += 1 + (k == 4); @@ resultat counts the last food twice
src/rules/tableau.cpp @@ CHOIX_AUCUN;
    bon_non(tableau); @@ CHOIX_AUCUN; @@ remplir_tableau forgets the answer key
src/rules/tableau.cpp @@ tableau[LIGNE_CHOIX + i] = CHOIX_AUCUN; @@ tableau[LIGNE_CHOIX + i + (i == 94 ? 0 : 1)] = CHOIX_AUCUN; @@ the choice row reset one slot off
src/rules/niveau.cpp @@ return v - v % 5; @@ return v; @@ a level file's number not brought to a level's start
src/rules/niveau.cpp @@ if (valeur > NIVEAU_FINI) @@ if (valeur > NIVEAU_FINI + 5) @@ a level file past the end not brought back
src/rules/niveau.cpp @@ negatif = c == '-'; @@ negatif = c == '+'; @@ the sign read the wrong way
src/rules/niveau.cpp @@ else if (::fsync(fd) != 0) @@ else if (false) @@ the temporary level file renamed before it is on the disk
src/rules/niveau.cpp @@ (void)::fchmod(fd, mode); @@ (void)mode; @@ the level file made private to its owner (mkostemp's 0600)
src/rules/niveau.cpp @@ (::kill(*pid, 0) != 0 && errno == ESRCH) @@ true @@ start-up removes a running game's temporary level file
src/flow/decompte.cpp @@     if (phase_ != Phase::Tri)
        return false;
    const std::uint32_t maintenant @@     const std::uint32_t maintenant @@ the countdown runs on once all five are sorted
src/rules/pistes.cpp @@ niveau >= DEBUTS_DE_PISTE @@ niveau > DEBUTS_DE_PISTE @@ a track's first level counted in the track before
src/rules/pistes.cpp @@ piste_du_niveau(niveau_sauve) == piste ? @@ piste_du_niveau(niveau_sauve) >= piste ? @@ choosing an easier track resumes the stored level
src/flow/aliment.cpp @@ SDL_WM_SetCaption("Grignotin", nullptr); @@ SDL_WM_SetCaption("grignotin", nullptr); @@ the window's title in lower case
src/flow/aliment.cpp @@ SDL_WM_SetIcon(icone_.get(), nullptr); @@ (void)0; @@ the window's icon never set
src/flow/aliment.cpp @@ while (niveau_ <= NIVEAU_FINI - 1 && phase_ != Phase::Quitte) @@ while (niveau_ < NIVEAU_FINI - 5 && phase_ != Phase::Quitte) @@ the last level never played
src/flow/decompte.cpp @@ DUREE_SECONDE = 1000; @@ DUREE_SECONDE = 2000; @@ the countdown at half speed
src/flow/decompte.cpp @@ if (reste_ == 0) @@ if (reste_ == 1) @@ time up a second early
src/draw/plateau.cpp @@ if (cadre_aliment(k).contient(x, y)) @@ if (cadre_aliment(k).contient(x, y) || cadre_aliment(k).contient(x - 10, y)) @@ the click band too wide
src/draw/plateau.cpp @@ if (cadre_aliment(k).contient(x, y)) @@ if (cadre_aliment(k).contient(x, y) && cadre_aliment(k).contient(x, y - 10)) @@ the top of each row deaf to clicks
src/draw/plateau.cpp @@ bouton == SDL_BUTTON_LEFT ? CHOIX_GAMELLE : CHOIX_POUBELLE @@ CHOIX_GAMELLE @@ a right click fills the bowl
src/flow/aliment.cpp @@ sauver(niveau_ + ALIMENTS_PAR_NIVEAU); @@ sauver(niveau_ + 1); @@ a won level saves the wrong next level
src/flow/aliment.cpp @@ if (!tous_choisi(tableau_, niveau_))
        sauver(niveau_); @@ sauver(niveau_); @@ s after the verdict overwrites the saved level
src/rules/pistes.cpp @@ && piste != piste_choisie; @@ ; @@ the track-end picture shown to a player who chose that track
src/flow/aliment.cpp @@ DUREE_FIN_DE_PISTE = 12000; @@ DUREE_FIN_DE_PISTE = 1200; @@ the track-end picture flashes by
src/flow/accueil.cpp @@ PAUSE_INTRO = 50; @@ PAUSE_INTRO = 5; @@ the intro ten times too fast
src/flow/decompte.cpp @@ return touche_enfoncee(e, SDLK_r) || clic_gauche(e); }); @@ return touche_enfoncee(e, SDLK_s) || clic_gauche(e); }); @@ the time-up screen left with the wrong key
src/flow/decompte.cpp @@ return touche_enfoncee(e, SDLK_r) || clic_gauche(e); }); @@ return touche_enfoncee(e, SDLK_r); }); @@ the time-up screen deaf to a tap
src/flow/aliment.cpp @@ if (!en_cours())
        return; @@ if (false)
        return; @@ a click queued behind the time-up's r still sorts and judges
src/flow/aliment.cpp @@ if (phase_ != Phase::TempsEcoule) { @@ if (true) { @@ after a time-up the file, not the level that timed out, comes next
src/flow/aliment.cpp @@ if (verdict && CADRE_MESSAGE @@ if (CADRE_MESSAGE @@ a tap on the message box before the verdict skips the level
src/flow/aliment.cpp @@ CADRE_MESSAGE.contient(e.button.x, e.button.y)) { @@ CADRE_MESSAGE.contient(e.button.x, e.button.y) && false) { @@ a tap on the verdict's box does not go on
src/flow/aliment.cpp @@ if (phase_ == Phase::Gagne || phase_ == Phase::Perdu)
        coller(ecran_, bouton_.get() @@ if (phase_ == Phase::Tri)
        coller(ecran_, bouton_.get() @@ the verdict's button shown before the verdict and not after
src/flow/aliment.cpp @@ bouton_ = charger_image_cle(image::BOUTON_REJOUER); @@ bouton_ = charger_image_cle(image::BOUTON_SUIVANT); @@ a lost level shows the arrow on
src/flow/partie.hpp @@ MARCHE{true, true, true}; @@ MARCHE{false, true, true}; @@ clicks during the walk handled after it
src/flow/partie.hpp @@ INTRO{true, false, false}; @@ INTRO{false, false, false}; @@ a click during the intro chooses a track unseen
src/flow/partie.hpp @@ FIN_DE_PISTE{true, true, true}; @@ FIN_DE_PISTE{false, true, true}; @@ clicks during the track-end picture sort the next level
src/platform/plateforme_sdl.cpp @@ quitter |= demande_de_quitter(evenement); @@ (void)evenement; @@ a close dropped with the rest is lost
src/draw/ecrans.cpp @@ return touche_enfoncee(evenement, SDLK_p) || clic_gauche(evenement); } @@ return touche_enfoncee(evenement, SDLK_p); } @@ the pause deaf to a tap
src/draw/ecrans.cpp @@ return touche_enfoncee(evenement, SDLK_j) || clic_gauche(evenement); @@ return touche_enfoncee(evenement, SDLK_j); @@ the rules deaf to a tap
src/draw/score.cpp @@ SDL_Rect bande{0, Y_PANNEAU, @@ SDL_Rect bande{0, HAUTEUR_ECRAN, @@ the panel's strip not cleared: a shorter text leaves the end of the longer
src/flow/aliment.cpp @@ poser_cle_bleue(sprite_bidou_.get()); @@ (void)0; @@ the verdict's pet drawn with its blue box
src/flow/aliment.cpp @@ sauvegarde_signalee_ = true; @@ (void)0; @@ a failed save reported on every save
src/flow/aliment.cpp @@ message_ = rendre_message(" "); @@ (void)0; @@ the verdict message stays into the next level
src/draw/score.cpp @@ police.reset();
    TTF_Quit(); @@ TTF_Quit();
    police.reset(); @@ the panel closes its font after TTF_Quit
src/draw/score.cpp @@ RESTE_ALERTE = 4; @@ RESTE_ALERTE = 5; @@ the countdown turns red a second early
src/draw/score.cpp @@ X_CENTRE_SCORE - score->w / 2 @@ X_CENTRE_SCORE - score->w @@ the score not centred
src/draw/score.cpp @@ if (numero > 6) @@ if (numero >= 6) @@ level 6 labelled medium
src/draw/plateau.cpp @@ if (choix_de(tableau, niveau + k) == CHOIX_AUCUN) @@ if (choix_de(tableau, niveau + k) != CHOIX_GAMELLE) @@ a food sorted into the bin stays on the board
src/draw/plateau.cpp @@ poser_cle_bleue(poubelle.get()); @@ (void)0; @@ the bins drawn with their blue box
src/draw/bidou.cpp @@ ATTENTE_MONTEE_MS = 700; @@ ATTENTE_MONTEE_MS = 70; @@ the walk's rests going up too short
src/draw/bidou.cpp @@ while (pos.y <= Y_MAX_DESCENTE) { @@ while (pos.y < Y_MAX_DESCENTE) { @@ the walk stops a row short
src/draw/ecrans.cpp @@ ALPHA_PAUSE = 168; @@ ALPHA_PAUSE = 255; @@ the pause screen hides the board
src/draw/ressources.cpp @@ if (!image && images_signalees().insert(chemin).second) @@ if (!image) @@ a missing picture reported on every load
src/draw/ressources.cpp @@ SDL_MapRGB(image->format, 0, 0, 255) @@ SDL_MapRGB(image->format, 0, 0, 254) @@ the colour key on the wrong blue
src/platform/plateforme_sdl.cpp @@ SDL_Flip(ecran); @@ (void)ecran; @@ the real window never presented
src/platform/plateforme_sdl.cpp @@ SDL_Delay(ms); @@ (void)ms; @@ the real waits return at once
src/platform/plateforme.hpp @@ if (ecart_ms(maintenant, echeance_) > 0)
            echeance_ = maintenant; @@ (void)maintenant; @@ a frame clock that fell behind rushes the missed frames through
src/platform/plateforme.hpp @@ echeance_(plateforme.ticks()) @@ echeance_(0) @@ a frame clock that starts from the clock's zero, not from now
src/flow/decompte.cpp @@ ecart_ms(echeance, au_plus_tard) > 0) @@ false) @@ the rest runs past the countdown's next step
src/flow/decompte.cpp @@ if (retard < 0) @@ if (maintenant < dernier_tic_ + DUREE_SECONDE) @@ the countdown reads the wrapping clock unsigned
src/flow/decompte.cpp @@ dernier_tic_ = plateforme_.ticks() - DUREE_SECONDE; @@ dernier_tic_ = 0; @@ the first countdown counted from the clock's zero, stuck for days after 24 days of uptime
src/flow/decompte.cpp @@ std::uint32_t echeance = debut_passe + PERIODE_SONDAGE; @@ std::uint32_t echeance = debut_passe + 10 * PERIODE_SONDAGE; @@ the rest ten times too long: clicks seen late
src/flow/aliment.cpp @@ if (!evenement && en_cours())
        reposer(debut); @@ if (en_cours())
        reposer(debut); @@ a burst of events drained one rest apart
src/platform/plateforme_sdl.cpp @@ if (reste > 0)
        SDL_Delay(static_cast<Uint32>(reste)); @@ (void)reste; @@ the real deadline waits return at once
src/draw/ressources.cpp @@ if (!cle || pixel != couleur_cle) @@ if (true) @@ the direct blit ignores the colour key
src/draw/ressources.cpp @@ Uint32(source[0]) | Uint32(source[1]) << 8 | Uint32(source[2]) << 16 @@ Uint32(source[2]) | Uint32(source[1]) << 8 | Uint32(source[0]) << 16 @@ the direct blit swaps red and blue
src/draw/ressources.cpp @@ std::min(x + image->w, clip.x + int(clip.w)) @@ (x + image->w) @@ the direct blit not clipped on the right
src/draw/ressources.cpp @@ std::memcpy(cible, source, static_cast<std::size_t>(x1 - x0) * 4); @@ std::memcpy(cible, source, static_cast<std::size_t>(x1 - x0) * 3); @@ the direct copy stops short of each row's end
src/draw/ressources.cpp @@ cible[x] = avec_cle && s == cle ? d : fondu; @@ cible[x] = fondu; @@ the fade ignores the colour key
src/draw/ressources.cpp @@ ((((s & 0xFF00FFu) - rb) * a + 0xFF00FFu) >> 8) @@ ((((s & 0xFF00FFu) - rb) * a) >> 8) @@ the fade rounds red and blue one shade off
src/flow/accueil.cpp @@ alpha <= ALPHA_FIN_INTRO; @@ alpha < ALPHA_FIN_INTRO; @@ the intro one frame short
src/flow/accueil.cpp @@ PERIODE_FONDU_DIFFICULTE = 8; @@ PERIODE_FONDU_DIFFICULTE = 4; @@ the difficulty fade twice too fast
src/flow/accueil.cpp @@ const bool derniere = alpha_ == 255; @@ const bool derniere = alpha_ == 254; @@ the difficulty fade stops short of the whole picture
src/flow/aliment.cpp @@ if (plateau_perime_ && en_cours()) { @@ if (en_cours()) { @@ the board redrawn on every pass
src/flow/aliment.cpp @@ son::POUBELLE);
    return true; @@ son::POUBELLE);
    return false; @@ a click that sorts is not drawn until the next second
src/flow/aliment.cpp @@ case SDLK_r:
            ouvrir_regles();
            return true; @@ case SDLK_r:
            ouvrir_regles();
            return false; @@ the board left hidden under the rules once they close
src/flow/decompte.cpp @@ dernier_tic_ = retard > static_cast<std::int32_t>(RETARD_MAXIMAL) ? maintenant : dernier_tic_ + DUREE_SECONDE; @@ dernier_tic_ = maintenant; @@ a late pass stretches the level's seconds
src/flow/decompte.cpp @@ dernier_tic_ = retard > static_cast<std::int32_t>(RETARD_MAXIMAL) ? maintenant : dernier_tic_ + DUREE_SECONDE; @@ dernier_tic_ += DUREE_SECONDE; @@ after a stall the missed seconds race by
src/flow/decompte.cpp @@ RETARD_MAXIMAL = 250; @@ RETARD_MAXIMAL = 2500; @@ the stall limit ten times too high
src/draw/plateau.cpp @@ if (cadre_gamelle(k).contient(x, y))
            return Tri{k, CHOIX_GAMELLE}; @@ if (cadre_gamelle(k).contient(x, y))
            return Tri{k, bouton == SDL_BUTTON_LEFT ? CHOIX_GAMELLE : CHOIX_POUBELLE}; @@ a right click on the bowl fills the bin
src/draw/plateau.cpp @@ if (cadre_poubelle(k).contient(x, y))
            return Tri{k, CHOIX_POUBELLE}; @@ if (cadre_poubelle(k).contient(x, y))
            return std::nullopt; @@ a click on the bin does nothing
src/draw/plateau.cpp @@ if (bouton != SDL_BUTTON_LEFT && bouton != SDL_BUTTON_RIGHT) @@ if (bouton != SDL_BUTTON_LEFT && bouton != SDL_BUTTON_RIGHT && bouton != SDL_BUTTON_MIDDLE) @@ the middle button sorts
src/flow/aliment.cpp @@ if (phase_ == Phase::Perdu)
        afficher_erreurs @@ if (false)
        afficher_erreurs @@ no red crosses after a lost level
src/flow/aliment.cpp @@ if (phase_ == Phase::Perdu)
        afficher_erreurs @@ if (phase_ == Phase::Perdu || phase_ == Phase::Tri)
        afficher_erreurs @@ red crosses over the wrong foods during play
src/draw/plateau.cpp @@ if (!triee || choix == tableau[static_cast<std::size_t>(LIGNE_BON + i)]) @@ if (!triee) @@ a red cross on every sorted food
src/rules/niveau.cpp @@ *pid == ::getpid() || @@ false || @@ start-up keeps the leftovers of an earlier process with the game's number
src/flow/attente.cpp @@ return clic_gauche(e);
} @@ return false;
} @@ a double tap's second tap acts on the screen that follows
src/flow/attente.cpp @@ if (depuis < 0 || depuis >= @@ if (depuis >= @@ a screen left 25 days takes every tap for a double tap's
src/flow/attente.cpp @@ DUREE_DOUBLE_TAP = 300; @@ DUREE_DOUBLE_TAP = 30; @@ the double tap's window too short for a child's
src/flow/aliment.cpp @@ piste_choisie(e) >= 0; }); @@ piste_choisie(e) > 5; }); @@ a card tapped while the cards fade in is dropped
src/flow/aliment.cpp @@ if (choix)
            fondu.achever(); @@ if (false)
            fondu.achever(); @@ a fade ended by a choice leaves its picture half drawn
src/flow/aliment.cpp @@ if (BOUTON_PAUSE.contient(e.button.x, e.button.y)) { @@ if (false) { @@ the board's pause button does nothing
src/flow/aliment.cpp @@ if (BOUTON_REGLES.contient(e.button.x, e.button.y)) { @@ if (false) { @@ the board's rules button does nothing
src/flow/aliment.cpp @@ if (pause_demandee(e) && phase_ == Phase::Tri) { @@ if (pause_demandee(e)) { @@ the page's pause request pauses a verdict
src/flow/partie.hpp @@ FIN_DE_PISTE{true, true, true}; @@ FIN_DE_PISTE{true, false, true}; @@ the page's pause request during the track-end picture lost
src/flow/aliment.cpp @@ return demande_de_quitter(e) || clic_gauche(e); }); @@ return demande_de_quitter(e); }); @@ the end picture deaf to a tap
src/flow/aliment.cpp @@ if (niveau_ < 0 || niveau_ >= NIVEAU_FINI) @@ if (niveau_ < 0 || niveau_ > NIVEAU_FINI) @@ a finished game marks the hard card with a level 20
src/flow/aliment.cpp @@ std::to_string(niveau_ / ALIMENTS_PAR_NIVEAU + 1) @@ std::to_string(niveau_ / ALIMENTS_PAR_NIVEAU) @@ the saved card's number one short
src/flow/aliment.cpp @@ if (!muet_)
        plateforme_.jouer_son @@ if (true)
        plateforme_.jouer_son @@ the mute silences nothing
src/flow/aliment.cpp @@ if (muet_)
        plateforme_.faire_taire(); @@ if (false)
        plateforme_.faire_taire(); @@ muting lets the name or the rules being said play on
src/flow/aliment.cpp @@ dire(son::aliment(static_cast<std::size_t>(niveau_ + tri->rangee))); @@ dire(son::aliment(static_cast<std::size_t>(tri->rangee))); @@ the names of level 1's foods said on every level
src/flow/aliment.cpp @@ dire(choix == CHOIX_GAMELLE ? son::CROQUE : son::POUBELLE); @@ dire(choix == CHOIX_GAMELLE ? son::POUBELLE : son::CROQUE); @@ the bowl thuds and the bin crunches
src/flow/aliment.cpp @@ ecart_ms(maintenant, *dernier_pas) < static_cast<std::int32_t>(son::CYCLE_PAS_MS) @@ ecart_ms(maintenant, *dernier_pas) < 0 @@ the steps' clip started again on every frame of the walk
src/flow/aliment.cpp @@ plateforme_.faire_taire();
} @@ } @@ the rules go on being said once closed
src/flow/aliment.cpp @@ dire(tactile_ ? son::VOIX_REGLES_TACTILE : son::VOIX_REGLES); @@ dire(son::VOIX_REGLES); @@ a touch screen's rules say "clic"
src/flow/aliment.cpp @@ if (basculer_son(ev, BOUTON_SON_CARTES)) { @@ if (false) { @@ the cards' speaker does nothing
src/flow/aliment.cpp @@ muet_ = plateforme_.muet_au_depart(); @@ muet_ = false; @@ the mute the page kept is forgotten
src/flow/aliment.cpp @@ plateforme_.son_coupe(muet_); @@ plateforme_.son_coupe(true); @@ the page keeps a mute the child took back
FIN
)

# One mutant per record: records are separated by a line that starts with "src/".
lire_mutants() {
  perl -0777 -ne '
    for my $m (split /\n(?=src\/)/) {
      my ($fichier, $avant, $apres, $quoi) = split / \@\@ /, $m;
      $quoi =~ s/\n\z//;
      print join("\x1e", $fichier, $avant, $apres, $quoi), "\x1d";
    }' <<<"$mutants"
}

mapfile -d $'\x1d' -t liste < <(lire_mutants)

if [ "$lister" = 1 ]; then
  for i in "${!liste[@]}"; do
    IFS=$'\x1e' read -r -d '' fichier _ _ quoi <<<"${liste[$i]}" || true
    printf '%2d  %-32s %s\n' $((i + 1)) "$fichier" "${quoi%$'\n'}"
  done
  exit 0
fi

# How many times the text $2 stands in file $1.
occurrences() {
  AVANT=$2 perl -0777 -ne 'my $n = () = /\Q$ENV{AVANT}\E/g; print $n' "$1" 2>/dev/null || echo 0
}

if [ "$verifier" = 1 ]; then
  perimes=0
  for i in "${!liste[@]}"; do
    numero=$((i + 1))
    [ -n "$seuls" ] && [[ $seuls != *",$numero,"* ]] && continue
    IFS=$'\x1e' read -r -d '' fichier avant _ quoi <<<"${liste[$i]}" || true
    n=$(occurrences "$arbre/$fichier" "$avant")
    if [ "$n" != 1 ]; then
      perimes=$((perimes + 1))
      printf '%2d  NOT APPLIED  %s: %s (found %s times)\n' "$numero" "$fichier" "${quoi%$'\n'}" "$n"
    fi
  done
  echo "mutants: ${#liste[@]} listed, $perimes not applied"
  [ "$perimes" = 0 ]
  exit
fi

# The file under mutation and its original, kept in the build directory; put back on
# any exit, and at the start in case a previous run was killed outright.
mkdir -p "$construction"
sauvegarde=$construction/original
remettre() {
  if [ -f "$sauvegarde" ] && [ -f "$sauvegarde.chemin" ]; then
    # A plain copy: the restored file is newer than the mutant's objects, so the next
    # build compiles it again.
    cp "$sauvegarde" "$(cat "$sauvegarde.chemin")"
    rm -f "$sauvegarde" "$sauvegarde.chemin"
  fi
}
remettre
# ctest runs in a process group of its own, in the background, and is waited for: an
# interruption reaches the trap at once, which ends that group, the tests included: the
# shell waits with the wait builtin, which a signal interrupts (not inside $(...)).
groupe_ctest=""
ctest_attendu() {
  setsid nice ctest "$@" &
  groupe_ctest=$!
  wait "$groupe_ctest"
  local statut=$?
  groupe_ctest=""
  return $statut
}
arreter_ctest() { [ -z "$groupe_ctest" ] || kill -- -"$groupe_ctest" 2>/dev/null; }
trap remettre EXIT
trap 'arreter_ctest; remettre; exit 130' INT TERM

# Replaces the one occurrence of $2 by $3 in file $1; fails if $2 is not there exactly once.
muter() {
  AVANT=$2 APRES=$3 perl -0777 -i -pe '
    my $n = () = /\Q$ENV{AVANT}\E/g;
    die "found $n times\n" unless $n == 1;
    s/\Q$ENV{AVANT}\E/$ENV{APRES}/;' "$1"
}

construire() { nice cmake --build "$construction" -j"$coeurs" >"$construction/build.log" 2>&1; }

# Runs the groups in turn; returns 1 at the first failure, its test named in $premier_echec.
# Tests that fail on the unmutated tree are left out (see below): they would "kill" any mutant.
groupes=(
  "-LE xvfb|installation|ressources"
  "-L ressources -LE installation"
  "-L xvfb -LE installation"
)
essayer() {
  local groupe
  for groupe in "${groupes[@]}"; do
    # Without the costs of earlier runs CTest starts the tests in the order they are
    # declared, unit tests first, instead of the longest first.
    rm -f "$construction/Testing/Temporary/CTestCostData.txt"
    # shellcheck disable=SC2086  # the group is a list of options
    if ! ctest_attendu --test-dir "$construction" $groupe "${exclus[@]}" -j"$coeurs" --timeout 120 \
      --stop-on-failure --no-tests=ignore >"$construction/ctest.log" 2>&1; then
      premier_echec=$(head -n1 "$construction/Testing/Temporary/LastTestsFailed.log" 2>/dev/null | cut -d: -f2-)
      return 1
    fi
  done
  return 0
}

cmake -S "$arbre" -B "$construction" -DBUILD_TESTING=ON >/dev/null || exit 1
echo "mutants: building $arbre unmutated"
construire || { echo "mutants: the unmutated tree does not build (see $construction/build.log)" >&2; exit 1; }
# The unmutated suite, every group to its end: a test that fails here, even once (a timing
# test on a busy machine), is left out of every mutant's run and named.
debut=$SECONDS
instables=()
[ "$sans_reference" = 1 ] && groupes_reference=() || groupes_reference=("${groupes[@]}")
for groupe in "${groupes_reference[@]}"; do
  # shellcheck disable=SC2086
  if ! ctest_attendu --test-dir "$construction" $groupe "${exclus[@]}" -j"$coeurs" --timeout 120 \
    --no-tests=ignore >"$construction/ctest.log" 2>&1; then
    mapfile -t echoues < <(cut -d: -f2- "$construction/Testing/Temporary/LastTestsFailed.log")
    instables+=("${echoues[@]}")
  fi
done
[ "$sans_reference" = 1 ] || echo "mutants: the unmutated suite ran in $((SECONDS - debut)) s"
[ ${#exclus[@]} = 0 ] || echo "mutants: left out as asked: ${exclus[1]}"
if [ ${#instables[@]} -gt 0 ]; then
  echo "mutants: left out, failing on the unmutated tree: ${instables[*]}"
  motif=$(printf '%s\n' "${instables[@]}" | sed 's/[][\\.^$*+?(){}|/]/\\&/g' | paste -sd'|')
  [ ${#exclus[@]} = 0 ] || motif="$motif|${exclus[1]}"
  exclus=(-E "^($motif)\$")
fi

tues=0 survivants=0 mort_nes=0 non_appliques=0 total=0
debut=$SECONDS
for i in "${!liste[@]}"; do
  numero=$((i + 1))
  [ -n "$seuls" ] && [[ $seuls != *",$numero,"* ]] && continue
  IFS=$'\x1e' read -r -d '' fichier avant apres quoi <<<"${liste[$i]}" || true
  quoi=${quoi%$'\n'}
  chemin=$arbre/$fichier
  depart=$SECONDS
  cp "$chemin" "$sauvegarde"
  echo "$chemin" >"$sauvegarde.chemin"
  if ! erreur=$(muter "$chemin" "$avant" "$apres" 2>&1); then
    remettre
    non_appliques=$((non_appliques + 1))
    printf '%2d  NOT APPLIED  %s: %s (%s)\n' "$numero" "$fichier" "$quoi" "$erreur"
    continue
  fi
  total=$((total + 1))
  if ! construire; then
    mort_nes=$((mort_nes + 1))
    printf '%2d  NO BUILD     %s: %s\n' "$numero" "$fichier" "$quoi"
  elif essayer; then
    survivants=$((survivants + 1))
    printf '%2d  SURVIVED     %s: %s (%d s)\n' "$numero" "$fichier" "$quoi" $((SECONDS - depart))
  else
    tues=$((tues + 1))
    printf '%2d  killed       %s: %s (%d s, by %s)\n' "$numero" "$fichier" "$quoi" $((SECONDS - depart)) "$premier_echec"
  fi
  remettre
done
construire || true
echo "mutants: $tues killed, $survivants survived, $mort_nes did not build, of $total," \
  "$non_appliques not applied ($((SECONDS - debut)) s)"
[ $((survivants + mort_nes + non_appliques)) = 0 ]

// The game flow: start-up, the opening, the levels, the end and the shutdown, in order.
// The start-up checks live in demarrage, the intro and the track choice in accueil, the
// countdown and the rest between passes in decompte, the Partie they share in partie.hpp.
// All lasting state lives in one Partie for the whole run; the rules and drawing
// functions get what they need as arguments and keep nothing.
#include "aliment.hpp"

#include <SDL_ttf.h>

#include <cstdio>
#include <exception>
#include <optional>

#include "draw/bidou.hpp"
#include "draw/ecrans.hpp"
#include "draw/geometrie.hpp"
#include "draw/noms_images.hpp"
#include "draw/plateau.hpp"
#include "draw/ressources.hpp"
#include "draw/score.hpp"
#include "flow/accueil.hpp"
#include "flow/demarrage.hpp"
#include "flow/messages.hpp"
#include "flow/partie.hpp"
#include "rules/niveau.hpp"
#include "rules/pistes.hpp"
#include "rules/tableau.hpp"

namespace flux {
namespace {

constexpr std::uint32_t DUREE_FIN_DE_PISTE = 12000;  // ms

}  // namespace

int Partie::jouer()
{
    if (const int statut = demarrer(moteur_polices_, police_, TAILLE_MESSAGE, video_))
        return statut;

    // SDL wants the icon before the video mode.
    icone_ = charger_image(image::ICONE);
    if (icone_)
        SDL_WM_SetIcon(icone_.get(), nullptr);
    ecran_ = SDL_SetVideoMode(LARGEUR_ECRAN, HAUTEUR_ECRAN, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (!ecran_)
        return echec("SDL_SetVideoMode", SDL_GetError());
    remplir(255, 255, 255);
    SDL_WM_SetCaption("Grignotin", nullptr);

    // What the child does during the intro and the fade is dropped as each ends: a click
    // there must not choose a track the child has not seen yet. A request to quit is kept.
    fondu_intro(ecran_, plateforme_);
    if (plateforme_.ecarter_saisies())
        continuer_ = false;
    remplir(255, 255, 128);
    nettoyer_provisoires();  // what a game killed in the middle of a save left behind
    lire_niveau(niveau_);
    if (continuer_) {
        fondu_difficulte(ecran_, plateforme_);
        if (plateforme_.ecarter_saisies())
            continuer_ = false;
    }
    if (continuer_)
        choisir_piste();

    // Shown however the choice ended, Escape and the window's close included.
    fond_ = au_format_ecran(charger_image(image::FOND));
    coller(ecran_, fond_.get(), position_fond_.x, position_fond_.y);
    plateforme_.presenter(ecran_);

    commencer_decompte();
    while (niveau_ <= NIVEAU_FINI - 1 && continuer_)
        jouer_niveau();
    // With `continuer_` still set, the loop ended because every level is passed.
    if (continuer_)
        ecran_de_fin();
    return 0;
}

void Partie::choisir_piste()
{
    const int piste = attendre_choix_de_piste(plateforme_);
    if (piste < 0) {
        continuer_ = false;
        return;
    }
    niveau_ = niveau_apres_choix(piste, niveau_);
    difficulte_ = piste;
}

void Partie::jouer_niveau()
{
    continuer_niveau_ = true;
    reste_ = SECONDES_PAR_NIVEAU;
    sprite_bidou_ = charger_image_cle(image::BIDOU);
    coller(ecran_, sprite_bidou_.get(), position_bidou_.x, position_bidou_.y);
    remplir_tableau(tableau_);
    afficher_aliment(ecran_, tableau_, niveau_);
    temps_fini_ = charger_image(image::TEMPS_FINI);
    plateau_perime_ = true;  // the set-up draws but does not present: the first pass does

    while (continuer_niveau_)
        passe();

    // The file, not memory, decides which level follows: the one the verdict saved, or
    // the same one after s. When the file could not take the last save (read-only
    // directory, full disk), the level that save meant to store follows instead: the
    // file still holds an older level, and a child who won would play the same level
    // again for ever. After a time-up the level that timed out is played again, as its
    // picture says: the file may hold another track's level, or the finished game. The
    // countdown stops at the verdict, so it reaches 0 only when the time ran out.
    if (reste_ != 0) {
        if (niveau_non_sauve_)
            niveau_ = *niveau_non_sauve_;
        else
            lire_niveau(niveau_);
    }
    message_ = rendre_message(" ");
    bouton_.reset();
    verdict_en_attente_ = true;
    erreurs_visibles_ = false;
}

void Partie::passe()
{
    const std::uint32_t debut = plateforme_.ticks();
    plateau_perime_ |= decompter();
    // Time up means time up: once its screen is closed, nothing more is sorted, walked,
    // judged or saved in this level, not even by a click queued behind the r.
    if (!continuer_niveau_)
        return;
    // Each event is handled once. Handling the last event again while the queue is
    // empty would replay a stale click into the next level, or a held s level after level.
    SDL_Event e;
    const bool evenement = plateforme_.sonder_evenement(e);
    if (evenement)
        plateau_perime_ |= traiter(e);
    if (tous_choisi(tableau_, niveau_) && verdict_en_attente_) {
        juger();
        plateau_perime_ = true;
    }
    plateau_perime_ |= fin_de_piste_eventuelle();
    // Deliberately, the board is redrawn only when something on it changed: a countdown
    // step, a click that sorted or moved a food, a screen that closed over it, the
    // verdict, or a new level. A pass with nothing new (no event, a mouse motion, a
    // release, a key that does nothing) draws nothing, so a level at rest or under a
    // moving pointer costs next to nothing. A key that ends the level draws nothing
    // either: the next level's first pass does.
    if (plateau_perime_ && continuer_niveau_) {
        redessiner();
        plateau_perime_ = false;
    }
    if (!evenement && continuer_niveau_)
        reposer(debut);
}

// Handles one event; true when the board must be drawn again.
bool Partie::traiter(const SDL_Event& e)
{
    switch (e.type) {
    case SDL_MOUSEBUTTONDOWN:
        // After the verdict, a tap on the message box goes on as s does; before it, the
        // box is no button, so a stray tap there cannot skip a level (an addition).
        if (!verdict_en_attente_ && clic_gauche(e) && CADRE_MESSAGE.contient(e.button.x, e.button.y)) {
            finir_niveau();
            return false;
        }
        return cliquer(e.button);
    case SDL_QUIT:
        quitter();
        break;
    case SDL_KEYDOWN:
        switch (e.key.keysym.sym) {
        case SDLK_p:
            pause(ecran_, plateforme_);
            reprendre_decompte();
            return true;
        case SDLK_r:
            regle_jeu(ecran_, plateforme_);
            reprendre_decompte();
            return true;
        case SDLK_s:
            finir_niveau();
            break;
        case SDLK_ESCAPE:
            quitter();
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return false;
}

// What s does, and a tap on the verdict's box: the level ends, and the next one is
// whatever the file then holds.
void Partie::finir_niveau()
{
    continuer_niveau_ = false;
    // Once all five are sorted the verdict has saved already.
    if (!tous_choisi(tableau_, niveau_))
        sauver(niveau_);
}

void Partie::quitter()
{
    continuer_niveau_ = false;
    continuer_ = false;
}

// True when the click sorted a food or moved one between bowl and bin.
bool Partie::cliquer(const SDL_MouseButtonEvent& b)
{
    // A sorted food may change sides, even after the verdict: the board and the score
    // follow, but the verdict and the file stay as they were.
    const std::optional<Tri> tri = tri_du_clic(b.x, b.y, b.button);
    if (!tri)
        return false;
    std::int32_t& choix = tableau_[static_cast<std::size_t>(LIGNE_CHOIX + niveau_ + tri->rangee)];
    const std::int32_t avant = choix;
    choix = tri->choix;
    return choix != avant;
}

void Partie::juger()
{
    deplacer_bidou(ecran_, sprite_bidou_.get(), tableau_, fond_.get(), position_fond_, position_bidou_, niveau_,
                   plateforme_);
    // What the child did while Bidou walked is dropped: a click then would change the
    // score under the verdict, or skip it, unseen. Quitting still quits, once the verdict
    // below has saved.
    if (plateforme_.ecarter_saisies())
        quitter();
    reprendre_decompte();
    verdict_en_attente_ = false;
    if (resultat(tableau_, niveau_) == ALIMENTS_PAR_NIVEAU) {
        sprite_bidou_ = charger_image(image::BIDOU_GROS);
        bouton_ = charger_image_cle(image::BOUTON_SUIVANT);
        message_ = rendre_message(MESSAGE_GAGNE);
        if (dernier_niveau_de_piste(niveau_))
            fin_de_piste_ = true;
        sauver(niveau_ + ALIMENTS_PAR_NIVEAU);
    } else {
        sprite_bidou_ = charger_image(image::CERCUEIL);
        bouton_ = charger_image_cle(image::BOUTON_REJOUER);
        message_ = rendre_message(MESSAGE_PERDU);
        sauver(niveau_);
        // From now until the level ends, the wrong foods show a red cross (an addition).
        erreurs_visibles_ = true;
    }
    coller(ecran_, message_.get(), X_MESSAGE, Y_MESSAGE);
    poser_cle_bleue(sprite_bidou_.get());
}

// True when it showed the track-end picture.
bool Partie::fin_de_piste_eventuelle()
{
    // The flag is set at the end of a track but `niveau_` moves only between levels,
    // so the picture comes early in the next track's first level, and never to a
    // player who chose that track.
    if (!fin_de_piste_ || !arrive_sur_la_piste_suivante(niveau_, difficulte_))
        return false;
    fin_de_piste_ = false;
    const Surface image = charger_image(image::PSEUDO_FIN);
    coller(ecran_, image.get(), 0, 0);
    plateforme_.presenter(ecran_);
    plateforme_.attendre(DUREE_FIN_DE_PISTE);
    // Clicks made during the picture would sort the foods of a level the child has not seen.
    if (plateforme_.ecarter_saisies())
        quitter();
    reprendre_decompte();
    return true;
}

void Partie::redessiner()
{
    afficher_score(ecran_, tableau_, niveau_, reste_, plateforme_);
    coller(ecran_, fond_.get(), position_fond_.x, position_fond_.y);
    coller(ecran_, message_.get(), X_MESSAGE, Y_MESSAGE);
    // From the verdict on, the button that says a tap on the box goes on (an addition).
    if (!verdict_en_attente_)
        coller(ecran_, bouton_.get(), BOUTON_VERDICT.x, BOUTON_VERDICT.y);
    coller(ecran_, sprite_bidou_.get(), position_bidou_.x, position_bidou_.y);
    afficher_aliment(ecran_, tableau_, niveau_);
    if (erreurs_visibles_)
        afficher_erreurs(ecran_, tableau_, niveau_);
    afficher_gamelle_poubelle(ecran_, tableau_, niveau_, plateforme_);
    plateforme_.presenter(ecran_);
}

void Partie::ecran_de_fin()
{
    // The last board stays until the first event of any kind brings the end picture.
    for (bool encore = true; encore;) {
        SDL_Event e;
        plateforme_.attendre_evenement(e);
        encore = !(touche_enfoncee(e, SDLK_ESCAPE) || e.type == SDL_QUIT);
        if (!fini_)
            fini_ = charger_image(image::FINI);
        coller(ecran_, fini_.get(), 0, 0);
        plateforme_.presenter(ecran_);
    }
}

void Partie::sauver(std::int32_t valeur)
{
    const std::error_code erreur = ecrire_niveau(valeur);
    if (!erreur)
        plateforme_.progression_sauvee();
    // Kept until a save succeeds: a later level that saves nothing (a time-up) then
    // follows this value, as it would have followed the file had the save worked.
    niveau_non_sauve_ = erreur ? std::optional<std::int32_t>(valeur) : std::nullopt;
    // Once per run: the game goes on, and the old progress is still in the file.
    if (erreur && !sauvegarde_signalee_) {
        std::fprintf(stderr, "grignotin: cannot save progress in %s: %s\n", FICHIER_NIVEAU,
                     erreur.message().c_str());
        sauvegarde_signalee_ = true;
    }
}

}  // namespace flux

int jouer(Plateforme& plateforme)
{
    oublier_images_signalees();
    flux::Partie partie(plateforme);
    return partie.jouer();
}

extern "C" int SDL_main(int, char*[])
{
    try {
        PlateformeSdl plateforme;
        return jouer(plateforme);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "grignotin: %s\n", e.what());
        return 1;
    }
}

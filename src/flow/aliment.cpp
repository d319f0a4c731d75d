// The game flow: start-up, the opening, the levels, the end and the shutdown, in order.
// The start-up checks live in demarrage, the intro and the track choice in accueil, the
// countdown and the rest between passes in decompte, the Partie they share in partie.hpp.
// All lasting state lives in one Partie for the whole run; the rules and drawing
// functions get what they need as arguments and keep nothing.
#include "aliment.hpp"

#include <SDL_ttf.h>

#include <cstdio>
#include <string>
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
#include "flow/sons.hpp"
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
    tactile_ = plateforme_.tactile();
    muet_ = plateforme_.muet_au_depart();  // the page's choice from the last visit
    bouton_pause_ = charger_image_cle(image::BOUTON_PAUSE);
    bouton_regles_ = charger_image_cle(image::BOUTON_REGLES);
    bouton_son_ = charger_image_cle(image::BOUTON_SON);
    bouton_muet_ = charger_image_cle(image::BOUTON_MUET);

    // What the child does during the intro is dropped as it ends: a click there must not
    // choose a track the child has not seen yet. A request to quit is kept.
    animer(INTRO, [&] {
        fondu_intro(ecran_, plateforme_);
        return false;
    });
    remplir(255, 255, 128);
    nettoyer_provisoires();  // what a game killed in the middle of a save left behind
    lire_niveau(niveau_);
    if (phase_ != Phase::Quitte) {
        // The cards can be seen while they fade in: a card tapped then, or 1, 2 or 3,
        // chooses at once (an addition); everything else done then is dropped.
        FonduDifficulte fondu(ecran_, plateforme_, tactile_, [&] {
            marquer_carte();
            dessiner_bouton_son(BOUTON_SON_CARTES);
        });
        // m or the speaker's place mutes during the fade too; the speaker shows with the cards.
        const std::optional<SDL_Event> choix =
            animer(FONDU, [&] { return fondu.image_suivante(); },
                   [&](const SDL_Event& e) { return !basculer_son(e, BOUTON_SON_CARTES) && piste_choisie(e) >= 0; });
        if (choix)
            fondu.achever();  // the whole picture and its mark, seen before the level comes
        else if (phase_ != Phase::Quitte)
            dire(son::VOIX_CARTES);  // the cards are all there: Bidou invites the child to choose
        if (phase_ != Phase::Quitte)
            choisir_piste(choix);
    }

    // Shown however the choice ended, Escape and the window's close included.
    fond_ = au_format_ecran(charger_image(image::pour(image::FOND, tactile_)));
    coller(ecran_, fond_.get(), position_fond_.x, position_fond_.y);
    plateforme_.presenter(ecran_);

    commencer_decompte();
    while (niveau_ <= NIVEAU_FINI - 1 && phase_ != Phase::Quitte)
        jouer_niveau();
    // Not quit: the loop ended because every level is passed.
    if (phase_ != Phase::Quitte)
        ecran_de_fin();
    return 0;
}

// `deja`: the event that chose during the fade, if one did.
void Partie::choisir_piste(std::optional<SDL_Event> deja)
{
    // The speaker serves here too: it is drawn again and shown at once, nothing else changes.
    const SDL_Event e = deja ? *deja : attendre_ecran(CHOIX, {}, false, [&](const SDL_Event& ev) {
        if (basculer_son(ev, BOUTON_SON_CARTES)) {
            dessiner_bouton_son(BOUTON_SON_CARTES);
            plateforme_.presenter(ecran_);
            return false;
        }
        return demande_de_quitter(ev) || piste_choisie(ev) >= 0;
    });
    if (demande_de_quitter(e)) {
        quitter();
        return;
    }
    const int piste = piste_choisie(e);
    niveau_ = niveau_apres_choix(piste, niveau_);
    difficulte_ = piste;
}

void Partie::dire(const std::string& nom)
{
    if (!muet_)
        plateforme_.jouer_son(nom.c_str());
}

bool Partie::basculer_son(const SDL_Event& e, const Cadre& bouton)
{
    const bool tap = clic_gauche(e) && bouton.contient(e.button.x, e.button.y);
    if (!tap && !touche_enfoncee(e, SDLK_m))
        return false;
    // A double tap on the speaker toggles once, as a double tap on any button acts once.
    noter_fermeture(e);
    muet_ = !muet_;
    if (muet_)
        plateforme_.faire_taire();
    plateforme_.son_coupe(muet_);
    return true;
}

// The speaker, crossed out while muted; both pictures share one outline, so either covers the other.
void Partie::dessiner_bouton_son(const Cadre& bouton)
{
    coller(ecran_, (muet_ ? bouton_muet_ : bouton_son_).get(), bouton.x, bouton.y);
}

// Where the child stands, on the card of the track that holds the saved level: Bidou's
// head, and the level's number under it (an addition). A finished game marks no card:
// there is no level to resume, every card starts its track afresh but the hard one, which
// leads to the end picture again (the track rules are unchanged).
void Partie::marquer_carte()
{
    if (niveau_ < 0 || niveau_ >= NIVEAU_FINI)
        return;
    const Cadre marque = marque_carte(piste_du_niveau(niveau_));
    const Surface tete = charger_image_cle(image::MARQUE);
    coller(ecran_, tete.get(), marque.x, marque.y);
    const std::string numero = std::to_string(niveau_ / ALIMENTS_PAR_NIVEAU + 1);
    const Surface texte = rendre_message(numero.c_str());
    if (texte)
        coller(ecran_, texte.get(), static_cast<std::int16_t>(marque.x + (marque.largeur - texte->w) / 2),
               static_cast<std::int16_t>(marque.y + marque.hauteur));
}

void Partie::jouer_niveau()
{
    phase_ = Phase::Tri;
    reste_ = SECONDES_PAR_NIVEAU;
    sprite_bidou_ = charger_image_cle(image::BIDOU);
    coller(ecran_, sprite_bidou_.get(), position_bidou_.x, position_bidou_.y);
    remplir_tableau(tableau_);
    afficher_aliment(ecran_, tableau_, niveau_);
    temps_fini_ = charger_image(image::pour(image::TEMPS_FINI, tactile_));
    plateau_perime_ = true;  // the set-up draws but does not present: the first pass does

    while (en_cours())
        passe();

    // The file, not memory, decides which level follows: the one the verdict saved, or
    // the same one after s. When the file could not take the last save (read-only
    // directory, full disk), the level that save meant to store follows instead: the
    // file still holds an older level, and a child who won would play the same level
    // again for ever. After a time-up the level that timed out is played again, as its
    // picture says: the file may hold another track's level, or the finished game.
    if (phase_ != Phase::TempsEcoule) {
        if (niveau_non_sauve_)
            niveau_ = *niveau_non_sauve_;
        else
            lire_niveau(niveau_);
    }
    message_ = rendre_message(" ");
    bouton_.reset();
}

void Partie::passe()
{
    const std::uint32_t debut = plateforme_.ticks();
    // The page asked for the pause while the game waited (the track-end picture): a level
    // that counts opens it before it counts on, so that it never runs out unseen.
    if (pause_gardee_) {
        pause_gardee_ = false;
        if (phase_ == Phase::Tri) {
            ouvrir_pause();
            plateau_perime_ = true;
        }
    }
    plateau_perime_ |= decompter();
    // Time up means time up: once its screen is closed, nothing more is sorted, walked,
    // judged or saved in this level, not even by a click queued behind the r.
    if (!en_cours())
        return;
    // Each event is handled once. Handling the last event again while the queue is
    // empty would replay a stale click into the next level, or a held s level after level.
    SDL_Event e;
    const bool evenement = sonder(e);
    if (evenement)
        plateau_perime_ |= traiter(e);
    if (tous_choisi(tableau_, niveau_) && phase_ == Phase::Tri) {
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
    if (plateau_perime_ && en_cours()) {
        redessiner();
        plateau_perime_ = false;
    }
    if (!evenement && en_cours())
        reposer(debut);
}

// Handles one event; true when the board must be drawn again.
bool Partie::traiter(const SDL_Event& e)
{
    switch (e.type) {
    case SDL_MOUSEBUTTONDOWN:
        if (basculer_son(e, BOUTON_SON))
            return true;
        if (clic_gauche(e)) {
            // The board's buttons open what p and r open, for a finger (an addition).
            if (BOUTON_PAUSE.contient(e.button.x, e.button.y)) {
                noter_fermeture(e);
                ouvrir_pause();
                return true;
            }
            if (BOUTON_REGLES.contient(e.button.x, e.button.y)) {
                noter_fermeture(e);
                ouvrir_regles();
                return true;
            }
            // After the verdict, a tap on the message box goes on as s does; before it,
            // the box is no button, so a stray tap there cannot skip a level (an addition).
            if (au_verdict() && CADRE_MESSAGE.contient(e.button.x, e.button.y)) {
                noter_fermeture(e);
                finir_niveau();
                return false;
            }
        }
        return cliquer(e.button);
    case SDL_QUIT:
        quitter();
        break;
    case SDL_USEREVENT:
        // The page hidden, or the parents' note opened: a level that counts pauses, as
        // with p, so that it never runs out unseen. After the verdict nothing counts.
        if (pause_demandee(e) && phase_ == Phase::Tri) {
            ouvrir_pause();
            return true;
        }
        break;
    case SDL_KEYDOWN:
        switch (e.key.keysym.sym) {
        case SDLK_p:
            ouvrir_pause();
            return true;
        case SDLK_r:
            ouvrir_regles();
            return true;
        case SDLK_m:
            basculer_son(e, BOUTON_SON);
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
    phase_ = Phase::Termine;
    // Once all five are sorted the verdict has saved already.
    if (!tous_choisi(tableau_, niveau_))
        sauver(niveau_);
}

void Partie::quitter() { phase_ = Phase::Quitte; }

void Partie::ouvrir_pause()
{
    attendre_ecran(PAUSE, [&] { dessiner_pause(ecran_, tactile_); }, false, ferme_la_pause);
}

// Loaded, drawn and presented again after every event, mouse motion included. Said aloud
// as they open, in the words the picture shows; stopped as they close.
void Partie::ouvrir_regles()
{
    dire(tactile_ ? son::VOIX_REGLES_TACTILE : son::VOIX_REGLES);
    attendre_ecran(REGLES, [&] { dessiner_regles(ecran_, tactile_); }, true, ferme_les_regles);
    plateforme_.faire_taire();
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
    if (choix == avant)
        return false;
    // Its name as it lands, with the bowl's crunch or the bin's thud; said again when it
    // changes sides. The newest name cuts off one still playing (the platform's voice).
    dire(son::aliment(static_cast<std::size_t>(niveau_ + tri->rangee)));
    dire(choix == CHOIX_GAMELLE ? son::CROQUE : son::POUBELLE);
    return true;
}

void Partie::juger()
{
    phase_ = Phase::Marche;
    // The steps' clip from the first frame that moves, then again on the first frame a
    // whole cycle of pats later, for as long as the pet moves.
    std::optional<std::uint32_t> dernier_pas;
    const auto un_pas = [&] {
        const std::uint32_t maintenant = plateforme_.ticks();
        if (dernier_pas && ecart_ms(maintenant, *dernier_pas) < static_cast<std::int32_t>(son::CYCLE_PAS_MS))
            return;
        dernier_pas = maintenant;
        dire(son::PAS);
    };
    // What the child did while Bidou walked is dropped: a click then would change the
    // score under the verdict, or skip it, unseen. Quitting still quits, once the verdict
    // below has saved.
    animer(MARCHE, [&] {
        deplacer_bidou(ecran_, sprite_bidou_.get(), tableau_, fond_.get(), position_fond_, position_bidou_,
                       niveau_, plateforme_, un_pas);
        return false;
    });
    const bool quitte = phase_ == Phase::Quitte;
    if (resultat(tableau_, niveau_) == ALIMENTS_PAR_NIVEAU) {
        phase_ = Phase::Gagne;
        sprite_bidou_ = charger_image(image::BIDOU_GROS);
        bouton_ = charger_image_cle(image::BOUTON_SUIVANT);
        message_ = rendre_message(MESSAGE_GAGNE);
        dire(son::AIR_GAGNE);
        dire(son::VOIX_GAGNE);
        if (dernier_niveau_de_piste(niveau_))
            fin_de_piste_ = true;
        sauver(niveau_ + ALIMENTS_PAR_NIVEAU);
    } else {
        phase_ = Phase::Perdu;
        sprite_bidou_ = charger_image(image::CERCUEIL);
        bouton_ = charger_image_cle(image::BOUTON_REJOUER);
        message_ = rendre_message(MESSAGE_PERDU);
        dire(son::AIR_PERDU);
        dire(son::VOIX_PERDU);
        // From now until the level ends, the wrong foods show a red cross (an addition).
        sauver(niveau_);
    }
    if (quitte)
        quitter();
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
    // Clicks made during the picture would sort the foods of a level the child has not seen.
    animer(FIN_DE_PISTE, [&] {
        const Surface image = charger_image(image::PSEUDO_FIN);
        coller(ecran_, image.get(), 0, 0);
        plateforme_.presenter(ecran_);
        dire(son::VOIX_FIN_DE_PISTE);
        plateforme_.attendre(DUREE_FIN_DE_PISTE);
        return false;
    });
    return true;
}

void Partie::redessiner()
{
    afficher_score(ecran_, tableau_, niveau_, reste_, plateforme_);
    coller(ecran_, fond_.get(), position_fond_.x, position_fond_.y);
    coller(ecran_, message_.get(), X_MESSAGE, Y_MESSAGE);
    // From the verdict on, the button that says a tap on the box goes on (an addition).
    if (au_verdict())
        coller(ecran_, bouton_.get(), BOUTON_VERDICT.x, BOUTON_VERDICT.y);
    coller(ecran_, bouton_pause_.get(), BOUTON_PAUSE.x, BOUTON_PAUSE.y);
    coller(ecran_, bouton_regles_.get(), BOUTON_REGLES.x, BOUTON_REGLES.y);
    dessiner_bouton_son(BOUTON_SON);
    coller(ecran_, sprite_bidou_.get(), position_bidou_.x, position_bidou_.y);
    afficher_aliment(ecran_, tableau_, niveau_);
    if (phase_ == Phase::Perdu)
        afficher_erreurs(ecran_, tableau_, niveau_);
    afficher_gamelle_poubelle(ecran_, tableau_, niveau_, plateforme_);
    plateforme_.presenter(ecran_);
}

void Partie::ecran_de_fin()
{
    bool dit = false;
    const auto dessiner = [&] {
        if (!fini_)
            fini_ = charger_image(image::pour(image::FINI, tactile_));
        coller(ecran_, fini_.get(), 0, 0);
        if (!dit)  // once, as it first shows: it is drawn again after every event
            dire(son::VOIX_FINI);
        dit = true;
    };
    // The last board stays until the first event of any kind brings the end picture; a
    // tap then only brings it.
    const SDL_Event premier = attendre_ecran(FIN, {}, false, [](const SDL_Event&) { return true; });
    if (demande_de_quitter(premier)) {
        dit = true;  // the game ends: nothing more is said
        dessiner();
        plateforme_.presenter(ecran_);
        return;
    }
    // Shown again after every event until Escape, the window's close or, once it is seen,
    // a tap (an addition: the one way out for a finger; the page then offers to replay).
    attendre_ecran(FIN, dessiner, true,
                   [](const SDL_Event& e) { return demande_de_quitter(e) || clic_gauche(e); });
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

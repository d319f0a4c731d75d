// The game's one lasting object: everything SDL_main owns for the whole run, and the
// steps of the flow as its members. Defined across aliment.cpp (the flow itself) and
// decompte.cpp (the countdown and the rest between passes); not for use elsewhere.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "draw/geometrie.hpp"
#include "draw/ressources.hpp"
#include "flow/demarrage.hpp"
#include "platform/plateforme.hpp"
#include "rules/tableau.hpp"

namespace flux {

constexpr std::int32_t SECONDES_PAR_NIVEAU = 30;

inline SDL_Rect rectangle(std::int16_t x, std::int16_t y)
{
    SDL_Rect r{};
    r.x = x;
    r.y = y;
    return r;
}

// Where a level stands: what the board shows, and what a key or a tap does there.
enum class Phase {
    Accueil,      // before the first level: the intro, the fade, the choice of a track
    Tri,          // foods left to sort: the countdown runs
    Marche,       // Bidou walks along the bowls: nothing is read
    Gagne,        // the verdict: all five right, saved; s or a tap on the box goes on
    Perdu,        // the verdict: some wrong, crossed in red; s or the box plays it again
    TempsEcoule,  // the countdown reached 0 and its screen closed: the same level follows
    Termine,      // ended by s or the box: the level file says which level follows
    Quitte,       // Escape or the window's close: the game ends
};

// A blocking screen or animation of the flow, and its rule for what came during it; the
// table of every one is in attente.cpp, the one place that waits.
struct Attente {
    // What is queued as it ends is dropped (a quit still quits): nothing done while the
    // child could not act on it acts on the screen that follows.
    bool ecarte;
    // Dropped with the rest, but the page's pause request is kept for the screen that
    // follows: a level that starts under it opens its pause.
    bool garde_la_pause;
    // The level goes on after it: its countdown resumes from now.
    bool reprend_decompte;
};

// Every wait's rule, in one table.
//                                ecarte garde_la_pause reprend_decompte
inline constexpr Attente INTRO{true, false, false};
inline constexpr Attente FONDU{true, false, false};  // unless a choice ends it: nothing is dropped then
inline constexpr Attente CHOIX{false, false, false};  // what follows the choice is the first level's
inline constexpr Attente MARCHE{true, true, true};
inline constexpr Attente FIN_DE_PISTE{true, true, true};
inline constexpr Attente TEMPS_FINI{true, false, true};
inline constexpr Attente PAUSE{false, false, true};  // what follows the closing key is the level's
inline constexpr Attente REGLES{false, false, true};
inline constexpr Attente FIN{false, false, false};

class Partie {
public:
    explicit Partie(Plateforme& plateforme) : plateforme_(plateforme) {}
    int jouer();

private:
    // The one way to wait (attente.cpp).
    // An animation or a timed picture: `image` draws, presents and waits for one frame,
    // and says whether another follows. With `interrompt`, the queue is read between
    // frames, and the first event it accepts ends the animation and is returned; a quit
    // then ends it too. Without it, nothing is read until the animation is over.
    std::optional<SDL_Event> animer(const Attente& attente, const std::function<bool()>& image,
                                    const std::function<bool(const SDL_Event&)>& interrompt = {});
    // A screen that waits for the child: `dessiner` draws it (presented before the first
    // event, and before each later one when `redessine`; nothing when empty), `ferme`
    // says which event closes it; every other event is dropped. Returns the closing one.
    SDL_Event attendre_ecran(const Attente& attente, const std::function<void()>& dessiner, bool redessine,
                             const std::function<bool(const SDL_Event&)>& ferme);
    void finir_attente(const Attente& attente);
    // The next event, a double tap's second tap skipped (prendre waits for one).
    bool sonder(SDL_Event& e);
    void prendre(SDL_Event& e);
    bool second_tap(const SDL_Event& e);
    void noter_fermeture(const SDL_Event& e);

    void choisir_piste(std::optional<SDL_Event> deja);
    void marquer_carte();
    // The sound (aliment.cpp): every clip the flow plays goes through dire, which plays
    // nothing while the child has muted it.
    void dire(const std::string& nom);
    // m, or a tap on the speaker at `bouton`: mutes or unmutes, and true; false for any
    // other event. The caller draws the speaker again.
    bool basculer_son(const SDL_Event& e, const Cadre& bouton);
    void dessiner_bouton_son(const Cadre& bouton);
    void ouvrir_pause();
    void ouvrir_regles();
    bool au_verdict() const { return phase_ == Phase::Gagne || phase_ == Phase::Perdu; }
    bool en_cours() const { return phase_ == Phase::Tri || au_verdict(); }
    void jouer_niveau();
    void passe();
    void reposer(std::uint32_t debut_passe);
    void commencer_decompte();
    bool decompter();
    void reprendre_decompte();
    void temps_ecoule();
    bool traiter(const SDL_Event& e);
    void finir_niveau();
    void quitter();
    bool cliquer(const SDL_MouseButtonEvent& b);
    void juger();
    bool fin_de_piste_eventuelle();
    void redessiner();
    void ecran_de_fin();
    void sauver(std::int32_t valeur);
    void remplir(Uint8 r, Uint8 g, Uint8 b) { SDL_FillRect(ecran_, nullptr, SDL_MapRGB(ecran_->format, r, g, b)); }
    Surface rendre_message(const char* texte) const
    {
        const SDL_Color noir{0, 0, 0, 0};
        return Surface{TTF_RenderText_Blended(police_.get(), texte, noir)};
    }

    Plateforme& plateforme_;

    Tableau tableau_ = tableau_initial();
    std::int32_t niveau_ = 0;
    std::int32_t difficulte_ = 0;
    std::int32_t reste_ = SECONDES_PAR_NIVEAU;
    std::uint32_t dernier_tic_ = 0;  // when the last countdown step was due; set before the first level
    bool plateau_perime_ = true;     // the screen no longer shows the board as it is
    Phase phase_ = Phase::Accueil;
    // Won on a track's last level: the track-end picture is owed to the next level.
    bool fin_de_piste_ = false;
    // The page asked for the pause during a wait: the level that follows opens it.
    bool pause_gardee_ = false;
    // When a tap last closed a screen (or opened one): a second tap this close behind is a
    // double tap's, and does not act on the screen that follows.
    std::optional<std::uint32_t> tap_fermant_;
    bool tactile_ = false;  // the platform's answer, asked once at start-up
    // The child muted the sound (m or the speaker): for the run only, nothing is written.
    bool muet_ = false;
    bool sauvegarde_signalee_ = false;
    std::optional<std::int32_t> niveau_non_sauve_;  // what the last save meant to store, when it failed

    const SDL_Rect position_fond_ = rectangle(0, 0);
    const SDL_Rect position_bidou_ = rectangle(X_BIDOU, Y_BIDOU);

    // Declaration order is release order reversed: surfaces go first, then SDL
    // (which disposes of the screen), then the message font, then the font engine.
    MoteurPolices moteur_polices_;
    Police police_;
    Video video_;
    SDL_Surface* ecran_ = nullptr;  // SDL_Quit's to dispose of
    Surface icone_;                 // some SDL builds keep using it while the window lives
    Surface temps_fini_;
    Surface fini_;
    Surface fond_;
    Surface sprite_bidou_;
    Surface message_;
    Surface bouton_;  // the verdict's button: on after a win, again after a loss
    Surface bouton_pause_;
    Surface bouton_regles_;
    Surface bouton_son_;
    Surface bouton_muet_;
};

}  // namespace flux

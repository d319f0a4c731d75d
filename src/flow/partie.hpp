// The game's one lasting object: everything SDL_main owns for the whole run, and the
// steps of the flow as its members. Defined across aliment.cpp (the flow itself) and
// decompte.cpp (the countdown and the rest between passes); not for use elsewhere.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdint>
#include <optional>

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

class Partie {
public:
    explicit Partie(Plateforme& plateforme) : plateforme_(plateforme) {}
    int jouer();

private:
    void choisir_piste();
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
    bool continuer_ = true;
    bool continuer_niveau_ = true;
    bool verdict_en_attente_ = true;
    // Set by a lost verdict, cleared as its level ends: while set, each food in the wrong
    // container is drawn with a red cross. A deliberate addition, so that a child learns
    // which answers were wrong; it draws over the empty column only and changes no state.
    bool erreurs_visibles_ = false;
    bool fin_de_piste_ = false;
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
};

}  // namespace flux

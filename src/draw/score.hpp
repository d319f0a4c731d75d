// The score panel along the bottom of the window: level, seconds left, score.
#pragma once

#include <SDL.h>

#include "draw/geometrie.hpp"  // Y_PANNEAU
#include "platform/plateforme.hpp"
#include "rules/tableau.hpp"

#include <string>

// The panel's three lines as they are rendered (Latin-1 bytes, one blank at either end),
// and whether the seconds turn red. A wide font can push the end of the level line under
// the seconds box, so the tests read the label here as well as on screen.
struct LignesPanneau {
    std::string score;
    std::string niveau;
    std::string reste;
    bool reste_en_rouge;
};
LignesPanneau lignes_panneau(const Tableau& tableau, std::int32_t niveau, std::int32_t reste);

// Draws the three boxes with the panel's own 48-point font and presents the screen.
void afficher_score(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau, std::int32_t reste,
                    Plateforme& plateforme);

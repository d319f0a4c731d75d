// The board: the column of unsorted foods, and each row's bowl and bin.
#pragma once

#include <SDL.h>

#include "draw/geometrie.hpp"  // where the rows stand, shared with the picture tool
#include "platform/plateforme.hpp"
#include "rules/tableau.hpp"

// Draws the foods of the level's five rows that are still unsorted. Does not present.
void afficher_aliment(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau);

// Draws each row's bowl and bin, full or empty by the row's choice, then presents the
// screen through `plateforme`.
void afficher_gamelle_poubelle(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau,
                               Plateforme& plateforme);

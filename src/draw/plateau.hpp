// The board: the column of unsorted foods, and each row's bowl and bin.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>

#include "draw/geometrie.hpp"  // where the rows stand, shared with the picture tool
#include "platform/plateforme.hpp"
#include "rules/tableau.hpp"

// Draws the foods of the level's five rows that are still unsorted. Does not present.
void afficher_aliment(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau);

// Once a level is lost, draws again each food of the level that sits in the wrong
// container, in its place in the column, with a red cross over it, so that the child
// sees which answers to change. A deliberate addition to the game (see docs/choix.md):
// the game flow calls it only after a lost verdict, between the foods and the containers.
// Does not present.
void afficher_erreurs(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau);

// What a click does on the board: the row (0 to 4) whose food it sorts, and the choice
// it writes.
struct Tri {
    std::int32_t rangee;
    std::int32_t choix;
};
// The left button on a food's tile puts it in the bowl, the right one in the bin. A
// click of either button on a row's bowl or bin puts that row's food there: an addition
// (see docs/choix.md) for a child who has only one button. Nothing for any other
// button or place.
std::optional<Tri> tri_du_clic(int x, int y, std::uint8_t bouton);

// Draws each row's bowl and bin, full or empty by the row's choice, then presents the
// screen through `plateforme`.
void afficher_gamelle_poubelle(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau,
                               Plateforme& plateforme);

// The board: the column of unsorted foods, and each row's bowl and bin.
#pragma once

#include <SDL.h>

#include "platform/plateforme.hpp"
#include "rules/tableau.hpp"

// Board geometry. Row k holds food niveau + k; foods stand 24 px above their containers.
inline constexpr std::int16_t X_GAMELLE = 400;
inline constexpr std::int16_t X_ALIMENT = 550;
inline constexpr std::int16_t X_POUBELLE = 700;
inline constexpr std::int16_t Y_ALIMENT_0 = 76;
inline constexpr std::int16_t Y_RECIPIENT_0 = 100;
inline constexpr std::int16_t HAUTEUR_RANGEE = 100;

// Draws the foods of the level's five rows that are still unsorted. Does not present.
void afficher_aliment(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau);

// Draws each row's bowl and bin, full or empty by the row's choice, then presents the
// screen through `plateforme`.
void afficher_gamelle_poubelle(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau,
                               Plateforme& plateforme);

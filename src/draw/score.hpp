// The score panel along the bottom of the window: level, seconds left, score.
#pragma once

#include <SDL.h>

#include "platform/plateforme.hpp"
#include "rules/tableau.hpp"

inline constexpr std::int16_t Y_PANNEAU = 600;

// Draws the three boxes with the panel's own 48-point font and presents the screen.
void afficher_score(SDL_Surface* ecran, const Tableau& tableau, std::int32_t niveau, std::int32_t reste,
                    Plateforme& plateforme);

// Bidou's walk along the bowls once the five foods are sorted.
#pragma once

#include <SDL.h>

#include "platform/plateforme.hpp"
#include "rules/tableau.hpp"

// Plays the whole walk from `position_bidou` and back, drawing and presenting every
// frame. The caller's rectangles and picture are copies and stay as they were.
void deplacer_bidou(SDL_Surface* ecran, SDL_Surface* sprite_bidou, const Tableau& tableau, SDL_Surface* fond,
                    SDL_Rect position_fond, SDL_Rect position_bidou, std::int32_t niveau,
                    Plateforme& plateforme);

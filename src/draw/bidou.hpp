// Bidou's walk along the bowls once the five foods are sorted.
#pragma once

#include <SDL.h>

#include <functional>

#include "platform/plateforme.hpp"
#include "rules/tableau.hpp"

// Plays the whole walk from `position_bidou` and back, drawing and presenting every
// frame. The caller's rectangles and picture are copies and stay as they were.
// `un_pas` is called on every frame where the pet has moved, before it is presented: the
// flow starts its steps' sound from there, so that the pats follow the walk.
void deplacer_bidou(SDL_Surface* ecran, SDL_Surface* sprite_bidou, const Tableau& tableau, SDL_Surface* fond,
                    SDL_Rect position_fond, SDL_Rect position_bidou, std::int32_t niveau,
                    Plateforme& plateforme, const std::function<void()>& un_pas = {});

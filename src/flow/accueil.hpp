// The opening, before the first level: the intro fade, the difficulty fade and the
// choice of a track by key or by its card.
#pragma once

#include <SDL.h>

#include "platform/plateforme.hpp"

// The title picture, then the second intro picture fading in over it (about twelve seconds).
void fondu_intro(SDL_Surface* ecran, Plateforme& plateforme);

// The track-choice picture fading in over what is on the screen (about two seconds).
void fondu_difficulte(SDL_Surface* ecran, Plateforme& plateforme);

// Waits for the player's choice of a track, by a key (1, 2 or 3, on the keypad or above
// the letters) or a left click on its card, and returns it: 0 easy, 1 medium, 2 hard;
// -1 for Escape or the window's close. Every other event is dropped.
int attendre_choix_de_piste(Plateforme& plateforme);

// The two modal screens the level loop opens from the keyboard.
#pragma once

#include <SDL.h>

#include "platform/plateforme.hpp"

// Shows the pause picture over the board, translucent, until the next key-down of p or tap.
void pause(SDL_Surface* ecran, Plateforme& plateforme);

// Shows the rules, redrawn after every event, until a key-down of j or a tap.
void regle_jeu(SDL_Surface* ecran, Plateforme& plateforme);

// The two modal screens the level loop opens (p and r, or the board's buttons): what
// each draws and what closes it. The flow's one way to wait (src/flow/attente.cpp)
// presents them and waits.
#pragma once

#include <SDL.h>

// The pause picture over the board, translucent (the touch version on a touch screen).
// Drawn once: nothing on it changes until it closes.
void dessiner_pause(SDL_Surface* ecran, bool tactile);
// True for what closes the pause: the next key-down of p, or a tap anywhere.
bool ferme_la_pause(const SDL_Event& evenement);

// The rules, opaque, loaded from their file again each time they are drawn.
void dessiner_regles(SDL_Surface* ecran, bool tactile);
// True for what closes the rules: a key-down of j, or a tap anywhere.
bool ferme_les_regles(const SDL_Event& evenement);

// The game flow: start-up and intro, choice of track, the levels, the end and the shutdown.
#pragma once

#include "platform/plateforme.hpp"

// Plays one whole game through `plateforme`, in the working directory. Returns the
// process status: 0 after an orderly end, 1 when SDL, the window or the font cannot start.
int jouer(Plateforme& plateforme);

// The program's entry: jouer with SDL's own clock, events and display.
extern "C" int SDL_main(int argc, char* argv[]);

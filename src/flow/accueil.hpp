// The opening, before the first level: the intro fade, the difficulty fade and what
// chooses a track. The flow's one way to wait (attente.cpp) plays them.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>

#include "draw/ressources.hpp"
#include "platform/plateforme.hpp"

// The title picture, then the second intro picture fading in over it (about twelve seconds).
void fondu_intro(SDL_Surface* ecran, Plateforme& plateforme);

// The track-choice picture fading in over what is on the screen (about two seconds), a
// frame at a time, so that the wait playing it can look at the queue between frames and
// end it at once. `par_dessus` draws over the whole picture, on its last frame only (the
// saved card's mark).
class FonduDifficulte {
public:
    FonduDifficulte(SDL_Surface* ecran, Plateforme& plateforme, bool tactile, std::function<void()> par_dessus);
    // Waits for the next frame's moment, draws and presents it; false once the last is shown.
    bool image_suivante();
    // The last frame at once: the whole picture, then what goes over it.
    void achever();

private:
    SDL_Surface* ecran_;
    Plateforme& plateforme_;
    Surface image_;
    std::function<void()> par_dessus_;
    Cadence cadence_;
    int alpha_ = 0;
};

// The track (0 easy, 1 medium, 2 hard) that an event chooses: a key (1, 2 or 3, on the
// keypad or above the letters) or a left click on its card; -1 for every other event.
int piste_choisie(const SDL_Event& e);

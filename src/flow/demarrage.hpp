// What the game needs before it opens its window: the font engine, the message font and
// SDL's video, each stopped by its owner, and the checks that refuse a display that
// would show no pictures.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include "draw/ressources.hpp"

// Started before anything that needs them and stopped after everything that does:
// declared in that order, they give the shutdown order by construction.
struct MoteurPolices {
    bool pret = false;
    bool demarrer() { return pret = TTF_Init() == 0; }
    ~MoteurPolices()
    {
        if (pret)
            TTF_Quit();
    }
};

struct Video {
    bool prete = false;
    bool demarrer() { return prete = SDL_Init(SDL_INIT_VIDEO) == 0; }
    void arreter()
    {
        if (prete)
            SDL_Quit();
        prete = false;
    }
    ~Video() { arreter(); }
};

// Writes "grignotin: <quoi>: <erreur>" on standard error; returns the process status 1.
int echec(const char* quoi, const char* erreur);

// Starts, in this order, the font engine, the message font (`police`, at `points`) and
// SDL's video, and refuses a display that cannot show the pictures. 0 when all is up;
// otherwise 1, after one line on standard error saying what is missing.
int demarrer(MoteurPolices& moteur, Police& police, int points, Video& video);

#include "demarrage.hpp"

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "draw/noms_images.hpp"

namespace {

bool variable_posee(const char* nom)
{
    const char* valeur = std::getenv(nom);
    return valeur && *valeur;
}

// A child needs to see the pictures. Left to choose, SDL 1.2 falls back to drivers that
// show none of them: classic SDL draws the game as coloured letters in the terminal
// (caca), and SDL 1.2 over SDL 2 opens an invisible window (offscreen) that waits for
// a click no one can make. Both are refused unless SDL_VIDEODRIVER names them: tests
// and benchmarks ask for dummy by name.
bool pilote_choisi() { return variable_posee("SDL_VIDEODRIVER"); }

// In the browser the page's canvas is the display, and no variable announces it.
bool affichage_annonce()
{
    return AFFICHAGE_NAVIGATEUR || variable_posee("DISPLAY") || variable_posee("WAYLAND_DISPLAY");
}

bool pilote_sans_image(const char* nom)
{
    for (const char* sans_image : {"caca", "aalib", "offscreen", "dummy"})
        if (std::strcmp(nom, sans_image) == 0)
            return true;
    return false;
}

}  // namespace

int echec(const char* quoi, const char* erreur)
{
    std::fprintf(stderr, "grignotin: %s: %s\n", quoi, erreur);
    return 1;
}

int demarrer(MoteurPolices& moteur, Police& police, int points, Video& video)
{
    // Every redraw reads and decodes full-screen pictures (1.7 MB each) and frees them
    // at once. glibc's thresholds slide with what was allocated before, and in some orders
    // each such block went back to the system on free and was faulted in again on the
    // next read: the rules screen redrawn 2,000 times took 30 s instead of 2 (each read
    // 888 us instead of 10). Fixed thresholds keep those blocks in the heap for reuse.
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    // The font engine and the message font come before SDL.
    if (!moteur.demarrer())
        return echec("TTF_Init", TTF_GetError());
    police.reset(TTF_OpenFont(FICHIER_POLICE, points));
    if (!police)
        return echec(FICHIER_POLICE, TTF_GetError());
    // Checked before SDL starts: the text-mode driver takes the terminal over as it
    // starts, and without TERM its terminal library ends the process on its own.
    if (!pilote_choisi() && !affichage_annonce())
        return echec("SDL_Init", "no graphical display: DISPLAY is not set");
    if (!video.demarrer())
        return echec("SDL_Init", SDL_GetError());
    char pilote[32] = "";
    SDL_VideoDriverName(pilote, sizeof pilote);
    if (!pilote_choisi() && pilote_sans_image(pilote)) {
        // SDL gives the terminal back before the message is written.
        video.arreter();
        return echec("SDL_Init", (std::string("no graphical display: SDL could only offer its '") + pilote +
                                  "' driver, which shows no pictures").c_str());
    }
    return 0;
}
